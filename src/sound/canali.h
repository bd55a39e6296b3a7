// The main window's four media channels.
#pragma once

#include "sound/canale.h"

#include <memory>

namespace lex {

struct Canali {
    std::unique_ptr<Canale> musica, right, wrong, vittoria;

    // Four silent channels bound to the game's files.
    static Canali muti();
};

} // namespace lex
