// Two players on one keyboard: key 1 is the left (red) player 2, key 0 the right (blue) player 1.
#include "partita_banco.h"

using namespace lex;
using namespace lex::test;

namespace {
// Where a player's column pieces stand.
struct Posto {
    double barraLeft, barraTop, figuraLeft, figuraTop, puntiLeft, puntiTop;
    bool operator==(const Posto&) const = default;
};
void PrintTo(const Posto& p, std::ostream* os)
{
    *os << "barra " << p.barraLeft << "," << p.barraTop << " figura " << p.figuraLeft << "," << p.figuraTop
        << " punti " << p.puntiLeft << "," << p.puntiTop;
}

struct DueGiocatori : InPartita {
    void SetUp() override
    {
        avvia(vocabolario(30));
        Scelte c;
        c.giocatori = 2;
        inizia(c);
    }
};
} // namespace

TEST_F(DueGiocatori, GaraOltreIlPareggio)
{
    auto& m = lx->modello();
    auto& s = lx->partita();
    EXPECT_EQ(m.Label1.text, "Caesar: tasto 1. Cicero: tasto 0. Per interrompere: Esc.");
    EXPECT_EQ(m.sign[0].tooltip, "Lascia perdere il mouse ed usa la tastiera (tasto 1 e tasto 0)");
    EXPECT_TRUE(m.punti[2].visible && m.figura[2].visible && !m.Lab[2].visible);
    EXPECT_DOUBLE_EQ(s.passo, (m.barrone[1].height - 1575) / 6);
    illumina(true);
    lx->tasto(13); // Enter is not a two-player key

    std::vector<Colore> lampi; // the panel's colours during the pauses, alternating
    orologio.durantePausa = [&] {
        if (lampi.empty() || m.Frame1.back != lampi.back())
            lampi.push_back(m.Frame1.back);
    };
    for (int k = 0; k < 5; ++k)
        giusta('0'), giusta('1');
    EXPECT_EQ(lampi.size(), 10u);
    EXPECT_EQ(lampi[1], colori::rosso);
    EXPECT_EQ((QStringList{m.punti[1].text, m.punti[2].text, m.Labverbi.text}), (QStringList{"5", "5", "Vocaboli 10 su 10"}));
    EXPECT_FALSE((s.fase == Fase::Chiusura)); // 5 to 5: play goes on

    giusta('1');
    EXPECT_EQ(m.Labverbi.text, "Vocaboli 11 su 10");
    ASSERT_TRUE((s.fase == Fase::Chiusura));
    EXPECT_EQ(static_cast<int>(s.giocatore(1).bloccato), 1); // the right player lost
    EXPECT_EQ(m.figura[1].picture, m.Imr[6].picture);
    EXPECT_EQ((QStringList{m.battuta[1].text, m.battuta[2].text}), (QStringList{"Veni, vidi, vici!", "O tempora! o mores!"}));
    EXPECT_DOUBLE_EQ(m.battuta[1].left, m.fumetto[1].left + 120);
    EXPECT_DOUBLE_EQ(m.battuta[2].left, m.fumetto[4].left + 150);
    EXPECT_TRUE(m.fumetto[1].visible && m.fumetto[4].visible && m.Imr[7].visible);
    EXPECT_FALSE(m.fumetto[2].visible || m.fumetto[3].visible || m.Iml[7].visible);
    EXPECT_DOUBLE_EQ(m.Imr[7].top, m.figura[1].top + 105);

    // Error pose, then defeat pose; the winner keeps moving; the head falls 90 a tick to the
    // floor of its frame, and the prompt comes one tick later.
    const double testa = m.Imr[7].top;
    tick();
    EXPECT_EQ(m.figura[1].picture, m.Imr[5].picture);
    EXPECT_EQ(m.figura[2].picture, m.Iml[static_cast<std::size_t>(s.fotogramma)].picture);
    const int ticks = finoAlPrompt();
    EXPECT_EQ(ticks, static_cast<int>((m.Imr[7].top - testa) / 90));
    EXPECT_GE(m.Imr[7].top, m.barrone[1].height);
    EXPECT_LT(m.Imr[7].top - 90, m.barrone[1].height);

    lx->tasto('q'); // a new game: columns down, the left corner of the settings shown
    EXPECT_TRUE(viste.at(1).Giocatori[2].selected && viste[1].nomefoto[2].visible);
    EXPECT_DOUBLE_EQ(m.barra[1].height, 1575);
    EXPECT_EQ(static_cast<int>(s.giocatore(1).bloccato), 0);
}

TEST_F(DueGiocatori, VinceIlDestroAlSesto)
{
    auto& m = lx->modello();
    for (int k = 0; k < 6; ++k)
        giusta('0');
    ASSERT_TRUE((lx->partita().fase == Fase::Chiusura));
    EXPECT_EQ(lx->partita().giocatore(2).bloccato, 1);
    EXPECT_EQ((QStringList{m.battuta[1].text, m.battuta[2].text}), (QStringList{"O fortunatam, natam me consule Romam!", "Tu quoque, fili mi?"}));
    EXPECT_DOUBLE_EQ(m.battuta[1].left, m.fumetto[2].left + 120);
    EXPECT_DOUBLE_EQ(m.battuta[2].left, m.fumetto[3].left + 150);
    EXPECT_DOUBLE_EQ(m.Iml[7].left, m.figura[2].left + 135);
    tick();
    EXPECT_EQ(m.figura[2].picture, m.Iml[5].picture);
}

TEST_F(DueGiocatori, SoloChiHaSbagliatoPerUltimoEBloccato)
{
    auto& m = lx->modello();
    auto& s = lx->partita();
    sbagliata('0');
    EXPECT_EQ(m.Label1.text, "Errore di Cicero. Può giocare solo Caesar.");
    EXPECT_EQ(m.Label1.fore, colori::bianco);
    EXPECT_EQ(m.figura[1].picture, m.Imr[6].picture);

    lx->tasto('1'); // the hidden box is still lit: now only the left player is blocked
    EXPECT_EQ((std::array{static_cast<int>(s.giocatore(1).bloccato), static_cast<int>(s.giocatore(2).bloccato), s.penalita}), (std::array{0, 1, 0}));
    EXPECT_EQ(m.Label1.text, "Errore di Caesar. Può giocare solo Cicero.");
    tick();
    EXPECT_EQ(m.figura[2].picture, m.Iml[6].picture); // a blocked figure keeps its pose
    EXPECT_EQ(m.figura[1].picture, m.Imr[static_cast<std::size_t>(s.fotogramma)].picture);

    illumina(true);
    const QStringList suoni = *b.canali.log;
    lx->tasto('1'); // blocked: nothing at all, not even a sound
    EXPECT_EQ(s.vocaboliFatti, 0);
    EXPECT_EQ(*b.canali.log, suoni);
    lx->tasto('0');
    EXPECT_EQ((std::array{static_cast<int>(s.giocatore(1).bloccato), static_cast<int>(s.giocatore(2).bloccato), s.vocaboliFatti}), (std::array{0, 0, 1}));
    EXPECT_EQ(m.Label1.text, "Caesar: tasto 1. Cicero: tasto 0. Per interrompere: Esc.");
    EXPECT_EQ(m.Label1.fore, colori::nero);
}

TEST_F(DueGiocatori, TastiDuranteLaPausaFinale)
{
    for (int k = 0; k < 5; ++k)
        giusta('1');
    b.box.risposte = {Risposta::Annulla};
    orologio.durantePausa = [&] { b.eventi.coda = {[&] { lx->tasto('0'); }, [&] { lx->tasto(27); }}; };
    giusta('1');
    orologio.durantePausa = nullptr;
    EXPECT_TRUE(b.box.mostrati.empty()); // nothing runs during the last second
    tick();
    EXPECT_EQ(boxMostrati(), QStringList{"Confermi l'uscita dal programma?"}); // only Esc does something
    EXPECT_EQ(lx->partita().giocatore(1).punti, 0);
}

TEST_F(DueGiocatori, OgniEtichettaIlSuoPunteggioEUnaNuovaPartitaRiparteDaZero)
{
    auto& m = lx->modello();
    auto posto = [&](std::size_t i) {
        return Posto{m.barra[i].left, m.barra[i].top, m.figura[i].left, m.figura[i].top, m.punti[i].left, m.punti[i].top};
    };
    // The designed window: the frames at 182.5 and 6162.5, 690 wide and 5940 high.
    const Posto destra{6237.5, 4335, 6252.5, 4350, 6297.5, 5070};
    const Posto sinistra{257.5, 4335, 272.5, 4350, 317.5, 5070};
    EXPECT_EQ(posto(1), destra);
    EXPECT_EQ(posto(2), sinistra);

    giusta('0'), giusta('0'), giusta('1');
    const double passo = lx->partita().passo; // 727.5
    // The bars rise by two steps and one, the figures ride on them, the points labels stay.
    EXPECT_EQ(posto(1), (Posto{6237.5, 4335 - 2 * passo, 6252.5, 4435 - 2 * passo, 6297.5, 5070}));
    EXPECT_EQ(posto(2), (Posto{257.5, 4335 - passo, 272.5, 4435 - passo, 317.5, 5070}));
    EXPECT_DOUBLE_EQ(m.barra[1].height, 1575 + 2 * passo);
    EXPECT_EQ((QStringList{m.punti[1].text, m.punti[2].text}), (QStringList{"2", "1"}));

    // A second game: both scores from zero, both columns back at the bottom.
    Scelte c;
    c.giocatori = 2;
    scelte = {c};
    lx->clickParola();
    EXPECT_EQ((std::array{lx->partita().giocatore(1).punti, lx->partita().giocatore(2).punti}), (std::array{0, 0}));
    EXPECT_EQ(posto(1), destra);
    EXPECT_EQ(posto(2), sinistra);
    giusta('1');
    EXPECT_EQ((QStringList{m.punti[1].text, m.punti[2].text}), (QStringList{"0", "1"}));
}
