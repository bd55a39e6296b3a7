#include "testo/ui/testoview.h"

#include "shell/ui/elementiqt.h"
#include "shell/ui/porteqt.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace lex::ui {

TestoView::TestoView(FinestraTesto& regole, QWidget* genitore) : DialogoRegole(regole, genitore)
{
    const auto& m = r_.m;
    frame1_ = cornice(m.Frame1, this);
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
        auto* b = bottone(m.comandi[static_cast<std::size_t>(i)], QStringLiteral("comando%1").arg(i), frame1_);
        b->setAutoDefault(false);
        comandi_[static_cast<std::size_t>(i)] = b;
    }
    connect(comandi_[0], &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Apri un testo latino"), QString(),
                                                          QStringLiteral("Testi (*.txt);;Tutti i file (*)"));
        if (!file.isEmpty())
            esegui([this, file] { r_.apri(file); });
    });
    connect(comandi_[1], &QPushButton::clicked, this, [this] { esegui([this] { r_.analizza_Click(); }); });

    frame2_ = cornice(m.Frame2, this);
    elenco_ = elencoRosso(frame2_);
    elenco_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    connect(elenco_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* c) { cellaCambiata(c); });
    copertura_ = new QLabel(frame2_);
    copertura_->setObjectName(QStringLiteral("copertura"));
    copertura_->setFont(arial(m.copertura.fontSize, true));
    colora(copertura_, m.copertura.back, m.copertura.fore);

    nota_ = etichettaNota(m.nota, this);
    for (int i : {0, 1, 2}) {
        auto* b = bottone(m.okay[static_cast<std::size_t>(i)], QStringLiteral("okay%1").arg(i), this);
        b->setAutoDefault(false);
        okay_[static_cast<std::size_t>(i)] = b;
    }
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
        intesta(elenco_, m.colonne, m.larghezze, m.righe.size());
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
    applicaTesto(copertura_, m.copertura);
    applicaTesto(nota_, m.nota);
    for (int i : {0, 1, 2})
        applicaBottone(okay_[static_cast<std::size_t>(i)], m.okay[static_cast<std::size_t>(i)]);
}

void TestoView::reject()
{
    esegui([this] { r_.okay_Click(2); });
}

bool mostraTestoModale(MessaggiBox& box, FileSistema& fs, QWidget* genitore)
{
    FinestraTesto regole(box, fs, testo::Lessico::cartellaPredefinita());
    TestoView vista(regole, genitore);
    mostraAlCentro(vista);
    return regole.elencoSalvato();
}

} // namespace lex::ui
