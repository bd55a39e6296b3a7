// The board's rule: a text a learner could rightly choose never stands among the wrong
// candidates (a sense in common, or a sense that is a synonym of one of the right one's).
#include "fakes.h"
#include "play/candidati.h"
#include "vocab/errati.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {
const Sinonimi kTabella = Sinonimi::daTesto(u"# prova\n"
                                            "paura\tspavento\n"
                                            "timore\tpaura\n"
                                            "uccidere\tammazzare\n");
} // namespace

TEST(Sinonimi, RelazioneSimmetricaSenzaSeStessoNeCommenti)
{
    EXPECT_TRUE(kTabella.sonoSinonimi("paura", "timore"));
    EXPECT_TRUE(kTabella.sonoSinonimi("timore", "paura")) << "listed only under timore";
    EXPECT_TRUE(kTabella.sonoSinonimi("ammazzare", "uccidere"));
    EXPECT_FALSE(kTabella.sonoSinonimi("spavento", "timore")) << "not transitive";
    EXPECT_FALSE(kTabella.sonoSinonimi("# prova", "paura"));
    EXPECT_EQ(kTabella.quanti(), 5);
    EXPECT_TRUE(Sinonimi::daTesto(u"").di("paura").isEmpty());
}

TEST(Sinonimi, LaTabellaSpeditaConosceLeCoppieDellaScuola)
{
    const Sinonimi& s = Sinonimi::spediti();
    EXPECT_GT(s.quanti(), 1000) << "the compiled-in table is missing or truncated";
    EXPECT_TRUE(s.sonoSinonimi("paura", "timore"));
    EXPECT_TRUE(s.sonoSinonimi("improvvisamente", "all'improvviso"));
    EXPECT_TRUE(s.sonoSinonimi("uccidere", "ammazzare"));
    EXPECT_TRUE(s.sonoSinonimi("fiume", "corso d'acqua"));
    EXPECT_FALSE(s.sonoSinonimi("paura", "spada"));
}

TEST(Errati, SensoComuneSinonimoEStessoTestoSonoGiusti)
{
    EXPECT_TRUE(ancheGiusta("timore", "paura", kTabella)) << "metus/timor: synonyms";
    EXPECT_TRUE(ancheGiusta("Spavento (forte)", "paura, ansia", kTabella)) << "notes and case aside";
    EXPECT_TRUE(ancheGiusta("temere, rispettare", "rispettare; onorare", kTabella)) << "a sense in common";
    EXPECT_TRUE(ancheGiusta("dunque", "dunque", kTabella)) << "the identical text";
    EXPECT_TRUE(ancheGiusta("", "", kTabella)) << "identical even without senses";
    EXPECT_FALSE(ancheGiusta("spavento", "timore", kTabella)) << "a synonym of a synonym is not enough";
    EXPECT_FALSE(ancheGiusta("paurosamente", "paura", kTabella)) << "senses are compared whole";
    EXPECT_FALSE(ancheGiusta("spada", "paura", kTabella));
}

TEST(Errati, PoolDellaClasseSenzaTestiGiusti)
{
    const QStringList traduzioni = {"paura", "timore", "spada", "spada", "paura", "ferro", "paura, terrore", "re"};
    const QStringList categorie = {"1", "1", "1", "1", "1", " 1", "1", "2"};
    // metus "paura": timor's "timore" and "paura, terrore" stay out; the identical "paura" stays
    // in (pressed, it is right); " 1" is another class; repetitions of a wrong text are kept.
    EXPECT_EQ(poolErrati(traduzioni, categorie, 0, kTabella), (QStringList{"spada", "spada", "paura"}));
    EXPECT_EQ(poolErrati(traduzioni, categorie, 2, kTabella),
              (QStringList{"paura", "timore", "spada", "paura", "paura, terrore"}));
    EXPECT_TRUE(poolErrati(traduzioni, categorie, 7, kTabella).isEmpty()) << "alone in its class";
    EXPECT_TRUE(poolErrati({"paura", "timore"}, {"1", "1"}, 1, kTabella).isEmpty()) << "emptied by the rule";
}

// On a whole board: the near-synonym pair of a teacher's list never stands together, and a
// pool the rule empties leaves the other boxes empty.
TEST(Errati, TavolaDiUnElencoDelDocente)
{
    Banco b;
    ListeParole liste;
    liste.categoria = {"1", "1", "1", "1"};
    liste.vocabolo = {"metus", "timor", "gladius", "pavor"};
    liste.traduzione = {"paura", "timore", "spada", "spavento"};
    Domanda d;
    for (double r : {0.0, 0.3, 0.9}) {
        b.casuale.valori = {0.0, 0.5, r, r, r, r, r, r, r, r, r, r, r};
        d = disegnaDomanda(liste, b.casuale);
        ASSERT_EQ(liste.vocabolo[d.riga], "metus");
        for (const auto& c : d.caselle)
            EXPECT_NE(c, "timore") << "timor's text offered as wrong for metus";
    }
    EXPECT_EQ(d.errati, (QStringList{"spada"})) << "pavor's 'spavento' is a synonym of 'paura' in the shipped table";

    liste.categoria = {"1", "1"};
    liste.vocabolo = {"metus", "timor"};
    liste.traduzione = {"paura", "timore"};
    b.casuale.valori = {0.0, 0.0};
    d = disegnaDomanda(liste, b.casuale);
    QStringList attese(12);
    attese[0] = "paura";
    EXPECT_EQ(QStringList(d.caselle.begin(), d.caselle.end()), attese);
}
