#include "testo/ui/testoview.h"

#include "shell/ui/elementiqt.h"
#include "shell/ui/porteqt.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace lex::ui {

namespace {

QPushButton* bottone(const Bottone& e, QWidget* genitore, const QString& nome)
{
    auto* b = new QPushButton(e.text, genitore);
    b->setObjectName(nome);
    b->setFont(arial(e.fontSize, true));
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, colore(e.back));
    pal.setColor(QPalette::Active, QPalette::ButtonText, colore(e.fore));
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, colore(e.fore));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 64, 64));
    b->setPalette(pal);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TestoView::TestoView(FinestraTesto& regole, QWidget* genitore) : QDialog(genitore), r_(regole)
{
    const auto& m = r_.m;
    setWindowTitle(m.caption);
    setFixedSize(px(m.window.width), px(m.window.height));
    colora(this, m.window.back, colori::nero);
    setFont(arial(8.25));

    frame1_ = new QGroupBox(m.Frame1.text, this);
    frame1_->setFont(arial(m.Frame1.fontSize, true));
    colora(frame1_, m.Frame1.back, m.Frame1.fore);
    testo_ = new QPlainTextEdit(frame1_);
    testo_->setObjectName(QStringLiteral("testo"));
    testo_->setFont(arial(10));
    testo_->setTabChangesFocus(true);
    QPalette bianca = testo_->palette(); // the frame's white caption is no colour for the text
    bianca.setColor(QPalette::Base, colore(m.testo.back));
    bianca.setColor(QPalette::Text, colore(colori::nero));
    testo_->setPalette(bianca);
    testo_->setPlaceholderText(QStringLiteral("Incollare qui il passo latino…"));
    connect(testo_, &QPlainTextEdit::textChanged, this, [this] { r_.testo_Change(testo_->toPlainText()); });
    for (int i : {0, 1}) {
        auto* b = bottone(m.comandi[static_cast<std::size_t>(i)], frame1_, QStringLiteral("comando%1").arg(i));
        comandi_[static_cast<std::size_t>(i)] = b;
    }
    connect(comandi_[0], &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Apri un testo latino"), QString(),
                                                          QStringLiteral("Testi (*.txt);;Tutti i file (*)"));
        if (!file.isEmpty())
            esegui([this, file] { r_.apri(file); });
    });
    connect(comandi_[1], &QPushButton::clicked, this, [this] { esegui([this] { r_.analizza_Click(); }); });

    frame2_ = new QGroupBox(m.Frame2.text, this);
    frame2_->setFont(arial(m.Frame2.fontSize, true));
    colora(frame2_, m.Frame2.back, m.Frame2.fore);
    elenco_ = new QTableWidget(frame2_);
    elenco_->setObjectName(QStringLiteral("elenco"));
    elenco_->setFont(arial(9));
    elenco_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    elenco_->setSelectionBehavior(QAbstractItemView::SelectRows);
    elenco_->setSelectionMode(QAbstractItemView::SingleSelection);
    elenco_->setTabKeyNavigation(false);
    elenco_->setWordWrap(false);
    elenco_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    elenco_->setAlternatingRowColors(true);
    elenco_->verticalHeader()->hide();
    elenco_->horizontalHeader()->setFont(arial(9, true));
    elenco_->horizontalHeader()->setHighlightSections(false);
    elenco_->horizontalHeader()->setStretchLastSection(true);
    elenco_->setStyleSheet(QStringLiteral(
        "QTableWidget { background: #ff8080; alternate-background-color: #ffa0a0; color: black;"
        " gridline-color: #c04040; border: 1px solid #400000;"
        " selection-background-color: #ffff00; selection-color: black; }"
        "QHeaderView::section { background: #ff8000; color: black; border: 0px; border-right: 1px solid #c04040;"
        " border-bottom: 1px solid #400000; padding: 2px 4px; }"));
    connect(elenco_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* c) { cellaCambiata(c); });
    copertura_ = new QLabel(frame2_);
    copertura_->setObjectName(QStringLiteral("copertura"));
    copertura_->setFont(arial(m.copertura.fontSize, true));
    colora(copertura_, m.copertura.back, m.copertura.fore);

    nota_ = new QLabel(this);
    nota_->setObjectName(QStringLiteral("nota"));
    nota_->setFont(arial(m.nota.fontSize, true));
    nota_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nota_->setWordWrap(true);
    colora(nota_, m.nota.back, m.nota.fore);
    for (int i : {0, 1, 2})
        okay_[static_cast<std::size_t>(i)] = bottone(m.okay[static_cast<std::size_t>(i)], this, QStringLiteral("okay%1").arg(i));
    connect(okay_[0], &QPushButton::clicked, this, [this] {
        const int riga = elenco_->currentRow();
        esegui([this, riga] { r_.okay_Click(0, riga); });
        if (riga >= 0 && riga < elenco_->rowCount())
            elenco_->setCurrentCell(riga, 0);
    });
    for (int i : {1, 2})
        connect(okay_[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { esegui([this, i] { r_.okay_Click(i); }); });

    setTabOrder(testo_, comandi_[0]);
    setTabOrder(comandi_[0], comandi_[1]);
    setTabOrder(comandi_[1], elenco_);
    setTabOrder(elenco_, okay_[0]);
    setTabOrder(okay_[0], okay_[1]);
    setTabOrder(okay_[1], okay_[2]);
    rispecchia();
    testo_->setFocus();
}

void TestoView::cellaCambiata(QTableWidgetItem* cella)
{
    if (riempiendo_)
        return;
    const int riga = cella->row();
    if (cella->column() == 0) {
        const bool tenuta = cella->checkState() == Qt::Checked;
        esegui([this, riga, tenuta] { r_.tenuta_Click(riga, tenuta); });
    } else if (cella->column() == 1) {
        const QString t = cella->text();
        esegui([this, riga, t] { r_.traduzione_Change(riga, t); });
    }
}

void TestoView::rispecchia()
{
    const auto& m = r_.m;
    applica(frame1_, m.Frame1);
    applica(testo_, m.testo);
    if (testo_->toPlainText() != m.testo.text) {
        const QSignalBlocker blocco(testo_);
        testo_->setPlainText(m.testo.text);
    }
    for (int i : {0, 1})
        applica(comandi_[static_cast<std::size_t>(i)], m.comandi[static_cast<std::size_t>(i)]);
    applica(frame2_, m.Frame2);
    applica(elenco_, m.elenco);
    if (righe_ != m.righe || tenute_ != m.tenute || elenco_->columnCount() != m.colonne.size()) {
        riempiendo_ = true;
        const int corrente = elenco_->currentRow();
        righe_ = m.righe;
        tenute_ = m.tenute;
        elenco_->setColumnCount(static_cast<int>(m.colonne.size()));
        elenco_->setHorizontalHeaderLabels(m.colonne);
        for (int c = 0; c < m.larghezze.size(); ++c)
            elenco_->setColumnWidth(c, px(m.larghezze[c]));
        elenco_->setRowCount(static_cast<int>(m.righe.size()));
        for (int r = 0; r < m.righe.size(); ++r)
            for (int c = 0; c < m.righe[r].size(); ++c) {
                auto* cella = new QTableWidgetItem(m.righe[r][c]);
                cella->setToolTip(m.righe[r][c]);
                Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
                if (c == 0) {
                    f |= Qt::ItemIsUserCheckable; // Space ticks the word in or out
                    cella->setCheckState(m.tenute.value(r) ? Qt::Checked : Qt::Unchecked);
                } else if (c == 1) {
                    f |= Qt::ItemIsEditable; // F2 changes the translation
                }
                cella->setFlags(f);
                elenco_->setItem(r, c, cella);
            }
        if (!m.righe.isEmpty())
            elenco_->setCurrentCell(std::clamp(corrente, 0, int(m.righe.size()) - 1), 0);
        riempiendo_ = false;
    }
    applica(copertura_, m.copertura);
    copertura_->setText(m.copertura.text);
    applica(nota_, m.nota);
    if (nota_->text() != m.nota.text)
        nota_->setText(m.nota.text);
    for (int i : {0, 1, 2}) {
        QPushButton* b = okay_[static_cast<std::size_t>(i)];
        applica(b, m.okay[static_cast<std::size_t>(i)]);
        b->setEnabled(m.okay[static_cast<std::size_t>(i)].enabled);
    }
}

void TestoView::reject()
{
    esegui([this] { r_.okay_Click(2); });
}

bool mostraTestoModale(MessaggiBox& box, FileSistema& fs, QWidget* genitore)
{
    FinestraTesto regole(box, fs, testo::Lessico::cartellaPredefinita());
    TestoView vista(regole, genitore);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        vista.move((g.width() - vista.width()) / 2, (g.height() - vista.height()) / 2);
    }
    vista.exec();
    return regole.elencoSalvato();
}

} // namespace lex::ui
