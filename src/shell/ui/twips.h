// Designed positions are in twips; Qt's logical pixels are 1/96 inch, so 15 twips each.
// Rounding happens only here, when a value is handed to a widget.
#pragma once

#include "shell/elementi.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QRect>
#include <cmath>

namespace lex::ui {

inline int px(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }

// Relative to an origin in twips (the element's container), without copying the element.
inline QRect rettangolo(const Elemento& e, double origineLeft = 0, double origineTop = 0)
{
    const double left = e.left - origineLeft, top = e.top - origineTop;
    const int l = px(left), t = px(top);
    return QRect(l, t, px(left + e.width) - l, px(top + e.height) - t);
}

// The button-face mark turns into the platform's own button colour.
inline QColor colore(Colore c)
{
    if (c == colori::buttonFace)
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor(c.r, c.g, c.b);
}

} // namespace lex::ui
