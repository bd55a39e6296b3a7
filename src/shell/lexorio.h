// The main window's rules: start-up, the menus, the timer tick, the keys and clicks,
// and every procedure of a game. Owns the game state, the vocabulary, the model of
// the window and the four media channels; the view mirrors the model after each event.
#pragma once

#include "shell/finestre.h"
#include "shell/modello.h"
#include "shell/osservatore.h"
#include "shell/statogioco.h"
#include "sound/canali.h"
#include "vocab/vocabolario.h"

#include <memory>

namespace lex {

class Impostazioni;
struct Consegna;

class Lexorio {
public:
    Lexorio(Porte porte, Canali canali);
    ~Lexorio();

    LexorioModel m;
    StatoGioco s;
    Vocabolario vocabolario;
    ListeParole liste;
    Canali canali;
    Porte porte;
    OsservatorePartita* osservatore = nullptr; // the review of missed words and the learning record, when they listen

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
    void menuTesto();                   // "Vocaboli da un &testo…": a personal list from a Latin text
    void chiusura();                    // the window's own close control
    void fineVittoria(int esito);       // end-of-play report of the victory channel

    // Procedures
    void esci();                        // quit confirmation
    // A message box of the main window, shown over the board as the rules left it.
    Risposta messaggio(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti);
    void aprivocaboli(const QString& fv);
    void impostapartita();
    void componiistruzioni();
    void preparatabellone();
    void selezionaparole();
    void preparaparola();
    void prossimaparola();
    void rispostaesatta(int p);
    void mostrapunti();
    void finepartita();
    void animazionefinale();
    void suona(const QString& nome);
    void aggiornamusica();

    // The settings window: created hidden whenever referred to while it does not exist.
    Impostazioni& impostazioni();
    bool impostazioniEsiste() const { return imp_ != nullptr; }
    void distruggiImpostazioni();

private:
    void tickIdle();
    void tickGioco();
    void giudica(int p);                // a player's answer key, against the box lit now
    void precompilaImpostazioni();      // the previous game's choices into the settings window
    void consegnaPersonaggi(const Consegna& c);
    bool inTick_ = false;               // a tick never runs inside a tick
    bool inImpostapartita_ = false;     // never a second settings window
    bool impostapartitaInAttesa_ = false; // asked for inside a tick: runs once the tick has returned
    int partite_ = 0;                   // games set up so far: tells a word that a new game began under it
    std::unique_ptr<Impostazioni> imp_;
};

} // namespace lex
