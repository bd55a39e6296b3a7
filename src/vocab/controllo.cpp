#include "vocab/controllo.h"

#include "vocab/selezione.h"

namespace lex {

Resoconto controllaVocabolario(QByteArrayView dati, const std::function<bool(const QString&)>& entra)
{
    Resoconto r;
    r.caricamento = caricaVocaboli(dati, r.vocabolario);
    // Row 0 is the file's title, never played.
    QList<int> giocabili;
    QList<QPair<QString, QString>> classeETraduzione;
    for (int i = 1; i <= r.vocabolario.ultimovoc; ++i) {
        const Voce& v = r.vocabolario.righe[static_cast<std::size_t>(i)];
        const auto f = leggiClasse(v.frequenza);
        const auto c = leggiClasse(v.categoria);
        if (!f || !c || *f < 0 || *f > 4 || *c < 1 || *c > 4) {
            r.fuoriIntervallo.append(i);
            continue;
        }
        ++r.giocabili;
        giocabili << i;
        classeETraduzione.append({v.categoria, v.traduzione});
        ++r.perFrequenza[*f];
        ++r.perClasse[*c];
        if (!entra(v.traduzione))
            r.nonEntrano.append(i);
    }
    for (SensoCondiviso coppia : sensiCondivisi(classeETraduzione)) {
        coppia.prima = giocabili[coppia.prima];
        coppia.seconda = giocabili[coppia.seconda];
        r.sensiCondivisi << coppia;
    }
    for (const auto& [classe, quante] : r.perClasse)
        if (quante == 1)
            r.classiSolitarie.append(classe);
    return r;
}

} // namespace lex
