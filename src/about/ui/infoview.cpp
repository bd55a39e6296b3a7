#include "about/ui/infoview.h"

#include "board/ui/immagini.h"
#include "shell/ui/pezzo.h"
#include "shell/ui/porteqt.h"
#include "shell/ui/twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

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
    // The author's three lines in a smaller type, so each keeps to one line of its narrow label.
    const std::pair<Elemento*, QFont> etichette[] = {
        {&m.lblVersion, arial(8.25, true)}, {&m.lbldes, arial(7.5)}, {&m.email, arial(8.25)}};
    for (const auto& [e, font] : etichette) {
        auto* l = new Pezzo(*e, {font, Qt::AlignLeft | Qt::AlignTop, true, false}, this);
        l->setObjectName(e == &m.lblVersion ? QStringLiteral("lblVersion")
                         : e == &m.lbldes   ? QStringLiteral("lbldes")
                                            : QStringLiteral("email"));
        l->rispecchia();
    }

    auto* c3 = bottone(m.Command3, arial(8.25, true), this);
    // A picture button: the small picture above, the caption below it.
    c3->setText(QString());
    const int lato = std::min(c3->width() - 16, c3->height() - 52);
    Elemento figura = m.Command3;
    figura.text.clear();
    figura.left = (c3->width() - lato) / 2.0 * 15;
    figura.top = 8 * 15;
    figura.width = figura.height = lato * 15;
    figuraBottone_ = figura;
    auto* picture = new Pezzo(figuraBottone_, {QFont(), Qt::AlignCenter, false, false}, c3);
    picture->rispecchia();
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    Elemento scritta = m.Command3;
    scritta.picture.clear();
    scritta.left = 4 * 15;
    scritta.top = (lato + 10) * 15;
    scritta.width = (c3->width() - 8) * 15;
    scritta.height = (c3->height() - lato - 14) * 15;
    didascalia_ = scritta;
    auto* didascalia = new Pezzo(didascalia_, {arial(8.25, true), Qt::AlignCenter, true, false}, c3);
    didascalia->rispecchia();
    didascalia->setAttribute(Qt::WA_TransparentForMouseEvents);
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
        // Centred by its whole size: the frame the main window got from the window manager.
        QMargins bordo;
        if (genitore && genitore->windowHandle())
            bordo = genitore->windowHandle()->frameMargins();
        const QRect g = s->geometry();
        const int larga = box.width() + bordo.left() + bordo.right();
        const int alta = box.height() + bordo.top() + bordo.bottom();
        box.move((g.width() - larga) / 2, (g.height() - alta) / 2);
    }
    box.exec();
}

} // namespace lex::ui
