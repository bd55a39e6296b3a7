// Wave channels on the real mixer (disk or dummy driver): reports, restarts, silence.
#include "banco_audio.h"

#include "sound/sdl/canalisdl.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>


using namespace lex;
using namespace lex::test;

namespace {

struct Esiti {
    std::vector<int> v;
    bool sulThreadGui = true;
    std::function<void(int)> f()
    {
        return [this](int e) {
            sulThreadGui = sulThreadGui && QThread::currentThread() == QCoreApplication::instance()->thread();
            v.push_back(e);
        };
    }
};

} // namespace

TEST(CanaleWav, UnRapportoPerOgniPlayConLEsitoGiusto)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("a.wav"), wavTono(80));
    auto sistema = SistemaAudio::apri();
    ASSERT_TRUE(sistema);
    CanaleWav c(sistema, QStringLiteral("a.wav"));
    Esiti esiti;
    c.setFinePlay(esiti.f());
    c.setNotifica(true);
    ASSERT_TRUE(c.apri());
    EXPECT_EQ(c.modo(), kModoFermo);

    // Played to the end, twice.
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(c.indietro());
        ASSERT_TRUE(c.suona());
        EXPECT_EQ(c.modo(), kModoInRiproduzione);
        ASSERT_TRUE(aspetta([&] { return esiti.v.size() == size_t(i + 1); }, 1000));
        EXPECT_EQ(c.modo(), kModoFermo);
    }
    // Rewound while playing, then closed while playing.
    c.suona();
    c.indietro();
    EXPECT_EQ(c.modo(), kModoFermo);
    c.suona();
    c.chiudi();
    EXPECT_EQ(c.modo(), 0);
    lascia(150);
    EXPECT_EQ(esiti.v, (std::vector<int>{kEsitoCompletato, kEsitoCompletato, kEsitoSostituito, kEsitoInterrotto}));
    EXPECT_TRUE(esiti.sulThreadGui);

    // Open after Close works again; with notification off nothing is reported.
    ASSERT_TRUE(c.apri());
    c.setNotifica(false);
    c.suona();
    EXPECT_TRUE(aspetta([&] { return c.modo() == kModoFermo; }, 1000));
    lascia(30);
    EXPECT_EQ(esiti.v.size(), 4u);
}

TEST(CanaleWav, PrevEPlayRicominciaDalPrincipio)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("a.wav"), wavTono(300));
    Registrazione reg;
    Esiti esiti;
    {
        CanaleWav c(SistemaAudio::apri(), QStringLiteral("a.wav"));
        c.setFinePlay(esiti.f());
        c.setNotifica(true);
        ASSERT_TRUE(c.apri());
        c.suona();
        lascia(120);
        c.indietro();
        c.suona();
        ASSERT_TRUE(aspetta([&] { return esiti.v.size() == 2; }, 1000));
        lascia(50);
    }
    EXPECT_EQ(esiti.v, (std::vector<int>{kEsitoSostituito, kEsitoCompletato}));
    // One play lasts 0.30 s: heard for about 0.12 + 0.30 s, the sound started over.
    const Estensione e = udibile(reg.campioni());
    EXPECT_GT(e.durata(), 0.37);
    EXPECT_LT(e.durata(), 0.55);
}

TEST(CanaleWav, FileMancanteOIlleggibileRestaMuto)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("rotto.wav"), QByteArray("RIFF....WAVEnot really a wave file"));
    Registrazione reg;
    Esiti esiti;
    {
        auto sistema = SistemaAudio::apri();
        for (const char* nome : {"manca.wav", "rotto.wav"}) {
            CanaleWav c(sistema, QString::fromLatin1(nome));
            c.setNotifica(true);
            c.setFinePlay(esiti.f());
            EXPECT_FALSE(c.apri()) << nome;
            EXPECT_FALSE(c.indietro());
            EXPECT_FALSE(c.suona());
            EXPECT_EQ(c.modo(), 0);
            c.chiudi();
        }
        lascia(60);
    }
    EXPECT_TRUE(esiti.v.empty());
    const auto pcm = reg.campioni();
    EXPECT_GT(pcm.size(), 1000u); // the device did run
    EXPECT_EQ(picco(pcm), 0);
}
