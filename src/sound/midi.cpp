#include "sound/midi.h"

#include <cstdint>

namespace lex {

namespace {
std::uint32_t be32(QByteArrayView b, qsizetype i)
{
    const auto byte = [&](qsizetype k) { return std::uint32_t(std::uint8_t(b[i + k])); };
    return (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
}
} // namespace

bool midiCompleto(QByteArrayView b)
{
    if (b.size() < 14 || !b.startsWith("MThd") || be32(b, 4) < 6)
        return false;
    const int tracce = (std::uint8_t(b[10]) << 8) | std::uint8_t(b[11]);
    qsizetype i = 8 + qsizetype(be32(b, 4));
    int trovate = 0;
    while (i + 8 <= b.size()) {
        // A 32-bit length is compared with what is left before it is added.
        const qsizetype lunghezza = qsizetype(be32(b, i + 4));
        if (lunghezza > b.size() - i - 8)
            return false;
        if (b.sliced(i, 4) == "MTrk")
            ++trovate;
        i += 8 + lunghezza;
    }
    return tracce > 0 && trovate >= tracce;
}

} // namespace lex
