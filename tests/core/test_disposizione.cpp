// Invariant: the board and the strip are pure arithmetic on the designed sizes; the
// worked example of the designed 7035 x 6300 window must come out exactly.
#include "board/disposizione.h"

#include <gtest/gtest.h>

using namespace lex;

namespace {
LexorioModel disposto()
{
    auto m = LexorioModel::progettato();
    disponitabellone(m);
    return m;
}
} // namespace

TEST(Disposizione, TabelloneEsempioProgettato)
{
    const auto m = disposto();
    EXPECT_DOUBLE_EQ(m.Frame1.left, 1055);
    EXPECT_DOUBLE_EQ(m.Frame1.height, 4725);
    EXPECT_DOUBLE_EQ(m.barrone[2].left, 182.5);
    EXPECT_DOUBLE_EQ(m.barrone[1].left, 6162.5);
    EXPECT_DOUBLE_EQ(m.barrone[1].height, 5940);
    EXPECT_DOUBLE_EQ(m.barrone[2].height, 5940);
    EXPECT_TRUE(m.barrone[1].visible && m.barrone[2].visible);
    EXPECT_DOUBLE_EQ(m.fumetto[1].left, 287.5);
    EXPECT_DOUBLE_EQ(m.fumetto[2].top, 200);
    EXPECT_DOUBLE_EQ(m.fumetto[3].left, 287.5);
    EXPECT_DOUBLE_EQ(m.fumetto[3].top, 2360);
    EXPECT_DOUBLE_EQ(m.fumetto[4].left, 2462.5);
    EXPECT_DOUBLE_EQ(m.fumetto[4].top, 2360);
    EXPECT_DOUBLE_EQ(m.battuta[1].top, 320);
    EXPECT_DOUBLE_EQ(m.battuta[2].top, 2540);
    const double colonne[] = {100, 1675, 3250};
    const double righe[] = {540, 1248.75, 1957.5, 2666.25};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            EXPECT_DOUBLE_EQ(m.sign[static_cast<std::size_t>(3 * r + c)].left, colonne[c]) << r << c;
            EXPECT_DOUBLE_EQ(m.sign[static_cast<std::size_t>(3 * r + c)].top, righe[r]) << r << c;
        }
    EXPECT_DOUBLE_EQ(m.Parola.width, 4825);
    EXPECT_DOUBLE_EQ(m.Parola.left, 50);
    EXPECT_DOUBLE_EQ(m.Parola.top + m.Parola.height / 2, 3943.125);
}

TEST(Disposizione, FinestraPiuAltaAllargaSoloLeRighe)
{
    auto m = LexorioModel::progettato();
    m.window.height = 8000;
    disponitabellone(m);
    EXPECT_DOUBLE_EQ(m.sign[1].left, 1675);
    EXPECT_DOUBLE_EQ(m.sign[3].top - m.sign[0].top, 3 * 6000.0 / 20);
    m.window.width = 4000; // narrower than the panel: nothing guards against a negative left
    disponitabellone(m);
    EXPECT_LT(m.Frame1.left, 0);
}

TEST(Disposizione, StrisciaUnoEDueGiocatori)
{
    auto m = disposto();
    disponistriscia(m, 2);
    EXPECT_DOUBLE_EQ(m.Cornice.top, 4770);
    EXPECT_DOUBLE_EQ(m.Cornice.left, 2155);
    EXPECT_DOUBLE_EQ(m.foto1.top, 4830);
    EXPECT_DOUBLE_EQ(m.foto2.top, 4830);
    EXPECT_DOUBLE_EQ(m.foto2.left, 1055);
    EXPECT_DOUBLE_EQ(m.Cornice.width, 2725);
    EXPECT_DOUBLE_EQ(m.foto1.left, 4930);
    EXPECT_DOUBLE_EQ(m.foto1.right(), m.Frame1.right());
    EXPECT_TRUE(m.foto2.visible && m.foto1.visible && m.Cornice.visible);

    disponistriscia(m, 1); // one player: foto1 moves left, foto2 hides, the panel widens
    EXPECT_DOUBLE_EQ(m.foto1.left, 1055);
    EXPECT_DOUBLE_EQ(m.Cornice.width, 3825);
    EXPECT_DOUBLE_EQ(m.Cornice.right(), 5980);
    EXPECT_FALSE(m.foto2.visible);

    disponistriscia(m, 2); // and back
    EXPECT_DOUBLE_EQ(m.foto1.left, 4930);
    EXPECT_TRUE(m.foto2.visible);
}
