// Any bytes as "progressi.txt": the reader refuses them or reads a record that it writes back
// and reads again unchanged, every word in a box from 1 to 5 and asked at least once.
#include "progressi/progressi.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto d = leggiTestoProgressi(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!d)
        return 0;
    for (const ProfiloProgressi& p : d->profili)
        for (const VoceProgressi& v : p.voci)
            if (v.scatola < 1 || v.scatola > kScatole || v.chiesta < 1 || v.giustaPrimo + v.sbagliata > v.chiesta
                || !v.ultima.isValid())
                std::abort();
    if (leggiTestoProgressi(testoProgressi(*d)) != d)
        std::abort();
    return 0;
}
