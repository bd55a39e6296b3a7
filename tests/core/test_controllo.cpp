// Invariant: the teacher's check agrees with the game: what it calls playable is what word
// selection can pick, and "usable" means the game would start with it.
#include "vocab/controllo.h"

#include <gtest/gtest.h>

using namespace lex;

namespace {
bool corta(const QString& t) { return t.size() <= 10; }

QByteArray elenco(int n, const QByteArray& classe = "1")
{
    QByteArray out = "0;0;Titolo;mai giocato\r\n";
    for (int i = 0; i < n; ++i)
        out += "0;" + classe + ";verbum" + QByteArray::number(i) + ";parola\r\n";
    return out;
}
} // namespace

TEST(Controllo, SetteVociGiocabiliBastano)
{
    EXPECT_FALSE(controllaVocabolario(elenco(6), corta).utilizzabile());
    const auto r = controllaVocabolario(elenco(7), corta);
    EXPECT_TRUE(r.utilizzabile());
    EXPECT_EQ(r.giocabili, 7);
    EXPECT_EQ(r.perFrequenza.at(0), 7);
    EXPECT_EQ(r.perClasse.at(1), 7);
}

TEST(Controllo, CosaSegnala)
{
    const QByteArray dati = elenco(8) +
                            "riga senza campi\r\n"
                            "5;1;fuori;frequenza\r\n"
                            "1;9;fuori;classe\r\n"
                            " 2.5; 3 ;lungo;traduzione troppo lunga\r\n" // 2.5 halves to even: frequency 2
                            "4;4;solo;unica\r\n";
    const auto r = controllaVocabolario(dati, corta);
    EXPECT_TRUE(r.utilizzabile());
    EXPECT_EQ(r.caricamento.righeDifettose, QList<int>{10});
    ASSERT_EQ(r.fuoriIntervallo.size(), 2);
    EXPECT_EQ(r.caricamento.righeRecord.value(r.fuoriIntervallo[0]), 11);
    ASSERT_EQ(r.nonEntrano.size(), 1);
    EXPECT_EQ(r.vocabolario.righe[static_cast<std::size_t>(r.nonEntrano[0])].parola, QStringLiteral("lungo"));
    EXPECT_EQ(r.perFrequenza.at(2), 1);
    EXPECT_EQ(r.classiSolitarie, (QList<int>{3, 4}));
    EXPECT_EQ(r.giocabili, 10);
}

TEST(Controllo, TroppeRigheDifettose)
{
    QByteArray dati = elenco(20);
    for (int i = 0; i < 40; ++i)
        dati += "questa riga non ha campi\r\n";
    EXPECT_FALSE(controllaVocabolario(dati, corta).utilizzabile());
}

TEST(Controllo, SensiCondivisiSonoAvvertenzeConLeRighe)
{
    const QByteArray dati = "/ commento\r\n"
                            "0;0;Titolo;mai giocato\r\n" +
                            elenco(6).mid(24) + // six "parola" of class 1: identical texts, no warning
                            "0;1;metus;paura, timore\r\n"
                            "9;1;fuori;timore\r\n" // never played: not compared
                            "0;1;timor;Timore\r\n"
                            "0;2;timidus;timore\r\n";
    const auto r = controllaVocabolario(dati, corta);
    EXPECT_TRUE(r.utilizzabile()) << "a warning does not stop a game";
    ASSERT_EQ(r.sensiCondivisi.size(), 1);
    const SensoCondiviso& s = r.sensiCondivisi.front();
    EXPECT_EQ(r.caricamento.righeRecord.value(static_cast<int>(s.prima)), 9);
    EXPECT_EQ(r.caricamento.righeRecord.value(static_cast<int>(s.seconda)), 11);
    EXPECT_EQ(s.senso, QStringLiteral("timore"));
}
