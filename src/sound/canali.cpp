#include "sound/canali.h"

namespace lex {

Canali Canali::muti()
{
    Canali c;
    c.musica = std::make_unique<CanaleMuto>(QStringLiteral("musica.mid"));
    c.right = std::make_unique<CanaleMuto>(QStringLiteral("Right.wav"));
    c.wrong = std::make_unique<CanaleMuto>(QStringLiteral("Wrong.wav"));
    c.vittoria = std::make_unique<CanaleMuto>(QStringLiteral("Vittoria.wav"));
    return c;
}

} // namespace lex
