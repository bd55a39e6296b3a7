// The word and its twelve candidates: its own translation in the drawn box, the others drawn
// with replacement from the same-class translations (exact text), the word shrunk to fit.
#include "fakes.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {
struct Candidati : ::testing::Test {
    Banco b;
    std::unique_ptr<Lexorio> lx = b.lexorio();
    void SetUp() override
    {
        lx->s.numcaselle = 12;
        lx->liste.categoria = {"1", "1", " 1", "1", "1"}; // " 1" is another class here
        lx->liste.vocabolo = {"amo", "video", "habeo", "teneo", "rex"};
        lx->liste.traduzione = {"amare", "vedere", "avere", "vedere", "re"};
    }
    QStringList testi() const
    {
        QStringList t;
        for (const auto& c : lx->m.sign)
            t << c.text;
        return t;
    }
};
} // namespace

TEST_F(Candidati, StessaClasseConDoppioniEPoolVuoto)
{
    b.casuale.valori = {0.0, 5.0 / 12, 0.0, 0.4, 0.7, 0.99}; // word, right box, then each other box
    lx->preparaparola();
    EXPECT_EQ(b.casuale.semine, 1);
    EXPECT_EQ(lx->m.Parola.text, "amo");
    EXPECT_EQ(lx->liste.errati, (QStringList{"vedere", "vedere", "re"}));
    EXPECT_EQ(testi(), (QStringList{"vedere", "vedere", "re", "re", "vedere", "amare", "vedere", "vedere",
                                    "vedere", "vedere", "vedere", "vedere"}));

    b.casuale.valori = {0.4, 0.0};
    lx->preparaparola();
    EXPECT_EQ(lx->m.Parola.text, "habeo");
    QStringList attese(12);
    attese[0] = "avere";
    EXPECT_EQ(testi(), attese); // alone in its class: the other boxes stay empty
}

TEST_F(Candidati, ParolaRimpicciolitaFinoAStareNelRiquadro)
{
    // Fake measure: 8 twips per character and point; the panel is 4925 wide.
    auto punti = [&](int caratteri) {
        lx->liste.vocabolo[0] = QString(caratteri, QLatin1Char('x'));
        b.casuale.valori = {0.0};
        lx->preparaparola();
        return lx->m.Parola.fontSize;
    };
    EXPECT_EQ(punti(43), 14);
    EXPECT_EQ(punti(44), 13);
    EXPECT_EQ(punti(55), 11);
    EXPECT_EQ(punti(500), 6); // never below a readable size
    lx->m.Frame1.width = 4928;
    EXPECT_EQ(punti(44), 13); // as wide as the panel is too wide
}
