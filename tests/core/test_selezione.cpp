// Word selection: file order, row 0 never played, numbers read leniently, nothing out of range.
#include "vocab/selezione.h"

#include <gtest/gtest.h>

using namespace lex;

namespace {
Vocabolario tabella(std::initializer_list<Voce> voci)
{
    Vocabolario v;
    int i = 0;
    for (const auto& e : voci)
        v.righe[static_cast<std::size_t>(i++)] = e;
    v.ultimovoc = i - 1;
    return v;
}

SceltaParole tutte()
{
    SceltaParole s;
    s.frequenze = {false, true, true, true, true};
    s.classi = {false, true, true, true, true};
    return s;
}
} // namespace

TEST(Selezione, NumeriDeiCampi)
{
    struct Caso {
        const char* campo;
        std::optional<int> atteso;
    } casi[] = {
        {"2", 2}, {" 2", 2}, {"2 ", 2}, {"1 2", 12}, {"", 0}, {"x3", 0}, {"3x", 3},
        {"2.5", 2}, {"3.5", 4}, {"0.5", 0}, {"1.5", 2}, {"-0.4", 0}, {"+4", 4}, {"-1", -1},
        {"1e1", 10}, {"4E0", 4}, {"2e", 2}, {".", 0}, {"1e999", std::nullopt},
    };
    for (const auto& c : casi)
        EXPECT_EQ(leggiClasse(QString::fromLatin1(c.campo)), c.atteso) << c.campo;
    EXPECT_DOUBLE_EQ(valoreIniziale(QStringLiteral("20 vocaboli")), 20);
}

TEST(Selezione, FiltriInOrdineDiFile)
{
    const auto v = tabella({
        {"1", "1", "primo", "mai giocato"},
        {"1", "1", "aqua", "acqua"},
        {"2", "3", "amo", "amare"},
        {" 2", "2", "bonus", "buono"},
        {"3", "1", "rex", "re"},
        {"4", "4", "et", "e"},
        {"0", "1", "pers", "personale"},
    });
    auto s = tutte();
    auto l = selezionaVoci(v, s);
    EXPECT_EQ(l.vocabolo, (QStringList{"aqua", "amo", "bonus", "rex", "et"}));
    EXPECT_EQ(l.frequenza, (QStringList{"1", "2", " 2", "3", "4"})); // verbatim, not the numbers
    EXPECT_EQ(l.traduzione.size(), 5);
    EXPECT_EQ(l.categoria.size(), 5);

    s.frequenze = {true, false, true, false, false};
    s.classi = {false, true, true, false, false};
    l = selezionaVoci(v, s);
    EXPECT_EQ(l.vocabolo, (QStringList{"bonus", "pers"})); // class 3 "amo" is out

    s = tutte();
    s.classi = {};
    EXPECT_TRUE(selezionaVoci(v, s).vocabolo.isEmpty());
}

TEST(Selezione, SoloLaPrimaRigaDelFileNonSiGiocaMai)
{
    const auto v = tabella({{"1", "1", "unica", "sola"}});
    EXPECT_TRUE(selezionaVoci(v, tutte()).vocabolo.isEmpty());
}

TEST(Selezione, NumeriFuoriDalleCaselleSonoSaltati)
{
    auto v = tabella({
        {"1", "1", "primo", "x"},
        {"7", "1", "a", "x"},   // no such frequency box
        {"-1", "1", "b", "x"},
        {"1", "9", "c", "x"},   // no such class box
        {"1", "0", "d", "x"},   // class 0 has no box either
        {"1e999", "1", "e", "x"},
        {"1", "2", "ok", "x"},
    });
    auto s = tutte();
    EXPECT_EQ(selezionaVoci(v, s).vocabolo, QStringList{"ok"});

    // Rows past the last load are leftovers of a longer file.
    v.righe[7] = {"1", "1", "vecchio", "y"};
    EXPECT_EQ(selezionaVoci(v, s).vocabolo, QStringList{"ok"});
    v.ultimovoc = 100000; // never read past the table
    EXPECT_EQ(selezionaVoci(v, s).vocabolo.size(), 2);
}

TEST(Selezione, VociSimili)
{
    const auto v = tabella({
        {"1", "1", "primo", "x"},
        {"1", "1", "rosa", "rosa"},
        {"1", "1", "Rosa", "rosa"},    // case counts
        {"1", "1", "a", "a"},          // short texts compare whole
        {"1", "1", "a", "ab"},
        {"1", "1", "", ""},
    });
    auto s = tutte();
    EXPECT_EQ(selezionaVoci(v, s).vocabolo.size(), 5);
    s.escludiSimili = true;
    EXPECT_EQ(selezionaVoci(v, s).vocabolo, (QStringList{"Rosa", "a"}));
    EXPECT_EQ(selezionaVoci(v, s).traduzione, (QStringList{"rosa", "ab"}));
}
