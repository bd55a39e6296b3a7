// Any bytes as "musica.mid": the check walks the chunks without reading past the end, and
// what it accepts has its header and as many tracks as it announces.
#include "sound/midi.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's size, so that ASan sees any read past its end.
    const QByteArray b(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!lex::midiCompleto(b))
        return 0;
    const int tracce = (std::uint8_t(b[10]) << 8) | std::uint8_t(b[11]);
    if (!b.startsWith("MThd") || tracce == 0 || b.count("MTrk") < tracce)
        std::abort();
    return 0;
}
