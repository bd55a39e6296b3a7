// Word selection: file order, row 0 never played, numbers read leniently, nothing out of range.
#include "vocab/selezione.h"

#include <gtest/gtest.h>

using namespace lex;

TEST(Selezione, NumeriDeiCampi)
{
    const std::pair<const char*, std::optional<int>> casi[] = {
        {" 2", 2}, {"1 2", 12}, {"", 0}, {"x3", 0}, {"3x", 3}, {"2.5", 2}, {"3.5", 4},
        {"0.5", 0}, {"-1", -1}, {"1e1", 10}, {"2e", 2}, {"1e999", std::nullopt},
    };
    for (const auto& [campo, atteso] : casi)
        EXPECT_EQ(leggiClasse(QString::fromLatin1(campo)), atteso) << campo;
}

TEST(Selezione, FiltriSimiliEFuoriIntervallo)
{
    Vocabolario v;
    const Voce voci[] = {
        {"1", "1", "primo", "mai giocato"}, {"1", "1", "aqua", "acqua"}, {" 2", "3", "amo", "volere"},
        {"0", "2", "pers", "mio"},    {"7", "1", "a", "x"},        {"-1", "1", "b", "x"},
        {"1", "9", "c", "x"},               {"1", "0", "d", "x"},        {"1", "1", "rosa", "rosa"},
        {"1", "1", "Rosa", "rosa"},         {"1", "1", "a", "ab"},       {"1", "1", "oltre", "x"},
    };
    std::copy(std::begin(voci), std::end(voci), v.righe.begin());
    v.ultimovoc = 10; // the last row is a leftover of a longer file

    SceltaParole s;
    s.frequenze = {false, true, true, true, true};
    s.classi = {false, true, true, true, true};
    auto l = selezionaVoci(v, s);
    EXPECT_EQ(l.vocabolo, (QStringList{"aqua", "amo", "rosa", "Rosa", "a"}));
    EXPECT_EQ(l.frequenza[1], " 2"); // verbatim
    EXPECT_EQ(l.traduzione.size(), 5);
    EXPECT_EQ(l.categoria.size(), 5);

    s.escludiSimili = true; // first two characters, case-sensitive, short texts whole
    EXPECT_EQ(selezionaVoci(v, s).vocabolo, (QStringList{"aqua", "amo", "Rosa", "a"}));

    s.frequenze = {true, false, false, false, false};
    EXPECT_EQ(selezionaVoci(v, s).vocabolo, QStringList{"pers"});
    s.classi = {};
    EXPECT_TRUE(selezionaVoci(v, s).vocabolo.isEmpty());

    v.ultimovoc = 1000000; // never read past the table
    s = {{false, true, true, true, true}, {false, true, true, true, true}, false};
    EXPECT_EQ(selezionaVoci(v, s).vocabolo.size(), 6);
}
