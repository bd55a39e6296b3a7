// The settings window's rules: creation (reading "lexorio.ini" while no game was accepted),
// the characters, the invariants, the changed mark, saving, and the hand-over on O.K.
#pragma once

#include "settings/impostazionimodel.h"
#include "shell/finestre.h"
#include "shell/modello.h"

namespace lex {

class Impostazioni {
public:
    // Runs the window's creation; the window stays hidden.
    Impostazioni(LexorioModel& principale, Porte porte);

    ImpostazioniModel m;

    // Events from the view (or from the main window's rules).
    void attivazione();               // the window was shown and became active
    void carattere(int codice);       // a typed character, seen before the focused control

    // Procedures
    void leggiimpostazioni();
    void salvaimpostazioni();
    void mostrapersonaggio(int giocatore, int numero);

private:
    LexorioModel& principale_;
    Porte porte_;
};

} // namespace lex
