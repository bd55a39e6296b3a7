// Any bytes as "ripasso.txt": the reader refuses them or reads a review that it writes back
// and reads again unchanged, every word with something pressed.
#include "review/ripasso.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto d = leggiTestoRipasso(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!d)
        return 0;
    for (const auto* elenco : {&d->ultima, &d->tutte})
        for (const VoceRipasso& v : *elenco)
            if (v.errori() < 1)
                std::abort();
    if (leggiTestoRipasso(testoRipasso(*d)) != d)
        std::abort();
    return 0;
}
