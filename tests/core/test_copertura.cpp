// Invariant: an author's share counts every running word of the known words and nothing else,
// rounded down; the next words are the commonest not known yet; a table that is not ours is refused.
#include "progressi/copertura.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace lex;

namespace {

// Two authors of 1000 and 200 running words; rows commonest first.
const QByteArray kTabella = "# a comment\r\n"
                            "parola\tlemmi\tCaesar\tCatullus\r\n"
                            "(totale)\t-\t1000\t200\r\n"
                            "sum, es, fui, esse\tsum\t300\t19\r\n"
                            "et\tet\t200\t40\r\n"
                            "amo, -as, -avi, -atum, -are\tamo\t0\t60\r\n"
                            "bellum, -i, n.\tbellum\t105\t1\r\n";

ProfiloProgressi noti(QStringList parole, int scatola = kScatolaNota)
{
    ProfiloProgressi p;
    for (const QString& w : parole) {
        VoceProgressi v;
        v.parola = w;
        v.traduzione = "t";
        v.scatola = scatola;
        p.voci.append(v);
    }
    return p;
}

} // namespace

TEST(Copertura, QuotaDiOgniAutoreEProssimeParole)
{
    const auto t = leggiCopertura(kTabella);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->autori, (QStringList{"Caesar", "Catullus"}));
    ASSERT_EQ(t->righe.size(), 4);

    // Known: sum (box 3) and amo; et is only in box 2, not known yet.
    ProfiloProgressi p = noti({"sum, es, fui, esse", "amo, -as, -avi, -atum, -are"});
    p.voci.append(noti({"et"}, 2).voci);
    auto c = copertura(*t, p, 1);
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(rigaCopertura(c[0]), "Cesare: 30% delle parole");
    EXPECT_EQ(c[1].percento, 39); // (19 + 60) / 200 = 39.5: rounded down
    // The next one word is et, the commonest not known; bellum is not among them.
    EXPECT_EQ(c[0].conProssime, 50);
    EXPECT_EQ(rigaProssime(c[1], 1), "+20% con i prossimi 1 vocaboli");

    // Nothing known: the next two are the two commonest.
    c = copertura(*t, {}, 2);
    EXPECT_EQ(c[0].percento, 0);
    EXPECT_EQ(c[0].conProssime, 50);
    // All known: nothing left to add, and never more than 100%.
    c = copertura(*t, noti({"sum, es, fui, esse", "et", "amo, -as, -avi, -atum, -are", "bellum, -i, n."}));
    EXPECT_EQ(c[0].percento, 60);
    EXPECT_EQ(c[0].conProssime, 60);
    EXPECT_EQ(c[1].percento, 60);
    EXPECT_EQ(nomeAutore("Vergilius"), "Virgilio");
    EXPECT_EQ(nomeAutore("Plautus"), "Plautus");
}

TEST(Copertura, TabellaNonNostraRifiutata)
{
    auto cambia = [](const char* da, const char* a) { return QByteArray(kTabella).replace(da, a); };
    const QByteArray guaste[] = {
        cambia("parola\tlemmi", "lemma\tlemmi"),   // not our column names
        cambia("\t300\t19", "\t300"),              // a count missing
        cambia("\t300\t19", "\t300\t-19"),
        cambia("\t1000\t200", "\t1000\t0"),        // an author without words
        "parola\tlemmi\tCaesar\r\n",               // no totals
        "",
    };
    for (const QByteArray& t : guaste)
        EXPECT_FALSE(leggiCopertura(t)) << t.toStdString();
}

// The shipped table: the nine authors, one row per entry of the shipped vocabulary.
TEST(Copertura, LaTabellaSpeditaSiLegge)
{
    QFile f(QStringLiteral(LEXORIO_SOURCE_DIR "/assets/copertura.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto t = leggiCopertura(f.readAll());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->autori, (QStringList{"Caesar", "Cicero", "Sallustius", "Vergilius", "Ovidius", "Horatius",
                                      "Catullus", "Seneca", "Tacitus"}));
    EXPECT_EQ(t->righe.size(), 1600);
    EXPECT_EQ(t->righe[0].parola, "sum, es, fui, esse");
    // Knowing every word reads most of every author, and no more than all of it.
    ProfiloProgressi tutto;
    for (const auto& r : t->righe) {
        VoceProgressi v;
        v.parola = r.parola;
        v.scatola = kScatolaNota;
        tutto.voci.append(v);
    }
    for (const CoperturaAutore& c : copertura(*t, tutto)) {
        EXPECT_GT(c.percento, 50) << c.nome.toStdString();
        EXPECT_LE(c.percento, 100) << c.nome.toStdString();
    }
}
