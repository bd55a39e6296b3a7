// Invariants of "Vocaboli da un testo": nothing is loaded until a text is analysed; a missing
// lexicon says what to install; the table, the boxes, an edited translation and a changed
// reading are what gets saved; saving keeps the old list in vocpers.bak after asking, and a
// refusal or a failed copy leaves vocpers.txt as it was.
#include "fakes.h"
#include "lessico_banco.h"
#include "testo/finestratesto.h"
#include "vocab/caricamento.h"

#include <gtest/gtest.h>

using namespace lex;
using namespace lex::test;

namespace {

struct FinestraTestoBanco : ::testing::Test {
    FakeBox box;
    FakeFileSistema fs;
    FinestraTesto f{box, fs, testo::Lessico::cartellaPredefinita()};

    void analizza(const char* testo)
    {
        f.testo_Change(QString::fromUtf8(testo));
        f.analizza_Click();
    }
    int riga(const char* inizio) const
    {
        for (int i = 0; i < f.m.righe.size(); ++i)
            if (f.m.righe[i][0].startsWith(QLatin1String(inizio)))
                return i;
        return -1;
    }
};

const char* kCesare = "Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae, aliam Aquitani, tertiam "
                      "qui ipsorum lingua Celtae, nostra Galli appellantur. Hi omnes lingua, institutis, legibus "
                      "inter se differunt.";

} // namespace

TEST(FinestraTestoSenzaLessico, DiceCosaInstallare)
{
    FakeBox box;
    FakeFileSistema fs;
    FinestraTesto f(box, fs, QStringLiteral("/nessuna/cartella"));
    EXPECT_TRUE(box.mostrati.empty()); // opening loads nothing
    f.testo_Change(QStringLiteral("arma virumque cano"));
    f.analizza_Click();
    ASSERT_EQ(box.mostrati.size(), 1u);
    EXPECT_TRUE(box.mostrati[0].testo.contains(QLatin1String("apt-get install collatinus")));
    EXPECT_TRUE(f.m.righe.isEmpty());
    EXPECT_FALSE(f.m.okay[1].enabled);
}

TEST_F(FinestraTestoBanco, TabellaCoperturaScelteESalvataggio)
{
    SALTA_SENZA_LESSICO(BancoLessico::uno());
    analizza(kCesare);
    EXPECT_TRUE(box.mostrati.empty());
    EXPECT_TRUE(f.m.copertura.text.startsWith(QLatin1String("29 parole, "))) << qPrintable(f.m.copertura.text);
    EXPECT_TRUE(f.m.copertura.text.contains(QStringLiteral("delle parole è fra i 1600 vocaboli")));
    const int lingua = riga("lingua");
    ASSERT_GE(lingua, 0);
    EXPECT_EQ(f.m.righe[lingua][4], QStringLiteral("2")); // occurrences
    EXPECT_NE(f.m.righe[lingua][3], QStringLiteral("fuori elenco"));
    EXPECT_EQ(riga("Gallia"), -1); // proper names stay out

    // Leave out a known word, correct a translation, take the other reading of "est".
    const int est = riga("sum");
    ASSERT_GE(est, 0);
    f.tenuta_Click(riga("in (+"), false);
    f.traduzione_Change(lingua, QStringLiteral("lingua; idioma"));
    EXPECT_EQ(f.m.righe[lingua][1], QStringLiteral("lingua, idioma"));
    f.okay_Click(0, est);
    EXPECT_TRUE(f.m.righe[est][0].startsWith(QLatin1String("edo")));
    f.okay_Click(0, est);
    EXPECT_TRUE(f.m.righe[est][0].startsWith(QLatin1String("sum")));

    f.okay_Click(1);
    ASSERT_TRUE(fs.ha(QStringLiteral("vocpers.txt")));
    EXPECT_TRUE(f.elencoSalvato());
    Vocabolario v;
    const EsitoCaricamento e = caricaVocaboli(fs.di(QStringLiteral("vocpers.txt")), v);
    EXPECT_TRUE(e.rapporto.isEmpty());
    EXPECT_EQ(e.caricati, 1 + int(f.m.righe.size()) - 1); // the title, every row but the one left out
    const QString salvato = QString::fromLatin1(fs.di(QStringLiteral("vocpers.txt")));
    EXPECT_TRUE(salvato.contains(QLatin1String(";lingua, idioma\r\n")));
    EXPECT_FALSE(salvato.contains(QLatin1String(";in (+ acc./abl.);")));
}

TEST_F(FinestraTestoBanco, UnElencoCheCeGiaSiConservaSoloDopoAverChiesto)
{
    SALTA_SENZA_LESSICO(BancoLessico::uno());
    fs.metti(QStringLiteral("vocpers.txt"), "0;0;Il mio elenco;\r\n0;1;rosa, -ae, f.;rosa\r\n");
    analizza(kCesare);
    box.risposte = {Risposta::Annulla};
    f.okay_Click(1);
    EXPECT_EQ(box.mostrati.back().icona, Icona::Domanda);
    EXPECT_EQ(fs.di(QStringLiteral("vocpers.txt")), QByteArray("0;0;Il mio elenco;\r\n0;1;rosa, -ae, f.;rosa\r\n"));
    EXPECT_FALSE(f.elencoSalvato());

    fs.bloccati.insert(QStringLiteral("vocpers.bak"));
    f.okay_Click(1);
    EXPECT_EQ(fs.di(QStringLiteral("vocpers.txt")), QByteArray("0;0;Il mio elenco;\r\n0;1;rosa, -ae, f.;rosa\r\n"));
    EXPECT_EQ(box.mostrati.back().icona, Icona::Errore);

    fs.bloccati.clear();
    f.okay_Click(1);
    EXPECT_EQ(fs.di(QStringLiteral("vocpers.bak")), QByteArray("0;0;Il mio elenco;\r\n0;1;rosa, -ae, f.;rosa\r\n"));
    EXPECT_TRUE(fs.di(QStringLiteral("vocpers.txt")).contains("Vocaboli da un testo"));
    EXPECT_TRUE(f.elencoSalvato());
}

TEST_F(FinestraTestoBanco, TestoVuotoONonLatino)
{
    SALTA_SENZA_LESSICO(BancoLessico::uno());
    analizza("   ");
    EXPECT_TRUE(f.m.nota.text.contains(QLatin1String("vuoto")));
    EXPECT_FALSE(f.m.okay[1].enabled);
    analizza("the quick brown fox");
    EXPECT_TRUE(f.m.nota.text.contains(QLatin1String("Forme non riconosciute")));
    f.apri(QStringLiteral("assente.txt"));
    EXPECT_EQ(box.mostrati.back().icona, Icona::Errore);
    fs.metti(QStringLiteral("utf16.txt"), QByteArray("\xFF\xFE" "a\0", 4));
    f.apri(QStringLiteral("utf16.txt"));
    EXPECT_TRUE(box.mostrati.back().testo.contains(QLatin1String("UTF-16")));
    fs.metti(QStringLiteral("cesare.txt"), QByteArray(kCesare));
    f.apri(QStringLiteral("cesare.txt"));
    EXPECT_EQ(f.m.testo.text, QString::fromLatin1(kCesare));
    EXPECT_GE(riga("lingua"), 0);
}
