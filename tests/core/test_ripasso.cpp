// Invariant: the review holds exactly the words missed and what was pressed instead, per player
// in the last game and over all games; a word leaves it after three later games answered right
// without a miss; its file reads back what was written, and anything else is set aside, never
// lost and never a reason to stop the game. It is written only when a game is folded in, and
// only in the background.
#include "partita_banco.h"
#include "progressi/progressi.h"
#include "review/ripasso.h"


using namespace lex;
using namespace lex::test;

namespace {

using Domanda = RegistroPartita::Domanda;

Domanda chiesta(const char* parola, bool risposta = true, QStringList sbagli1 = {}, QStringList sbagli2 = {})
{
    Domanda d{QStringLiteral("1"), QString::fromUtf8(parola), QStringLiteral("t-") + QString::fromUtf8(parola), {}, risposta};
    d.sbagli[1] = std::move(sbagli1);
    d.sbagli[2] = std::move(sbagli2);
    return d;
}

RegistroPartita partita(QList<Domanda> domande, int giocatori = 1)
{
    RegistroPartita p;
    p.giocatori = giocatori;
    p.nomi = {QString(), QStringLiteral("Cicero"), giocatori == 2 ? QStringLiteral("Caesar") : QString()};
    p.domande = std::move(domande);
    return p;
}

QStringList parole(const QList<VoceRipasso>& voci)
{
    QStringList t;
    for (const auto& v : voci)
        t << v.parola + QStringLiteral(":") + QString::number(v.errori());
    return t;
}

} // namespace

// Sequences of games for one word: S missed, G asked and answered right, - not asked,
// A asked but left unanswered (the game was abandoned on it).
TEST(ChiudiPartita, TrePartiteGiusteDopoLUltimoErrore)
{
    const struct {
        const char* partite;
        int giuste; // -1: not in the review
        int errori;
    } casi[] = {
        {"S", 0, 1},      {"SGG", 2, 1},    {"SGGG", -1, 0},   {"SG-G-G", -1, 0}, {"SGGSGG", 2, 2},
        {"SGGA", 2, 1},   {"G", -1, 0},     {"SGGGS", 0, 1},   {"SS", 0, 2},      {"SGSGG", 2, 2},
    };
    for (const auto& c : casi) {
        DatiRipasso d;
        for (const char* g = c.partite; *g; ++g) {
            QList<Domanda> domande{chiesta("altra")}; // every game asks something else too
            if (*g == 'S')
                domande << chiesta("verbum", true, {QStringLiteral("falso")});
            else if (*g == 'G')
                domande << chiesta("verbum");
            else if (*g == 'A')
                domande << chiesta("verbum", false);
            chiudiPartita(d, partita(domande));
        }
        SCOPED_TRACE(c.partite);
        if (c.giuste < 0) {
            EXPECT_TRUE(d.tutte.isEmpty());
            continue;
        }
        ASSERT_EQ(d.tutte.size(), 1);
        EXPECT_EQ(d.tutte[0].giuste, c.giuste);
        EXPECT_EQ(d.tutte[0].errori(), c.errori);
    }
}

TEST(ChiudiPartita, PerGiocatoreEPiuSbagliatePrima)
{
    DatiRipasso d;
    // Asked twice in one game; the same wrong text twice adds up; an empty box counts too.
    chiudiPartita(d, partita({chiesta("beta", true, {"x"}, {"y", "z"}), chiesta("alfa", true, {}, {"y"}),
                              chiesta("beta", true, {"x", ""}), chiesta("gamma")},
                             2));
    EXPECT_EQ(d.giocatori, 2);
    EXPECT_EQ(d.nomi[2], "Caesar");
    // beta: player 1 three keys, player 2 two; alfa: player 2 one. Ties by word.
    EXPECT_EQ(parole(d.ultima), (QStringList{"beta:3", "beta:2", "alfa:1"}));
    EXPECT_EQ((QList<int>{d.ultima[0].giocatore, d.ultima[1].giocatore, d.ultima[2].giocatore}), (QList<int>{1, 2, 2}));
    EXPECT_EQ(d.ultima[0].scelte, (QList<Scelta>{{"x", 2}, {"", 1}}));
    EXPECT_EQ(parole(d.tutte), (QStringList{"beta:5", "alfa:1"}));
    EXPECT_EQ(d.tutte[0].scelte, (QList<Scelta>{{"x", 2}, {"", 1}, {"y", 1}, {"z", 1}}));

    // A later game: the last game's list is only its own, all games' counts add up.
    chiudiPartita(d, partita({chiesta("alfa", true, {"w", "w", "w", "w", "w"})}));
    EXPECT_EQ(parole(d.ultima), QStringList{"alfa:5"});
    EXPECT_EQ(d.giocatori, 1);
    EXPECT_EQ(parole(d.tutte), (QStringList{"beta:5", "alfa:6"})); // in the order first missed
    EXPECT_EQ(parole(piuSbagliate(d.tutte)), (QStringList{"alfa:6", "beta:5"}));
}

TEST(FileRipasso, ScrittoComeDocumentato)
{
    DatiRipasso d;
    d.giocatori = 2;
    d.nomi = {QString(), "Cicero", "Caesar"};
    d.ultima = {{"1", "amicitia, -ae, f.", "amicizia", 2, 0, {{"nemico", 1}}}};
    d.tutte = {{"3", "sum, es, fui, esse", "essere; esistere", 1, 1, {{"città", 2}, {"", 1}}}};
    const QByteArray testo = testoRipasso(d);
    EXPECT_TRUE(testo.startsWith("Lexorio: ripasso degli errori\r\n/ "));
    EXPECT_TRUE(testo.endsWith("\r\n\r\n[fine]\r\n"));
    const QByteArray corpo = testo.mid(testo.indexOf("[ultima partita]"));
    EXPECT_EQ(corpo, "[ultima partita]\r\ngiocatori: 2;Cicero;Caesar\r\n\r\nvocabolo: 1;amicitia, -ae, f.;amicizia\r\n"
                     "giocatore: 2\r\nscelto: 1;nemico\r\n\r\n[tutte le partite]\r\n\r\n"
                     "vocabolo: 3;sum, es, fui, esse;essere; esistere\r\ngiuste: 1\r\nscelto: 2;citt\xe0\r\n"
                     "scelto: 1;\r\n\r\n[fine]\r\n");
    EXPECT_EQ(leggiTestoRipasso(testo), d);
    // Line ends a text editor may leave are read alike.
    QByteArray lf = testo;
    lf.replace("\r\n", "\n");
    EXPECT_EQ(leggiTestoRipasso(lf), d);
}

TEST(FileRipasso, TestiCheIlGiocoNonScriverebbe)
{
    DatiRipasso d;
    chiudiPartita(d, partita({chiesta("alfa", true, {"x"}), chiesta("beta", true, {"y"})}));
    const QByteArray buono = testoRipasso(d);
    ASSERT_TRUE(leggiTestoRipasso(buono));
    auto cambia = [&](const char* da, const char* a) {
        QByteArray t = buono;
        EXPECT_TRUE(t.contains(da)) << da;
        return t.replace(da, a);
    };
    const QByteArray guasti[] = {
        "",
        "\xff\xfe" "L\0e\0x\0",
        buono.left(buono.size() - 8),                             // cut before the end mark
        buono.left(buono.lastIndexOf("scelto: 1;y")) + "[fine]\r\n", // a word with nothing pressed
        cambia("Lexorio: ripasso", "Lexorio: Ripasso"),
        cambia("scelto: 1;x", "scelto: 0;x"),
        cambia("scelto: 1;x", "scelto: -1;x"),
        cambia("scelto: 1;x", "scelto: 1x;x"),
        cambia("scelto: 1;x", "scelto: 99999999;x"),
        cambia("scelto: 1;x", "scelto: 1;x\r\nscelto: 2;x"),      // the same choice twice
        cambia("giuste: 0", "giuste: 3"),
        cambia("giocatore: 1", "giocatore: 2"),                   // a one-player game
        cambia("giocatori: 1;Cicero", "giocatori: 1"),
        cambia("vocabolo: 1;beta;t-beta\r\ngiuste", "vocabolo: 1;alfa;t-alfa\r\ngiuste"), // twice in the list
        cambia("vocabolo: 1;alfa;t-alfa\r\ngiocatore", "vocabolo: alfa\r\ngiocatore"),
        cambia("[tutte le partite]", "[ultima partita]"),
        cambia("giuste: 0", "colore: rosso"),
        cambia("giuste: 0", " giuste: 0"),
        buono + "scelto: 1;z\r\n",                                 // after the end mark
    };
    for (const QByteArray& t : guasti)
        EXPECT_FALSE(leggiTestoRipasso(t)) << t.toStdString();
}

// A whole one-player game with deliberate mistakes; random numbers pick the words.
TEST_F(InPartita, UnaPartitaConErroriNotiDaIlRipassoNoto)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(b.file, scrittore);
    avvia(vocabolario(20));
    lx->osserva(&ripasso);
    auto prossima = [&](int k) { b.casuale.valori = {(k + 0.5) / 20}; }; // the next word drawn is verbum(k+1)

    prossima(2);
    inizia(); // 10 words
    sbagliata(13);
    sbagliata(32);
    prossima(4);
    giusta(13);
    sbagliata(13);
    for (int k = 2; k <= 9; ++k)
        giusta(13); // verbum1 from here on: random numbers are 0
    EXPECT_TRUE(b.file.scritti.isEmpty()); // nothing written while playing
    giusta(13);
    ASSERT_TRUE((lx->partita().fase == Fase::Chiusura));

    const auto& d = ripasso.dati();
    EXPECT_EQ(parole(d.ultima), (QStringList{"verbum3:2", "verbum5:1"}));
    EXPECT_EQ(d.ultima[0].traduzione, "parola3");
    EXPECT_EQ(d.ultima[0].scelte, (QList<Scelta>{{"parola1", 2}})); // the other boxes hold the first word
    EXPECT_EQ(d.tutte, d.ultima);
    EXPECT_EQ(b.file.scritti, QStringList{"/gioco/ripasso.txt"});
    EXPECT_EQ(b.file.file.size(), 2u); // beside vocaboli.txt

    // A second run reads it back.
    Ripasso riletto(b.file, scrittore);
    riletto.carica();
    EXPECT_EQ(riletto.dati(), d);
    EXPECT_TRUE(riletto.avvisi().isEmpty());
}

TEST_F(InPartita, DueGiocatoriOgnunoIlSuo)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(b.file, scrittore);
    avvia(vocabolario(20));
    lx->osserva(&ripasso);
    Scelte due;
    due.giocatori = 2;
    inizia(due);
    sbagliata('0');
    lx->tasto('0'); // blocked: no effect, nothing recorded
    sbagliata('1'); // player 1 free again
    sbagliata('0');
    for (int k = 0; k < 6; ++k)
        giusta('1');
    ASSERT_TRUE((lx->partita().fase == Fase::Chiusura));
    const auto& d = ripasso.dati();
    EXPECT_EQ(parole(d.ultima), (QStringList{"verbum1:2", "verbum1:1"}));
    EXPECT_EQ((QList<int>{d.ultima[0].giocatore, d.ultima[1].giocatore}), (QList<int>{1, 2}));
    EXPECT_EQ(d.nomi[1], "Cicero");
    EXPECT_EQ(parole(d.tutte), QStringList{"verbum1:3"});
}

TEST_F(InPartita, UnaPartitaLasciataAMetaContaFinDoveArrivata)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(b.file, scrittore);
    avvia(vocabolario(20));
    lx->osserva(&ripasso);
    inizia();
    sbagliata(13);
    lx->clickParola(); // a new game on top of this one
    EXPECT_EQ(parole(ripasso.dati().ultima), QStringList{"verbum1:1"});
    EXPECT_EQ(b.file.scritti.size(), 1);
    // A settings window left with Uscita starts no game and closes none.
    Scelte lascia;
    lascia.annulla = true;
    scelte = {lascia};
    lx->clickParola();
    EXPECT_EQ(b.file.scritti.size(), 1);

    // Closing the window, or quitting, in the middle of a game records it as far as it went
    // (the game started by the first click is still open).
    sbagliata(13);
    lx->chiusura();
    EXPECT_EQ(b.file.scritti.size(), 2);
    EXPECT_EQ(ripasso.dati().ultima.size(), 1);
    lx->clickParola();
    sbagliata(13);
    sbagliata(13);
    b.box.risposte = {Risposta::Ok};
    EXPECT_THROW(lx->menuEsci(), ProcessoTerminato);
    EXPECT_EQ(b.file.scritti.size(), 3);
    ASSERT_EQ(ripasso.dati().ultima.size(), 1);
    EXPECT_TRUE(parole(ripasso.dati().ultima)[0].endsWith(":2")); // this game's word, missed twice
}

// A game whose record could not be written is said once, in the instruction line under the
// restart prompt; a game recorded leaves that line empty as always.
TEST_F(InPartita, PartitaNonRegistrataDettaUnaVoltaSottoIlPrompt)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(b.file, scrittore);
    FakeCalendario calendario;
    Progressi progressi(b.file, scrittore, calendario);
    OsservatoriPartita entrambi{&ripasso, &progressi};
    avvia(vocabolario(20));
    lx->osserva(&entrambi);
    const auto partita = [&] {
        inizia();
        sbagliata(13);
        for (int k = 0; k < 10 && lx->partita().fase != Fase::Chiusura; ++k)
            giusta(13);
        finoAlPrompt();
        return lx->modello().Label1.text;
    };
    EXPECT_EQ(partita(), "");
    b.file.pieno = true;
    const std::size_t box = b.box.mostrati.size();
    EXPECT_EQ(partita(), "Partita non registrata: No space left on device");
    EXPECT_EQ(b.box.mostrati.size(), box); // no box stops the game
    b.file.pieno = false;
    EXPECT_EQ(partita(), "");
}

TEST(Ripasso, FileGuastoMessoDaParte)
{
    FakeFileSistema fs;
    fs.metti("ripasso.txt", "Lexorio: ripasso degli errori\r\nvocabolo: ...");
    fs.metti("ripasso-guasto.txt", "an earlier one");
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(fs, scrittore);
    ripasso.carica();
    EXPECT_EQ(ripasso.dati(), DatiRipasso{});
    EXPECT_FALSE(fs.ha("ripasso.txt"));
    EXPECT_EQ(fs.di("ripasso-guasto-2.txt"), "Lexorio: ripasso degli errori\r\nvocabolo: ...");
    EXPECT_EQ(fs.di("ripasso-guasto.txt"), "an earlier one");
    ASSERT_EQ(ripasso.avvisi().size(), 1);
    EXPECT_TRUE(ripasso.avvisi()[0].contains("ripasso-guasto-2.txt"));

    // The next game starts a new file.
    ripasso.partitaIniziata(1, "Cicero", "");
    ripasso.parolaChiesta("verbum", "parola", "1", "1");
    ripasso.rispostaGiudicata(1, "altro", false);
    ripasso.partitaFinita();
    EXPECT_EQ(fs.scritti, QStringList{"/ripasso.txt"});
}

TEST(Ripasso, FileCheNonSiPuoMettereDaParteNonSiToccaPiu)
{
    FakeFileSistema fs;
    fs.metti("ripasso.txt", "rovinato");
    fs.rinominaImpossibile = true;
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(fs, scrittore);
    ripasso.carica();
    ASSERT_EQ(ripasso.avvisi().size(), 1);
    ripasso.partitaIniziata(1, "Cicero", "");
    ripasso.parolaChiesta("verbum", "parola", "1", "1");
    ripasso.rispostaGiudicata(1, "altro", false);
    ripasso.partitaFinita();
    EXPECT_EQ(parole(ripasso.dati().tutte), QStringList{"verbum:1"}); // kept for this session
    EXPECT_TRUE(fs.scritti.isEmpty());
    EXPECT_EQ(fs.di("ripasso.txt"), "rovinato");
}

TEST(Ripasso, ScritturaFallitaLoDiceNellaFinestra)
{
    FakeFileSistema fs;
    fs.pieno = true;
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    Ripasso ripasso(fs, scrittore);
    ripasso.carica();
    EXPECT_TRUE(ripasso.avvisi().isEmpty()); // no file: nothing to say
    ripasso.partitaIniziata(1, "Cicero", "");
    ripasso.parolaChiesta("verbum", "parola", "1", "1");
    ripasso.partitaFinita();
    ASSERT_EQ(ripasso.avvisi().size(), 1);
    EXPECT_EQ(ripasso.avvisi()[0], "Non è stato possibile scrivere ripasso.txt (No space left on device): gli errori "
                                   "delle ultime partite non saranno ricordati alla prossima partenza.");
    // A later write that succeeds takes the warning back.
    fs.pieno = false;
    ripasso.partitaIniziata(1, "Cicero", "");
    ripasso.parolaChiesta("verbum", "parola", "1", "1");
    ripasso.partitaFinita();
    EXPECT_TRUE(ripasso.avvisi().isEmpty());
}
