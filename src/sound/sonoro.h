// The main window's four media channels in the game's terms: effects from the beginning,
// and the background music kept in line with its switch.
#pragma once

#include "sound/canali.h"
#include "sound/effetto.h"

#include <functional>

namespace lex {

class Sonoro {
public:
    explicit Sonoro(Canali canali) : canali_(std::move(canali)) {}

    const Canali& canali() const { return canali_; }

    // Opens the four channels; the victory sound and the music report their end to fine.
    void apri(const std::function<void(int)>& fine);
    void chiudi();

    // From the beginning, cutting short an earlier play of the same effect. A channel that
    // failed to open simply stays silent.
    void suona(Effetto effetto);
    // Stops the music when switched off; starts it when on and not playing (never restarts it).
    void aggiornaMusica(bool conMusica);
    // A completed victory sound (or music that ended by itself) brings the music back.
    void fine(int esito, bool conMusica);

private:
    Canali canali_;
};

} // namespace lex
