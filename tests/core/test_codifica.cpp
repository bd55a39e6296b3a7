// Invariant: a teacher's list reads as the text the teacher typed, whether the editor saved
// it in Windows-1252 or in UTF-8 (with or without a byte-order mark); the game's own
// Windows-1252 files read exactly as before.
#include "vocab/caricamento.h"
#include "vocab/codifica.h"

#include <gtest/gtest.h>

using namespace lex;

TEST(Codifica, QualeCodificaPerQualiByte)
{
    const std::pair<QByteArray, Codifica> casi[] = {
        {"", Codifica::Ascii},
        {"0;1;rosa;rosa\r\n", Codifica::Ascii},
        {"0;1;urbs;citt\xe0\r\n", Codifica::Windows1252},      // à in Windows-1252
        {"0;1;urbs;citt\xc3\xa0\r\n", Codifica::Utf8},         // à in UTF-8
        {"\xef\xbb\xbf/titolo\r\n", Codifica::Utf8ConBom},     // a BOM, ASCII after it
        {"\xef\xbb\xbf\xe0\r\n", Codifica::Utf8ConBom},        // the BOM decides even before bad bytes
        {"perch\xe9 \xe8", Codifica::Windows1252},             // é then è: a lead byte without continuation
        {"\xc3\xa0 and \xe0", Codifica::Windows1252},          // one byte that is not UTF-8 spoils the file
        {"\x93virgolette\x94", Codifica::Windows1252},         // curly quotes from a word processor
        {"fine troncata \xc3", Codifica::Windows1252},         // a UTF-8 lead byte cut off at the end
    };
    for (const auto& [dati, attesa] : casi)
        EXPECT_EQ(riconosciCodifica(dati), attesa) << dati.toHex(' ').constData();
}

TEST(Codifica, Utf8BenFormato)
{
    const std::pair<QByteArray, bool> casi[] = {
        {"\xc3\xa0", true},                  // à
        {"\xe2\x82\xac", true},              // €
        {"\xf0\x9f\x99\x82", true},          // U+1F642, four bytes
        {"\xf4\x8f\xbf\xbf", true},          // U+10FFFF, the last code point
        {"\xc0\x80", false},                 // overlong NUL
        {"\xc1\xbf", false},                 // overlong
        {"\xe0\x80\x80", false},             // overlong, three bytes
        {"\xf0\x80\x80\x80", false},         // overlong, four bytes
        {"\xed\xa0\x80", false},             // a surrogate
        {"\xf4\x90\x80\x80", false},         // past U+10FFFF
        {"\xf5\x80\x80\x80", false},         // no such lead byte
        {"\x80", false},                     // continuation without a lead
        {"\xe2\x82", false},                 // cut short
        {"\xe2\x28\xac", false},             // continuation replaced by ASCII
    };
    for (const auto& [dati, atteso] : casi)
        EXPECT_EQ(utf8Valido(dati), atteso) << dati.toHex(' ').constData();
}

TEST(Codifica, UnaListaInUtf8SiLeggeComeScritta)
{
    const QString testo = QStringLiteral("/ Elenco della classe\r\n0;0;Titolo;mai giocato\r\n"
                                         "0;1;urbs, urbis, f.;città\r\n0;3;fero, fers;portare “via” €\r\n");
    for (const QByteArray& bom : {QByteArray(), QByteArray(kBomUtf8)}) {
        Vocabolario v;
        const auto e = caricaVocaboli(bom + testo.toUtf8(), v);
        EXPECT_EQ(e.codifica, bom.isEmpty() ? Codifica::Utf8 : Codifica::Utf8ConBom);
        // The mark is no part of the first line: the comment stays a comment, nothing is faulty.
        EXPECT_TRUE(e.righeDifettose.isEmpty());
        ASSERT_EQ(e.caricati, 3);
        EXPECT_EQ(e.righeRecord, (QList<int>{2, 3, 4}));
        EXPECT_EQ(v.righe[1].traduzione, QStringLiteral("città"));
        EXPECT_EQ(v.righe[2].traduzione, QStringLiteral("portare “via” €"));
    }
    // The same text saved in Windows-1252 reads the same.
    Vocabolario v;
    const auto e = caricaVocaboli(QByteArray("0;0;T;t\r\n0;1;urbs;citt\xe0 \x93" "a\x94\r\n"), v);
    EXPECT_EQ(e.codifica, Codifica::Windows1252);
    EXPECT_EQ(v.righe[1].traduzione, QStringLiteral("città “a”"));
}

TEST(Codifica, UnBomSenzaAltroNonELaRigaDelTitolo)
{
    Vocabolario v;
    // A BOM on a record line: the record starts after it.
    auto e = caricaVocaboli(QByteArray(kBomUtf8) + "1;1;a;b\r\n", v);
    EXPECT_EQ(v.righe[0].frequenza, QStringLiteral("1"));
    // A BOM and nothing else is an empty file, not a faulty line.
    e = caricaVocaboli(QByteArray(kBomUtf8), v);
    EXPECT_EQ(e.caricati, 0);
    EXPECT_TRUE(e.rapporto.isEmpty());
    // A BOM followed by bytes that are not UTF-8: still read as UTF-8, the bad bytes shown as U+FFFD.
    e = caricaVocaboli(QByteArray(kBomUtf8) + "1;1;a;citt\xe0\r\n", v);
    EXPECT_EQ(v.righe[0].traduzione, QStringLiteral("citt\uFFFD"));
}
