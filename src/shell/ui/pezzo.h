// One element of a window drawn from its model: background, picture, text. The rules own
// the Elemento; the widget only mirrors it and reports clicks.
#pragma once

#include "shell/elementi.h"

#include <QFont>
#include <QWidget>
#include <functional>

namespace lex::ui {

// Room left free on each side of a text, in pixels.
inline constexpr int kMargineTesto = 2;

struct Stile {
    QFont font;
    Qt::Alignment allineamento = Qt::AlignCenter;
    bool aCapo = false;        // wrap words
    bool sfondo = true;        // paint the background colour
    bool bordo = false;        // a sunken edge, as a panel
    bool ombra = false;        // raised edge, as a box
    bool allargaAlTesto = false; // grows to the right when its text needs more room
};

class Pezzo : public QWidget {
public:
    Pezzo(const Elemento& e, Stile stile, QWidget* genitore);
    // Geometry (relative to the given origin in twips), visibility, tooltip and a repaint.
    void rispecchia(double origineLeft = 0, double origineTop = 0);
    std::function<void()> alClick;
    const Elemento& elemento() const { return e_; }
    // Where and in which font the text is drawn.
    QRect areaTesto() const { return rect().adjusted(kMargineTesto, 0, -kMargineTesto, 0); }
    QFont fontTesto() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    const Elemento& e_;
    Stile stile_;
    QString testo_, immagine_, tooltip_;
    double punti_ = -1;
    Puntatore puntatore_ = Puntatore::Predefinito;
    Colore fore_, back_;
    QString misurato_; // the text whose width larghezzaTesto_ holds
    double puntiMisurati_ = -1;
    int larghezzaTesto_ = 0;
};

} // namespace lex::ui
