// Standard MIDI files: whether one is whole. Kept apart from the synthesiser so that it can
// be tested and fuzzed without a sound device.
#pragma once

#include <QByteArrayView>

namespace lex {

// A header "MThd" of at least six bytes announcing one track or more, followed by chunks
// that all fit in the file, among them at least as many "MTrk" as announced. FluidSynth
// accepts any file that starts with "MThd" and fails only later, while playing.
bool midiCompleto(QByteArrayView b);

} // namespace lex
