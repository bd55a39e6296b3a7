// The sound routines through recording channels: which commands reach which channel.
#include "fakes.h"
#include "sound/sonoro.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct Suona : ::testing::Test {
    Banco banco;
    Sonoro S{banco.canali.crea()};
    CanaliRegistrati& c = banco.canali;
    QStringList& log = *banco.canali.log;
    bool conMusica = false;

    void SetUp() override
    {
        S.apri([this](int esito) { S.fine(esito, conMusica); });
        log.clear();
    }
};

} // namespace

TEST_F(Suona, OgniEffettoRiparteDalPrincipioSulSuoCanale)
{
    S.suona(Effetto::Right);
    S.suona(Effetto::Wrong);
    S.suona(Effetto::Vittoria);
    S.suona(Effetto::Right); // again while the first still plays: rewound, not left alone
    EXPECT_EQ(log, QStringList({"Right.wav Prev", "Right.wav Play", "Wrong.wav Prev", "Wrong.wav Play",
                                "Vittoria.wav Prev", "Vittoria.wav Play", "Right.wav Prev", "Right.wav Play"}));
}

TEST_F(Suona, ApreTuttiICanaliEAscoltaSoloVittoriaEMusica)
{
    Banco b;
    Sonoro s{b.canali.crea()};
    s.apri([](int) {});
    for (CanaleRegistrato* k : {b.canali.musica, b.canali.right, b.canali.wrong, b.canali.vittoria})
        EXPECT_TRUE(k->aperto);
    EXPECT_TRUE(b.canali.vittoria->notifica && b.canali.musica->notifica);
    EXPECT_FALSE(b.canali.right->notifica || b.canali.wrong->notifica);
}

TEST_F(Suona, SuoniSpentiNonToccanoNulla)
{
    // The game's own switch: a whole game without sounds reaches no effect channel.
    Banco b;
    QByteArray voci = "1;1;primus;primo\r\n";
    for (int i = 0; i < 12; ++i)
        voci += "1;1;verbum" + QByteArray::number(i) + ";parola" + QByteArray::number(i) + "\r\n";
    b.file.metti("vocaboli.txt", voci);
    b.file.metti("lexorio.ini", "Suoni:    0\r\n");
    auto lx = b.lexorio();
    lx->avvio();
    b.finestre.impostazioni = [](Impostazioni& imp) { imp.okay_Click(0); };
    lx->tasto(13);
    for (int i = 0; i < 40; ++i) {
        lx->Timer1_Timer();
        lx->tasto(13);
    }
    for (const QString& riga : *b.canali.log)
        EXPECT_TRUE(riga.startsWith("musica.mid") || riga.endsWith("Open")) << riga.toStdString();
}
TEST_F(Suona, CanaleNonApertoNonFermaIlGioco)
{
    c.wrong->chiudi();
    c.wrong->apribile = false;
    log.clear();
    S.suona(Effetto::Wrong);
    S.suona(Effetto::Right);
    EXPECT_EQ(log, QStringList({"Wrong.wav Prev", "Wrong.wav Play", "Right.wav Prev", "Right.wav Play"}));
    EXPECT_EQ(c.wrong->modo(), 0);
}

TEST_F(Suona, MusicaSegueLInterruttore)
{
    S.aggiornaMusica(true); // stopped: starts from the beginning
    EXPECT_EQ(log, QStringList({"musica.mid Close", "musica.mid Open", "musica.mid Prev", "musica.mid Play"}));
    ASSERT_EQ(c.musica->modo(), kModoInRiproduzione);

    log.clear();
    S.aggiornaMusica(true); // playing: left where it is
    EXPECT_TRUE(log.isEmpty());

    S.aggiornaMusica(false); // switched off: stops at once, nothing reopened
    EXPECT_EQ(log, QStringList({"musica.mid Close"}));
    EXPECT_NE(c.musica->modo(), kModoInRiproduzione);

    log.clear();
    S.aggiornaMusica(true);
    c.musica->termina(); // ended by itself: the next call restarts it
    log.clear();
    S.aggiornaMusica(true);
    EXPECT_EQ(log, QStringList({"musica.mid Close", "musica.mid Open", "musica.mid Prev", "musica.mid Play"}));
}

TEST_F(Suona, MusicaMancanteRestaMuta)
{
    // A missing file: each call tries once more and stays silent; nothing else happens.
    c.musica->chiudi();
    c.musica->apribile = false;
    log.clear();
    S.aggiornaMusica(true);
    S.aggiornaMusica(true);
    EXPECT_EQ(log.size(), 8);
    EXPECT_NE(c.musica->modo(), kModoInRiproduzione);
}

TEST_F(Suona, FineDellaVittoriaAvviaLaMusicaSoloSeCompletata)
{
    conMusica = true;
    S.suona(Effetto::Vittoria);
    c.vittoria->termina(kEsitoSostituito);
    c.vittoria->termina(kEsitoInterrotto);
    EXPECT_NE(c.musica->modo(), kModoInRiproduzione);

    c.vittoria->termina(kEsitoCompletato);
    EXPECT_EQ(c.musica->modo(), kModoInRiproduzione);

    // Music off: a completed victory leaves it silent.
    conMusica = false;
    log.clear();
    c.vittoria->termina(kEsitoCompletato);
    EXPECT_EQ(log, QStringList({"musica.mid Close"}));
}
