// The MIDI channel: FluidSynth rendering into the mixer's music hook.
#include "banco_audio.h"

#include "sound/sdl/audio.h"
#include "sound/sdl/canalisdl.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

TEST(CanaleMidi, PrevRiavvolgeEChiudiFermaSubito)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("nota.mid"), midiNota(600));
    Registrazione reg;
    std::vector<int> esiti;
    long framesDopoChiusura = 0;
    {
        CanaleMidi c(SistemaAudio::apri(), QStringLiteral("nota.mid"), QString::fromLatin1(kSoundfont));
        c.setNotifica(true);
        c.setFinePlay([&](int e) { esiti.push_back(e); });
        ASSERT_TRUE(c.apri());
        ASSERT_TRUE(c.suona());
        lascia(100);
        c.indietro();
        EXPECT_EQ(c.modo(), kModoFermo);
        ASSERT_TRUE(c.suona());
        EXPECT_EQ(c.modo(), kModoInRiproduzione);
        lascia(100);
        c.chiudi();
        EXPECT_EQ(c.modo(), 0);
        lascia(250);
        framesDopoChiusura = 250 * kFrequenza / 1000;
        // Closed, then opened again: plays again.
        ASSERT_TRUE(c.apri());
        EXPECT_TRUE(c.suona());
        c.chiudi();
        lascia(20);
    }
    EXPECT_EQ(esiti, (std::vector<int>{kEsitoSostituito, kEsitoInterrotto, kEsitoInterrotto}));
    // Close cuts the note at once: the quarter second after it is silent
    // (the recording may have one more buffer of the last short play at its end).
    const auto pcm = reg.campioni();
    const long fine = long(pcm.size() / 2);
    EXPECT_EQ(picco(pcm, fine - framesDopoChiusura + 2048, fine - 4096), 0);
    EXPECT_GT(picco(pcm), 1000);
}

TEST(CanaleMidi, SenzaSoundfontOFileValidoResteMuto)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("nota.mid"), midiNota(200));
    dir.scrivi(QStringLiteral("rotto.mid"), QByteArray("MThd but nothing after"));
    Registrazione reg;
    {
        auto sistema = SistemaAudio::apri();
        CanaleMidi senzaFont(sistema, QStringLiteral("nota.mid"), QStringLiteral("/nessuna/cartella/font.sf2"));
        EXPECT_FALSE(senzaFont.pronto());
        EXPECT_TRUE(senzaFont.apri()); // the file itself is fine
        EXPECT_FALSE(senzaFont.suona());
        EXPECT_NE(senzaFont.modo(), kModoInRiproduzione);
        for (const char* nome : {"manca.mid", "rotto.mid"}) {
            CanaleMidi c(sistema, QString::fromLatin1(nome), QString::fromLatin1(kSoundfont));
            EXPECT_FALSE(c.apri()) << nome;
            EXPECT_FALSE(c.indietro());
            EXPECT_FALSE(c.suona());
            EXPECT_EQ(c.modo(), 0);
        }
        lascia(50);
    }
    EXPECT_EQ(picco(reg.campioni()), 0);
}

TEST(CanaliAudio, SenzaDispositivoQuattroCanaliMuti)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("Right.wav"), wavTono(50));
    dir.scrivi(QStringLiteral("musica.mid"), midiNota(100));
    SenzaDispositivo nessuno;
    Canali c = canaliAudio();
    ASSERT_TRUE(c.musica && c.right && c.wrong && c.vittoria);
    EXPECT_EQ(c.right->file(), QStringLiteral("Right.wav"));
    EXPECT_EQ(c.musica->file(), QStringLiteral("musica.mid"));
    for (Canale* k : {c.musica.get(), c.right.get(), c.wrong.get(), c.vittoria.get()}) {
        EXPECT_FALSE(k->apri());
        EXPECT_FALSE(k->suona());
        EXPECT_EQ(k->modo(), 0);
    }
}
