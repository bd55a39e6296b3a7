// The settings window's rules: creation (reading "lexorio.ini" while no game was accepted),
// the characters, the invariants, the changed mark, saving, and the hand-over on O.K.
// The view forwards the window's events here and mirrors the model afterwards; the window
// is shown while m.shown is true.
#pragma once

#include "settings/impostazionimodel.h"
#include "settings/impostazionipartita.h"
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
    void okay_Click(int i);           // 0 O.K., 1 Uscita, 2 Salva
    void Picture1_Click(int i);       // 1, 2 photos; 3, 4 balloons of players 1, 2
    void Picture1_Fuoco(int i, bool preso); // keyboard focus gained or lost
    void battuta_Click(int i);
    void nomefoto_Click(int i);       // 0 is the hint
    void Chclassi_Click(int i);       // a click toggles the box, then the rules run
    void Chfreq_Click(int i);
    void similino_Click();
    void suoni_Click();
    void musica_Click();
    void Giocatori_Click(int i);      // option i selected, by the player or by code
    void velox_Change(int valore);
    void quverbi_Click(int riga);

    // Procedures
    void leggiimpostazioni();
    void salvaimpostazioni();
    void mostrapersonaggio(int giocatore, int numero);

    // The settings as the controls show them.
    ImpostazioniPartita record() const;
    // The character a player's place holds (1..6), read from its tag.
    int personaggioDi(int giocatore) const;
    // Selects the list row for the wanted word count held in the list's tag.
    void selezionaRigaQuverbi();

private:
    void cambiaPersonaggio(int giocatore);
    void almenoUnaClasse();
    bool dueGiocatori() const { return m.Giocatori[2].selected; }

    LexorioModel& principale_;
    Porte porte_;
};

// The list row (0 = "10 vocaboli") for a wanted word count given as text; rows follow
// count / 10 - 1 with halves going to the even row, and row 1 stands when the count reads as 0.
int rigaPerQuante(const QString& quante);

} // namespace lex
