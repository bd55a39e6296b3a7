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
    Elemento spostato = e_;
    spostato.left -= origineLeft;
    spostato.top -= origineTop;
    QRect r = rettangolo(spostato);
    if (stile_.allargaAlTesto && !e_.text.isEmpty()) {
        const int serve = static_cast<int>(std::ceil(QFontMetricsF(fontTesto()).horizontalAdvance(e_.text))) + 2 * kMargineTesto;
        if (r.width() < serve)
            r.setWidth(serve);
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
        p.setPen(alto);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(basso);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
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
