// Invariants: every white-space-separated piece of a text is one word of the result; a form is
// found whatever its spelling of u/v and i/j, its capitals, the punctuation around it and an
// enclitic; numbers and signs are no words; the list made from a text is what the game's
// loader reads without a faulty line, each lemma once, the house's translation where it has one.
#include "lessico_banco.h"
#include "testo/elencotesto.h"
#include "vocab/caricamento.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;
using namespace lex::testo;

namespace {

std::string scelto(const BancoLessico& b, const char* forma)
{
    const Parola p = b.lemmatizzatore().parola(QString::fromUtf8(forma));
    return p.candidati.empty() ? std::string() : senzaNumero(b.lessico.lemma(p.candidati.front()).chiave);
}

} // namespace

TEST(Testo, PezziSonoLeParoleFraGliSpazi)
{
    EXPECT_EQ(pezzi(u"  Gallia\test\n omnis\u00A0divisa -- 3 ").size(), 6u);
    EXPECT_TRUE(pezzi(u" \t\r\n").empty());
    EXPECT_TRUE(normalizza(u"Ĭūlĭus").compare("iulius") == 0);
    EXPECT_EQ(normalizza(u"VIVVS"), "uiuus");
    EXPECT_EQ(normalizza(u"cæli"), "caeli");
    EXPECT_EQ(normalizza(u"per4"), ""); // not a Latin word
}

TEST(Testo, GrafieMaiuscoleEPunteggiatura)
{
    const BancoLessico& b = BancoLessico::uno();
    SALTA_SENZA_LESSICO(b);
    for (const char* f : {"video", "uideo", "VIDEO", "«Video,", "(video)."})
        EXPECT_EQ(scelto(b, f), "uideo") << f;
    EXPECT_EQ(scelto(b, "iam"), scelto(b, "jam"));
    EXPECT_EQ(scelto(b, "Iuppiter"), scelto(b, "Juppiter"));
    // Contracted perfects, -ii- written once, a genitive in -i.
    EXPECT_EQ(scelto(b, "amarunt"), "amo");
    EXPECT_EQ(scelto(b, "transisse"), "transeo");
    EXPECT_EQ(scelto(b, "consili"), "consilium");
}

TEST(Testo, EncliticheSoloDoveLaFormaInteraNonBasta)
{
    const BancoLessico& b = BancoLessico::uno();
    SALTA_SENZA_LESSICO(b);
    const Lemmatizzatore l = b.lemmatizzatore();
    EXPECT_EQ(scelto(b, "armaque"), "arma");
    EXPECT_TRUE(l.parola(u"armaque").enclitica);
    EXPECT_EQ(scelto(b, "estne"), "sum");
    EXPECT_EQ(scelto(b, "uirumue"), "uir");
    // Whole words that end like an enclitic stay whole.
    EXPECT_EQ(scelto(b, "itaque"), "itaque");
    EXPECT_EQ(scelto(b, "bene"), "bene");
    EXPECT_EQ(scelto(b, "nomine"), "nomen");
    EXPECT_FALSE(l.parola(u"nomine").enclitica);
    // A pronoun's form with -que reads as the pronoun and the enclitic, as the corpus does.
    EXPECT_EQ(scelto(b, "quique"), "qui");
}

TEST(Testo, NumeriSegniEParoleSconosciute)
{
    const BancoLessico& b = BancoLessico::uno();
    SALTA_SENZA_LESSICO(b);
    const std::vector<Parola> p = b.lemmatizzatore().lemmatizza(u"1234 XIV -- ... xyzzy Caesar");
    ASSERT_EQ(p.size(), 6u);
    EXPECT_EQ(p[0].tipo, Parola::Tipo::Numero);
    EXPECT_EQ(p[1].tipo, Parola::Tipo::Numero);
    EXPECT_EQ(p[2].tipo, Parola::Tipo::Segni);
    EXPECT_EQ(p[3].tipo, Parola::Tipo::Segni);
    EXPECT_EQ(p[4].tipo, Parola::Tipo::Sconosciuta);
    EXPECT_TRUE(p[4].candidati.empty());
    ASSERT_FALSE(p[5].candidati.empty());
    EXPECT_TRUE(b.lessico.lemma(p[5].candidati.front()).proprio);
}

TEST(Testo, CumDavantiAUnAblativoEPreposizione)
{
    const BancoLessico& b = BancoLessico::uno();
    SALTA_SENZA_LESSICO(b);
    const auto nota = [&](const char* testo) {
        const std::vector<Parola> p = b.lemmatizzatore().lemmatizza(QString::fromUtf8(testo));
        return b.lessico.lemma(p.front().candidati.front()).nota;
    };
    EXPECT_TRUE(nota("cum gladio").contains(QLatin1String("abl")));
    EXPECT_FALSE(nota("cum venisset").contains(QLatin1String("abl")));
}

TEST(Testo, LetturaDelFile)
{
    EXPECT_FALSE(leggiTesto("\xFF\xFE" "a\0b\0").errore.isEmpty()); // UTF-16
    EXPECT_FALSE(leggiTesto(QByteArray("arma\0virum", 10)).errore.isEmpty());
    EXPECT_FALSE(leggiTesto(QByteArray(kTestoMassimo + 1, 'a')).errore.isEmpty());
    EXPECT_FALSE(leggiTesto(QByteArray(200, '\x01')).errore.isEmpty());
    const TestoLetto cp = leggiTesto("perch\xE9 qu\xE6");
    EXPECT_EQ(cp.codifica, Codifica::Windows1252);
    EXPECT_EQ(cp.testo, QStringLiteral("perché quæ"));
    const TestoLetto bom = leggiTesto("\xEF\xBB\xBFGallia");
    EXPECT_TRUE(bom.errore.isEmpty());
    EXPECT_EQ(bom.testo, QStringLiteral("Gallia"));
    EXPECT_TRUE(leggiTesto("").errore.isEmpty());
}

TEST(Testo, ElencoCaricabileUnaVoltaPerLemma)
{
    const BancoLessico& b = BancoLessico::uno();
    SALTA_SENZA_LESSICO(b);
    Casa casa;
    ASSERT_TRUE(casa.caricaIncorporata());
    EXPECT_GT(casa.size(), 1500u);
    const std::vector<Parola> parole = b.lemmatizzatore().lemmatizza(
        u"Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae; gladius gladio gladiis effrenata "
        u"abacus xyzzy 12.");
    const ElencoTesto e = elencoDaTesto(parole, b.lessico, casa, nullptr);
    EXPECT_EQ(e.parole, 17); // "12." is no word
    EXPECT_TRUE(e.nomiPropri.contains(QStringLiteral("Gallia")));
    EXPECT_EQ(e.sconosciute, QStringList{QStringLiteral("xyzzy")});
    const auto voce = [&](const char* inizio) {
        const auto v = std::find_if(e.voci.begin(), e.voci.end(), [&](const VoceTesto& x) { return x.parola.startsWith(QLatin1String(inizio)); });
        return v == e.voci.end() ? VoceTesto{} : *v;
    };
    EXPECT_EQ(voce("gladius").occorrenze, 3);
    EXPECT_EQ(voce("gladius").traduzione, QStringLiteral("spada"));
    EXPECT_GT(voce("gladius").banda, 0);
    EXPECT_FALSE(voce("gladius").daControllare);
    EXPECT_TRUE(voce("abacus").daControllare);
    EXPECT_EQ(voce("abacus").classe, 1);

    const QByteArray testo = testoElenco(e, QStringLiteral("Cesare"));
    EXPECT_TRUE(testo.endsWith("\r\n"));
    EXPECT_FALSE(QByteArray(testo).replace("\r\n", "").contains('\n'));
    Vocabolario v;
    const EsitoCaricamento esito = caricaVocaboli(testoElenco(e, QStringLiteral("Cesare")), v);
    EXPECT_TRUE(esito.rapporto.isEmpty());
    EXPECT_EQ(esito.caricati, 1 + int(e.voci.size())); // the title first
    for (int i = 1; i < esito.caricati; ++i) {
        EXPECT_EQ(v.righe[std::size_t(i)].frequenza, QStringLiteral("0"));
        EXPECT_LE(v.righe[std::size_t(i)].traduzione.size(), 24);
    }
    EXPECT_GE(vocaboliGiocabili(testoElenco(e, QStringLiteral("Cesare"))), 7);
}

TEST(Testo, FormaDellaCasaEAccorciata)
{
    Lemma l;
    l.forma = QStringLiteral("abacus");
    l.parte = Parte::Nome;
    l.nota = QStringLiteral("i, m.");
    EXPECT_EQ(formaCasa(l), QStringLiteral("abacus, -i, m."));
    l.forma = QStringLiteral("abduco");
    l.parte = Parte::Verbo;
    l.nota = QStringLiteral("is, ere, duxi, ductum");
    EXPECT_EQ(formaCasa(l), QStringLiteral("abduco, -is, duxi, ductum, -ere"));
    l.forma = QStringLiteral("absque");
    l.parte = Parte::Invariabile;
    l.nota = QStringLiteral("prép. + abl.");
    EXPECT_EQ(formaCasa(l), QStringLiteral("absque (+ abl.)"));
    EXPECT_EQ(accorcia(QStringLiteral("allontanare, deviare, liberare di")), QStringLiteral("allontanare, deviare"));
    EXPECT_LE(accorcia(QString(40, u'x')).size(), 24);
}
