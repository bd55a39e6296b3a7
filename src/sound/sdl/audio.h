// The game's four media channels on the machine's sound device.
#pragma once

#include "sound/canali.h"

#include <QString>

namespace lex {

// By explicit path: the system-wide "default GM" link may point at a much larger font.
inline constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Opens the sound device once and binds the four channels to their files.
// Without a usable device every channel is silent; nothing is reported.
// Needs a QCoreApplication for the end-of-play reports.
Canali canaliAudio(const QString& soundfont = QString::fromLatin1(kSoundfont));

} // namespace lex
