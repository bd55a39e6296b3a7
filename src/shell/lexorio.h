// The main window's rules: start-up, the menus, the timer tick, the keys and clicks, and every
// procedure of a game. They keep the game (Partita), the vocabulary and the four media channels,
// and tell the presenter what changed; the view mirrors the presenter's model after each event.
#pragma once

#include "play/partita.h"
#include "progressi/programma.h"
#include "shell/finestre.h"
#include "shell/osservatore.h"
#include "shell/presentatore.h"
#include "sound/sonoro.h"
#include "vocab/vocabolario.h"

#include <memory>

namespace lex {

class Impostazioni;
struct Consegna;

class Lexorio {
public:
    Lexorio(Porte porte, Canali canali);
    ~Lexorio();
    Lexorio(const Lexorio&) = delete;
    Lexorio& operator=(const Lexorio&) = delete;

    // Events, one at a time from the window's event loop.
    void avvio();                       // start-up, once
    void Timer1_Timer();                // a tick of Timer1
    void tasto(int codice);             // a key press, by character code
    void clickParola();
    void clickArapacis() { tasto(13); }
    void clickFumetto() { tasto(13); }
    void clickLabel1() { tasto(27); }
    void menuImposta() { impostapartita(); }
    void menuEsci() { esci(); }
    void menuInfo();
    void menuRipasso();                 // "&Ripasso errori": the review of missed words
    void menuProgressi() { porte_.finestre.mostraProgressi(); } // "Pro&gressi": the learning record
    void menuTesto();                   // "Vocaboli da un &testo…": a personal list from a Latin text
    void chiusura();                    // the window's own close control
    void fineVittoria(int esito);       // end-of-play report of the victory or music channel

    // Who keeps a record of the answers (the review of missed words, the learning record); none by default.
    void osserva(OsservatorePartita* osservatore) { osservatore_ = osservatore; }
    // The scheduled review, when one is wired: its box in the settings window, its words first.
    void programma(ProgrammaParole* programma) { programma_ = programma; }

    // What the views and the tests may see.
    const LexorioModel& modello() const { return pres_.modello(); }
    const Partita& partita() const { return p_; }
    const Vocabolario& vocabolario() const { return vocabolario_; }
    const ListeParole& liste() const { return liste_; }
    const Canali& canali() const { return sonoro_.canali(); }

    // Procedures with effects of their own, run by the events above and by tests.
    void aprivocaboli(const QString& fv); // load a list; may stop the program
    void aggiornamusica();                // the background music in line with its switch

    // The settings window: created hidden whenever referred to while it does not exist.
    Impostazioni& impostazioni();
    bool impostazioniEsiste() const { return imp_ != nullptr; }
    void distruggiImpostazioni();

private:
    void esci();                        // quit confirmation
    // A message box of the main window, shown over the board as the rules left it.
    Risposta messaggio(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti);
    void impostapartita();
    bool impostazioneAccettata();       // one pass of the settings window; false when cancelled
    void iniziaPartita();               // a set-up with enough words: the board and the first word
    void componiistruzioni();
    void preparatabellone();
    void selezionaparole();
    void preparaparola();
    void prossimaparola();
    void rispostaesatta(int p);
    void finepartita();
    void animazionefinale();
    void suona(Effetto effetto);
    void tickIdle();
    void tickGioco();
    void giudica(int p);                // a player's answer key, against the box lit now
    void precompilaImpostazioni();      // the previous game's choices into the settings window
    void consegna(const Consegna& c);   // what an O.K. hands over, whatever the set-up then finds
    void timer(int periodo, bool attivo);

    Porte porte_;
    Sonoro sonoro_;
    Partita p_;
    Presentatore pres_;
    Vocabolario vocabolario_;
    ListeParole liste_;
    OsservatorePartita* osservatore_ = nullptr;
    ProgrammaParole* programma_ = nullptr;
    bool inTick_ = false;               // a tick never runs inside a tick
    bool inImpostapartita_ = false;     // never a second settings window
    bool impostapartitaInAttesa_ = false; // asked for inside a tick: runs once the tick has returned
    int partite_ = 0;                   // games set up so far: tells a word that a new game began under it
    std::unique_ptr<Impostazioni> imp_;
};

} // namespace lex
