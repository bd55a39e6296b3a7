// The scheduled review: with the option on, a game asks first the chosen character's words that
// are due, lowest box first and longest unplayed first, then the commonest words it does not know
// yet. Only words the game's own selection picked are asked, so the class and frequency choices
// filter both; with the option off the game draws its words as it always has.
#pragma once

#include "progressi/registro.h"
#include "vocab/vocabolario.h"

#include <QList>
#include <QString>

namespace lex {

// What the rules ask at the set-up of a game: positions in the selected lists, in the order to
// ask them, at most quante; empty when there is no order to follow.
class ProgrammaParole {
public:
    virtual ~ProgrammaParole() = default;
    virtual QList<int> ordine(const ListeParole& liste, const QString& personaggio, int quante) = 0;
    // The option "Prima i vocaboli da ripassare" of the settings window, kept by the record.
    virtual bool attivo() const = 0;
    virtual void scegli(bool si) = 0;
};

// The order for one profile on day oggi: the due words in the lists, then the lists' words not
// known, in list order (the vocabulary's: commonest first). Each position once.
QList<int> ordineRipasso(const ListeParole& liste, const ProfiloProgressi& profilo, QDate oggi, int quante);

} // namespace lex
