// Where the board's pieces stand: computed once from the window's inner size, and the
// strip of photos and status panel under the board, for one or two players.
#pragma once

#include "shell/modello.h"

namespace lex {

// Panel, bands, balloons, quote labels, the answer grid and the word label.
void disponitabellone(LexorioModel& m);

// foto2, Cornice and foto1 under the panel; any other player count moves only what both modes share.
void disponistriscia(LexorioModel& m, int numgiocatori);

} // namespace lex
