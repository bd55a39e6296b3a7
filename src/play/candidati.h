// The word to ask and its twelve candidate translations, drawn from the game's selected words.
#pragma once

#include "play/partita.h"
#include "shell/porte.h"
#include "vocab/sinonimi.h"
#include "vocab/vocabolario.h"

namespace lex {

struct Domanda {
    int riga = 0;                          // the word's row in the selected lists
    int esatta = 0;                        // the box with its translation
    std::array<QString, kCaselle> caselle; // the candidates; an empty pool leaves the others empty
    QStringList errati;                    // the pool the wrong candidates were drawn from
};

// Seeds the generator, then draws the word, its box and each other box's wrong candidate; a
// text a learner could rightly choose never stands among the wrong ones. The selected lists
// must not be empty.
Domanda disegnaDomanda(const ListeParole& liste, Casuale& casuale, const Sinonimi& sinonimi = Sinonimi::spediti());
// The same for a given row (0 to the lists' size - 1): the word is not drawn.
Domanda disegnaDomanda(const ListeParole& liste, Casuale& casuale, int riga, const Sinonimi& sinonimi = Sinonimi::spediti());

} // namespace lex
