// The settings window's rules: creation (reading "lexorio.ini" while no game was accepted),
// the characters, the invariants, the changed mark, saving, and the hand-over on O.K.
// The view forwards the window's events here and mirrors the model afterwards; the window
// is shown while m.shown is true. The game sees none of the controls: it gives a Precedente
// at creation and the choices of an earlier game to pre-fill, and takes a Consegna after O.K.
#pragma once

#include "settings/impostazionimodel.h"
#include "settings/impostazionipartita.h"
#include "shell/finestre.h"

#include <array>

namespace lex {

// What the window learns from the game when it is created.
struct Precedente {
    bool partitaAccettata = false;      // a game was set up before: the stored file is left alone
    int personaggio1 = 0, personaggio2 = 0; // the characters of the last O.K., 0 before the first
};

// What O.K. hands to the game.
struct Consegna {
    ImpostazioniPartita scelte;
    std::array<QString, 2> battute;     // players 1 and 2: the balloon line each showed at O.K.
    bool sceltaCambiata = false;        // a word-choice box was clicked since the window became active
};

class Impostazioni {
public:
    // Runs the window's creation; the window stays hidden.
    explicit Impostazioni(Porte porte, Precedente precedente = {});

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
    void primaRipasso_Click();
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
    // The window was closed by O.K. (not by "&Uscita (esc)").
    bool confermata() const;
    // The hand-over of an O.K.; meaningful once confermata().
    Consegna consegna() const;
    // An earlier game's choices into the controls, as a click on each would leave them; the
    // wanted word count waits until the window becomes active.
    void precompila(const ImpostazioniPartita& r, int quante);
    // The character a player's place holds (1..6).
    int personaggioDi(int giocatore) const;
    // The word count read from the file or given by precompila, 0 if none; the list row is
    // chosen from it when the window becomes active.
    int quanteVolute() const { return quanteVolute_; }
    // Selects the list row for the wanted word count.
    void selezionaRigaQuverbi();

private:
    void cambiaPersonaggio(int giocatore);
    void almenoUnaClasse();
    bool dueGiocatori() const { return m.Giocatori[2].selected; }

    Porte porte_;
    bool partitaAccettata_;
    // The window's own facts, kept here rather than in the marks the form once left in its tags.
    bool confermata_ = false;          // closed by O.K.
    bool sceltaCambiata_ = false;      // a word-choice box clicked since the window became active
    std::array<int, 3> personaggi_{};  // 1, 2: the character each place shows
    int quanteVolute_ = 0;
};

// The word count of a list row: 10, 20, ... 50 from row 0.
int quantePerRiga(int riga);

// The list row (0 = "10 vocaboli") for a wanted word count given as text; rows follow
// count / 10 - 1 with halves going to the even row, and row 1 stands when the count reads as 0.
int rigaPerQuante(const QString& quante);

} // namespace lex
