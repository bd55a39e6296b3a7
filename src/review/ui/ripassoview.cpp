#include "review/ui/ripassoview.h"

#include "shell/ui/porteqt.h"
#include "shell/ui/elementiqt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace lex::ui {

RipassoView::RipassoView(FinestraRipasso& regole, QWidget* genitore) : DialogoRegole(regole, genitore)
{
    const auto& m = r_.m;
    frame1_ = cornice(m.Frame1, this);

    for (int i : {0, 1}) {
        const auto& e = m.vista[static_cast<std::size_t>(i)];
        auto* o = new QRadioButton(e.text, frame1_);
        o->setObjectName(QStringLiteral("vista%1").arg(i));
        o->setFont(arial(e.fontSize));
        colora(o, e.back, e.fore);
        connect(o, &QRadioButton::clicked, this, [this, i] { esegui([this, i] { r_.vista_Click(i); }); });
        vista_[static_cast<std::size_t>(i)] = o;
    }

    elenco_ = elencoRosso(frame1_);
    elenco_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    vuoto_ = new QLabel(m.vuoto.text, frame1_);
    vuoto_->setObjectName(QStringLiteral("vuoto"));
    vuoto_->setFont(carattere(QStringLiteral("Comic Sans MS"), m.vuoto.fontSize, true));
    vuoto_->setAlignment(Qt::AlignCenter);
    vuoto_->setWordWrap(true);
    vuoto_->setMargin(px(360));
    colora(vuoto_, m.vuoto.back, colori::rossoScuro);
    vuoto_->setFrameStyle(QFrame::Box | QFrame::Plain);

    nota_ = etichettaNota(m.nota, this);

    for (int i : {0, 1}) {
        auto* b = bottone(m.okay[static_cast<std::size_t>(i)], QStringLiteral("okay%1").arg(i), this);
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
        intesta(elenco_, m.colonne, m.larghezze, m.righe.size());
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

    applicaTesto(vuoto_, m.vuoto);
    applicaTesto(nota_, m.nota);
    for (int i : {0, 1})
        applicaBottone(okay_[static_cast<std::size_t>(i)], m.okay[static_cast<std::size_t>(i)]);
}

void RipassoView::reject()
{
    esegui([this] { r_.okay_Click(1); });
}

bool mostraRipassoModale(const Ripasso& ripasso, MessaggiBox& box, FileSistema& fs, QWidget* genitore)
{
    FinestraRipasso regole(ripasso, box, fs);
    RipassoView vista(regole, genitore);
    mostraAlCentro(vista);
    return regole.elencoSalvato();
}

} // namespace lex::ui
