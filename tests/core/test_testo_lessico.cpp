// Invariants of reading Collatinus's files, on a tiny lexicon written for the test: constants
// expand with what precedes them, a child model inherits and overrides its parent's endings,
// "abs" removes forms, a fixed suffix follows every inherited form but not the model's own,
// stems come from the headword or from the lemma's own fields, irregular forms are found; and
// the house's words are found through a merge or a "cf." note.
#include "testo/elencotesto.h"
#include "testo/modelli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lex::testo;

namespace {

void scrivi(const QString& percorso, const char* testo)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(testo);
}

std::vector<std::string> lemmiDi(const Lessico& l, const char* forma)
{
    std::vector<std::string> out;
    for (const Analisi& a : l.analizza(forma))
        out.push_back(l.lemma(a.lemma).chiave);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace

TEST(TestoLessico, IntervalliDiMorfologie)
{
    EXPECT_EQ(intervalli(u"1-3,7,x,9-8,"), (std::vector<int>{1, 2, 3, 7}));
    EXPECT_TRUE(intervalli(u"").empty());
}

TEST(TestoLessico, ModelliEreditatiCostantiSuffissiIrregolari)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    scrivi(d.filePath(QStringLiteral("modeles.la")),
           "! a comment\n"
           "$uita=ă;ă;ăm;āe\n"
           "modele:uita\nR:1:1,0\ndes:1-4:1:$uita\npos:n\n"
           "modele:epulae\npere:uita\nR:1:2,0\nabs:1-2\ndes+:4:1:āī\n"
           "modele:amo\nR:0:1,0\nR:1:1,āv\ndes:1-3:0:ō;ās;ăt\ndes:4-5:1:ī;īst$uita\npos:v\n"
           "modele:qui\nR:1:3,0\ndes:1,2:1:quī;quăm\npos:p\n"
           "modele:quidam\npere:qui\nR:1:6,0\nsufd:dăm\ndes:3:1:quīddăm\n"
           "modele:broken\nR:x:1\ndes:1:\n");
    scrivi(d.filePath(QStringLiteral("lemmes.la")),
           "rŏsa|uita|||ae, f.|100\n"
           "ĕpŭlae|epulae|||arum, f.|5\n"
           "ămo|amo|||as, are|50\n"
           "fĕro2|amo|tŭl||as, are|3\n"
           "quī|qui|||pron.|10\n"
           "quīdam|quidam|||pron.|4\n"
           "bad line\n"
           "x|nosuchmodel|||n.|1\n");
    scrivi(d.filePath(QStringLiteral("irregs.la")), "ămāssĕ*:amo:4\n");
    Lessico l;
    ASSERT_TRUE(l.carica(d.path()));
    EXPECT_EQ(l.numeroLemmi(), 6u);

    EXPECT_EQ(lemmiDi(l, "rosam"), std::vector<std::string>{"rosa"});
    EXPECT_EQ(lemmiDi(l, "rosae"), std::vector<std::string>{"rosa"});
    EXPECT_TRUE(lemmiDi(l, "epula").empty()); // removed by abs
    EXPECT_EQ(lemmiDi(l, "epulai"), std::vector<std::string>{"epulae"}); // des+ adds
    EXPECT_EQ(lemmiDi(l, "epulae"), std::vector<std::string>{"epulae"}); // inherited
    EXPECT_EQ(lemmiDi(l, "amat"), std::vector<std::string>{"amo"});
    EXPECT_EQ(lemmiDi(l, "amaui"), std::vector<std::string>{"amo"}); // stem 1 from the rule
    EXPECT_EQ(lemmiDi(l, "amauista"), std::vector<std::string>{"amo"}); // prefix before a constant
    EXPECT_EQ(lemmiDi(l, "tuli"), std::vector<std::string>{"fero2"}); // stem 1 given by the lemma
    EXPECT_TRUE(lemmiDi(l, "feraui").empty());
    EXPECT_EQ(lemmiDi(l, "amasse"), std::vector<std::string>{"amo"}); // irregular
    EXPECT_EQ(lemmiDi(l, "quamdam"), std::vector<std::string>{"quidam"});
    EXPECT_EQ(lemmiDi(l, "quiddam"), std::vector<std::string>{"quidam"}); // not "quiddamdam"
    EXPECT_TRUE(lemmiDi(l, "quiddamdam").empty());
    EXPECT_EQ(lemmiDi(l, "quam"), std::vector<std::string>{"qui"});
    ASSERT_TRUE(l.cerca("fero2").has_value());
    EXPECT_EQ(l.lemma(*l.cerca("fero2")).forma, QStringLiteral("fero"));
    EXPECT_EQ(l.lemma(*l.cerca("rosa")).parte, Parte::Nome);

    Lessico vuoto;
    QString errore;
    EXPECT_FALSE(vuoto.carica(d.filePath(QStringLiteral("nessuna")), &errore));
    EXPECT_FALSE(errore.isEmpty());
}

TEST(TestoLessico, CasaPerChiaveFusioneONotaEGlosseAccorciate)
{
    Casa casa;
    casa.carica("# key\trank\tband\tclass\tform\n"
                "ex\t21\t1\t4\te, ex (+ abl.)\t\n"
                "causa\t90\t1\t1\tcausa, -ae, f.\t\n"
                "video\t27\t1\t3\tvideo, -es, vidi, visum, -ere\t\n"
                "orfano\t99\t2\t1\tnon nel file\t\n",
                "e\tex\n",
                "0;0;Lexorio;titolo\r\n1;4;e, ex (+ abl.);da, fuori da\r\n1;1;causa, -ae, f.;causa\r\n"
                "1;3;video, -es, vidi, visum, -ere;vedere\r\n");
    EXPECT_EQ(casa.size(), 3u); // a key whose form is not in the list is left out
    Lemma l;
    l.chiave = "e";
    ASSERT_NE(casa.trova(l), nullptr);
    EXPECT_EQ(casa.trova(l)->traduzione, QStringLiteral("da, fuori da"));
    l.chiave = "uideo"; // v and u are one letter to the lexicon
    ASSERT_NE(casa.trova(l), nullptr);
    EXPECT_EQ(casa.trova(l)->banda, 1);
    l.chiave = "caussa";
    l.nota = QStringLiteral("cf. causa");
    ASSERT_NE(casa.trova(l), nullptr);
    EXPECT_EQ(casa.trova(l)->classe, 1);
    l.chiave = "orfano";
    l.nota.clear();
    EXPECT_EQ(casa.trova(l), nullptr);

    QTemporaryDir d;
    scrivi(d.filePath(QStringLiteral("lemmes.it")),
           "abalieno:1. allontanare2. deviare, liberare di\nabacus:il tavolo di gioco\n"
           "cum:1. Preposizione + abl. = con2. congiunzione\nlongus:una cosa lunghissima e davvero molto lunga\n");
    Glosse g;
    ASSERT_TRUE(g.carica(d.path()));
    const auto glossa = [&](const char* chiave) {
        Lemma x;
        x.chiave = chiave;
        return g.glossa(x);
    };
    EXPECT_EQ(glossa("abalieno"), QStringLiteral("allontanare"));
    EXPECT_EQ(glossa("abacus"), QStringLiteral("tavolo di gioco"));
    EXPECT_EQ(glossa("cum2"), QStringLiteral("Preposizione + abl. ="));
    EXPECT_LE(glossa("longus").size(), 24);
    EXPECT_TRUE(glossa("nessuno").isEmpty());
}
