#include "shell/ui/pezzo.h"

#include "board/ui/immagini.h"
#include "shell/ui/twips.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <cmath>

namespace lex::ui {

Pezzo::Pezzo(const Elemento& e, Stile stile, QWidget* genitore)
    : QWidget(genitore), e_(e), stile_(std::move(stile))
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Pezzo::rispecchia(double origineLeft, double origineTop)
{
    // Runs for every element after every event: the text is measured only when it changed.
    QRect r = rettangolo(e_, origineLeft, origineTop);
    if (stile_.allargaAlTesto && !e_.text.isEmpty()) {
        if (misurato_ != e_.text || puntiMisurati_ != e_.fontSize) {
            misurato_ = e_.text;
            puntiMisurati_ = e_.fontSize;
            larghezzaTesto_ = static_cast<int>(std::ceil(QFontMetricsF(fontTesto()).horizontalAdvance(e_.text))) + 2 * kMargineTesto;
        }
        if (r.width() < larghezzaTesto_)
            r.setWidth(larghezzaTesto_);
    }
    if (geometry() != r)
        setGeometry(r);
    if (tooltip_ != e_.tooltip) {
        tooltip_ = e_.tooltip;
        setToolTip(tooltip_);
    }
    if (testo_ != e_.text || immagine_ != e_.picture || punti_ != e_.fontSize || !(fore_ == e_.fore) || !(back_ == e_.back)) {
        testo_ = e_.text;
        immagine_ = e_.picture;
        punti_ = e_.fontSize;
        fore_ = e_.fore;
        back_ = e_.back;
        update();
    }
    if (puntatore_ != e_.puntatore) {
        puntatore_ = e_.puntatore;
        if (puntatore_ == Puntatore::Mano)
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    if (isVisibleTo(parentWidget()) != e_.visible)
        setVisible(e_.visible);
}

void Pezzo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (stile_.sfondo)
        p.fillRect(r, colore(e_.back));
    if (!e_.picture.isEmpty()) {
        const QPixmap pm = immagine(e_.picture, r.size(), devicePixelRatioF());
        if (!pm.isNull())
            p.drawPixmap(0, 0, pm);
    }
    if (stile_.bordo || stile_.ombra) {
        const QColor chiaro(255, 255, 255, 170), scuro(0, 0, 0, 110);
        const QColor alto = stile_.bordo ? scuro : chiaro, basso = stile_.bordo ? chiaro : scuro;
        // One-pixel rectangles, not lines: Qt draws a translucent line pixel by pixel and hands
        // any line longer than about 100 pixels to its thread pool, for every tick that repaints it.
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), alto);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), alto);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), basso);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), basso);
    }
    if (!e_.text.isEmpty()) {
        p.setFont(fontTesto());
        p.setPen(colore(e_.fore));
        int flags = static_cast<int>(stile_.allineamento);
        if (stile_.aCapo)
            flags |= Qt::TextWordWrap;
        p.drawText(areaTesto(), flags, e_.text);
    }
}

QFont Pezzo::fontTesto() const
{
    QFont f = stile_.font;
    if (e_.fontSize > 0)
        f.setPointSizeF(e_.fontSize);
    return f;
}

void Pezzo::mousePressEvent(QMouseEvent* ev)
{
    if (ev->button() == Qt::LeftButton && alClick)
        alClick();
}

} // namespace lex::ui
