#include "vocab/cp1252.h"

#include <array>

namespace lex::cp1252 {

namespace {
// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 control of the same value,
// as Windows itself does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteDi(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < kAlti.size(); ++i)
        if (kAlti[i] == u)
            return 0x80 + static_cast<int>(i);
    return -1;
}
} // namespace

QString decodifica(QByteArrayView byte)
{
    QString s(byte.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < byte.size(); ++i) {
        const auto b = static_cast<unsigned char>(byte[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kAlti[b - 0x80]) : QChar(b);
    }
    return s;
}

QByteArray codifica(const QString& testo)
{
    QByteArray out;
    out.reserve(testo.size());
    for (QChar c : testo) {
        const int b = byteDi(c);
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool rappresentabile(const QString& testo)
{
    for (QChar c : testo)
        if (byteDi(c) < 0)
            return false;
    return true;
}

} // namespace lex::cp1252
