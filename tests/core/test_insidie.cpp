// The checker says, with the file's line numbers, what the game will do with a list in the
// cases a teacher cannot guess from the file itself.
#include "vocab/controllo.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace lex;

namespace {
bool corta(const QString& t) { return t.size() <= 30; }

QByteArray voci(int n, const QByteArray& classe)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += "0;" + classe + ";verbum" + classe.trimmed() + QByteArray::number(i) + ";t" + QByteArray::number(i) + "\r\n";
    return out;
}

// A comment and a title first, so that file lines and table rows differ by one.
QByteArray elenco(int n, const QByteArray& classe)
{
    return "/ commento\r\n0;0;Titolo;Il mio elenco\r\n" + voci(n, classe);
}

QString resoconto(const QByteArray& dati, const QString& nome = QStringLiteral("vocpers.txt"))
{
    return testoResoconto(controllaVocabolario(dati, corta), nome);
}
} // namespace

// Selection reads " 3" as 3, the candidates compare it as text: each such word is told apart,
// with what it gets, and the frequency's spaces are called harmless.
TEST(Insidie, SpaziAttornoAllaClasse)
{
    const QByteArray dati = elenco(12, "3") +  // lines 3-14
                            "0; 3;amo;amare\r\n"   // 15
                            "0; 3;video;vedere\r\n" // 16
                            "0;3 ;do;dare\r\n"      // 17
                            " 0;3;sum;essere\r\n";  // 18: spaces around the frequency only
    const auto r = controllaVocabolario(dati, corta);
    EXPECT_EQ(r.insidie.classeNonPulita, (QList<int>{13, 14, 15}));
    EXPECT_EQ(r.insidie.frequenzaConSpazi, QList<int>{16});
    const QString t = testoResoconto(r, "vocpers.txt");
    EXPECT_TRUE(t.contains("\nSpazi attorno alla classe:\n"
                           "  riga 15: classe \" 3\" (amo = amare): le traduzioni sbagliate vengono solo dalle altre 1 "
                           "con la classe scritta così.\n"
                           "  riga 16: classe \" 3\" (video = vedere): le traduzioni sbagliate vengono solo dalle altre 1 "
                           "con la classe scritta così.\n"
                           "  riga 17: classe \"3 \" (do = dare): nessun'altra parola ha la classe scritta così, le sue "
                           "altre caselle resteranno vuote.\n"))
        << qPrintable(t);
    EXPECT_TRUE(t.contains("il gioco legge \" 3\" come 3, ma le traduzioni sbagliate"));
    EXPECT_TRUE(t.contains("Così la traduzione di queste parole non compare mai fra quelle sbagliate delle altre."));
    EXPECT_TRUE(t.contains("\nSpazi attorno alla frequenza: riga 18.\n  Qui non cambiano nulla (il gioco legge \" 0\" come 0)"));

    // Clean fields, and rows the game never plays, say nothing.
    const QString pulito = resoconto(elenco(12, "3") + "9; 3;fuori;mai\r\n");
    EXPECT_FALSE(pulito.contains("Spazi attorno")) << qPrintable(pulito);
    EXPECT_TRUE(resoconto(elenco(12, "3") + "0;03;amo;amare\r\n").contains("Classe non scritta come una sola cifra"));
}

// A spreadsheet's export: tabs between the fields. Named, with the fix; tabs inside a good record are not.
TEST(Insidie, TabulazioniAlPostoDelPuntoEVirgola)
{
    const QByteArray dati = elenco(12, "1") +
                            "0\t1\tmiles\tsoldato\r\n"      // 15
                            "/ un commento\tcon tab\r\n"    // 16
                            "0;1;urbs;città\tgrande\r\n"    // 17: a record, the tab is part of its translation
                            "0\t1\tdux; ducis\tcapo\r\n"    // 18: one ";" is not three
                            "\t\r\n";                       // 19: faulty, but no fields to speak of
    const auto r = controllaVocabolario(dati, corta);
    EXPECT_EQ(r.insidie.tabulate, (QList<int>{15, 18}));
    const QString t = testoResoconto(r, "vocpers.txt");
    EXPECT_TRUE(t.contains("Campi separati da una tabulazione invece che da \";\": righe 15 e 18.\n")) << qPrintable(t);
    EXPECT_TRUE(t.contains("sostituire ogni tabulazione con \";\""));
    EXPECT_TRUE(t.contains("\"Testo CSV\" con il punto e virgola"));
    EXPECT_FALSE(resoconto(elenco(12, "1")).contains("tabulazione"));

    EXPECT_EQ(elencoRighe({4}), "riga 4");
    EXPECT_EQ(elencoRighe({4, 7, 9}), "righe 4, 7 e 9");
    QList<int> molte;
    for (int i = 1; i <= 25; ++i)
        molte << i;
    EXPECT_TRUE(elencoRighe(molte).endsWith("19, 20 e altre 5"));
}

// One line pasted from elsewhere decides how the whole file is read: the checker names it.
TEST(Insidie, CodificaMista)
{
    const QByteArray utf8 = elenco(12, "1") + "0;2;magnus;più grande\r\n"; // line 15
    const QByteArray cp1252 = "0;2;bonus;virt\xf9\r\n";                     // line 16

    QString t = resoconto(utf8 + cp1252);
    EXPECT_TRUE(t.contains("Codifica: il file è in UTF-8, tranne la riga 16, in Windows-1252.\n"
                           "  Per colpa di quelle righe il gioco legge tutto il file come Windows-1252,\n"
                           "  e le lettere accentate delle altre appaiono storpiate (riga 15: \"piÃ¹\" invece di \"più\")."))
        << qPrintable(t);

    // Mostly Windows-1252, one line in UTF-8: that line is the one that shows garbled.
    t = resoconto(elenco(12, "1") + cp1252 + cp1252 + "0;2;magnus;più grande\r\n");
    EXPECT_TRUE(t.contains("Codifica: Windows-1252, tranne la riga 17, in UTF-8: lì il gioco mostra le lettere accentate "
                           "storpiate (riga 17: \"piÃ¹\" invece di \"più\")."))
        << qPrintable(t);

    // Marked as UTF-8: a Windows-1252 line shows replacement characters.
    t = resoconto("\xef\xbb\xbf" + utf8 + cp1252);
    EXPECT_TRUE(t.contains("Codifica: UTF-8 con BOM, tranne la riga 16, in Windows-1252")) << qPrintable(t);

    // One encoding throughout: nothing about exceptions.
    EXPECT_FALSE(resoconto(utf8).contains("tranne"));
    EXPECT_FALSE(resoconto(elenco(12, "1") + cp1252).contains("tranne"));
}

// The first record is never asked: when it reads like a word, the teacher hears so.
TEST(Insidie, PrimoRecordCheSembraUnVocabolo)
{
    const QByteArray dati = "/ commento\r\n/ altro\r\n0;1;miles, -itis, m.;soldato\r\n" + voci(12, "1");
    const QString t = resoconto(dati);
    EXPECT_TRUE(t.contains("Il primo record (riga 3) sembra un vocabolo, non un titolo: \"0;1;miles, -itis, m.;soldato\".\n"
                           "  Il gioco non chiede mai il primo record: questa parola non sarà mai chiesta."))
        << qPrintable(t);
    EXPECT_FALSE(resoconto(elenco(12, "1")).contains("sembra un vocabolo"));
    EXPECT_FALSE(resoconto("/ solo commenti\r\n").contains("sembra un vocabolo"));
}

// Past the game's limit the list closes the game: said plainly, with the message it shows.
TEST(Insidie, TroppeRigheDifettoseChiudonoIlGioco)
{
    QByteArray dati = elenco(20, "1");
    for (int i = 0; i < 40; ++i)
        dati += "questa riga non ha campi\r\n";
    QString t = resoconto(dati);
    EXPECT_TRUE(t.contains("quando nelle impostazioni si sceglie \"Elenco personale\",\n"
                           "  il gioco mostra queste righe in un messaggio intitolato \"Troppi record difettosi nel file "
                           "vocpers.txt\"\n  e si chiude, senza leggere il file oltre la riga 38.\n"))
        << qPrintable(t);
    t = resoconto(dati, QStringLiteral("/tmp/vocaboli.txt"));
    EXPECT_TRUE(t.contains("Troppe righe difettose: all'avvio\n")) << qPrintable(t);
    EXPECT_TRUE(t.contains("\"Troppi record difettosi nel file vocaboli.txt\""));
}

// Fewer words in a class than boxes: the boxes repeat; a single word leaves them empty.
TEST(Insidie, ClassiConMenoDiDodiciVocaboli)
{
    const auto r = controllaVocabolario(elenco(12, "1") + voci(5, "3") + "0;4;et;e\r\n", corta);
    EXPECT_EQ(r.classiPiccole, QList<int>{3});
    EXPECT_EQ(r.classiSolitarie, QList<int>{4});
    const QString t = testoResoconto(r, "vocpers.txt");
    EXPECT_TRUE(t.contains("La classe 3 (verbi) ha solo 5 vocaboli: ogni parola ha 4 traduzioni sbagliate per 11 caselle,\n"
                           "  e le caselle ripetono le stesse."))
        << qPrintable(t);
    EXPECT_TRUE(t.contains("La classe 4 (avverbi, cong., prep.) ha un solo vocabolo: le sue altre caselle resteranno vuote."));
    EXPECT_FALSE(t.contains("La classe 1"));
}

// The shipped example states the set-up's own thresholds, and the checker finds nothing to say about it.
TEST(Insidie, ElencoDiEsempioDiceLeSoglieDelGioco)
{
    QFile f(QStringLiteral(LEXORIO_SOURCE_DIR "/assets/vocpers.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dati = f.readAll();
    const QString testo = QString::fromLatin1(dati);
    EXPECT_TRUE(testo.contains(QStringLiteral("almeno %1 parole").arg(kParoleMinime)));
    EXPECT_TRUE(testo.contains(QStringLiteral("con meno di %1 la partita parte dopo un").arg(kParoleSenzaAvviso)));
    EXPECT_TRUE(testo.contains(QStringLiteral("almeno %1, o le caselle ripetono").arg(kParoleSenzaAvviso)));
    EXPECT_FALSE(testo.contains(QStringLiteral("almeno 100")));

    const auto r = controllaVocabolario(dati, [](const QString&) { return true; });
    EXPECT_TRUE(r.utilizzabile());
    EXPECT_TRUE(r.classiPiccole.isEmpty());
    EXPECT_TRUE(r.classiSolitarie.isEmpty());
    EXPECT_TRUE(r.insidie.classeNonPulita.isEmpty());
    EXPECT_TRUE(r.insidie.tabulate.isEmpty());
    EXPECT_FALSE(r.insidie.titoloSembraVocabolo);
}
