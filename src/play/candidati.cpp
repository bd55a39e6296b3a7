#include "play/candidati.h"

#include "vocab/errati.h"

#include <algorithm>

namespace lex {

namespace {
int indiceCasuale(Casuale& c, qsizetype n)
{
    const auto k = static_cast<qsizetype>(c.r() * static_cast<double>(n));
    return static_cast<int>(std::clamp<qsizetype>(k, 0, std::max<qsizetype>(n - 1, 0)));
}
} // namespace

Domanda disegnaDomanda(const ListeParole& liste, Casuale& casuale, const Sinonimi& sinonimi)
{
    return disegnaDomanda(liste, casuale, -1, sinonimi);
}

Domanda disegnaDomanda(const ListeParole& liste, Casuale& casuale, int riga, const Sinonimi& sinonimi)
{
    Domanda d;
    casuale.semina();
    d.riga = riga >= 0 ? riga : indiceCasuale(casuale, liste.vocabolo.size());
    d.esatta = indiceCasuale(casuale, kCaselle);

    // Wrong candidates: every other selected word of the same class, duplicates kept, less the
    // texts a learner could rightly choose (a shared sense or a synonym).
    d.errati = poolErrati(liste.traduzione, liste.categoria, d.riga, sinonimi);

    for (int i = 0; i < kCaselle; ++i) {
        auto& casella = d.caselle[static_cast<std::size_t>(i)];
        if (i == d.esatta)
            casella = liste.traduzione.value(d.riga);
        else
            casella = d.errati.value(indiceCasuale(casuale, d.errati.size()));
    }
    return d;
}

} // namespace lex
