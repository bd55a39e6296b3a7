// Invariant: the sound device rests (is closed) only when nothing plays, after a while without
// a command, and the next command wakes it: sounds loaded before the rest play in full, with
// their reports, and the music keeps the device awake while it plays.
#include "banco_audio.h"

#include "sound/sdl/audio.h"
#include "sound/sdl/canalisdl.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct RiposoBreve {
    RiposoBreve() { SistemaAudio::setRiposo(60); }
    ~RiposoBreve() { SistemaAudio::setRiposo(10000); }
};

} // namespace

TEST(SistemaAudio, RiposaNelSilenzioESiSvegliaPerIlSuonoSeguente)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("a.wav"), wavTono(200));
    RiposoBreve riposo;
    Registrazione reg;
    std::vector<int> esiti;
    {
        auto sistema = SistemaAudio::apri();
        ASSERT_TRUE(sistema);
        CanaleWav c(sistema, QStringLiteral("a.wav"));
        c.setNotifica(true);
        c.setFinePlay([&](int e) { esiti.push_back(e); });
        ASSERT_TRUE(c.apri());
        ASSERT_TRUE(c.suona());
        lascia(150); // past the delay, but the sound still plays
        EXPECT_TRUE(sistema->acceso());
        EXPECT_EQ(c.modo(), kModoInRiproduzione);
        ASSERT_TRUE(aspetta([&] { return !sistema->acceso(); }, 1000));
        EXPECT_EQ(esiti, std::vector<int>{kEsitoCompletato});
        EXPECT_EQ(c.modo(), kModoFermo);
        EXPECT_TRUE(c.indietro()); // nothing to stop on a resting device

        ASSERT_TRUE(c.suona());
        EXPECT_TRUE(sistema->acceso());
        EXPECT_EQ(c.modo(), kModoInRiproduzione);
        ASSERT_TRUE(aspetta([&] { return esiti.size() == 2; }, 1000));
        EXPECT_EQ(esiti.back(), kEsitoCompletato);
    }
    // The disk driver starts its file again when the device wakes: the second play, whole.
    const Estensione e = udibile(reg.campioni());
    EXPECT_GT(e.durata(), 0.18);
    EXPECT_LT(e.durata(), 0.25);
}

TEST(SistemaAudio, LaMusicaTieneSvegliato)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("nota.mid"), midiNota(500));
    RiposoBreve riposo;
    auto sistema = SistemaAudio::apri();
    ASSERT_TRUE(sistema);
    CanaleMidi musica(sistema, QStringLiteral("nota.mid"), QString::fromLatin1(kSoundfont));
    ASSERT_TRUE(musica.pronto());
    ASSERT_TRUE(musica.apri());
    ASSERT_TRUE(aspetta([&] { return !sistema->acceso(); }, 1000)); // opening a file needs no device
    ASSERT_TRUE(musica.suona());
    lascia(300);
    EXPECT_TRUE(sistema->acceso());
    EXPECT_EQ(musica.modo(), kModoInRiproduzione);
    ASSERT_TRUE(aspetta([&] { return !sistema->acceso(); }, 2000)); // rests once the piece ends
    EXPECT_EQ(musica.modo(), kModoFermo);
}
