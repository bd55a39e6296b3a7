// Invariant: start-up always ends on the start screen (or ends the process after a fatal
// message), the channels are opened and closed in their fixed orders, and leaving through
// the quit question runs nothing else.
#include "fakes.h"
#include "shell/fatale.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

QByteArray vocabolario(int n)
{
    QByteArray out = "0;0;Lexorio;titolo\r\n";
    for (int i = 1; i < n; ++i)
        out += "1;1;w" + QByteArray::number(i) + ";t" + QByteArray::number(i) + "\r\n";
    return out;
}

struct Avvio : ::testing::Test {
    Banco banco;
    std::unique_ptr<Lexorio> lex = banco.lexorio();
};

} // namespace

TEST_F(Avvio, SchermataIniziale)
{
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
    banco.casuale.valori = {0.0, 0.99};
    lex->avvio();

    EXPECT_TRUE(banco.box.mostrati.empty());
    EXPECT_EQ(lex->vocabolario().ultimovoc, 199);
    EXPECT_EQ(lex->partita().numGiocatori, 2);
    EXPECT_EQ(lex->partita().fase, Fase::Inizio);
    EXPECT_EQ(lex->partita().fileVoc, QStringLiteral("vocaboli.txt"));
    EXPECT_EQ(lex->partita().fileCaricato, QStringLiteral("vocaboli.txt"));
    EXPECT_FALSE(lex->partita().impostata);
    EXPECT_EQ(lex->modello().Parola.text, QStringLiteral("Un tasto per iniziare"));
    EXPECT_EQ(lex->modello().foto1.picture, QStringLiteral("foto1"));
    EXPECT_EQ(lex->modello().foto2.picture, QStringLiteral("foto6"));
    EXPECT_TRUE(lex->modello().Timer1.enabled);
    EXPECT_EQ(lex->modello().Timer1.interval, 1000);
    EXPECT_FALSE(lex->modello().Cornice.visible);
    EXPECT_TRUE(lex->modello().arapacis.visible);
    EXPECT_DOUBLE_EQ(lex->modello().arapacis.top, lex->modello().foto1.top);
    EXPECT_DOUBLE_EQ(lex->modello().arapacis.left, lex->modello().Cornice.left);
    EXPECT_FALSE(lex->impostazioniEsiste()); // created for the switches, then destroyed
    // Centred on the 1280 x 1024 screen of the fake by the whole window: its frame and menu
    // bar add 8 x 50 pixels.
    EXPECT_DOUBLE_EQ(lex->modello().window.left, (1280 * 15 - 7035 - 8 * 15) / 2.0);
    EXPECT_DOUBLE_EQ(lex->modello().window.top, (1024 * 15 - 6300 - 50 * 15) / 2.0);

    const QStringList aperture = banco.canali.log->mid(0, 4);
    EXPECT_EQ(aperture, (QStringList{"Vittoria.wav Open", "Right.wav Open", "Wrong.wav Open", "musica.mid Open"}));
    EXPECT_TRUE(banco.canali.vittoria->notifica);
    EXPECT_FALSE(banco.canali.right->notifica || banco.canali.wrong->notifica);
    EXPECT_TRUE(banco.canali.musica->notifica); // the music repeats by itself
}

TEST_F(Avvio, CanaliMancantiNonFermanoNulla)
{
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
    for (auto* c : {banco.canali.musica, banco.canali.right, banco.canali.wrong, banco.canali.vittoria})
        c->apribile = false;
    lex->avvio();
    EXPECT_TRUE(banco.box.mostrati.empty());
    EXPECT_TRUE(lex->modello().Timer1.enabled);
}

TEST_F(Avvio, VocabolarioAssenteOCorto)
{
    EXPECT_THROW(lex->avvio(), ProcessoTerminato);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("File vocaboli.txt assente o difettoso"));
    EXPECT_EQ(banco.box.mostrati[0].titolo, QStringLiteral("lexorio"));
    EXPECT_EQ(banco.box.mostrati[0].icona, Icona::Errore);
}

TEST_F(Avvio, MessaggiDelCaricamento)
{
    // 99 records and two faulty lines: the report first, then the count.
    QByteArray dati = "uno\r\n" + vocabolario(99) + "due\r\n";
    banco.file.metti(QStringLiteral("vocaboli.txt"), dati);
    lex->aprivocaboli(QStringLiteral("vocaboli.txt"));
    ASSERT_EQ(banco.box.mostrati.size(), 2u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("uno\r\ndue\r\n"));
    EXPECT_EQ(banco.box.mostrati[0].titolo, QStringLiteral("Record difettosi nel file  vocaboli.txt"));
    EXPECT_EQ(banco.box.mostrati[0].icona, Icona::Avviso);
    EXPECT_EQ(banco.box.mostrati[1].testo, QStringLiteral("Solo 99 vocaboli nel file  vocaboli.txt"));
    EXPECT_EQ(banco.box.mostrati[1].titolo, QStringLiteral("lexorio"));

    banco.box.mostrati.clear();
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(100));
    lex->aprivocaboli(QStringLiteral("vocaboli.txt"));
    EXPECT_TRUE(banco.box.mostrati.empty());

    QByteArray troppi;
    for (int i = 0; i < 30; ++i)
        troppi += "riga senza punti e virgola\r\n";
    banco.file.metti(QStringLiteral("vocpers.txt"), troppi);
    EXPECT_THROW(lex->aprivocaboli(QStringLiteral("vocpers.txt")), ProcessoTerminato);
    EXPECT_EQ(banco.box.mostrati.back().titolo, QStringLiteral("Troppi record difettosi nel file vocpers.txt"));
    EXPECT_EQ(banco.box.mostrati.back().icona, Icona::Errore);
}

TEST_F(Avvio, PiuDi1801Record)
{
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(1900));
    lex->aprivocaboli(QStringLiteral("vocaboli.txt"));
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_TRUE(banco.box.mostrati[0].testo.contains(QStringLiteral("1801")));
    EXPECT_EQ(lex->vocabolario().ultimovoc, 1800);
}

TEST_F(Avvio, UscitaConfermataOAnnullata)
{
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
    lex->avvio();
    const auto prima = lex->modello().Parola.text;

    banco.box.risposte = {Risposta::Annulla};
    lex->tasto(27);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("Confermi l'uscita dal programma?"));
    EXPECT_EQ(banco.box.mostrati[0].titolo, QStringLiteral("Fine lavoro"));
    EXPECT_EQ(banco.box.mostrati[0].icona, Icona::Domanda);
    EXPECT_EQ(banco.box.mostrati[0].pulsanti, Pulsanti::OkAnnulla);
    EXPECT_EQ(lex->modello().Parola.text, prima);

    const auto comandi = banco.canali.log->size();
    banco.box.risposte = {Risposta::Ok};
    try {
        lex->clickLabel1();
        FAIL() << "OK must end the program";
    } catch (const ProcessoTerminato& t) {
        EXPECT_EQ(t.codice, 0);
    }
    EXPECT_EQ(banco.canali.log->size(), comandi); // no close sequence
    EXPECT_THROW(lex->menuEsci(), ProcessoTerminato);
}

TEST_F(Avvio, ChiusuraEInfo)
{
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
    lex->avvio();
    banco.canali.log->clear();
    lex->chiusura();
    EXPECT_EQ(*banco.canali.log, (QStringList{"musica.mid Close", "Vittoria.wav Close", "Right.wav Close", "Wrong.wav Close"}));
    lex->menuInfo();
    EXPECT_EQ(banco.finestre.infoMostrate, 1);
}

TEST(ErroreFatale, TestoTitoloEFine)
{
    Banco banco;
    try {
        erroreFatale(banco.porte, 75);
        FAIL();
    } catch (const ProcessoTerminato&) {
    }
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, QStringLiteral("errore  75")); // "errore " and the number's blank
    EXPECT_EQ(banco.box.mostrati[0].titolo, QStringLiteral("lexorio"));
    EXPECT_EQ(banco.box.mostrati[0].icona, Icona::Nessuna);
    EXPECT_EQ(conSpazio(-3), QStringLiteral("-3"));
    EXPECT_EQ(conSpazio(0), QStringLiteral(" 0"));
}

TEST_F(Avvio, LaMusicaFinitaRiparte)
{
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
    banco.file.metti(QStringLiteral("lexorio.ini"), "Musica:   1\r\nSuoni:    0\r\n");
    lex->avvio();
    lex->aggiornamusica();
    ASSERT_EQ(banco.canali.musica->modo(), kModoInRiproduzione);
    banco.canali.log->clear();
    banco.canali.musica->termina(kEsitoCompletato);
    EXPECT_EQ(*banco.canali.log, (QStringList{"musica.mid Close", "musica.mid Open", "musica.mid Prev", "musica.mid Play"}));
    banco.canali.log->clear();
    banco.canali.musica->termina(kEsitoInterrotto); // stopped on purpose: stays silent
    EXPECT_TRUE(banco.canali.log->isEmpty());
}

TEST_F(Avvio, VittoriaEMusicaSecondoLeImpostazioni)
{
    const struct {
        const char* ini;
        bool conmusica, consuoni;
        bool vittoria, musicaDopo;
    } righe[] = {
        {"Musica:   1\r\nSuoni:    1\r\n", true, true, true, true},
        {"Musica:   1\r\nSuoni:    0\r\n", true, false, false, false}, // the music waits for the first game
        {"Musica:   0\r\nSuoni:    1\r\n", false, true, true, false},
    };
    for (const auto& r : righe) {
        Banco b;
        b.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
        b.file.metti(QStringLiteral("lexorio.ini"), r.ini);
        auto lx = b.lexorio();
        lx->avvio();
        EXPECT_EQ(lx->partita().conMusica, r.conmusica) << r.ini;
        EXPECT_EQ(lx->partita().conSuoni, r.consuoni) << r.ini;
        EXPECT_EQ(b.canali.log->contains("Vittoria.wav Play"), r.vittoria) << r.ini;
        EXPECT_FALSE(b.canali.log->contains("musica.mid Play")) << r.ini; // start-up never starts it itself
        if (r.vittoria)
            b.canali.vittoria->termina(); // the music follows the victory sound's end
        EXPECT_EQ(b.canali.musica->modo() == kModoInRiproduzione, r.musicaDopo) << r.ini;
    }
}

TEST_F(Avvio, IlGestoreSaltaIlPassoDelFileNonTrovato)
{
    // Reading the settings is a real step that can fail: here the file is there when looked
    // for and gone when opened (file not found). Under the start-up handler the step is
    // skipped without a word and the next one runs.
    banco.file.svaniti = {QStringLiteral("lexorio.ini")};
    QStringList passi;
    {
        GestoreAvvio gestore(banco.porte);
        gestore.passo([&] {
            lex->impostazioni();
            passi << "letto";
        });
        gestore.passo([&] { passi << "dopo"; });
    }
    EXPECT_EQ(passi, QStringList{"dopo"});
    EXPECT_TRUE(banco.box.mostrati.empty());
    EXPECT_FALSE(lex->impostazioniEsiste());

    // Outside start-up the same failure ends the program with its number.
    EXPECT_THROW(lex->impostazioni(), ProcessoTerminato);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, "errore  53");

    // Under the handler any other failure is fatal too.
    banco.file.svaniti.clear();
    banco.file.metti(QStringLiteral("lexorio.ini"), "Confronta:7\r\n");
    GestoreAvvio gestore(banco.porte);
    EXPECT_THROW(gestore.passo([&] { lex->impostazioni(); }), ProcessoTerminato);
    EXPECT_EQ(banco.box.mostrati.back().testo, "errore  380");
}

TEST_F(Avvio, ImpostazioniIllegibiliFermanoLAvvio)
{
    // The first tick reads the settings (before the handler): the failure's number, and the end.
    banco.file.metti(QStringLiteral("vocaboli.txt"), vocabolario(200));
    banco.file.metti(QStringLiteral("lexorio.ini"), "Confronta:7\r\n");
    EXPECT_THROW(lex->avvio(), ProcessoTerminato);
    ASSERT_EQ(banco.box.mostrati.size(), 1u);
    EXPECT_EQ(banco.box.mostrati[0].testo, "errore  380");
    EXPECT_FALSE(lex->modello().Timer1.enabled);
}
