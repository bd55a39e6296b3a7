#include "progressi/programma.h"

#include <QHash>
#include <QSet>

namespace lex {

QList<int> ordineRipasso(const ListeParole& liste, const ProfiloProgressi& profilo, QDate oggi, int quante)
{
    // Position of each word in the lists (the first, should a word be listed twice).
    QHash<QString, int> posizione;
    for (qsizetype i = liste.vocabolo.size() - 1; i >= 0; --i)
        posizione.insert(liste.vocabolo[i] + u'\n' + liste.traduzione.value(i), static_cast<int>(i));

    QList<int> ordine;
    QSet<int> presi;
    auto prendi = [&](int i) {
        if (ordine.size() < quante && !presi.contains(i)) {
            ordine.append(i);
            presi.insert(i);
        }
    };
    for (const VoceProgressi& v : daRipassare(profilo, oggi))
        if (auto it = posizione.constFind(v.parola + u'\n' + v.traduzione); it != posizione.cend())
            prendi(*it);
    QSet<QString> note;
    for (const VoceProgressi& v : profilo.voci)
        if (v.nota())
            note.insert(v.parola + u'\n' + v.traduzione);
    for (qsizetype i = 0; i < liste.vocabolo.size() && ordine.size() < quante; ++i)
        if (!note.contains(liste.vocabolo[i] + u'\n' + liste.traduzione.value(i)))
            prendi(static_cast<int>(i));
    return ordine;
}

} // namespace lex
