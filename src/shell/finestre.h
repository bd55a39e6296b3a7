// Showing the other windows modally, and everything the rules receive from the platform.
#pragma once

#include "dati/filesistema.h"
#include "shell/porte.h"

namespace lex {

class Impostazioni;

class Finestre {
public:
    virtual ~Finestre() = default;
    // Show the settings window modally; returns once its rules have hidden it (O.K. or Uscita).
    virtual void mostraImpostazioni(Impostazioni& imp) = 0;
    // Show the About box centred and modal; returns when it is closed.
    virtual void mostraInfo() = 0;
    // Show the review of missed words modal; true when it saved a new personal list.
    virtual bool mostraRipasso() = 0;
    // Show the progress window modal; returns when it is closed.
    virtual void mostraProgressi() = 0;
    // Show "Vocaboli da un testo" modal; true when it saved a new personal list.
    virtual bool mostraTesto() { return false; }
};

struct Porte {
    Orologio& orologio;
    Casuale& casuale;
    MessaggiBox& box;
    Eventi& eventi;
    Uscita& uscita;
    Misure& misure;
    FileSistema& file;
    Finestre& finestre;
};

} // namespace lex
