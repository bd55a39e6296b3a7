// Invariant: every character keeps its own record; a word climbs one box per game answered
// right at the first key and falls to box 1 at any miss; it is due again after its box's days;
// the file reads back what was written, anything else is set aside and never lost.
#include "partita_banco.h"
#include "progressi/progressi.h"
#include "review/ripasso.h"

#include <QDir>

using namespace lex;
using namespace lex::test;

namespace {

EsitoDomanda domanda(const char* parola, char esito, int fascia = 1)
{
    // G right at the first key, S missed, T a wrong key and then the right one (still a miss),
    // A asked and left to the other player or the clock.
    EsitoDomanda d{QStringLiteral("1"), QString::fromUtf8(parola), QStringLiteral("t-") + QString::fromUtf8(parola), fascia};
    d.primoGiusto = esito == 'G';
    d.sbagliata = esito == 'S' || esito == 'T';
    return d;
}

// One game per letter for the word "verbum", each game also asking another word.
ProfiloProgressi giocate(const char* partite, QDate giorno = {2026, 12, 8})
{
    ProfiloProgressi p;
    for (const char* g = partite; *g; ++g)
        if (*g != '-')
            registraPartita(p, {domanda("altra", 'G'), domanda("verbum", *g)}, giorno);
    return p;
}

} // namespace

TEST(RegistroProgressi, ScatolaSaleConIlGiustoETornaAUnoConLErrore)
{
    const struct {
        const char* partite;
        int scatola;
        bool nota;
    } casi[] = {
        {"G", 2, false},     {"GG", 3, true},      {"GGGGGG", 5, true}, {"GGS", 1, false},
        {"GGA", 3, true},    {"A", 1, false},      {"GGT", 1, false},   {"SGG", 3, true},
        {"GGGGSG", 2, false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.partite);
        const ProfiloProgressi p = giocate(c.partite);
        const VoceProgressi* v = p.cerca("verbum", "t-verbum");
        ASSERT_TRUE(v);
        EXPECT_EQ(v->scatola, c.scatola);
        EXPECT_EQ(v->nota(), c.nota);
    }
}

TEST(RegistroProgressi, UnaPartitaMuoveDiUnaScatolaSolaEContaOgniDomanda)
{
    ProfiloProgressi p;
    // Asked three times in one game: right, right, then missed once.
    registraPartita(p, {domanda("verbum", 'G'), domanda("verbum", 'G')}, {2026, 12, 8});
    EXPECT_EQ(p.voci[0].scatola, 2); // not 3: one box per game
    EXPECT_EQ(p.voci[0].chiesta, 2);
    EXPECT_EQ(p.voci[0].giustaPrimo, 2);
    registraPartita(p, {domanda("verbum", 'G'), domanda("verbum", 'S', 3), domanda("verbum", 'A', 3)}, {2026, 12, 9});
    const VoceProgressi& v = p.voci[0];
    EXPECT_EQ(v.scatola, 1);
    EXPECT_EQ(v.chiesta, 5);
    EXPECT_EQ(v.giustaPrimo, 3);
    EXPECT_EQ(v.sbagliata, 1);
    EXPECT_EQ(v.ultima, QDate(2026, 12, 9));
    EXPECT_EQ(v.fascia, 3); // as last played
}

TEST(RegistroProgressi, GiorniDaRipassareConIlCalendarioFinto)
{
    FakeCalendario cal;
    ProfiloProgressi p;
    auto gioca = [&](const char* parola, char esito) { registraPartita(p, {domanda(parola, esito)}, cal.oggi()); };
    gioca("mancata", 'S');              // box 1
    gioca("due", 'G');                  // box 2
    gioca("cinque", 'G');
    for (int i = 0; i < 3; ++i)
        gioca("cinque", 'G');           // box 5, all on day 0
    auto dovute = [&] {
        QStringList t;
        for (const VoceProgressi& v : daRipassare(p, cal.oggi()))
            t << v.parola;
        return t;
    };
    EXPECT_EQ(dovute(), QStringList{"mancata"}); // box 1 is due at the next game
    cal.avanza(1);
    EXPECT_EQ(dovute(), (QStringList{"mancata", "due"}));
    cal.avanza(6);
    EXPECT_EQ(dovute(), (QStringList{"mancata", "due"}));
    cal.avanza(1); // eight days
    EXPECT_EQ(dovute(), (QStringList{"mancata", "due", "cinque"}));

    cal.avanza(-30); // a clock set back: nothing is due but box 1
    EXPECT_EQ(dovute(), QStringList{"mancata"});

    // Same box: the one played longest ago first.
    cal.avanza(40);
    p.voci[0].ultima = cal.oggi();
    gioca("tarda", 'S');
    p.voci.last().ultima = cal.oggi().addDays(-5);
    EXPECT_EQ(dovute(), (QStringList{"tarda", "mancata", "due", "cinque"}));
}

TEST(RegistroProgressi, NotiPerGiornoEPerFascia)
{
    ProfiloProgressi p;
    const QDate oggi(2026, 12, 8);
    registraPartita(p, {domanda("a", 'G', 1), domanda("b", 'G', 2), domanda("c", 'G', 0)}, oggi);
    registraPartita(p, {domanda("a", 'G', 1), domanda("b", 'G', 2)}, oggi);
    ASSERT_EQ(p.giorni.size(), 1); // the same day is noted once, as it ended
    EXPECT_EQ(p.giorni[0].note, (std::array<int, kFasce>{0, 1, 1, 0, 0}));
    registraPartita(p, {domanda("c", 'G', 0), domanda("b", 'S', 2)}, oggi.addDays(2));
    ASSERT_EQ(p.giorni.size(), 2);
    EXPECT_EQ(p.giorni[1].giorno, oggi.addDays(2));
    EXPECT_EQ(p.giorni[1].note, (std::array<int, kFasce>{1, 1, 0, 0, 0}));
    // A clock set back updates the latest day rather than going back in time.
    registraPartita(p, {domanda("b", 'G', 2)}, oggi);
    EXPECT_EQ(p.giorni.size(), 2);
    EXPECT_EQ(fasciaDi(" 2"), 2);
    EXPECT_EQ(fasciaDi("7"), 0);
    EXPECT_EQ(fasciaDi("x"), 0);
}

TEST(FileProgressi, ScrittoComeDocumentatoERiletto)
{
    DatiProgressi d;
    d.primaDaRipassare = true;
    auto& caesar = d.profili[2];
    caesar.giorni = {{QDate(2026, 12, 7), {0, 1, 0, 0, 0}}, {QDate(2026, 12, 8), {0, 2, 0, 0, 1}}};
    VoceProgressi v;
    v.categoria = "3";
    v.parola = "sum, es, fui, esse";
    v.traduzione = "essere; esistere";
    v.fascia = 1;
    v.chiesta = 4;
    v.giustaPrimo = 3;
    v.sbagliata = 1;
    v.ultima = QDate(2026, 12, 8);
    v.scatola = 3;
    caesar.voci = {v};
    v.parola = "città";
    d.profili[6].voci = {v};
    const QByteArray testo = testoProgressi(d);
    EXPECT_TRUE(testo.startsWith("Lexorio: progressi\r\n/ "));
    const QByteArray corpo = testo.mid(testo.indexOf("\r\nprima da ripassare") + 2);
    EXPECT_EQ(corpo, "prima da ripassare: 1\r\n\r\n[Caesar]\r\ngiorno: 2026-12-07;0;1;0;0;0\r\n"
                     "giorno: 2026-12-08;0;2;0;0;1\r\nvocabolo: 3;sum, es, fui, esse;essere; esistere\r\n"
                     "stato: 4;3;1;2026-12-08;3;1\r\n\r\n[Seneca]\r\nvocabolo: 3;citt\xe0;essere; esistere\r\n"
                     "stato: 4;3;1;2026-12-08;3;1\r\n\r\n[fine]\r\n");
    EXPECT_EQ(leggiTestoProgressi(testo), d);
    EXPECT_EQ(leggiTestoProgressi(testoProgressi(DatiProgressi{})), DatiProgressi{});
}

TEST(FileProgressi, CioCheIlGiocoNonScriverebbeERifiutato)
{
    DatiProgressi d;
    registraPartita(d.profili[1], {domanda("alfa", 'G'), domanda("beta", 'S')}, {2026, 12, 8});
    const QByteArray buono = testoProgressi(d);
    ASSERT_TRUE(leggiTestoProgressi(buono));
    auto cambia = [&](const char* da, const char* a) {
        QByteArray t = buono;
        EXPECT_TRUE(t.contains(da)) << da;
        return t.replace(da, a);
    };
    const QByteArray guasti[] = {
        buono.left(buono.size() - 8),                                  // cut short: no end mark
        buono + "giorno: 2026-12-09;0;0;0;0;0\r\n",                    // after the end mark
        cambia("[Cicero]", "[Plautus]"),                               // not a character
        cambia("[Cicero]", "[Cicero]\r\n\r\n[Cicero]"),                // twice
        cambia("vocabolo: 1;beta;t-beta", "vocabolo: 1;alfa;t-alfa"),  // a word twice
        cambia("vocabolo: 1;beta;t-beta", "vocabolo: beta"),
        cambia("stato: 1;0;1;2026-12-08;1;1", "stato: 1;1;1;2026-12-08;1;1"), // right first and missed
        cambia("stato: 1;0;1;2026-12-08;1;1", "stato: 1;0;1;2026-12-08;6;1"), // no box 6
        cambia("stato: 1;0;1;2026-12-08;1;1", "stato: 1;0;1;2026-02-30;1;1"), // no such day
        cambia("stato: 1;0;1;2026-12-08;1;1", "stato: 0;0;0;2026-12-08;1;1"), // never asked
        cambia("stato: 1;0;1;2026-12-08;1;1\r\n", ""),                 // a word without its state
        cambia("giorno: 2026-12-08", "giorno: 2026-12-08;0;1;0;0;0\r\ngiorno: 2026-12-08"), // a day twice
        cambia("prima da ripassare: 0", "prima da ripassare: 2"),
        cambia("prima da ripassare: 0\r\n", ""),
        cambia("Lexorio: progressi", "Lexorio: ripasso degli errori"),
        cambia("stato: 1;1;0", " stato: 1;1;0"),
    };
    for (const QByteArray& t : guasti)
        EXPECT_FALSE(leggiTestoProgressi(t)) << t.toStdString();
}

TEST(Progressi, OgniPersonaggioHaIlSuoRegistro)
{
    FakeFileSistema fs;
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    FakeCalendario cal;
    Progressi p(fs, scrittore, cal);
    p.carica();
    auto gioca = [&](int giocatori, const char* n1, const char* n2, std::vector<std::pair<int, bool>> tasti) {
        p.partitaIniziata(giocatori, n1, n2);
        p.parolaChiesta("verbum", "parola", "1", "2");
        for (auto [g, esatta] : tasti)
            p.rispostaGiudicata(g, "x", esatta);
        p.partitaFinita();
    };
    gioca(1, "Cicero", "Caesar", {{1, true}, {2, false}}); // one player: the left one is no one
    const auto& d = p.dati();
    EXPECT_EQ(d.profili[1].voci.size(), 1);
    EXPECT_EQ(d.profili[1].voci[0].scatola, 2);
    EXPECT_EQ(d.profili[1].voci[0].fascia, 2);
    EXPECT_TRUE(d.profili[2].vuoto());

    // Two players: each character its own keys; the first key decides, a later one cannot undo a miss.
    gioca(2, "Horatius", "Cicero", {{2, false}, {1, true}, {2, true}});
    EXPECT_EQ(d.profili[5].voci[0].scatola, 2);
    EXPECT_EQ(d.profili[5].voci[0].giustaPrimo, 1);
    EXPECT_EQ(d.profili[1].voci[0].scatola, 1);
    EXPECT_EQ(d.profili[1].voci[0].sbagliata, 1);
    EXPECT_EQ(d.profili[1].voci[0].chiesta, 2);

    // A player who never pressed keeps the box.
    gioca(2, "Horatius", "Cicero", {{1, true}});
    EXPECT_EQ(d.profili[5].voci[0].scatola, 3);
    EXPECT_EQ(d.profili[1].voci[0].scatola, 1);
    EXPECT_EQ(d.profili[1].voci[0].chiesta, 3);
    for (int n : {2, 3, 4, 6})
        EXPECT_TRUE(d.profili[static_cast<std::size_t>(n)].vuoto()) << n;

    // Written in the background after each game, read back by the next run.
    EXPECT_EQ(fs.scritti, (QStringList{"/progressi.txt", "/progressi.txt", "/progressi.txt"}));
    Progressi riletto(fs, scrittore, cal);
    riletto.carica();
    EXPECT_EQ(riletto.dati(), d);
    EXPECT_TRUE(riletto.avvisi().isEmpty());

    // The option is saved at once, and only when it changes.
    riletto.impostaPrimaDaRipassare(false);
    EXPECT_EQ(fs.scritti.size(), 3);
    riletto.impostaPrimaDaRipassare(true);
    EXPECT_EQ(fs.scritti.size(), 4);
    EXPECT_TRUE(fs.di("progressi.txt").contains("\r\nprima da ripassare: 1\r\n"));

    // A failed write is told, with the system's reason.
    fs.pieno = true;
    riletto.impostaPrimaDaRipassare(false);
    ASSERT_EQ(riletto.avvisi().size(), 1);
    EXPECT_TRUE(riletto.avvisi()[0].startsWith("Non è stato possibile scrivere progressi.txt (No space left on device)"));
}

TEST(Progressi, FileGuastoMessoDaParteEMaiSovrascritto)
{
    FakeFileSistema fs;
    fs.metti("progressi.txt", "Lexorio: progressi\r\n[Cicero]");
    fs.metti("progressi-guasto.txt", "an earlier one");
    ScrittoreInDisparte scrittore{fs, ScrittoreInDisparte::Filo::Chiamante};
    FakeCalendario cal;
    Progressi p(fs, scrittore, cal);
    p.carica();
    EXPECT_EQ(p.dati(), DatiProgressi{});
    EXPECT_EQ(fs.di("progressi-guasto-2.txt"), "Lexorio: progressi\r\n[Cicero]");
    EXPECT_EQ(fs.di("progressi-guasto.txt"), "an earlier one");
    ASSERT_EQ(p.avvisi().size(), 1);
    EXPECT_TRUE(p.avvisi()[0].contains("progressi-guasto-2.txt"));

    // Cannot be set aside: kept as it is for good.
    fs.metti("progressi.txt", "rovinato");
    fs.rinominaImpossibile = true;
    Progressi bloccato(fs, scrittore, cal);
    bloccato.carica();
    bloccato.partitaIniziata(1, "Cicero", "");
    bloccato.parolaChiesta("verbum", "parola", "1", "1");
    bloccato.partitaFinita();
    bloccato.impostaPrimaDaRipassare(true);
    EXPECT_EQ(bloccato.dati().profili[1].voci.size(), 1); // kept for this session
    EXPECT_TRUE(fs.scritti.isEmpty());
    EXPECT_EQ(fs.di("progressi.txt"), "rovinato");
}

// A whole game through the rules, with the review listening too.
TEST_F(InPartita, LaPartitaArrivaAlRegistroDelPersonaggio)
{
    ScrittoreInDisparte scrittore{b.file, ScrittoreInDisparte::Filo::Chiamante};
    FakeCalendario cal;
    Ripasso ripasso(b.file, scrittore);
    Progressi progressi(b.file, scrittore, cal);
    OsservatoriPartita tutti{&ripasso, &progressi};
    avvia(vocabolario(20));
    lx->osserva(&tutti);
    inizia();
    sbagliata(13);
    for (int k = 0; k < 10; ++k)
        giusta(13);
    ASSERT_EQ(lx->partita().fase, Fase::Chiusura);
    const ProfiloProgressi& cicero = progressi.dati().profili[1];
    ASSERT_EQ(cicero.voci.size(), 1); // random numbers are 0: always verbum1
    EXPECT_EQ(cicero.voci[0].parola, "verbum1");
    EXPECT_EQ(cicero.voci[0].chiesta, 10);
    EXPECT_EQ(cicero.voci[0].sbagliata, 1);
    EXPECT_EQ(cicero.voci[0].giustaPrimo, 9);
    EXPECT_EQ(cicero.voci[0].scatola, 1);
    EXPECT_EQ(ripasso.dati().tutte.size(), 1);
    EXPECT_EQ(b.file.scritti, (QStringList{"/gioco/ripasso.txt", "/gioco/progressi.txt"}));
}
