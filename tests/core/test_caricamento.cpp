// Invariant: every line of a vocabulary file is a comment, a blank, a record (split at its
// first three ";", fields verbatim) or a faulty line in the report; the table is never
// written past row 1800 and the loader never fails on what the bytes hold.
#include "vocab/caricamento.h"
#include "vocab/cp1252.h"

#include <gtest/gtest.h>

using namespace lex;

namespace {

struct Riga {
    const char* dati;
    int record;
    int difettose;
};

EsitoCaricamento carica(QByteArrayView dati, Vocabolario& v) { return caricaVocaboli(dati, v); }

QByteArray righe(int n, const char* prefisso = "1;1;w")
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += QByteArray(prefisso) + QByteArray::number(i) + ";t\r\n";
    return out;
}

} // namespace

TEST(Caricamento, CosaContaComeRecord)
{
    const Riga casi[] = {
        {"/;;;\r\n", 0, 0},               // a comment whatever it holds
        {" /;;;\r\n", 1, 0},              // a "/" after a space is no comment
        {";;;\r\n", 1, 0},                // four empty fields
        {"\r\n   \r\n", 0, 0},            // blank and spaces: skipped silently
        {"\t\t\r\n", 0, 1},               // tabs are not spaces
        {"1;1;amo\r\n", 0, 1},            // two ";" only
        {"1;1;amo;amare\n2;3;a;b", 2, 0}, // lone LF, no final line end
        {"1;1;a;b\r\n/x\r\n/y", 1, 0},    // ends inside comments
        {"1;1;a;b\r2;2;c;d\r", 2, 0},     // lone CR
        {"", 0, 0},
    };
    for (const auto& c : casi) {
        Vocabolario v;
        const auto e = carica(QByteArray(c.dati), v);
        EXPECT_EQ(e.caricati, c.record) << c.dati;
        EXPECT_EQ(e.righeDifettose.size(), c.difettose) << c.dati;
        EXPECT_EQ(v.ultimovoc, c.record - 1) << c.dati;
    }
}

TEST(Caricamento, CampiVerbatim)
{
    Vocabolario v;
    carica(" 1; 2 ;  rosa, -ae, f.;rosa; fiore;x\r\n /;;;\r\n", v);
    EXPECT_EQ(v.righe[0].frequenza, QStringLiteral(" 1"));
    EXPECT_EQ(v.righe[0].categoria, QStringLiteral(" 2 "));
    EXPECT_EQ(v.righe[0].parola, QStringLiteral("  rosa, -ae, f."));
    EXPECT_EQ(v.righe[0].traduzione, QStringLiteral("rosa; fiore;x"));
    EXPECT_EQ(v.righe[1].frequenza, QStringLiteral(" /"));
    EXPECT_TRUE(v.righe[1].traduzione.isEmpty());
}

TEST(Caricamento, AccentiInWindows1252)
{
    Vocabolario v;
    carica(QByteArray("1;3;sum, es, fui, esse;essere \xe8 \x80\r\n"), v);
    EXPECT_EQ(v.righe[0].traduzione, QStringLiteral("essere è €"));
}

TEST(Caricamento, RapportoFinoA400Caratteri)
{
    // 398 characters of line + CR LF = exactly 400: tolerated.
    const QByteArray lunga(398, 'x');
    Vocabolario v;
    auto e = carica(lunga + "\r\n1;1;a;b\r\n", v);
    EXPECT_FALSE(e.troppiDifettosi);
    EXPECT_EQ(e.rapporto.size(), 400);
    EXPECT_EQ(e.caricati, 1);

    // One more character passes the limit; that line is in the report and reading stops there.
    e = carica(QByteArray(399, 'y') + "\r\n1;1;a;b\r\n", v);
    EXPECT_TRUE(e.troppiDifettosi);
    EXPECT_TRUE(e.rapporto.startsWith(QStringLiteral("yyy")));
    EXPECT_EQ(e.caricati, 0);

    e = carica("a\r\n1;1;p;q\r\nb\r\n", v);
    EXPECT_EQ(e.rapporto, QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(e.righeDifettose, (QList<int>{1, 3}));
}

TEST(Caricamento, FileCortoDopoUnoLungo)
{
    Vocabolario v;
    carica(righe(1600), v);
    EXPECT_EQ(v.ultimovoc, 1599);
    carica(righe(300, "2;2;z"), v);
    EXPECT_EQ(v.ultimovoc, 299);
    EXPECT_EQ(v.righe[299].parola, QStringLiteral("z299"));
    EXPECT_EQ(v.righe[300].parola, QStringLiteral("w300")); // left over, never read
}

TEST(Caricamento, MaiOltreLaRiga1800)
{
    Vocabolario v;
    const auto e = carica(righe(1900), v);
    EXPECT_EQ(e.caricati, kRigheVocabolario);
    EXPECT_EQ(e.oltreLimite, 99);
    EXPECT_EQ(v.ultimovoc, 1800);
    EXPECT_EQ(v.righe.size(), static_cast<std::size_t>(kRigheVocabolario));
}

TEST(Caricamento, DatiOstili)
{
    Vocabolario v;
    // NUL bytes and binary noise: no crash, reported or loaded by the same rules.
    QByteArray binario;
    for (int i = 0; i < 256; ++i)
        binario.append(static_cast<char>(i));
    auto e = carica(binario, v);
    EXPECT_GE(e.righeDifettose.size(), 1);

    // UTF-16 text: the NULs travel inside the fields, nothing breaks.
    const QString testo = QStringLiteral("1;1;amo;amare\r\n");
    e = carica(QByteArrayView(reinterpret_cast<const char*>(testo.utf16()), testo.size() * 2), v);
    EXPECT_LE(e.caricati, 1);

    // A 30 MB line with no ";" stops the load at once, and the shown report stays short.
    const QByteArray enorme(30 * 1024 * 1024, 'a');
    e = carica(enorme, v);
    EXPECT_TRUE(e.troppiDifettosi);
    const QString visibile = rapportoVisibile(e.rapporto);
    EXPECT_LT(visibile.size(), 200);
    EXPECT_FALSE(rapportoVisibile(QStringLiteral("a\u0000b\r\n")).contains(QChar(0)));
}

TEST(Cp1252, TuttiIByteAndataERitorno)
{
    QByteArray tutti;
    for (int i = 0; i < 256; ++i)
        tutti.append(static_cast<char>(i));
    const QString s = cp1252::decodifica(tutti);
    ASSERT_EQ(s.size(), 256);
    EXPECT_EQ(s.at(0x80), QChar(0x20AC));
    EXPECT_EQ(s.at(0x93), QChar(0x201C));
    EXPECT_EQ(s.at(0x94), QChar(0x201D));
    EXPECT_EQ(s.at(0x9F), QChar(0x0178));
    EXPECT_EQ(s.at(0xE0), QChar(u'à'));
    EXPECT_EQ(cp1252::codifica(s), tutti);
    EXPECT_TRUE(cp1252::rappresentabile(s));
    EXPECT_EQ(cp1252::codifica(QStringLiteral("ĉ€")), QByteArray("?\x80"));
    EXPECT_FALSE(cp1252::rappresentabile(QStringLiteral("ĉ")));
}
