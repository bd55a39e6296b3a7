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

namespace {
QByteArray classi(int nomi, int verbi, int avverbi)
{
    QByteArray out = "0;0;Titolo;mai giocato\r\n";
    const auto aggiungi = [&](int n, const char* classe, const char* p) {
        for (int i = 0; i < n; ++i)
            out += QByteArray("0;") + classe + ";" + p + QByteArray::number(i) + ";parola\r\n";
    };
    aggiungi(nomi, "1", "nomen");
    aggiungi(verbi, "3", "verbum");
    aggiungi(avverbi, "4", "pa"); // starts like its translation: left out by "Escludi simili"
    return out;
}

const PartitaPossibile* partita(const Resoconto& r, const QString& scelta)
{
    for (const auto& p : r.partite)
        if (p.scelta == scelta)
            return &p;
    return nullptr;
}
} // namespace

// The checker counts each choice with the game's own selection, and says what the set-up would do.
TEST(Controllo, OgniSceltaDiceSeLaPartitaParte)
{
    const auto r = controllaVocabolario(classi(12, 3, 9), corta);
    ASSERT_EQ(r.partite.size(), 5); // all classes, then each class alone; a single frequency has no row of its own
    EXPECT_EQ(r.partite[0].vocaboli, 24);
    EXPECT_EQ(r.partite[0].senzaSimili, 15);
    EXPECT_EQ(partita(r, "Solo nomi")->vocaboli, 12);
    EXPECT_EQ(partita(r, "Solo aggettivi e pronomi")->vocaboli, 0);
    EXPECT_EQ(partita(r, "Solo verbi")->vocaboli, 3);
    EXPECT_EQ(partita(r, "Solo avverbi, cong., prep.")->senzaSimili, 0);

    const QString t = testoResoconto(r, "vocpers.txt");
    EXPECT_TRUE(t.contains("Solo nomi: 12 vocaboli: si gioca.\n")) << qPrintable(t);
    EXPECT_TRUE(t.contains("Solo verbi: 3 vocaboli, servono almeno 12: la partita non parte.\n"));
    EXPECT_TRUE(t.contains("Solo avverbi, cong., prep.: 9 vocaboli, servono almeno 12: la partita parte dopo "
                           "l'avviso \"Solo  9 vocaboli selezionati!\". Con \"Escludi simili\" 0: la partita non parte.\n"));
    EXPECT_TRUE(t.contains("Tutte le classi: 24 vocaboli: si gioca. Con \"Escludi simili\" 15.\n"));
    EXPECT_TRUE(t.endsWith("Elenco utilizzabile.\n"));
}

TEST(Controllo, UnaRigaPerOgniFrequenzaPresente)
{
    QByteArray dati = "1;1;Titolo;t\r\n";
    for (int i = 0; i < 20; ++i)
        dati += "1;1;a" + QByteArray::number(i) + ";x\r\n";
    for (int i = 0; i < 7; ++i)
        dati += " 4 ;2;b" + QByteArray::number(i) + ";x\r\n";
    const auto r = controllaVocabolario(dati, corta);
    ASSERT_NE(partita(r, "Solo frequenza 1 (più frequenti)"), nullptr);
    EXPECT_EQ(partita(r, "Solo frequenza 1 (più frequenti)")->vocaboli, 20);
    EXPECT_EQ(partita(r, "Solo frequenza 4 (meno frequenti)")->vocaboli, 7);
    EXPECT_EQ(partita(r, "Solo frequenza 2"), nullptr); // absent from the file
}

TEST(Controllo, CodificaLetta)
{
    const std::pair<QByteArray, const char*> casi[] = {
        {"0;1;urbs;citt\xe0\r\n", "Codifica: Windows-1252, quella del gioco."},
        {"0;1;urbs;citt\xc3\xa0\r\n", "Codifica: UTF-8. Il gioco lo legge così; per usarlo con altri programmi "
                                     "conviene salvarlo in Windows-1252"},
        {"\xef\xbb\xbf" "0;1;urbs;citt\xc3\xa0\r\n", "Codifica: UTF-8 con BOM. Il gioco lo legge così;"},
        {"\xef\xbb\xbf" "0;1;urbs;citt\xe0\r\n", "Codifica: UTF-8 con BOM, tranne la riga 1, in Windows-1252"},
        {"0;1;urbs;urbe\r\n", "Codifica: solo caratteri ASCII"},
        {QByteArray("\xff\xfe" "0\0;\0" "1\0;\0", 10), "salvato in UTF-16"},
    };
    for (const auto& [dati, attesa] : casi)
        EXPECT_TRUE(testoResoconto(controllaVocabolario(dati, corta), "x.txt").contains(QString::fromUtf8(attesa)))
            << attesa;
}

TEST(Controllo, FileVuotoOCorto)
{
    auto t = testoResoconto(controllaVocabolario("", corta), "vocpers.txt");
    EXPECT_TRUE(t.startsWith("File vocpers.txt: vuoto.\n")) << qPrintable(t);
    EXPECT_FALSE(t.contains("il primo è il titolo"));
    EXPECT_FALSE(t.contains("Partite possibili"));
    EXPECT_TRUE(t.endsWith("Elenco NON utilizzabile: servono almeno 7 vocaboli giocabili.\n"));

    t = testoResoconto(controllaVocabolario("/ solo un commento\r\n\r\n", corta), "vocpers.txt");
    EXPECT_TRUE(t.startsWith("File vocpers.txt: nessun record")) << qPrintable(t);

    // Fewer than 100 records: a warning the game shows, harmless when the list plays.
    t = testoResoconto(controllaVocabolario(elenco(20), corta), "vocpers.txt");
    EXPECT_TRUE(t.contains("solo 21 vocaboli. È solo un avviso: si gioca lo stesso.\n")) << qPrintable(t);
    t = testoResoconto(controllaVocabolario(elenco(3), corta), "vocpers.txt");
    EXPECT_FALSE(t.contains("si gioca lo stesso")) << qPrintable(t);
}

TEST(Controllo, SensiCondivisiSonoInformazioniConLeRighe)
{
    const QByteArray dati = "/ commento\r\n"
                            "0;0;Titolo;mai giocato\r\n" +
                            elenco(6).mid(24) + // six "parola" of class 1: identical texts, no warning
                            "0;1;metus;paura, timore\r\n"
                            "9;1;fuori;timore\r\n" // never played: not compared
                            "0;1;timor;Timore\r\n"
                            "0;2;timidus;timore\r\n";
    const auto r = controllaVocabolario(dati, corta);
    EXPECT_TRUE(r.utilizzabile()) << "information does not stop a game";
    const QString t = testoResoconto(r, "vocpers.txt");
    EXPECT_TRUE(t.contains("Per informazione")) << qPrintable(t);
    EXPECT_FALSE(t.contains("Avvertenza")) << qPrintable(t);
    ASSERT_EQ(r.sensiCondivisi.size(), 1);
    const SensoCondiviso& s = r.sensiCondivisi.front();
    EXPECT_EQ(r.caricamento.righeRecord.value(static_cast<int>(s.prima)), 9);
    EXPECT_EQ(r.caricamento.righeRecord.value(static_cast<int>(s.seconda)), 11);
    EXPECT_EQ(s.senso, QStringLiteral("timore"));
}
