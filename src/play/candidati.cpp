// The word to ask and its twelve candidate translations.
#include "shell/lexorio.h"
#include "vocab/errati.h"

#include <algorithm>

namespace lex {

namespace {
// Below this the word would be unreadable; a word still too wide just overflows the panel.
constexpr double kPuntiMinimi = 6;
constexpr double kPuntiParola = 14;

int indiceCasuale(Casuale& c, qsizetype n)
{
    const auto k = static_cast<qsizetype>(c.r() * static_cast<double>(n));
    return static_cast<int>(std::clamp<qsizetype>(k, 0, std::max<qsizetype>(n - 1, 0)));
}
} // namespace

void Lexorio::preparaparola()
{
    if (liste.vocabolo.isEmpty())
        return;
    porte.casuale.semina();
    const int w = indiceCasuale(porte.casuale, liste.vocabolo.size());
    s.casellaesatta = indiceCasuale(porte.casuale, s.numcaselle);

    // Wrong candidates: every other selected word of the same class, duplicates kept, less the
    // texts a learner could rightly choose (a shared sense or a synonym).
    liste.errati = poolErrati(liste.traduzione, liste.categoria, w);

    m.Parola.visible = false;
    m.Parola.text = liste.vocabolo[w];
    m.Parola.fontSize = kPuntiParola;
    // Against the room the word label really has (the panel less its margins), so that a word
    // shown at a size is shown whole.
    while (m.Parola.fontSize > kPuntiMinimi
           && porte.misure.larghezzaParola(m.Parola.text, m.Parola.fontSize) > m.Parola.width)
        m.Parola.fontSize -= 1;
    m.Parola.visible = true;

    for (int i = 0; i < s.numcaselle; ++i) {
        auto& casella = m.sign[static_cast<std::size_t>(i)];
        if (i == s.casellaesatta) {
            casella.text = liste.traduzione.value(w);
        } else {
            const int k = indiceCasuale(porte.casuale, liste.errati.size());
            casella.text = liste.errati.value(k); // an empty pool leaves the box empty
        }
    }
    if (osservatore)
        osservatore->parolaChiesta(liste.vocabolo[w], liste.traduzione.value(w), liste.categoria.value(w),
                                   liste.frequenza.value(w));
}

} // namespace lex
