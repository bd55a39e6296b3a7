// The six characters: the cycle, the pair lines, and the 12/9-point rule of the balloons.
#include "fakes.h"
#include "settings/impostazioni.h"
#include "settings/personaggi.h"

#include <gtest/gtest.h>

namespace lex {
namespace {

TEST(Personaggi, DimensioneBattuta)
{
    EXPECT_EQ(dimensioneBattuta("", 9), 9);
    EXPECT_EQ(dimensioneBattuta("x", 9), 12);
    EXPECT_EQ(dimensioneBattuta(QString(20, 'x'), 9), 12);
    EXPECT_EQ(dimensioneBattuta(QString(21, 'x'), 12), 9);
    // Seneca's first quote is the only long one.
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(dimensioneBattuta(personaggio(n).battute[0], 0), n == 6 ? 9 : 12) << n;
}

struct Scena {
    int giocatori;
    int p1, p2;    // characters before the change
    int cambia;    // the player whose character moves to the next one
    const char* riga1;
    double punti1;
    const char* riga2;
    double punti2;
};

void PrintTo(const Scena& s, std::ostream* os)
{
    *os << s.giocatori << " players, " << s.p1 << " and " << s.p2 << ", click " << s.cambia;
}

class Coppie : public ::testing::TestWithParam<Scena> {};

TEST_P(Coppie, BattuteNeiFumetti)
{
    const Scena& s = GetParam();
    test::Banco banco;
    Impostazioni imp(banco.porte);
    imp.mostrapersonaggio(1, s.p1);
    imp.mostrapersonaggio(2, s.p2);
    imp.Giocatori_Click(s.giocatori);
    imp.Picture1_Click(s.cambia);
    EXPECT_EQ(imp.m.battuta[1].text, QLatin1String(s.riga1));
    EXPECT_EQ(imp.m.battuta[1].fontSize, s.punti1);
    if (s.giocatori == 2) {
        EXPECT_EQ(imp.m.battuta[2].text, QLatin1String(s.riga2));
        EXPECT_EQ(imp.m.battuta[2].fontSize, s.punti2);
    }
}

constexpr const char* kNil = "Nil nimium studeo, Caesar, tibi velle placere";
constexpr const char* kDisertissime = "Disertissime Romuli nepotum!";
constexpr const char* kVergili = "Vergili! Animae dimidium meae!";

INSTANTIATE_TEST_SUITE_P(
    Tabella, Coppie,
    ::testing::Values(
        // Player 1 becomes Catullus facing Caesar: Catullus speaks.
        Scena{2, 2, 2, 1, kNil, 9, "Alea iacta est!", 12},
        // Player 2 becomes Catullus facing Catullus: both cry out.
        Scena{2, 3, 2, 2, "Miser Catulle!", 12, "Miser Catulle!", 12},
        // Player 1 becomes Horatius facing Vergilius.
        Scena{2, 4, 4, 1, kVergili, 9, "Arma virumque cano", 12},
        // Player 2 becomes Vergilius facing Horatius: the other player speaks.
        Scena{2, 5, 3, 2, kVergili, 9, "Arma virumque cano", 12},
        // Player 2 becomes Caesar facing Catullus: Catullus, the other player, speaks.
        Scena{2, 3, 1, 2, kNil, 9, "Alea iacta est!", 12},
        // Player 1 becomes Catullus facing Cicero, and Cicero facing Catullus.
        Scena{2, 2, 1, 1, kDisertissime, 9, "Quo usque tandem?", 12},
        Scena{2, 6, 3, 1, "Quo usque tandem?", 12, kDisertissime, 9},
        // No line for Caesar and Cicero, nor for Seneca.
        Scena{2, 1, 1, 1, "Alea iacta est!", 12, "Quo usque tandem?", 12},
        Scena{2, 5, 3, 1, "Marcet sine adversario virtus", 9, "Odi. Amo. Excrucior.", 12},
        // Clicking a balloon (3, 4) stands for its player.
        Scena{2, 2, 2, 3, kNil, 9, "Alea iacta est!", 12},
        Scena{2, 3, 2, 4, "Miser Catulle!", 12, "Miser Catulle!", 12},
        // One player never gets a pair line.
        Scena{1, 2, 2, 1, "Odi. Amo. Excrucior.", 12, "", 0},
        Scena{1, 2, 3, 1, "Odi. Amo. Excrucior.", 12, "", 0}),
    [](const auto& riga) {
        const Scena& c = riga.param;
        return test::nomeRiga(riga.index, QByteArray("giocatori") + QByteArray::number(c.giocatori) + " personaggi"
                                              + QByteArray::number(c.p1) + "e" + QByteArray::number(c.p2) + " clic"
                                              + QByteArray::number(c.cambia));
    });

class CambioPersonaggio : public ::testing::Test {
protected:
    test::Banco banco;
    Impostazioni imp{banco.porte};
};

TEST_F(CambioPersonaggio, SeiCambiTornanoAllInizio)
{
    imp.Giocatori_Click(2);
    QStringList visti;
    for (int i = 0; i < 6; ++i) {
        imp.nomefoto_Click(2);
        visti << imp.m.nomefoto[2].text;
    }
    EXPECT_EQ(visti, QStringList({"Catullus", "Vergilius", "Horatius", "Seneca", "Cicero", "Caesar"}));
    EXPECT_EQ(imp.personaggioDi(2), 2);
    EXPECT_EQ(imp.m.Picture1[2].picture, "foto2");
}

TEST_F(CambioPersonaggio, NomeColoratoDalFuoco)
{
    imp.Picture1_Fuoco(3, true);
    EXPECT_EQ(imp.m.nomefoto[1].back, imp.m.okay[0].back);
    imp.Picture1_Click(3); // the click that follows the focus turns it white
    EXPECT_EQ(imp.m.nomefoto[1].back, colori::bianco);
    imp.Picture1_Fuoco(2, true);
    EXPECT_EQ(imp.m.nomefoto[2].back, colori::rossoChiaro);
    imp.Picture1_Fuoco(2, false);
    EXPECT_EQ(imp.m.nomefoto[2].back, colori::bianco);
}

TEST_F(CambioPersonaggio, PassareADueGiocatoriNonRicalcolaLeBattute)
{
    imp.carattere('0');
    imp.carattere('0'); // Catullus, alone
    imp.Giocatori_Click(2);
    EXPECT_EQ(imp.m.battuta[1].text, "Odi. Amo. Excrucior.");
    EXPECT_TRUE(imp.m.battuta[2].visible);
    imp.Giocatori_Click(1);
    EXPECT_FALSE(imp.m.battuta[2].visible);
    EXPECT_FALSE(imp.m.nomefoto[2].visible);
}

} // namespace
} // namespace lex
