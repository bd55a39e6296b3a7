// The word and its twelve candidates: its own translation in the drawn box, the others drawn
// with replacement from the same-class translations (exact text), the word shrunk to fit.
#include "fakes.h"
#include "play/candidati.h"
#include "shell/presentatore.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {
struct Candidati : ::testing::Test {
    Banco b;
    ListeParole liste;
    void SetUp() override
    {
        liste.categoria = {"1", "1", " 1", "1", "1"}; // " 1" is another class here
        liste.vocabolo = {"amo", "video", "habeo", "teneo", "rex"};
        liste.traduzione = {"amare", "vedere", "avere", "vedere", "re"};
    }
    static QStringList testi(const Domanda& d) { return {d.caselle.begin(), d.caselle.end()}; }
};
} // namespace

TEST_F(Candidati, StessaClasseConDoppioniEPoolVuoto)
{
    b.casuale.valori = {0.0, 5.0 / 12, 0.0, 0.4, 0.7, 0.99}; // word, right box, then each other box
    Domanda d = disegnaDomanda(liste, b.casuale);
    EXPECT_EQ(b.casuale.semine, 1);
    EXPECT_EQ(liste.vocabolo[d.riga], "amo");
    EXPECT_EQ(d.esatta, 5);
    EXPECT_EQ(d.errati, (QStringList{"vedere", "vedere", "re"}));
    EXPECT_EQ(testi(d), (QStringList{"vedere", "vedere", "re", "re", "vedere", "amare", "vedere", "vedere",
                                     "vedere", "vedere", "vedere", "vedere"}));

    b.casuale.valori = {0.4, 0.0};
    d = disegnaDomanda(liste, b.casuale);
    EXPECT_EQ(liste.vocabolo[d.riga], "habeo");
    QStringList attese(12);
    attese[0] = "avere";
    EXPECT_EQ(testi(d), attese); // alone in its class: the other boxes stay empty
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
    for (const auto& r : righe)
        EXPECT_EQ(puntiParola(b.misure, QString(r.caratteri, QLatin1Char('x')), r.etichetta), r.punti)
            << r.caratteri << " in " << r.etichetta;
}

TEST_F(Candidati, LaParolaDelGiocoNellaSuaEtichetta)
{
    // The label as laid out holds a word of 43 characters at 14 points (4816 of 4825 twips).
    Presentatore p(b.misure);
    p.disponiTabellone();
    p.parola(QString(43, QLatin1Char('x')));
    EXPECT_EQ(p.modello().Parola.fontSize, 14);
    p.parola(QString(44, QLatin1Char('x')));
    EXPECT_EQ(p.modello().Parola.fontSize, 13);
}
