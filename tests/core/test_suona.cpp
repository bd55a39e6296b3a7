// The sound routines through recording channels: which commands reach which channel.
#include "fakes.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct Suona : ::testing::Test {
    Banco banco;
    std::unique_ptr<Lexorio> L = banco.lexorio();
    CanaliRegistrati& c = banco.canali;
    QStringList& log = *banco.canali.log;

    void SetUp() override
    {
        for (CanaleRegistrato* k : {c.musica, c.right, c.wrong, c.vittoria})
            k->apri();
        // Wired as start-up wires it: only the victory channel reports its end.
        c.vittoria->setNotifica(true);
        c.vittoria->setFinePlay([this](int esito) { L->fineVittoria(esito); });
        log.clear();
    }
};

} // namespace

TEST_F(Suona, OgniEffettoRiparteDalPrincipioSulSuoCanale)
{
    L->s.consuoni = -1;
    L->suona(QStringLiteral("Right"));
    L->suona(QStringLiteral("Wrong"));
    L->suona(QStringLiteral("Vittoria"));
    L->s.consuoni = 1;
    L->suona(QStringLiteral("Right")); // again while the first still plays: rewound, not left alone
    EXPECT_EQ(log, QStringList({"Right.wav Prev", "Right.wav Play", "Wrong.wav Prev", "Wrong.wav Play",
                                "Vittoria.wav Prev", "Vittoria.wav Play", "Right.wav Prev", "Right.wav Play"}));
}

TEST_F(Suona, NomiSbagliatiOSuoniSpentiNonToccanoNulla)
{
    L->s.consuoni = 0;
    for (const char* n : {"Right", "Wrong", "Vittoria"})
        L->suona(QString::fromLatin1(n));
    L->s.consuoni = -1;
    for (const char* n : {"right", "WRONG", "vittoria", "Right ", "", "musica"})
        L->suona(QString::fromLatin1(n));
    EXPECT_TRUE(log.isEmpty()) << log.join(QLatin1Char('|')).toStdString();
}

TEST_F(Suona, CanaleNonApertoNonFermaIlGioco)
{
    c.wrong->chiudi();
    c.wrong->apribile = false;
    log.clear();
    L->s.consuoni = -1;
    L->suona(QStringLiteral("Wrong"));
    L->suona(QStringLiteral("Right"));
    EXPECT_EQ(log, QStringList({"Wrong.wav Prev", "Wrong.wav Play", "Right.wav Prev", "Right.wav Play"}));
    EXPECT_EQ(c.wrong->modo(), 0);
}

TEST_F(Suona, MusicaSegueLInterruttore)
{
    L->s.conmusica = -1;
    L->aggiornamusica(); // stopped: starts from the beginning
    EXPECT_EQ(log, QStringList({"musica.mid Close", "musica.mid Open", "musica.mid Prev", "musica.mid Play"}));
    ASSERT_EQ(c.musica->modo(), kModoInRiproduzione);

    log.clear();
    L->s.conmusica = 1;
    L->aggiornamusica(); // playing: left where it is
    EXPECT_TRUE(log.isEmpty());

    L->s.conmusica = 0;
    L->aggiornamusica(); // switched off: stops at once, nothing reopened
    EXPECT_EQ(log, QStringList({"musica.mid Close"}));
    EXPECT_NE(c.musica->modo(), kModoInRiproduzione);

    log.clear();
    L->s.conmusica = -1;
    L->aggiornamusica();
    c.musica->termina(); // ended by itself: the next call restarts it
    log.clear();
    L->aggiornamusica();
    EXPECT_EQ(log, QStringList({"musica.mid Close", "musica.mid Open", "musica.mid Prev", "musica.mid Play"}));
}

TEST_F(Suona, MusicaMancanteRestaMuta)
{
    // A missing file: each call tries once more and stays silent; nothing else happens.
    c.musica->chiudi();
    c.musica->apribile = false;
    log.clear();
    L->s.conmusica = -1;
    L->aggiornamusica();
    L->aggiornamusica();
    EXPECT_EQ(log.size(), 8);
    EXPECT_NE(c.musica->modo(), kModoInRiproduzione);
}

TEST_F(Suona, FineDellaVittoriaAvviaLaMusicaSoloSeCompletata)
{
    L->s.consuoni = -1;
    L->s.conmusica = -1;
    L->suona(QStringLiteral("Vittoria"));
    c.vittoria->termina(kEsitoSostituito);
    c.vittoria->termina(kEsitoInterrotto);
    EXPECT_NE(c.musica->modo(), kModoInRiproduzione);

    c.vittoria->termina(kEsitoCompletato);
    EXPECT_EQ(c.musica->modo(), kModoInRiproduzione);

    // Music off: a completed victory leaves it silent.
    L->s.conmusica = 0;
    log.clear();
    c.vittoria->termina(kEsitoCompletato);
    EXPECT_EQ(log, QStringList({"musica.mid Close"}));
}
