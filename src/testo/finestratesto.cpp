#include "testo/finestratesto.h"

#include "review/elencopersonale.h"

namespace lex {

using namespace testo;

namespace {

const QString kTitolo = QStringLiteral("Lexorio: Vocaboli da un testo");

} // namespace

struct FinestraTesto::Dati {
    Lessico lessico;
    Frequenze frequenze;
    Casa casa;
    Glosse glosse;
};

TestoModel TestoModel::progettato()
{
    TestoModel m;
    m.window = inRosso(0, 0, 9360, 7380);
    m.Frame1 = inRosso(120, 0, 9120, 1920, "Testo latino");
    m.Frame1.fore = colori::bianco;
    m.testo = inRosso(120, 270, 6900, 1530);
    m.testo.back = colori::bianco;
    m.comandi[0] = inRosso<Bottone>(7140, 270, 1860, 420, "&Apri file…", 9);
    m.comandi[1] = inRosso<Bottone>(7140, 780, 1860, 420, "A&nalizza", 9);
    m.Frame2 = inRosso(120, 1980, 9120, 3900, "Lemmi del testo");
    m.Frame2.fore = colori::bianco;
    m.elenco = inRosso(120, 270, 8880, 3270);
    m.elenco.back = colori::rossoChiaro;
    m.copertura = inRosso(120, 3570, 8880, 270, "", 9);
    m.copertura.fore = colori::bianco;
    m.nota = inRosso(120, 5940, 5760, 1380);
    m.nota.fore = colori::bianco;
    m.okay[0] = inRosso<Bottone>(6000, 5940, 3240, 420, "Cambia &lemma", 9);
    m.okay[1] = inRosso<Bottone>(6000, 6420, 3240, 420, "&Salva come elenco personale", 9);
    m.okay[2] = inRosso<Bottone>(6000, 6900, 3240, 420, "&Chiudi (esc)", 9);
    for (auto* b : {&m.comandi[0], &m.comandi[1], &m.okay[0], &m.okay[1], &m.okay[2]})
        b->back = colori::rossoChiaro;
    m.colonne = {QStringLiteral("Vocabolo"), QStringLiteral("Traduzione"), QStringLiteral("Classe"),
                 QStringLiteral("Frequenza"), QStringLiteral("Volte"), QStringLiteral("Altri lemmi")};
    m.larghezze = {2580, 2040, 1020, 1080, 570, 1290};
    return m;
}

FinestraTesto::FinestraTesto(MessaggiBox& box, FileSistema& fs, QString cartella)
    : m(TestoModel::progettato()), box_(box), fs_(fs), cartella_(std::move(cartella))
{
    m.shown = true;
    m.nota.text = QStringLiteral("Incollare un passo latino, o aprirne il file, e premere \"Analizza\".");
    mostraElenco();
}

FinestraTesto::~FinestraTesto() = default;

void FinestraTesto::testo_Change(const QString& testo)
{
    m.testo.text = testo;
}

void FinestraTesto::apri(const QString& percorso)
{
    QByteArray dati;
    QString motivo;
    if (fs_.leggi(percorso, dati, motivo, kTestoMassimo + 1) != Lettura::Letta) {
        box_.mostra(QStringLiteral("Impossibile leggere %1 (%2).").arg(percorso, motivo), kTitolo, Icona::Errore, Pulsanti::Ok);
        return;
    }
    const TestoLetto t = leggiTesto(dati);
    if (!t.errore.isEmpty()) {
        box_.mostra(percorso + QStringLiteral(": ") + t.errore, kTitolo, Icona::Errore, Pulsanti::Ok);
        return;
    }
    m.testo.text = t.testo;
    analizza_Click();
}

bool FinestraTesto::prepara()
{
    if (dati_)
        return true;
    auto d = std::make_unique<Dati>();
    QString errore;
    if (!d->lessico.carica(cartella_, &errore) || !d->frequenze.caricaIncorporate()) {
        box_.mostra(QStringLiteral("Per trovare i vocaboli di un testo serve il lessico latino del pacchetto collatinus, "
                                   "che non è installato (%1).\n\nInstallarlo con:\n    sudo apt-get install collatinus\n"
                                   "e riaprire questa finestra.")
                        .arg(errore),
                    kTitolo, Icona::Avviso, Pulsanti::Ok);
        return false;
    }
    d->casa.caricaIncorporata();
    d->glosse.carica(cartella_);
    dati_ = std::move(d);
    return true;
}

void FinestraTesto::analizza_Click()
{
    if (m.testo.text.trimmed().isEmpty()) {
        elenco_ = {};
        m.nota.text = QStringLiteral("Il testo è vuoto: incollare un passo latino, o aprirne il file.");
        mostraElenco();
        return;
    }
    if (!prepara())
        return;
    RaccoltaElenco r(dati_->lessico, dati_->casa, &dati_->glosse);
    Lemmatizzatore(dati_->lessico, dati_->frequenze).scorri(m.testo.text, [&r](Parola& p) { r.aggiungi(p); });
    elenco_ = r.elenco();
    mostraElenco();
}

void FinestraTesto::mostraElenco()
{
    m.righe.clear();
    m.tenute.clear();
    for (const VoceTesto& v : elenco_.voci) {
        QStringList altri;
        for (std::uint32_t a : v.alternative)
            if (const QString f = dati_->lessico.lemma(a).forma; !altri.contains(f))
                altri << f;
        static const QStringList classi{QString(), QStringLiteral("nome"), QStringLiteral("agg./pron."),
                                        QStringLiteral("verbo"), QStringLiteral("avv./cong.")};
        m.righe.append({v.parola, v.traduzione, classi.value(v.classe), v.banda > 0 ? QString::number(v.banda) : QStringLiteral("fuori elenco"),
                        QString::number(v.occorrenze), altri.join(QStringLiteral(", "))});
        m.tenute.append(v.tenuta);
    }
    const qsizetype tenute = std::count(m.tenute.begin(), m.tenute.end(), true);
    m.copertura.text = elenco_.parole == 0 ? QString()
                                           : QStringLiteral("%1 parole, %2 lemmi: l'%3% delle parole è fra i 1600 vocaboli")
                                                 .arg(elenco_.parole)
                                                 .arg(elenco_.voci.size())
                                                 .arg(qRound(100.0 * elenco_.paroleNelleMille() / elenco_.parole));
    if (elenco_.parole > 0) {
        const auto daControllare = std::count_if(elenco_.voci.begin(), elenco_.voci.end(), [](const VoceTesto& v) {
            return v.tenuta && v.daControllare;
        });
        QStringList nota{QStringLiteral("Spuntati: %1.").arg(contaVocaboli(tenute))};
        if (daControllare > 0)
            nota << (daControllare == 1 ? QStringLiteral("1 vocabolo fuori dai 1600 ha una traduzione suggerita dal lessico: controllarla.")
                                        : QStringLiteral("%1 vocaboli fuori dai 1600 hanno una traduzione suggerita dal lessico: controllarle.")
                                              .arg(daControllare));
        if (!elenco_.sconosciute.isEmpty())
            nota << QStringLiteral("Forme non riconosciute: %1.").arg(elenco_.sconosciute.mid(0, 12).join(QStringLiteral(", ")))
                        + (elenco_.sconosciute.size() > 12 ? QStringLiteral(" …") : QString());
        m.nota.text = nota.join(u'\n');
    }
    m.okay[0].enabled = !elenco_.voci.empty();
    m.okay[1].enabled = tenute > 0;
}

void FinestraTesto::tenuta_Click(int riga, bool tenuta)
{
    if (riga < 0 || std::size_t(riga) >= elenco_.voci.size())
        return;
    elenco_.voci[std::size_t(riga)].tenuta = tenuta;
    mostraElenco();
}

void FinestraTesto::traduzione_Change(int riga, const QString& traduzione)
{
    if (riga < 0 || std::size_t(riga) >= elenco_.voci.size())
        return;
    VoceTesto& v = elenco_.voci[std::size_t(riga)];
    // The field separator and line ends would break the list's record.
    v.traduzione = QString(traduzione).replace(u';', u',').remove(u'\r').remove(u'\n');
    v.daControllare = false;
    mostraElenco();
}

void FinestraTesto::cambia_Click(int riga)
{
    if (riga < 0 || std::size_t(riga) >= elenco_.voci.size() || !dati_)
        return;
    VoceTesto& v = elenco_.voci[std::size_t(riga)];
    if (v.alternative.empty())
        return;
    const std::uint32_t prima = v.lemma;
    const std::uint32_t dopo = v.alternative.front();
    v.alternative.erase(v.alternative.begin());
    v.alternative.push_back(prima);
    assegnaLemma(v, dopo, dati_->lessico, dati_->casa, &dati_->glosse);
    mostraElenco();
}

void FinestraTesto::okay_Click(int i, int riga)
{
    if (i == 0)
        cambia_Click(riga);
    else if (i == 1)
        salvaElenco();
    else if (i == 2)
        m.shown = false;
}

void FinestraTesto::salvaElenco()
{
    ElencoTesto tenuto = elenco_;
    std::erase_if(tenuto.voci, [](const VoceTesto& v) { return !v.tenuta; });
    if (tenuto.voci.empty())
        return;
    const QByteArray testo = testoElenco(tenuto, QStringLiteral("Vocaboli da un testo"));
    const int giocabili = vocaboliGiocabili(testo);
    QStringList domanda;
    if (giocabili < kParoleMinime)
        domanda << QStringLiteral("Una partita ne sceglierebbe solo %1: il gioco ne vuole almeno %2.")
                       .arg(contaVocaboli(giocabili))
                       .arg(kParoleMinime);
    const auto sostituzione = [&tenuto](const CopiaElenco& copia) {
        return QStringLiteral("Il file vocpers.txt esiste già. Sostituirlo con %1 del testo?\n").arg(contaVocaboli(tenuto.voci.size()))
               + QStringLiteral("Quello di adesso resterà in %1.").arg(copia.nome);
    };
    if (!salvaComeElencoPersonale(box_, fs_, kTitolo, testo, domanda, giocabili < kParoleMinime, sostituzione))
        return;
    salvato_ = true;
    box_.mostra(QStringLiteral("Salvati in vocpers.txt: %1; una partita ne sceglie %2.\n\n"
                               "Per giocarli, nelle impostazioni spuntare \"Elenco personale (vocpers.txt)\".")
                    .arg(contaVocaboli(tenuto.voci.size()))
                    .arg(giocabili),
                kTitolo, giocabili < kParoleMinime ? Icona::Avviso : Icona::Nessuna, Pulsanti::Ok);
}

} // namespace lex
