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

TEST_F(Candidati, ParolaRimpicciolitaFinoAStareNellaSuaEtichetta)
{
    // Fake measure: 8 twips per character and point, margins included. The label is narrower
    // than the panel (4925), and the word must fit the label.
    const struct {
        int caratteri;
        double etichetta, punti;
    } righe[] = {
        {43, 4825, 14}, // 4816 wide
        {43, 4816, 14}, // exactly as wide as the label
        {43, 4800, 13}, // narrower than the panel, wider than the label
        {44, 4825, 13},
        {55, 4825, 10}, // 4840 at 11 points
        {500, 4825, 6}, // never below a readable size
    };
    for (const auto& r : righe) {
        lx->liste.vocabolo[0] = QString(r.caratteri, QLatin1Char('x'));
        lx->m.Parola.width = r.etichetta;
        b.casuale.valori = {0.0};
        lx->preparaparola();
        EXPECT_EQ(lx->m.Parola.fontSize, r.punti) << r.caratteri << " in " << r.etichetta;
    }
}
