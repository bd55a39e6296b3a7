// The main window "Lexorio !": builds its pieces once, forwards keys, clicks, menu commands
// and timer ticks to the rules, and mirrors the model after each of them.
#pragma once

#include "shell/lexorio.h"
#include "shell/ui/pezzo.h"

#include <QMainWindow>
#include <QTimer>
#include <vector>

namespace lex::ui {

class LexorioView : public QMainWindow {
public:
    explicit LexorioView(Lexorio& regole) : LexorioView(regole, regole.modello()) {}
    // Events to the rules, a picture of another model: for showing a staged board.
    LexorioView(Lexorio& regole, const LexorioModel& modello);

    void rispecchia();        // the model's state onto the widgets
    void ridisegnaSubito();   // mirror and paint now, before a pause that lets no event run
    QWidget* tabellone() const { return tabellone_; }
    QTimer& timer() { return timer_; }
    std::function<void()> dopoPrimoDisegno; // once, when the first picture of the board is out

protected:
    void keyPressEvent(QKeyEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    template <typename F> void esegui(F&& f);
    Pezzo* pezzo(const Elemento& e, const QString& nome, Stile stile, QWidget* genitore,
                 std::function<void()> click = {});

    Lexorio& r_;
    const LexorioModel& m_;
    QWidget* tabellone_;
    QTimer timer_;
    Pezzo* frame1_ = nullptr;
    Pezzo* cornice_ = nullptr;
    std::vector<Pezzo*> diTabellone_, diFrame1_, diCornice_;
    bool primoRispecchio_ = true;
    bool disegnato_ = false;
};

// Converts a key event into the character code the rules expect (27 Esc, 13 Enter, 32 space,
// '0', '1', ...); 0 when the key types no character.
int codiceTasto(const QKeyEvent* ev);

} // namespace lex::ui
