// Word selection over any list and any choices: the lists stay parallel and in file order,
// a frequency's words do not depend on the other frequencies chosen, "Escludi simili" only
// ever leaves words out, and a number read from a field is the number written there.
#include "vocab/caricamento.h"
#include "vocab/selezione.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace lex;

namespace {
void verifica(bool condizione)
{
    if (!condizione)
        std::abort();
}

qsizetype scelte(const Vocabolario& v, SceltaParole s, int soloFrequenza)
{
    if (soloFrequenza >= 0)
        for (std::size_t f = 0; f < s.frequenze.size(); ++f)
            s.frequenze[f] = s.frequenze[f] && int(f) == soloFrequenza;
    return selezionaVoci(v, s).vocabolo.size();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    // Two bytes of choices, four of a number, then the list.
    SceltaParole s;
    for (std::size_t i = 0; i < 5; ++i)
        s.frequenze[i] = (data[0] >> i) & 1;
    for (std::size_t i = 1; i <= 4; ++i)
        s.classi[i] = (data[1] >> i) & 1;
    s.escludiSimili = data[1] & 1;
    std::int32_t numero = 0;
    std::memcpy(&numero, data + 2, sizeof numero);
    const QByteArrayView dati(reinterpret_cast<const char*>(data + 6), static_cast<qsizetype>(size - 6));

    static Vocabolario v; // building 1801 rows is costly under ASan; each load rewrites what it uses
    caricaVocaboli(dati, v);
    const ListeParole l = selezionaVoci(v, s);
    const qsizetype n = l.vocabolo.size();
    verifica(l.frequenza.size() == n && l.categoria.size() == n && l.traduzione.size() == n && l.errati.isEmpty());
    verifica(n <= std::max(v.ultimovoc, 0));

    // In file order: each selected word is the next matching row after the previous one.
    int riga = 1;
    for (qsizetype k = 0; k < n; ++k) {
        const auto stessa = [&](const Voce& e) {
            return e.parola == l.vocabolo[k] && e.frequenza == l.frequenza[k] && e.categoria == l.categoria[k] &&
                   e.traduzione == l.traduzione[k];
        };
        while (riga <= v.ultimovoc && !stessa(v.righe[std::size_t(riga)]))
            ++riga;
        verifica(riga <= v.ultimovoc);
        const Voce& e = v.righe[std::size_t(riga)];
        const auto f = leggiClasse(e.frequenza), c = leggiClasse(e.categoria);
        verifica(f && c && *f >= 0 && *f <= 4 && *c >= 1 && *c <= 4 && s.frequenze[std::size_t(*f)] && s.classi[std::size_t(*c)]);
        ++riga;
    }

    qsizetype perFrequenza = 0;
    for (int f = 0; f <= 4; ++f)
        perFrequenza += scelte(v, s, f);
    verifica(perFrequenza == n);
    SceltaParole tutte = s;
    tutte.escludiSimili = false;
    verifica(n <= scelte(v, tutte, -1));

    // Numbers: the leading number of a field, whatever follows a ";", and its rounding.
    const QString scritto = QString::number(numero);
    for (const QString& campo : {scritto, QStringLiteral(" ") + scritto + QStringLiteral(" "),
                                 scritto + QStringLiteral(";") + l.vocabolo.value(0)})
        verifica(valoreIniziale(campo) == double(numero) &&
                 leggiClasse(campo) == (std::abs(double(numero)) < 1e9 ? std::optional<int>(numero) : std::nullopt));
    for (int i = 0; i <= v.ultimovoc; ++i) {
        const QString& campo = v.righe[std::size_t(i)].frequenza;
        const double x = valoreIniziale(campo);
        verifica(!std::isnan(x));
        const auto k = leggiClasse(campo);
        // Rounded first: 999999999.6 becomes 1e9, which is out of range.
        verifica(k.has_value() == (std::fabs(std::nearbyint(x)) < 1e9) && (!k || *k == int(std::nearbyint(x))));
    }
    return 0;
}
