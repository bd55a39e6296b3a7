// Invariant: a MIDI file is accepted only when its header and every announced track are
// really there, whatever lengths its chunks claim.
#include "sound/midi.h"

#include <QByteArray>
#include <gtest/gtest.h>

using namespace lex;

namespace {
QByteArray be32(quint32 v)
{
    const char b[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(b, 4);
}
QByteArray intestazione(int tracce, quint32 lunghezza = 6)
{
    const char campi[] = {0, 1, char(tracce >> 8), char(tracce), 1, char(0xE0)};
    return "MThd" + be32(lunghezza) + QByteArray(campi, 6) +
           QByteArray(int(lunghezza > 6 && lunghezza < 64 ? lunghezza - 6 : 0), 'h');
}
QByteArray traccia(quint32 dichiarata, int vera, const char* nome = "MTrk")
{
    return nome + be32(dichiarata) + QByteArray(vera, '\0');
}
} // namespace

TEST(Midi, SoloFileInteri)
{
    const std::pair<QByteArray, bool> casi[] = {
        {intestazione(1) + traccia(4, 4), true},
        {intestazione(2) + traccia(4, 4) + traccia(0, 0), true},
        {intestazione(1, 10) + traccia(4, 4), true},                    // a longer header is skipped whole
        {intestazione(1) + traccia(4, 4, "XFIH") + traccia(4, 4), true}, // unknown chunks are stepped over
        {intestazione(1) + traccia(4, 4) + "abc", true},                // a tail shorter than a chunk header
        {intestazione(2) + traccia(4, 4), false},                       // one track of two
        {intestazione(0) + traccia(4, 4), false},                       // no track announced
        {intestazione(1) + traccia(4, 3), false},                       // cut short inside the track
        {intestazione(1) + traccia(0xFFFFFFFF, 4), false},              // a length past the end of the file
        {intestazione(1, 0xFFFFFFF0) + traccia(4, 4), false},           // a header past the end of the file
        {intestazione(1, 5) + traccia(4, 4), false},                    // a header too short
        {"MThd", false},
        {QByteArray("MThd\0\0\0\6\0\1\0\1", 12), false},
        {"RIFF" + intestazione(1).mid(4) + traccia(4, 4), false},
    };
    for (const auto& [dati, atteso] : casi)
        EXPECT_EQ(midiCompleto(dati), atteso) << dati.toHex(' ').constData();
}
