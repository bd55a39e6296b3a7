// The one way a fatal error ends the program: its box, then the process ends on the spot.
#pragma once

#include "shell/finestre.h"

namespace lex {

inline constexpr const char* kTitolo = "lexorio";

// A box with the given text, icon and the program's title (unless one is given), then the end.
[[noreturn]] void terminaConMessaggio(Porte& porte, const QString& testo, Icona icona,
                                      const QString& titolo = QString::fromLatin1(kTitolo));

// "errore " + the number with its leading blank, in a plain box; then the end.
[[noreturn]] void erroreFatale(Porte& porte, int codice);

// A number joined to a text with one leading blank when it is zero or positive.
QString conSpazio(long long n);

} // namespace lex
