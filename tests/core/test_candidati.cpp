// The word and its twelve candidates: own translation in the drawn box, the others drawn
// with replacement from the same-class translations (by exact text), the word shrunk to fit.
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
        aggiungi("1", "amo", "amare");
        aggiungi("1", "video", "vedere");
        aggiungi(" 1", "habeo", "avere");    // " 1" is another class when drawing candidates
        aggiungi("1", "teneo", "vedere");    // a second word translated the same
        aggiungi("2", "bonus", "buono");
        aggiungi("1", "rex", "re");
    }
    void aggiungi(const char* cat, const char* lat, const char* ita)
    {
        lx->liste.categoria << QString::fromLatin1(cat);
        lx->liste.frequenza << QStringLiteral("1");
        lx->liste.vocabolo << QString::fromLatin1(lat);
        lx->liste.traduzione << QString::fromLatin1(ita);
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

TEST_F(Candidati, PoolDellaStessaClasseConDoppioni)
{
    // word 0 "amo", correct box 5, then one draw per other box over the pool
    b.casuale.valori = {0.0, 5.0 / 12, 0.0, 0.4, 0.7, 0.99};
    lx->preparaparola();
    EXPECT_EQ(b.casuale.semine, 1);
    EXPECT_EQ(lx->s.casellaesatta, 5);
    EXPECT_EQ(lx->liste.errati, (QStringList{"vedere", "vedere", "re"})); // list order, duplicates kept, not " 1"
    EXPECT_EQ(testi(), (QStringList{"vedere", "vedere", "re", "re", "vedere", "amare", "vedere", "vedere",
                                    "vedere", "vedere", "vedere", "vedere"}));
    EXPECT_EQ(lx->m.Parola.text, "amo");
    EXPECT_TRUE(lx->m.Parola.visible);

    // The same translation as the word's own is in the pool too, and the lists never change.
    b.casuale.valori = {1.0 / 6, 0.999};
    lx->preparaparola();
    EXPECT_EQ(lx->m.Parola.text, "video");
    EXPECT_EQ(lx->s.casellaesatta, 11);
    EXPECT_EQ(lx->liste.errati, (QStringList{"amare", "vedere", "re"}));
    EXPECT_EQ(lx->liste.vocabolo.size(), 6);
}

TEST_F(Candidati, SenzaAltriDellaClasseLeCaselleRestanoVuote)
{
    b.casuale.valori = {2.0 / 6, 0.0};
    b.casuale.poi = 0.5;
    lx->preparaparola();
    EXPECT_EQ(lx->m.Parola.text, "habeo");
    EXPECT_TRUE(lx->liste.errati.isEmpty());
    QStringList attese(12);
    attese[0] = "avere";
    EXPECT_EQ(testi(), attese);
}

TEST_F(Candidati, ParolaRimpicciolitaFinoAStareNelRiquadro)
{
    // Fake measure: 8 twips per character per point; the panel is 4925 wide.
    auto prova = [&](int caratteri) {
        lx->liste.vocabolo[0] = QString(caratteri, QLatin1Char('x'));
        b.casuale.valori = {0.0};
        lx->preparaparola();
        return lx->m.Parola.fontSize;
    };
    EXPECT_EQ(prova(43), 14); // 4816 fits
    EXPECT_EQ(prova(44), 13); // 4928 at 14 does not; 4576 at 13 does
    EXPECT_EQ(prova(55), 11); // 4840 at 11
    lx->m.Frame1.width = 4928;
    EXPECT_EQ(prova(44), 13); // equal to the panel is still too wide
    EXPECT_EQ(prova(500), 6); // never below a readable size
}
