// The sound routines of the game on the real channels.
#include "banco_audio.h"

#include "core/fakes.h"
#include "sound/sdl/audio.h"
#include "sound/sdl/canalisdl.h"
#include "sound/sonoro.h"

#include <QDir>
#include <QFileInfo>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

TEST(SuoniInPartita, LaVittoriaFinitaAvviaLaMusicaCheNonRiparteESiSpegne)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("Vittoria.wav"), wavTono(150, 660));
    dir.scrivi(QStringLiteral("Right.wav"), wavTono(60, 880));
    // A note long enough that music left playing can never pass for music switched off in
    // time, even when the machine (or a sanitizer build) is slow.
    dir.scrivi(QStringLiteral("musica.mid"), midiNota(3000));
    Registrazione reg;
    {
        bool conMusica = true;
        Sonoro S(canaliAudio());
        Canale& musica = *S.canali().musica;
        for (Canale* c : {S.canali().vittoria.get(), S.canali().right.get(), S.canali().wrong.get(), &musica})
            c->apri(); // no Wrong.wav here: that channel just stays silent
        S.canali().vittoria->setNotifica(true);
        S.canali().vittoria->setFinePlay([&](int e) { S.fine(e, conMusica); });
        std::vector<int> esitiMusica;
        musica.setNotifica(true);
        musica.setFinePlay([&](int e) { esitiMusica.push_back(e); });

        S.suona(Effetto::Vittoria);
        S.suona(Effetto::Wrong);
        EXPECT_NE(musica.modo(), kModoInRiproduzione); // not before the victory has ended
        ASSERT_TRUE(aspetta([&] { return musica.modo() == kModoInRiproduzione; }, 1000));

        S.suona(Effetto::Right);
        S.aggiornaMusica(conMusica); // playing: left alone, so no report of an interrupted play
        lascia(100);
        EXPECT_TRUE(esitiMusica.empty());
        EXPECT_EQ(musica.modo(), kModoInRiproduzione);

        conMusica = false;
        S.aggiornaMusica(conMusica);
        EXPECT_NE(musica.modo(), kModoInRiproduzione);
        ASSERT_TRUE(aspetta([&] { return !esitiMusica.empty(); }, 500));
        EXPECT_EQ(esitiMusica, std::vector<int>{kEsitoInterrotto});
        S.chiudi();
    }
    // The victory (0.15 s), then about 0.1 s of music until it was switched off; left on,
    // the note alone would last 3 s.
    const Estensione e = udibile(reg.campioni());
    EXPECT_GT(e.durata(), 0.2);
    EXPECT_LT(e.durata(), 2.5);
}

// The game's own sound files, as committed: they open, have their intended lengths,
// and the music makes sound with the soundfont we ship with.
TEST(SuoniInPartita, IFileDelGiocoSuonano)
{
    QString sorgente = qEnvironmentVariable("LEXORIO_SOURCE_DIR");
    if (sorgente.isEmpty())
        sorgente = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../..");
    const QString assets = QDir(sorgente).filePath(QStringLiteral("assets"));
    ASSERT_TRUE(QFileInfo::exists(assets + QStringLiteral("/musica.mid"))) << assets.toStdString();

    Registrazione reg;
    {
        auto sistema = SistemaAudio::apri();
        ASSERT_TRUE(sistema);
        const struct {
            const char* nome;
            double minimo, massimo;
        } effetti[] = {{"Right.wav", 0.2, 0.6}, {"Wrong.wav", 0.2, 0.6}, {"Vittoria.wav", 2.0, 3.0}};
        for (const auto& e : effetti) {
            const QByteArray p = QFile::encodeName(assets + QLatin1Char('/') + QLatin1String(e.nome));
            Mix_Chunk* chunk = Mix_LoadWAV(p.constData());
            ASSERT_TRUE(chunk) << e.nome;
            const double secondi = double(chunk->alen) / (4.0 * sistema->frequenza()); // stereo 16-bit
            EXPECT_GE(secondi, e.minimo) << e.nome;
            EXPECT_LE(secondi, e.massimo) << e.nome;
            Mix_FreeChunk(chunk);
        }
        CartellaAudio dir;
        QFile::copy(assets + QStringLiteral("/musica.mid"), QStringLiteral("musica.mid"));
        CanaleMidi musica(sistema, QStringLiteral("musica.mid"), QString::fromLatin1(kSoundfont));
        ASSERT_TRUE(musica.apri());
        ASSERT_TRUE(musica.suona());
        lascia(400);
        EXPECT_EQ(musica.modo(), kModoInRiproduzione);
    }
    EXPECT_GT(picco(reg.campioni()), 300);
}
