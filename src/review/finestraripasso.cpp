#include "review/finestraripasso.h"

#include "review/elencopersonale.h"

namespace lex {

namespace {

const QString kTitoloFinestra = QStringLiteral("Lexorio: Ripasso");

// Who missed it, in a two-player game: the character, else the side.
QString chi(const DatiRipasso& d, int giocatore)
{
    const QString nome = d.nomi[static_cast<std::size_t>(giocatore)];
    if (!nome.isEmpty())
        return nome;
    return giocatore == 1 ? QStringLiteral("destra") : QStringLiteral("sinistra");
}

} // namespace

QString testoScelte(const QList<Scelta>& scelte)
{
    QStringList t;
    for (const Scelta& s : scelte) {
        QString testo = s.testo.isEmpty() ? QStringLiteral("(casella vuota)") : s.testo;
        if (s.volte > 1)
            testo += QStringLiteral(" (%1)").arg(s.volte);
        t << testo;
    }
    return t.join(QStringLiteral(", "));
}

RipassoModel RipassoModel::progettato()
{
    RipassoModel m;
    m.window = inRosso(0, 0, 9000, 5460);
    m.Frame1 = inRosso(120, 0, 8760, 3960, "Vocaboli da ripassare");
    m.Frame1.fore = colori::bianco;
    // Inside Frame1.
    m.vista[0] = inRosso<Opzione>(240, 270, 1800, 255, "&Ultima partita");
    m.vista[1] = inRosso<Opzione>(2160, 270, 2100, 255, "&Tutte le partite");
    m.elenco = inRosso(120, 600, 8520, 3240);
    m.elenco.back = colori::rossoChiaro;
    m.vuoto = inRosso(120, 600, 8520, 3240, "", 12);
    m.vuoto.back = colori::rossoChiaro;
    // On the window.
    m.nota = inRosso(120, 4020, 5640, 1380);
    m.nota.fore = colori::bianco;
    m.okay[0] = inRosso<Bottone>(5880, 4080, 3000, 510, "&Salva come elenco personale", 9);
    m.okay[1] = inRosso<Bottone>(5880, 4680, 3000, 420, "&Chiudi (esc)", 9);
    for (auto& b : m.okay)
        b.back = colori::rossoChiaro;
    return m;
}

FinestraRipasso::FinestraRipasso(const Ripasso& ripasso, MessaggiBox& box, FileSistema& fs)
    : m(RipassoModel::progettato()), ripasso_(ripasso), box_(box), fs_(fs)
{
    m.shown = true;
    m.vista[0].selected = true;
    riempi();
}

void FinestraRipasso::vista_Click(int i)
{
    if (i < 0 || i > 1)
        return;
    m.vista[0].selected = i == 0;
    m.vista[1].selected = i == 1;
    riempi();
}

void FinestraRipasso::okay_Click(int i)
{
    if (i == 0)
        salvaElenco();
    else if (i == 1)
        m.shown = false;
}

void FinestraRipasso::riempi()
{
    const DatiRipasso& d = ripasso_.dati();
    const bool ultima = m.vista[0].selected;
    voci_ = piuSbagliate(ultima ? d.ultima : d.tutte);
    const bool perGiocatore = ultima && d.giocatori == 2;

    m.colonne = {QStringLiteral("Vocabolo"), QStringLiteral("Traduzione giusta"), QStringLiteral("Scelto invece"),
                 QStringLiteral("Errori")};
    m.larghezze = {2100, 2250, 3120, 750};
    if (perGiocatore) {
        m.colonne.prepend(QStringLiteral("Giocatore"));
        m.larghezze = {1050, 1800, 2000, 2620, 750};
    }
    m.righe.clear();
    for (const VoceRipasso& v : voci_) {
        QStringList r{v.parola, v.traduzione, testoScelte(v.scelte), QString::number(v.errori())};
        if (perGiocatore)
            r.prepend(chi(d, v.giocatore));
        m.righe.append(r);
    }

    m.elenco.visible = !voci_.isEmpty();
    m.vuoto.visible = voci_.isEmpty();
    if (ultima && d.giocatori == 0)
        m.vuoto.text = QStringLiteral("Nessuna partita finita, per ora.\n\nGioca una partita: qui troverai i vocaboli "
                                      "sbagliati, con la traduzione giusta.");
    else if (ultima)
        m.vuoto.text = QStringLiteral("Nell'ultima partita nessun errore.\n\nComplimenti!");
    else if (d.giocatori == 0)
        m.vuoto.text = QStringLiteral("Ancora nessun errore da ripassare.\n\nGioca una partita: qui troverai i "
                                      "vocaboli sbagliati, con la traduzione giusta.");
    else
        m.vuoto.text = QStringLiteral("Nessun vocabolo da ripassare: complimenti!\n\nUn vocabolo sbagliato esce dal "
                                      "ripasso dopo tre partite indovinate senza errori.");

    QStringList nota = ripasso_.avvisi();
    const QString bisogno = notaElenco(bisognoElenco(voci_));
    if (!bisogno.isEmpty())
        nota << bisogno;
    m.nota.text = nota.join(u'\n');
    m.okay[0].enabled = !voci_.isEmpty();
}

void FinestraRipasso::salvaElenco()
{
    const QList<VoceRipasso> voci = vocaboliUnici(voci_);
    if (voci.isEmpty())
        return;
    const BisognoElenco bisogno = bisognoElenco(voci);
    // Without "Escludi simili" every word plays: fewer than that can not start a game at all. How
    // many to add is counted as the window's note counts it, with the box ticked as it starts.
    const int mancano = bisogno.vocaboli < kParoleMinime ? bisogno.mancanoPerGiocare() : 0;

    QStringList domanda;
    if (mancano > 0)
        domanda << (voci.size() == 1 ? QStringLiteral("Un solo vocabolo non basta") : QStringLiteral("%1 vocaboli non bastano").arg(voci.size()))
                       + QStringLiteral(" per una partita: il gioco ne vuole almeno %1. Una volta salvato l'elenco, "
                                        "prima di giocarlo bisognerà aggiungere a mano almeno %2.")
                             .arg(kParoleMinime)
                             .arg(contaVocaboli(mancano));
    const auto sostituzione = [&voci](const CopiaElenco& copia) {
        return QStringLiteral("Il file vocpers.txt esiste già. Sostituirlo con %1 del ripasso?\n").arg(contaVocaboli(voci.size()))
               + QStringLiteral("Quello di adesso resterà in %1%2. Il gioco non sovrascrive mai un elenco che non ha "
                                "scritto il ripasso: le altre copie restano come sono.")
                     .arg(copia.nome, copia.sostituisce ? QStringLiteral(", al posto di un elenco salvato prima dal ripasso")
                                                        : QString());
    };
    if (!salvaComeElencoPersonale(box_, fs_, kTitoloFinestra, testoElencoPersonale(voci), domanda, mancano > 0,
                                  sostituzione))
        return;
    salvato_ = true;
    QString fatto = QStringLiteral("Salvati in vocpers.txt: %1.\n\n").arg(contaVocaboli(voci.size()));
    if (mancano > 0) {
        fatto += QStringLiteral("Non bastano ancora per una partita. Prima di spuntare \"Elenco personale (vocpers.txt)\" "
                                "nelle impostazioni, aggiungere a vocpers.txt almeno %1, una riga "
                                "\"0;classe;parola;traduzione\" ciascuno (classe 1 nomi, 2 aggettivi e pronomi, 3 verbi, "
                                "4 avverbi, cong., prep.). Il programma lexorio-controlla dice se l'elenco è pronto.")
                     .arg(contaVocaboli(mancano));
        box_.mostra(fatto, kTitoloFinestra, Icona::Avviso, Pulsanti::Ok);
        return;
    }
    fatto += QStringLiteral("Per giocarli, nelle impostazioni spuntare \"Elenco personale (vocpers.txt)\"");
    fatto += bisogno.scelti < kParoleMinime ? QStringLiteral(" e togliere la spunta a \"Escludi simili\".") : QStringLiteral(".");
    if (voci.size() < 100)
        fatto += QStringLiteral(" Il gioco avviserà che il file ha meno di 100 vocaboli: per un elenco di ripasso "
                                "è normale.");
    box_.mostra(fatto, kTitoloFinestra, Icona::Nessuna, Pulsanti::Ok);
}

} // namespace lex
