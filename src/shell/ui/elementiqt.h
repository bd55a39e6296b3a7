// Hands a designed element to its widget: place, tooltip and visibility, and the colours.
// Shared by the dialogs, which mirror their models the same way.
#pragma once

#include "shell/ui/twips.h"

#include <QPalette>
#include <QWidget>

namespace lex::ui {

// Background and text colours; Text as well as WindowText, since check marks and item views
// draw with it.
inline void colora(QWidget* w, Colore sfondo, Colore testo)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colore(sfondo));
    pal.setColor(QPalette::WindowText, colore(testo));
    pal.setColor(QPalette::Text, colore(testo));
    w->setPalette(pal);
    // Buttons paint their background with the Button role; ours stand on the window's colour.
    w->setBackgroundRole(QPalette::Window);
    w->setAutoFillBackground(true);
}

// Touches the widget only where the model differs, so an unchanged mirror repaints nothing.
inline void applica(QWidget* w, const Elemento& e)
{
    const QRect r = rettangolo(e);
    if (w->geometry() != r)
        w->setGeometry(r);
    if (w->toolTip() != e.tooltip)
        w->setToolTip(e.tooltip);
    if (w->isHidden() == e.visible)
        w->setVisible(e.visible);
}

} // namespace lex::ui
