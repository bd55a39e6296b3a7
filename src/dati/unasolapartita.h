// One running game per data folder. Two copies would each write ripasso.txt (and every other
// record kept beside the game) from what they alone saw, and the one that wrote last would wipe
// what the other had added; so the second copy is told, in Italian, and does not start.
// A folder nobody can write in is no risk: the game starts there as it always did.
#pragma once

#include "shell/porte.h"

#include <QLockFile>
#include <QString>

namespace lex {

// The lock file, hidden beside the game's files. It holds the process id of the copy that
// runs there; a copy that ended without removing it (killed) leaves a
// lock whose process is gone, which the next start takes over.
inline constexpr const char* kFileBlocco = ".lexorio.lock";

class UnaSolaPartita {
public:
    enum class Esito { Presa, Occupata, NonScrivibile };

    explicit UnaSolaPartita(const QString& cartella);
    ~UnaSolaPartita();
    UnaSolaPartita(const UnaSolaPartita&) = delete;
    UnaSolaPartita& operator=(const UnaSolaPartita&) = delete;

    // Takes the folder for this process until it ends (or this object goes), without waiting.
    Esito prendi();

    // Takes it, or shows the second copy why it does not start: false then.
    bool prendiOAvvisa(MessaggiBox& box);

    // Gives the folder back before the process ends on the spot (the quit), when no destructor
    // runs: a lock left behind on a shared folder would stop the game on the other computers.
    void rilascia() { blocco_.unlock(); }

    QString cartella() const { return cartella_; }

private:
    QString cartella_;
    QLockFile blocco_;
};

// altroComputer: the host of the other copy when it is not this one, else empty.
QString testoCartellaOccupata(const QString& cartella, const QString& altroComputer = {});

} // namespace lex
