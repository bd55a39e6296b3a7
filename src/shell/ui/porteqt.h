// The ports on Qt: the real clock, random numbers, message boxes, the event loop,
// ending the process and text measurement.
#pragma once

#include "shell/finestre.h"

#include <QFont>
#include <QWidget>
#include <random>

namespace lex::ui {

class OrologioQt : public Orologio {
public:
    float adesso() override;
    void pausa(int ms) override;
};

class CasualeQt : public Casuale {
public:
    CasualeQt();
    void semina() override;
    double r() override;

private:
    std::mt19937_64 gen_;
};

class MessaggiBoxQt : public MessaggiBox {
public:
    // Boxes belong to the modal window open now, else to the active window, else to this one.
    void setGenitore(QWidget* w) { genitore_ = w; }
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti) override;

private:
    QWidget* genitore_ = nullptr;
};

class EventiQt : public Eventi {
public:
    std::function<void()> ridisegnaTutto;  // set by the main view
    std::function<void()> rispecchiaTutto; // after a deferred call, as after any event
    void eseguiPendenti() override;
    void ridisegna() override;
    void dopo(std::function<void()> f) override;
};

class UscitaQt : public Uscita {
public:
    [[noreturn]] void terminaSubito(int codice) override;
};

class MisureQt : public Misure {
public:
    double larghezzaParola(const QString& testo, double punti) override;
    double larghezzaSchermo() override;
    double altezzaSchermo() override;
    Bordi bordi(bool conMenu) override;
    // The main window, whose frame and menu bar are measured.
    QWidget* finestra = nullptr;
};

// The fonts of the design, pinned to metric-compatible Debian fonts so text measures the same everywhere.
void fissaCaratteri();
QFont carattere(const QString& famiglia, double punti, bool grassetto = false);
// Qt's own Italian texts for its dialogs and context menus; false when they are not installed.
bool caricaTraduzioni();
inline QFont arial(double punti, bool grassetto = false) { return carattere(QStringLiteral("Arial"), punti, grassetto); }

} // namespace lex::ui
