// The sound routines of the game on the real channels.
#include "banco_audio.h"

#include "core/fakes.h"
#include "sound/sdl/audio.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

TEST(SuoniInPartita, LaVittoriaFinitaAvviaLaMusicaCheNonRiparteESiSpegne)
{
    CartellaAudio dir;
    dir.scrivi(QStringLiteral("Vittoria.wav"), wavTono(150, 660));
    dir.scrivi(QStringLiteral("Right.wav"), wavTono(60, 880));
    dir.scrivi(QStringLiteral("musica.mid"), midiNota(600));
    Registrazione reg;
    Banco banco;
    {
        Lexorio L(banco.porte, canaliAudio());
        Canale& musica = *L.canali.musica;
        for (Canale* c : {L.canali.vittoria.get(), L.canali.right.get(), L.canali.wrong.get(), &musica})
            c->apri(); // no Wrong.wav here: that channel just stays silent
        L.canali.vittoria->setNotifica(true);
        L.canali.vittoria->setFinePlay([&](int e) { L.fineVittoria(e); });
        std::vector<int> esitiMusica;
        musica.setNotifica(true);
        musica.setFinePlay([&](int e) { esitiMusica.push_back(e); });

        L.s.consuoni = -1;
        L.s.conmusica = -1;
        L.suona(QStringLiteral("Vittoria"));
        L.suona(QStringLiteral("Wrong"));
        EXPECT_NE(musica.modo(), kModoInRiproduzione); // not before the victory has ended
        ASSERT_TRUE(aspetta([&] { return musica.modo() == kModoInRiproduzione; }, 1000));

        L.suona(QStringLiteral("Right"));
        L.aggiornamusica(); // playing: left alone, so no report of an interrupted play
        lascia(100);
        EXPECT_TRUE(esitiMusica.empty());
        EXPECT_EQ(musica.modo(), kModoInRiproduzione);

        L.s.conmusica = 0;
        L.aggiornamusica();
        EXPECT_NE(musica.modo(), kModoInRiproduzione);
        ASSERT_TRUE(aspetta([&] { return !esitiMusica.empty(); }, 500));
        EXPECT_EQ(esitiMusica, std::vector<int>{kEsitoInterrotto});
        L.chiusura();
    }
    // The victory (0.15 s), then about 0.1 s of music until it was switched off.
    const Estensione e = udibile(reg.campioni());
    EXPECT_GT(e.durata(), 0.2);
    EXPECT_LT(e.durata(), 0.4);
}
