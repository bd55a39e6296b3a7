// Two players on one keyboard: 1 is the left (red) player, 0 the right (blue) one.
#include "partita_banco.h"

using namespace lex;
using namespace lex::test;

namespace {
struct DueGiocatori : Partita {
    void inizia(int parole = 10)
    {
        avvia(vocabolario(30));
        Scelte c;
        c.giocatori = 2;
        c.parole = parole;
        scelte.push_back(c);
        lx->tasto(13);
        ASSERT_EQ(lx->s.turnoaperto, 1);
    }
};
} // namespace

TEST_F(DueGiocatori, GaraOltreIlPareggio)
{
    inizia();
    auto& m = lx->m;
    auto& s = lx->s;
    EXPECT_EQ(m.Label1.text, "Caesar: tasto 1. Cicero: tasto 0. Per interrompere: Esc.");
    EXPECT_EQ(m.sign[0].tooltip, "Lascia perdere il mouse ed usa la tastiera (tasto 1 e tasto 0)");
    EXPECT_TRUE(m.punti[1].visible && m.punti[2].visible && m.figura[2].visible && m.Lab[1].visible);
    EXPECT_FALSE(m.Lab[2].visible);
    EXPECT_DOUBLE_EQ(s.passo, (m.barrone[1].height - 1575) / 6);

    // Enter and space are not two-player keys.
    illumina(true);
    lx->tasto(13);
    lx->tasto(32);
    EXPECT_EQ(s.vocabolifatti, 0);

    // The panel's colour seen at the first pause of each answer.
    std::vector<Colore> lampi;
    bool primaPausa = true;
    orologio.durantePausa = [&] {
        if (primaPausa)
            lampi.push_back(m.Frame1.back);
        primaPausa = false;
    };
    for (int k = 0; k < 5; ++k) {
        primaPausa = true;
        giusta('0');
        primaPausa = true;
        giusta('1');
    }
    EXPECT_EQ(lampi.size(), 10u);
    EXPECT_EQ(lampi[0], colori::blu);
    EXPECT_EQ(lampi[1], colori::rosso);
    EXPECT_EQ(m.punti[1].text, "5");
    EXPECT_EQ(m.punti[2].text, "5");
    EXPECT_EQ(m.Labverbi.text, "Vocaboli 10 su 10");
    EXPECT_FALSE(s.finita); // 5 to 5: nobody has more than half
    EXPECT_EQ(m.Lab[2].text, "Penalità: "); // never written with two players
    EXPECT_DOUBLE_EQ(m.barra[2].top, m.barra[1].top);

    giusta('1');
    orologio.durantePausa = nullptr;
    EXPECT_EQ(m.Labverbi.text, "Vocaboli 11 su 10");
    EXPECT_EQ(m.punti[2].text, "6");
    ASSERT_TRUE(s.finita);
    EXPECT_EQ(s.bloccato[1], 1); // the right player lost
    EXPECT_EQ(s.bloccato[2], 0);
    EXPECT_EQ(m.figura[1].picture, m.Imr[6].picture);
    EXPECT_EQ(m.battuta[1].text, "vincit Caesar");
    EXPECT_DOUBLE_EQ(m.battuta[1].left, m.fumetto[1].left + 120);
    EXPECT_EQ(m.battuta[2].text, "vae Cicero");
    EXPECT_DOUBLE_EQ(m.battuta[2].left, m.fumetto[4].left + 150);
    EXPECT_TRUE(m.fumetto[1].visible && m.fumetto[4].visible && m.battuta[1].visible && m.battuta[2].visible);
    EXPECT_FALSE(m.fumetto[2].visible || m.fumetto[3].visible);
    EXPECT_TRUE(m.Imr[7].visible);
    EXPECT_FALSE(m.Iml[7].visible);
    EXPECT_DOUBLE_EQ(m.Imr[7].left, m.figura[1].left);
    EXPECT_DOUBLE_EQ(m.Imr[7].top, m.figura[1].top + 105);

    // The loser turns from the error pose to the defeat pose; the winner keeps moving; the
    // head falls 90 a tick to the floor of its frame, then the prompt.
    const double testa = m.Imr[7].top;
    tick();
    EXPECT_EQ(m.figura[1].picture, m.Imr[5].picture);
    EXPECT_EQ(m.figura[2].picture, m.Iml[static_cast<std::size_t>(s.fotogramma)].picture);
    EXPECT_DOUBLE_EQ(m.Imr[7].top, testa + 90);
    const int ticks = finoAlPrompt();
    EXPECT_GE(m.Imr[7].top, m.barrone[1].height);
    EXPECT_LT(m.Imr[7].top - 90, m.barrone[1].height);
    EXPECT_EQ(ticks, static_cast<int>((m.Imr[7].top - testa) / 90)); // the prompt one tick after the floor
    EXPECT_EQ(m.figura[1].picture, m.Imr[5].picture);
}

TEST_F(DueGiocatori, VinceIlDestroAlSestoPunto)
{
    inizia();
    for (int k = 0; k < 5; ++k)
        giusta('0');
    EXPECT_FALSE(lx->s.finita);
    giusta('0');
    ASSERT_TRUE(lx->s.finita);
    EXPECT_EQ(lx->s.bloccato[2], 1);
    auto& m = lx->m;
    EXPECT_EQ(m.figura[2].picture, m.Iml[6].picture);
    EXPECT_EQ(m.battuta[1].text, "vincit Cicero");
    EXPECT_DOUBLE_EQ(m.battuta[1].left, m.fumetto[2].left + 120);
    EXPECT_EQ(m.battuta[2].text, "vae Caesar");
    EXPECT_DOUBLE_EQ(m.battuta[2].left, m.fumetto[3].left + 150);
    EXPECT_TRUE(m.fumetto[2].visible && m.fumetto[3].visible);
    EXPECT_DOUBLE_EQ(m.Iml[7].left, m.figura[2].left + 135);
    EXPECT_DOUBLE_EQ(m.Iml[7].top, m.figura[2].top + 105);
    tick();
    EXPECT_EQ(m.figura[2].picture, m.Iml[5].picture);
    EXPECT_EQ(m.figura[1].picture, m.Imr[static_cast<std::size_t>(lx->s.fotogramma)].picture);
    finoAlPrompt();
    // A new game from the prompt brings both columns back down.
    lx->tasto('q');
    ASSERT_EQ(viste.size(), 2u);
    EXPECT_TRUE(viste[1].Giocatori[2].selected);
    EXPECT_TRUE(viste[1].Picture1[2].visible && viste[1].nomefoto[2].visible && viste[1].battuta[2].visible);
    EXPECT_DOUBLE_EQ(m.barra[1].height, 1575);
    EXPECT_EQ(m.punti[1].text, "0");
    EXPECT_EQ(lx->s.bloccato[2], 0);
    EXPECT_FALSE(m.Iml[7].visible);
}

TEST_F(DueGiocatori, SoloChiHaSbagliatoPerUltimoEBloccato)
{
    inizia();
    auto& m = lx->m;
    auto& s = lx->s;
    sbagliata('0');
    EXPECT_EQ(s.bloccato[1], 1);
    EXPECT_EQ(m.Label1.text, "Errore di Cicero. Può giocare solo Caesar.");
    EXPECT_EQ(m.Label1.fore, colori::bianco);
    EXPECT_EQ(m.figura[1].picture, m.Imr[6].picture);
    EXPECT_FALSE(accesa().visible);

    // Still lit though hidden: the other player presses on it too and is the one blocked now.
    const int h = s.evidenziata;
    lx->tasto('1');
    EXPECT_EQ(s.evidenziata, h);
    EXPECT_EQ(s.bloccato[1], 0);
    EXPECT_EQ(s.bloccato[2], 1);
    EXPECT_EQ(m.Label1.text, "Errore di Caesar. Può giocare solo Cicero.");
    EXPECT_EQ(m.figura[2].picture, m.Iml[6].picture);
    tick();
    EXPECT_EQ(m.figura[2].picture, m.Iml[6].picture); // a blocked figure keeps its pose
    EXPECT_EQ(m.figura[1].picture, m.Imr[static_cast<std::size_t>(s.fotogramma)].picture);
    EXPECT_EQ(s.penalita, 0); // two players count no penalties

    // A blocked player's key does nothing at all, even on the right box.
    illumina(true);
    const QStringList suoni = *b.canali.log;
    lx->tasto('1');
    EXPECT_EQ(s.vocabolifatti, 0);
    EXPECT_EQ(s.punteggio[2], 0);
    EXPECT_EQ(*b.canali.log, suoni);
    EXPECT_TRUE(accesa().visible);

    lx->tasto('0');
    EXPECT_EQ(s.punteggio[1], 1);
    EXPECT_EQ(s.bloccato[1], 0);
    EXPECT_EQ(s.bloccato[2], 0);
    EXPECT_EQ(m.Label1.text, "Caesar: tasto 1. Cicero: tasto 0. Per interrompere: Esc.");
    EXPECT_EQ(m.Label1.fore, colori::nero);
    EXPECT_DOUBLE_EQ(m.figura[1].top, m.barra[1].top + 100);

    // A new game shows the black line again even after an error line.
    sbagliata('1');
    EXPECT_EQ(m.Label1.fore, colori::bianco);
    lx->clickParola();
    EXPECT_EQ(m.Label1.fore, colori::nero);
    EXPECT_EQ(s.bloccato[2], 0);
}

TEST_F(DueGiocatori, TastiDuranteLaPausaFinale)
{
    inizia();
    for (int k = 0; k < 5; ++k)
        giusta('1');
    // During the last second nothing is handled; afterwards only Esc does something.
    b.box.risposte = {Risposta::Annulla};
    orologio.durantePausa = [&] {
        if (b.eventi.coda.empty()) {
            b.eventi.coda.push_back([&] { lx->tasto('0'); });
            b.eventi.coda.push_back([&] { lx->tasto(27); });
        }
    };
    giusta('1');
    orologio.durantePausa = nullptr;
    ASSERT_TRUE(lx->s.finita);
    EXPECT_TRUE(b.box.mostrati.empty());
    tick(); // the queued keys run now
    EXPECT_EQ(boxMostrati(), QStringList{"Confermi l'uscita dal programma?"});
    EXPECT_EQ(lx->s.punteggio[1], 0);
    EXPECT_EQ(viste.size(), 1u);
    EXPECT_EQ(lx->m.Labverbi.text, "Vocaboli 6 su 10");
}

TEST_F(DueGiocatori, NoveParoleVinceIlQuinto)
{
    // The quverbi rows only come in tens; nine words get here through the state directly.
    inizia();
    lx->s.totalevocaboli = 9;
    for (int k = 0; k < 4; ++k)
        giusta('0');
    EXPECT_FALSE(lx->s.finita);
    giusta('0');
    EXPECT_TRUE(lx->s.finita);
}
