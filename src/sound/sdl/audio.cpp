#include "sound/sdl/audio.h"

#include "sound/sdl/canalisdl.h"

namespace lex {

Canali canaliAudio(const QString& soundfont)
{
    auto sistema = SistemaAudio::apri();
    if (!sistema)
        return Canali::muti();
    Canali c;
    c.musica = std::make_unique<CanaleMidi>(sistema, QStringLiteral("musica.mid"), soundfont);
    c.right = std::make_unique<CanaleWav>(sistema, QStringLiteral("Right.wav"));
    c.wrong = std::make_unique<CanaleWav>(sistema, QStringLiteral("Wrong.wav"));
    c.vittoria = std::make_unique<CanaleWav>(sistema, QStringLiteral("Vittoria.wav"));
    return c;
}

} // namespace lex
