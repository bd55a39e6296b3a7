// The game's sound effects, each bound to its own channel.
#pragma once

namespace lex {

enum class Effetto { Right, Wrong, Vittoria };

} // namespace lex
