// Channels timed against the real clock: a play's end seen as soon as it comes, and the
// latency from a command to the first sound. Labelled "tempo": a slow or instrumented build
// (the sanitizers) can not keep these times, so that run leaves them out.
#include "banco_audio.h"

#include "sound/sdl/audio.h"
#include "sound/sdl/canalisdl.h"

#include <QElapsedTimer>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

using namespace lex;
using namespace lex::test;

TEST(CanaleMidi, RicominciaEFinisceRiferendoSubito)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("nota.mid"), midiNota(300));
    Registrazione reg;
    std::vector<int> esiti;
    qint64 durata = 0;
    {
        CanaleMidi c(SistemaAudio::apri(), QStringLiteral("nota.mid"), QString::fromLatin1(kSoundfont));
        ASSERT_TRUE(c.pronto());
        c.setNotifica(true);
        c.setFinePlay([&](int e) { esiti.push_back(e); });
        ASSERT_TRUE(c.apri());
        ASSERT_TRUE(c.suona());
        lascia(100);
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(c.indietro());
        ASSERT_TRUE(c.suona());
        EXPECT_EQ(c.modo(), kModoInRiproduzione);
        ASSERT_TRUE(aspetta([&] { return esiti.size() == 2; }, 2000));
        durata = t.elapsed();
        EXPECT_EQ(c.modo(), kModoFermo);
    }
    EXPECT_EQ(esiti, (std::vector<int>{kEsitoSostituito, kEsitoCompletato}));
    // The end is seen from the tick count, not seconds later.
    EXPECT_GT(durata, 250);
    EXPECT_LT(durata, 450);
    // 0.1 s of the first play, then the whole 0.3 s note again from its start.
    EXPECT_GT(udibile(reg.campioni()).durata(), 0.36);
}

// From the call to the first mixed buffer carrying the sound: what a player hears
// after the key, less the device's own buffer of 512 frames (11.6 ms).
TEST(CanaleWav, LatenzaDaReazione)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("a.wav"), wavTono(30));
    using Orologio = std::chrono::steady_clock;
    static std::atomic<long long> udito{0};
    CanaleWav c(SistemaAudio::apri(), QStringLiteral("a.wav"));
    ASSERT_TRUE(c.apri());
    Mix_SetPostMix(
        [](void*, Uint8* stream, int len) {
            const auto* pcm = reinterpret_cast<const int16_t*>(stream);
            for (int i = 0; i < len / 2; ++i)
                if (pcm[i] != 0) {
                    long long zero = 0;
                    udito.compare_exchange_strong(zero, Orologio::now().time_since_epoch().count());
                    return;
                }
        },
        nullptr);
    long long peggiore = 0;
    for (int i = 0; i < 6; ++i) {
        udito = 0;
        const auto t0 = Orologio::now();
        c.indietro();
        c.suona();
        ASSERT_TRUE(aspetta([] { return udito != 0; }, 500));
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Orologio::duration(udito.load()) - t0.time_since_epoch()).count();
        peggiore = std::max<long long>(peggiore, ms);
        lascia(40 + 7 * i); // vary the phase against the mixer's period
    }
    Mix_SetPostMix(nullptr, nullptr);
    RecordProperty("latenza_peggiore_ms", int(peggiore));
    EXPECT_LT(peggiore, 25);
}
