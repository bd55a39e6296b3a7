#include "about/ui/infoview.h"

#include "board/ui/immagini.h"
#include "shell/ui/pezzo.h"
#include "shell/ui/porteqt.h"
#include "shell/ui/twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace lex::ui {

namespace {
QPushButton* bottone(const Elemento& e, QFont f, QWidget* genitore)
{
    auto* b = new QPushButton(e.text, genitore);
    b->setGeometry(rettangolo(e));
    b->setFont(f);
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset #c8c890; }"
                                    "QPushButton:pressed { border-style: inset; }")
                         .arg(colore(e.back).name()));
    return b;
}
} // namespace

InfoView::InfoView(QWidget* genitore) : QDialog(genitore), m(InfoModel::apertura())
{
    setWindowTitle(m.caption);
    setModal(true);
    setFixedSize(px(m.window.width), px(m.window.height));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colore(m.window.back));
    setPalette(pal);

    auto* ritratto = new Pezzo(m.Image1, {QFont(), Qt::AlignCenter, false, false}, this);
    ritratto->rispecchia();
    for (auto* e : {&m.lblVersion, &m.lbldes, &m.email}) {
        auto* l = new Pezzo(*e, {arial(8.25, e == &m.lblVersion), Qt::AlignLeft | Qt::AlignTop, true, false}, this);
        l->rispecchia();
    }

    auto* c3 = bottone(m.Command3, arial(8.25, true), this);
    const int lato = px(m.Command3.width) / 2;
    c3->setIcon(QIcon(immagine(m.Command3.picture, QSize(lato, lato), devicePixelRatioF())));
    c3->setIconSize(QSize(lato, lato));
    // The caption under the picture, as on a picture button.
    c3->setText(QString());
    auto* didascalia = new Pezzo(m.Command3, {arial(8.25, true), Qt::AlignHCenter | Qt::AlignBottom, true, false}, c3);
    didascalia->setAttribute(Qt::WA_TransparentForMouseEvents);
    didascalia->setGeometry(4, 0, c3->width() - 8, c3->height() - 8);
    connect(c3, &QPushButton::clicked, this, [this, c3] {
        m.clickCommand3();
        c3->setVisible(m.Command3.visible);
    });
    command3_ = c3;

    auto* c1 = bottone(m.Command1, arial(8.25, true), this);
    c1->setDefault(true);
    connect(c1, &QPushButton::clicked, this, &QDialog::accept);
    command1_ = c1;
}

void InfoView::paintEvent(QPaintEvent* ev)
{
    QDialog::paintEvent(ev);
    // The etched rule between the portrait and the contact line.
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(QPointF(90 / 15.0, 2085 / 15.0), QPointF(3408 / 15.0, 2085 / 15.0));
    p.setPen(Qt::white);
    p.drawLine(QPointF(105 / 15.0, 2100 / 15.0), QPointF(3392 / 15.0, 2100 / 15.0));
}

void mostraInfo(QWidget* genitore)
{
    InfoView box(genitore);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        box.move((g.width() - box.width()) / 2, (g.height() - box.height()) / 2);
    }
    box.exec();
}

} // namespace lex::ui
