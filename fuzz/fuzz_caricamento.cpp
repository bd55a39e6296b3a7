// Any bytes as a vocabulary file: the loader must neither crash nor write past its table,
// must say how it read the bytes, and must account for every record and faulty line.
#include "vocab/caricamento.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
void verifica(bool condizione)
{
    if (!condizione)
        std::abort();
}

bool crescenti(const QList<int>& l)
{
    return std::adjacent_find(l.begin(), l.end(), [](int a, int b) { return a >= b; }) == l.end();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView dati(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static lex::Vocabolario v; // a table of 1801 rows is costly to build under ASan; each load rewrites what it uses
    const auto e = lex::caricaVocaboli(dati, v);
    verifica(e.caricati <= lex::kRigheVocabolario && v.ultimovoc == e.caricati - 1);
    verifica(e.righeRecord.size() == e.caricati && crescenti(e.righeRecord) && crescenti(e.righeDifettose));
    verifica(e.rapporto.count(QStringLiteral("\r\n")) == e.righeDifettose.size());
    verifica(e.troppiDifettosi == (e.rapporto.size() > lex::kLimiteRapporto));

    const bool ascii = std::all_of(dati.begin(), dati.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    switch (e.codifica) {
    case lex::Codifica::Ascii:
        verifica(ascii);
        break;
    case lex::Codifica::Utf8:
        verifica(!ascii && lex::utf8Valido(dati));
        break;
    case lex::Codifica::Windows1252:
        verifica(!ascii && !lex::utf8Valido(dati));
        break;
    case lex::Codifica::Utf8ConBom:
        verifica(dati.startsWith(lex::kBomUtf8));
        break;
    }

    for (QChar c : lex::rapportoVisibile(e.rapporto))
        verifica(c == u'\r' || c == u'\n' || c.unicode() >= 0x20);
    return 0;
}
