// Stand-ins for the four media channels while the real ones are still being made (the sound
// back-end loads after the window has shown). Commands given to a stand-in are kept and run
// on its real channel, in the order they were given across all four, once the real channels
// are handed over; from then on every command goes straight through. A question that needs
// the real answer (the mode) waits for the real channels.
#pragma once

#include "sound/canali.h"

#include <functional>
#include <memory>

namespace lex {

class CanaliDifferiti {
public:
    // `attendi` blocks until the real channels exist and returns them; it is called at most
    // once, when a question comes before `collega`.
    explicit CanaliDifferiti(std::function<Canali()> attendi);
    ~CanaliDifferiti();
    CanaliDifferiti(const CanaliDifferiti&) = delete;
    CanaliDifferiti& operator=(const CanaliDifferiti&) = delete;

    // The four stand-ins, bound to the game's files. The stand-ins may outlive this object.
    Canali canali();
    // Hands over the real channels: the kept commands run now, then every later one directly.
    // Only the first call counts.
    void collega(Canali reali);
    bool collegati() const;

    struct Stato;

private:
    std::shared_ptr<Stato> stato_;
};

} // namespace lex
