#include "progressi/riepilogo.h"

#include "settings/personaggi.h"

namespace lex {

RiepilogoProgressi riepilogo(const DatiProgressi& d, int numero, const std::optional<TabellaCopertura>& tabella)
{
    RiepilogoProgressi r;
    if (!personaggioValido(numero))
        return r;
    const ProfiloProgressi& p = d.profili[static_cast<std::size_t>(numero)];
    r.titolo = QStringLiteral("%1: %2 vocaboli noti su %3").arg(personaggio(numero).nome).arg(p.note()).arg(p.voci.size());
    r.fasce = {QStringLiteral("Elenco personale"), QStringLiteral("Frequenza 1"), QStringLiteral("Frequenza 2"),
               QStringLiteral("Frequenza 3"), QStringLiteral("Frequenza 4")};
    r.note.resize(kFasce);
    for (const GiornoProgressi& g : p.giorni) {
        r.giorni.append(g.giorno);
        for (int f = 0; f < kFasce; ++f)
            r.note[f].append(g.note[static_cast<std::size_t>(f)]);
    }
    if (tabella)
        for (const CoperturaAutore& c : copertura(*tabella, p)) {
            r.copertura << rigaCopertura(c);
            r.prossime << rigaProssime(c);
        }
    return r;
}

} // namespace lex
