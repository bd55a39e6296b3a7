// Times of day as fractions of a day: differences across midnight, the clock label,
// and the one-second pauses that let no event in.
#pragma once

#include "shell/porte.h"

#include <QString>

namespace lex {

// a - b in fractions of a day; a day is added when the times straddle midnight.
double differenza(float a, float b);

// A fraction of a day as hh:mm:ss on a 24-hour clock, to the nearest second.
QString comeOrario(double frazione);

// Draws the model first so the player sees what happened, then blocks on the clock until
// MORE than one second has passed. Keys pressed meanwhile stay queued.
void attendiOltreUnSecondo(Orologio& orologio, Eventi& eventi);

} // namespace lex
