#include "review/ui/ripassoview.h"

#include "shell/ui/porteqt.h"
#include "shell/ui/elementiqt.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>

namespace lex::ui {

RipassoView::RipassoView(FinestraRipasso& regole, QWidget* genitore) : QDialog(genitore), r_(regole)
{
    const auto& m = r_.m;
    setWindowTitle(m.caption);
    setFixedSize(px(m.window.width), px(m.window.height));
    colora(this, m.window.back, colori::nero);
    setFont(arial(8.25));

    frame1_ = new QGroupBox(m.Frame1.text, this);
    frame1_->setFont(arial(m.Frame1.fontSize, true));
    colora(frame1_, m.Frame1.back, m.Frame1.fore);

    for (int i : {0, 1}) {
        const auto& e = m.vista[static_cast<std::size_t>(i)];
        auto* o = new QRadioButton(e.text, frame1_);
        o->setObjectName(QStringLiteral("vista%1").arg(i));
        o->setFont(arial(e.fontSize));
        colora(o, e.back, e.fore);
        connect(o, &QRadioButton::clicked, this, [this, i] { esegui([this, i] { r_.vista_Click(i); }); });
        vista_[static_cast<std::size_t>(i)] = o;
    }

    elenco_ = new QTableWidget(frame1_);
    elenco_->setObjectName(QStringLiteral("elenco"));
    elenco_->setFont(arial(9));
    elenco_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    elenco_->setSelectionBehavior(QAbstractItemView::SelectRows);
    elenco_->setSelectionMode(QAbstractItemView::SingleSelection);
    elenco_->setTabKeyNavigation(false); // Tab leaves the list for the buttons
    elenco_->setWordWrap(false);
    elenco_->setTextElideMode(Qt::ElideRight);
    elenco_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    elenco_->setAlternatingRowColors(true);
    elenco_->verticalHeader()->hide();
    elenco_->horizontalHeader()->setFont(arial(9, true));
    elenco_->horizontalHeader()->setHighlightSections(false);
    elenco_->horizontalHeader()->setStretchLastSection(true);
    // The board's colours: light red rows, the orange of the main window in the titles, and the
    // yellow of the lit answer box for the chosen row.
    elenco_->setStyleSheet(QStringLiteral(
        "QTableWidget { background: #ff8080; alternate-background-color: #ffa0a0; color: black;"
        " gridline-color: #c04040; border: 1px solid #400000;"
        " selection-background-color: #ffff00; selection-color: black; }"
        "QHeaderView::section { background: #ff8000; color: black; border: 0px; border-right: 1px solid #c04040;"
        " border-bottom: 1px solid #400000; padding: 2px 4px; }"));

    vuoto_ = new QLabel(m.vuoto.text, frame1_);
    vuoto_->setObjectName(QStringLiteral("vuoto"));
    vuoto_->setFont(carattere(QStringLiteral("Comic Sans MS"), m.vuoto.fontSize, true));
    vuoto_->setAlignment(Qt::AlignCenter);
    vuoto_->setWordWrap(true);
    vuoto_->setMargin(px(360));
    colora(vuoto_, m.vuoto.back, colori::rossoScuro);
    vuoto_->setFrameStyle(QFrame::Box | QFrame::Plain);

    nota_ = new QLabel(this);
    nota_->setObjectName(QStringLiteral("nota"));
    nota_->setFont(arial(m.nota.fontSize, true));
    nota_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nota_->setWordWrap(true);
    colora(nota_, m.nota.back, m.nota.fore);

    for (int i : {0, 1}) {
        const auto& e = m.okay[static_cast<std::size_t>(i)];
        auto* b = new QPushButton(e.text, this);
        b->setObjectName(QStringLiteral("okay%1").arg(i));
        b->setFont(arial(e.fontSize, true));
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, colore(e.back));
        pal.setColor(QPalette::Active, QPalette::ButtonText, colore(e.fore));
        pal.setColor(QPalette::Inactive, QPalette::ButtonText, colore(e.fore));
        pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 64, 64)); // nothing to save
        b->setPalette(pal);
        connect(b, &QPushButton::clicked, this, [this, i] { esegui([this, i] { r_.okay_Click(i); }); });
        okay_[static_cast<std::size_t>(i)] = b;
    }
    okay_[1]->setDefault(true); // Enter in the list closes, as Esc does; saving takes its own key

    setTabOrder(vista_[0], vista_[1]);
    setTabOrder(vista_[1], elenco_);
    setTabOrder(elenco_, okay_[0]);
    setTabOrder(okay_[0], okay_[1]);
    rispecchia();
    // The list takes the keys from the start; with nothing to list, the close button does.
    (m.elenco.visible ? static_cast<QWidget*>(elenco_) : okay_[1])->setFocus();
}

void RipassoView::rispecchia()
{
    const auto& m = r_.m;
    applica(frame1_, m.Frame1);
    for (int i : {0, 1}) {
        QRadioButton* o = vista_[static_cast<std::size_t>(i)];
        applica(o, m.vista[static_cast<std::size_t>(i)]);
        if (o->isChecked() != m.vista[static_cast<std::size_t>(i)].selected) {
            const QSignalBlocker blocco(o);
            o->setChecked(m.vista[static_cast<std::size_t>(i)].selected);
        }
    }

    applica(elenco_, m.elenco);
    if (righe_ != m.righe || elenco_->columnCount() != m.colonne.size()) {
        righe_ = m.righe;
        elenco_->clear();
        elenco_->setColumnCount(static_cast<int>(m.colonne.size()));
        elenco_->setHorizontalHeaderLabels(m.colonne);
        for (int c = 0; c < m.larghezze.size(); ++c)
            elenco_->setColumnWidth(c, px(m.larghezze[c]));
        elenco_->setRowCount(static_cast<int>(m.righe.size()));
        for (int r = 0; r < m.righe.size(); ++r)
            for (int c = 0; c < m.righe[r].size(); ++c) {
                auto* cella = new QTableWidgetItem(m.righe[r][c]);
                cella->setToolTip(m.righe[r][c]); // long translations are cut in the cell
                if (c == m.righe[r].size() - 1)
                    cella->setTextAlignment(Qt::AlignCenter);
                elenco_->setItem(r, c, cella);
            }
        if (!m.righe.isEmpty())
            elenco_->setCurrentCell(0, 0);
    }

    applica(vuoto_, m.vuoto);
    if (vuoto_->text() != m.vuoto.text)
        vuoto_->setText(m.vuoto.text);
    applica(nota_, m.nota);
    if (nota_->text() != m.nota.text)
        nota_->setText(m.nota.text);
    for (int i : {0, 1}) {
        QPushButton* b = okay_[static_cast<std::size_t>(i)];
        applica(b, m.okay[static_cast<std::size_t>(i)]);
        b->setEnabled(m.okay[static_cast<std::size_t>(i)].enabled);
    }
}

void RipassoView::reject()
{
    esegui([this] { r_.okay_Click(1); });
}

bool mostraRipassoModale(const Ripasso& ripasso, MessaggiBox& box, FileSistema& fs, QWidget* genitore)
{
    FinestraRipasso regole(ripasso, box, fs);
    RipassoView vista(regole, genitore);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        vista.move((g.width() - vista.width()) / 2, (g.height() - vista.height()) / 2);
    }
    vista.exec();
    return regole.elencoSalvato();
}

} // namespace lex::ui
