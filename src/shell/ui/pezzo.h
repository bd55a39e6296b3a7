// One element of a window drawn from its model: background, picture, text. The rules own
// the Elemento; the widget only mirrors it and reports clicks.
#pragma once

#include "shell/elementi.h"

#include <QFont>
#include <QWidget>
#include <functional>

namespace lex::ui {

struct Stile {
    QFont font;
    Qt::Alignment allineamento = Qt::AlignCenter;
    bool aCapo = false;        // wrap words
    bool sfondo = true;        // paint the background colour
    bool bordo = false;        // a sunken edge, as a panel
    bool ombra = false;        // raised edge, as a box
};

class Pezzo : public QWidget {
public:
    Pezzo(const Elemento& e, Stile stile, QWidget* genitore);
    // Geometry (relative to the given origin in twips), visibility, tooltip and a repaint.
    void rispecchia(double origineLeft = 0, double origineTop = 0);
    std::function<void()> alClick;
    const Elemento& elemento() const { return e_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    const Elemento& e_;
    Stile stile_;
    QString testo_, immagine_, tooltip_;
    double punti_ = -1;
    Colore fore_, back_;
};

} // namespace lex::ui
