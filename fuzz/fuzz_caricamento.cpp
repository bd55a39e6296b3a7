// Any bytes as a vocabulary file: the loader must neither crash nor write past its table.
#include "vocab/caricamento.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lex::Vocabolario v;
    const auto e = lex::caricaVocaboli(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), v);
    if (e.caricati > lex::kRigheVocabolario || v.ultimovoc != e.caricati - 1)
        std::abort();
    (void)lex::rapportoVisibile(e.rapporto);
    return 0;
}
