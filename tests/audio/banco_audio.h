// Helpers for the real-device tests: tiny sound files written on the spot, a working
// directory of their own, SDL's disk driver as a recorder, and waiting on the event loop.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <vector>

namespace lex::test {

inline constexpr int kFrequenza = 44100;

// A mono 16-bit sine tone.
QByteArray wavTono(int ms, double hz = 440.0, double ampiezza = 0.5);
// One note of about ms milliseconds, the file ending with it.
QByteArray midiNota(int ms);

// A fresh working directory for the test's files; the previous one comes back at the end.
class CartellaAudio {
public:
    CartellaAudio();
    ~CartellaAudio();
    void scrivi(const QString& nome, const QByteArray& dati);

private:
    QTemporaryDir dir_;
    QString precedente_;
};

// While alive, devices opened go to SDL's disk driver, which writes the mix to a file.
// Read it with campioni() once every channel is gone (the device is then closed).
class Registrazione {
public:
    Registrazione();
    ~Registrazione();
    std::vector<int16_t> campioni() const; // interleaved stereo

private:
    QTemporaryDir dir_;
    QByteArray driver_, file_;
};

// The opposite: no driver by that name, so no device.
class SenzaDispositivo {
public:
    SenzaDispositivo();
    ~SenzaDispositivo();

private:
    QByteArray driver_;
};

// Runs the event loop until cond holds or ms milliseconds pass; returns cond().
bool aspetta(const std::function<bool()>& cond, int ms);
// Runs the event loop for ms milliseconds.
void lascia(int ms);

// Frames (stereo pairs) whose absolute level is above soglia.
struct Estensione {
    long primo = -1, ultimo = -1; // -1: all silent
    double durata() const { return primo < 0 ? 0.0 : double(ultimo - primo + 1) / kFrequenza; }
};
Estensione udibile(const std::vector<int16_t>& pcm, int soglia = 200);
int picco(const std::vector<int16_t>& pcm, long daFrame = 0, long aFrame = -1);

} // namespace lex::test
