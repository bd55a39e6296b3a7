// Invariant: the missed words saved as a personal list are exactly what the game's loader reads,
// its selection picks and its checker accepts; the next game that ticks the personal list plays
// those words and no others; and the window tells how many more words a game would want.
#include "partita_banco.h"
#include "review/elencopersonale.h"
#include "review/finestraripasso.h"
#include "vocab/caricamento.h"
#include "vocab/controllo.h"
#include "vocab/selezione.h"

using namespace lex;
using namespace lex::test;

namespace {

VoceRipasso voce(const char* classe, const char* parola, const char* traduzione, int giocatore = 1)
{
    return {QString::fromUtf8(classe), QString::fromUtf8(parola), QString::fromUtf8(traduzione), giocatore, 0, {{"x", 1}}};
}

QList<VoceRipasso> nomi(int n, const char* classe = "1", int da = 1)
{
    QList<VoceRipasso> v;
    for (int i = da; i < da + n; ++i)
        v << VoceRipasso{QString::fromLatin1(classe), QStringLiteral("verbum%1").arg(i), QStringLiteral("parola%1").arg(i), 1, 0, {{"x", 1}}};
    return v;
}

ListeParole tutteLeClassi(const Vocabolario& v, bool escludiSimili)
{
    SceltaParole s;
    s.frequenze = {true, false, false, false, false};
    s.classi = {false, true, true, true, true};
    s.escludiSimili = escludiSimili;
    return selezionaVoci(v, s);
}

} // namespace

TEST(ElencoPersonale, SiCaricaSiScegliESiControllaTaleEQuale)
{
    const QList<VoceRipasso> voci{
        voce("3", "sum, es, fui, esse", "essere; esistere"),
        voce("1", "civitas, -atis, f.", "città"),
        voce("1", "civitas, -atis, f.", "città", 2), // missed by both players: saved once
        voce(" 2", "  bonus, -a, -um", "buono "),    // blanks are part of the words
        voce("1", "bellum, -i, n.", "guerra"),
        voce("3", "video, -es, vidi, visum, -ere", "vedere"),
        voce("4", "semper", "sempre"),
        voce("4", "nunc", "ora"),
        voce("2", "magnus, -a, -um", "grande"),
    };
    const QByteArray testo = testoElencoPersonale(voci);
    EXPECT_TRUE(testo.contains("\r\n0;3;sum, es, fui, esse;essere; esistere\r\n"));
    EXPECT_TRUE(testo.contains("0;1;civitas, -atis, f.;citt\xe0\r\n"));
    EXPECT_FALSE(testo.contains("\n\n"));

    Vocabolario v;
    const EsitoCaricamento e = caricaVocaboli(testo, v);
    EXPECT_TRUE(e.rapporto.isEmpty());
    EXPECT_EQ(e.caricati, 9); // the title and eight words
    EXPECT_EQ(v.righe[0].parola, "Lexorio");
    const ListeParole l = tutteLeClassi(v, false);
    const QList<VoceRipasso> unici = vocaboliUnici(voci);
    ASSERT_EQ(l.vocabolo.size(), unici.size());
    for (qsizetype i = 0; i < unici.size(); ++i) {
        EXPECT_EQ(l.vocabolo[i], unici[i].parola);
        EXPECT_EQ(l.traduzione[i], unici[i].traduzione);
        EXPECT_EQ(l.categoria[i], unici[i].categoria);
        EXPECT_EQ(l.frequenza[i], "0");
    }

    // lexorio-controlla's own verdict.
    const Resoconto r = controllaVocabolario(testo, [](const QString&) { return true; });
    EXPECT_TRUE(r.utilizzabile());
    EXPECT_EQ(r.giocabili, 8);
    EXPECT_TRUE(r.fuoriIntervallo.isEmpty());
    EXPECT_TRUE(r.caricamento.righeDifettose.isEmpty());
}

// Only a list exactly as the review wrote it may later be written over.
TEST(ElencoPersonale, RiconosceSoloGliElenchiDelRipassoIntatti)
{
    const QByteArray ripasso = testoElencoPersonale(nomi(3));
    EXPECT_TRUE(scrittoDalRipasso(ripasso));
    EXPECT_TRUE(scrittoDalRipasso(testoElencoPersonale({})));
    QByteArray cambiato = ripasso;
    cambiato.replace("parola2", "parola 2"); // one word mended by hand
    EXPECT_FALSE(scrittoDalRipasso(cambiato));
    EXPECT_FALSE(scrittoDalRipasso(ripasso + "0;1;amo;amare\r\n"));
    EXPECT_FALSE(scrittoDalRipasso(QByteArray(ripasso).replace("\r\n", "\n"))); // saved again by an editor
    EXPECT_FALSE(scrittoDalRipasso("0;0;Titolo;Classe terza\r\n0;1;miles;soldato\r\n"));
    EXPECT_FALSE(scrittoDalRipasso(""));
}

TEST(ElencoPersonale, QuantiNeMancano)
{
    auto con = [](QList<VoceRipasso> a, const QList<VoceRipasso>& b) { return a << b; };
    const struct {
        const char* caso;
        QList<VoceRipasso> voci;
        int scelti, perGiocare, senzaAvviso, simili;
        QList<int> sole;
        QStringList nella; // pieces of the note, in order; none: no note
    } casi[] = {
        {"vuoto", {}, 0, 7, 12, 0, {}, {}},
        {"tre", nomi(3), 3, 4, 9, 0, {}, {"ne servono almeno 7, ne mancano 4."}},
        {"sei", nomi(6), 6, 1, 6, 0, {}, {"ne manca 1."}},
        {"sette", nomi(7), 7, 0, 5, 0, {}, {"parte con un avviso: per evitarlo ne mancano 5."}},
        {"dodici", nomi(12), 12, 0, 0, 0, {}, {}},
        {"simile", con(nomi(12), {voce("1", "amor, -oris, m.", "amore")}), 12, 0, 0, 1, {}, {"Uno inizia come la sua traduzione"}},
        {"simili", con(nomi(6), {voce("1", "amor", "amore"), voce("3", "amo", "amare")}), 6, 1, 6, 2, {},
         {"ne manca 1.", "2 iniziano come la loro traduzione"}},
        {"un verbo", con(nomi(11), nomi(1, "3", 20)), 12, 0, 0, 0, {3}, {"Un solo vocabolo fra \"Verbi\": le sue altre"}},
        {"due classi sole", con(nomi(5), con(nomi(1, "2", 20), nomi(1, "4", 30))), 7, 0, 5, 0, {2, 4},
         {"ne mancano 5.", "fra \"Aggettivi e pronomi\" e fra \"Avverbi, cong., prep.\": le loro"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        const BisognoElenco b = bisognoElenco(c.voci);
        EXPECT_EQ((std::array{b.scelti, b.mancanoPerGiocare(), b.mancanoSenzaAvviso(), b.simili}),
                  (std::array{c.scelti, c.perGiocare, c.senzaAvviso, c.simili}));
        EXPECT_EQ(b.classiSole, c.sole);
        const QString nota = notaElenco(b);
        EXPECT_EQ(nota.isEmpty(), c.nella.isEmpty()) << nota.toStdString();
        qsizetype da = 0;
        for (const QString& pezzo : c.nella) {
            da = nota.indexOf(pezzo, da);
            EXPECT_GE(da, 0) << pezzo.toStdString() << " in " << nota.toStdString();
        }
    }
}

// Words missed on the personal list, saved over it from the review: the next game with the very
// same settings reads the new file and plays exactly those words.
TEST_F(InPartita, ElencoSalvatoGiocatoNellaPartitaDopo)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(b.file, scrittore);
    QByteArray vecchio = "0;0;Vecchio;elenco\r\n";
    for (int i = 1; i <= 14; ++i)
        vecchio += "0;1;priscus" + QByteArray::number(i) + ";antico" + QByteArray::number(i) + "\r\n";
    b.file.metti("vocpers.txt", vecchio);
    avvia(vocabolario(20));
    lx->osserva(&ripasso);

    Scelte personale;
    personale.frequenze = {1, 1, 1, 1, 1};
    auto prossima = [&](int k) { b.casuale.valori = {(k + 0.5) / 14}; };
    prossima(0);
    inizia(personale);
    ASSERT_EQ(lx->liste().vocabolo.size(), 14);
    // A miss on each of the first nine words (word k is priscus(k+1)); the tenth right at once.
    for (int k = 0; k < 9; ++k) {
        sbagliata(13);
        prossima(k + 1);
        giusta(13);
    }
    giusta(13);
    ASSERT_TRUE((lx->partita().fase == Fase::Chiusura));
    ASSERT_EQ(ripasso.dati().tutte.size(), 9);

    b.finestre.ripasso = [&] {
        FinestraRipasso f(ripasso, b.box, b.file);
        f.vista_Click(1);
        f.okay_Click(0);
        return f.elencoSalvato();
    };
    b.box.mostrati.clear();
    lx->menuRipasso();
    ASSERT_EQ(b.box.mostrati.size(), 2u); // replace it? then done
    EXPECT_EQ(b.box.mostrati[0].icona, Icona::Domanda);
    EXPECT_EQ(b.file.di("vocpers.bak"), vecchio);

    finoAlPrompt();
    b.box.mostrati.clear();
    personale.cambiato = false; // nothing clicked: the settings of the last game as they were
    inizia(personale);
    EXPECT_EQ(boxMostrati(), (QStringList{"Solo 10 vocaboli nel file  vocpers.txt", "Solo  9 vocaboli selezionati!"}));
    QStringList attese;
    for (int i = 1; i <= 9; ++i)
        attese << QStringLiteral("priscus%1").arg(i);
    QStringList giocate = lx->liste().vocabolo;
    giocate.sort();
    attese.sort();
    EXPECT_EQ(giocate, attese);
}

// With every copy name taken by lists the review did not write, nothing may be written over:
// one error box, titled for the window that saves, and no question that would let it go on.
TEST(SalvaComeElencoPersonale, SenzaCopieLibereNonScriveNulla)
{
    FakeBox box;
    FakeFileSistema fs;
    const QByteArray insegnante = "0;0;Titolo;Classe terza\r\n0;1;miles;soldato\r\n";
    fs.metti(QStringLiteral("vocpers.txt"), insegnante);
    for (int i = 1; i <= kCopieElenco; ++i)
        fs.metti(i == 1 ? QStringLiteral("vocpers.bak") : QStringLiteral("vocpers-%1.bak").arg(i), insegnante);
    int chiesto = 0;
    const bool scritto = salvaComeElencoPersonale(box, fs, QStringLiteral("Titolo"), "0;0;nuovo;\r\n", {}, true,
                                                  [&chiesto](const CopiaElenco&) { ++chiesto; return QString(); });
    EXPECT_FALSE(scritto);
    EXPECT_EQ(chiesto, 0);
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_EQ(box.mostrati[0].icona, Icona::Errore);
    EXPECT_EQ(box.mostrati[0].titolo, QStringLiteral("Titolo"));
    EXPECT_TRUE(box.mostrati[0].testo.startsWith(QStringLiteral("Ci sono già 99 copie"))) << qPrintable(box.mostrati[0].testo);
    EXPECT_EQ(fs.di(QStringLiteral("vocpers.txt")), insegnante);
    EXPECT_FALSE(fs.ha(QStringLiteral("vocpers-100.bak")));

    // One copy freed: the question names it, and the list goes there before the new one is written.
    std::erase_if(fs.file, [](const auto& f) { return f.first.endsWith(QLatin1String("/vocpers-42.bak")); });
    EXPECT_TRUE(salvaComeElencoPersonale(box, fs, QStringLiteral("Titolo"), "0;0;nuovo;\r\n", {}, true,
                                         [](const CopiaElenco& c) { return c.nome; }));
    EXPECT_EQ(box.mostrati.back().testo, QStringLiteral("vocpers-42.bak")) << "no \"Salvarli lo stesso?\" beside it";
    EXPECT_EQ(fs.di(QStringLiteral("vocpers-42.bak")), insegnante);
    EXPECT_EQ(fs.di(QStringLiteral("vocpers.txt")), QByteArray("0;0;nuovo;\r\n"));
}
