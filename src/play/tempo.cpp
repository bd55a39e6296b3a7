#include "play/tempo.h"

#include <algorithm>
#include <cmath>

namespace lex {

namespace {
constexpr double kSecondiGiorno = 86400;
}

double differenza(float a, float b)
{
    double d = static_cast<double>(a) - static_cast<double>(b);
    if (d < 0)
        d += 1;
    return d;
}

QString comeOrario(double frazione)
{
    long long sec = std::llround(std::max(frazione, 0.0) * kSecondiGiorno);
    sec %= static_cast<long long>(kSecondiGiorno);
    return QStringLiteral("%1:%2:%3")
        .arg(sec / 3600, 2, 10, QLatin1Char('0'))
        .arg(sec / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(sec % 60, 2, 10, QLatin1Char('0'));
}

void attendiOltreUnSecondo(Orologio& orologio, Eventi& eventi)
{
    eventi.ridisegna();
    const float inizio = orologio.adesso();
    for (;;) {
        const double ms = differenza(orologio.adesso(), inizio) * kSecondiGiorno * 1000;
        if (ms > 1000)
            return;
        // The clock is single precision (a few ms near noon): ask for what is left, and a bit.
        orologio.pausa(std::max(10, static_cast<int>(std::ceil(1000 - ms)) + 1));
    }
}

} // namespace lex
