#include "progressi/ui/progressiview.h"

#include "progressi/ui/grafico.h"
#include "settings/personaggi.h"
#include "shell/ui/dialogoqt.h"
#include "shell/ui/elementiqt.h"
#include "shell/ui/porteqt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lex::ui {

namespace {

// Access keys that no other control of the window uses (C closes).
const char* const kEtichette[] = {"", "C&icero", "C&aesar", "Ca&tullus", "&Vergilius", "&Horatius", "&Seneca"};

QGroupBox* riquadro(const QString& titolo, QWidget* genitore)
{
    auto* g = new QGroupBox(titolo, genitore);
    g->setFont(arial(9.75, true));
    colora(g, colori::rosso, colori::nero);
    return g;
}

} // namespace

ProgressiView::ProgressiView(const Progressi& progressi, std::optional<TabellaCopertura> tabella, int personaggio,
                             QWidget* genitore)
    : QDialog(genitore), progressi_(progressi), tabella_(std::move(tabella))
{
    setWindowTitle(QStringLiteral("Lexorio: Progressi"));
    colora(this, colori::rosso, colori::nero);
    setFont(arial(9));

    auto* personaggi = riquadro(QStringLiteral("Personaggio"), this);
    // A row, not a column: the window must fit a small screen at double scale.
    auto* righePersonaggi = new QHBoxLayout(personaggi);
    for (int n = 1; n <= kNumeroPersonaggi; ++n) {
        auto* r = new QRadioButton(QString::fromLatin1(kEtichette[n]), personaggi);
        r->setObjectName(QStringLiteral("personaggio%1").arg(n));
        r->setFont(arial(9.75, true));
        colora(r, colori::rosso, colori::nero);
        connect(r, &QRadioButton::toggled, this, [this, n](bool acceso) {
            if (acceso)
                mostra(n);
        });
        righePersonaggi->addWidget(r);
        scelte_[static_cast<std::size_t>(n)] = r;
    }
    righePersonaggi->addStretch();

    auto* riquadroGrafico = riquadro(QStringLiteral("Vocaboli noti (dalla scatola %1)").arg(kScatolaNota), this);
    colonnaGrafico_ = new QVBoxLayout(riquadroGrafico);
    titolo_ = new QLabel(riquadroGrafico);
    titolo_->setObjectName(QStringLiteral("titolo"));
    titolo_->setFont(carattere(QStringLiteral("Comic Sans MS"), 12, true));
    colora(titolo_, colori::rosso, colori::rossoScuro);
    colonnaGrafico_->addWidget(titolo_);

    auto* riquadroCopertura = riquadro(QStringLiteral("Quanto leggi degli autori"), this);
    auto* colonnaCopertura = new QVBoxLayout(riquadroCopertura);
    copertura_ = new QLabel(riquadroCopertura);
    copertura_->setObjectName(QStringLiteral("copertura"));
    copertura_->setFont(arial(9.75));
    copertura_->setTextFormat(Qt::RichText);
    colora(copertura_, colori::rossoChiaro, colori::nero);
    copertura_->setMargin(6);
    copertura_->setFrameStyle(QFrame::Box | QFrame::Plain);
    riquadroCopertura->setMaximumWidth(290); // the chart takes what is left
    colonnaCopertura->addWidget(copertura_);
    auto* fonte = new QLabel(QStringLiteral("Tra parentesi: quanto aggiungerebbero i prossimi %1 vocaboli da imparare. "
                                            "Conteggi dal corpus LASLA (Université de Liège), CC BY-NC-SA 4.0")
                                 .arg(kProssimeParole),
                             riquadroCopertura);
    fonte->setFont(arial(7.5));
    fonte->setWordWrap(true);
    colora(fonte, colori::rosso, colori::rossoScuro);
    colonnaCopertura->addWidget(fonte);
    colonnaCopertura->addStretch();

    avvisi_ = new QLabel(this);
    avvisi_->setObjectName(QStringLiteral("avvisi"));
    avvisi_->setFont(arial(9, true));
    avvisi_->setWordWrap(true);
    colora(avvisi_, colori::gialloChiaro, colori::rossoScuro);
    avvisi_->setText(progressi_.avvisi().join(QLatin1Char('\n')));
    avvisi_->setVisible(!avvisi_->text().isEmpty());

    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi (esc)"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    chiudi->setFont(arial(9.75, true));
    chiudi->setDefault(true);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(personaggi, 0, 0, 1, 2);
    griglia->addWidget(riquadroGrafico, 1, 0);
    griglia->addWidget(riquadroCopertura, 1, 1);
    griglia->addWidget(avvisi_, 2, 0, 1, 2);
    auto* fondo = new QHBoxLayout;
    fondo->addStretch();
    fondo->addWidget(chiudi);
    griglia->addLayout(fondo, 3, 0, 1, 2);
    griglia->setColumnStretch(0, 1);

    personaggio_ = personaggioValido(personaggio) ? personaggio : 1;
    scelte_[static_cast<std::size_t>(personaggio_)]->setChecked(true); // draws it
    scelte_[static_cast<std::size_t>(personaggio_)]->setFocus();
}

void ProgressiView::mostra(int personaggio)
{
    personaggio_ = personaggio;
    const RiepilogoProgressi r = riepilogo(progressi_.dati(), personaggio, tabella_);
    titolo_->setText(r.titolo);

    const DatiGrafico dati{QStringLiteral("Vocaboli noti, giorno per giorno"), r.giorni, r.fasce, r.note};
    QWidget* nuovo = creaGrafico(dati, this);
    if (!nuovo) {
        auto* etichetta = new QLabel(QStringLiteral("Il grafico non è disponibile: manca il modulo liblexorio-progressi.so."), this);
        etichetta->setWordWrap(true);
        nuovo = etichetta;
    }
    nuovo->setMinimumSize(300, 230);
    if (grafico_) {
        delete colonnaGrafico_->replaceWidget(grafico_, nuovo); // the layout's item for the old chart is ours
        grafico_->deleteLater();
    } else {
        colonnaGrafico_->addWidget(nuovo, 1);
    }
    grafico_ = nuovo;

    QString testo;
    if (r.copertura.isEmpty())
        testo = QStringLiteral("La tabella copertura.tsv manca o è danneggiata.");
    // One line an author, the gain of the next words in brackets: the window must fit a small
    // screen at double scale.
    for (qsizetype i = 0; i < r.copertura.size(); ++i)
        testo += QStringLiteral("<p style='margin:2px'><b>%1</b> (%2)</p>")
                     .arg(r.copertura[i].toHtmlEscaped(), r.prossime.value(i).section(QLatin1Char(' '), 0, 0).toHtmlEscaped());

    copertura_->setText(testo);
}

void mostraProgressiModale(const Progressi& progressi, FileSistema& fs, int personaggio, QWidget* genitore)
{
    std::optional<TabellaCopertura> tabella;
    QByteArray testo;
    QString motivo;
    if (fs.leggi(QString::fromLatin1(kFileCopertura), testo, motivo, kMassimoFileCopertura) == Lettura::Letta)
        tabella = leggiCopertura(testo);
    ProgressiView vista(progressi, std::move(tabella), personaggio, genitore);
    vista.adjustSize();
    mostraAlCentro(vista);
}

} // namespace lex::ui
