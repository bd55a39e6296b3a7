// The sound back-end as a module that the game opens once its window has shown (see
// src/sound/ui/audiodifferito.h): one entry point, which opens the device and binds the four
// channels. Only this symbol leaves the module.
#include "sound/sdl/audio.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void lexorio_canali_audio(lex::Canali* canali)
{
    *canali = lex::canaliAudio();
}
