// The one writer of the main window's model: it maps the game (Partita) onto texts, colours,
// visibility, twips and pictures. The rules tell it what changed; it never tells them what the
// window shows, apart from two facts of the board's fixed layout (how far a bar can rise, how
// far a head falls).
#pragma once

#include "play/partita.h"
#include "shell/modello.h"
#include "shell/porte.h"

namespace lex {

// The largest whole-point size, 14 down to 6, at which a word fits a label this wide (twips).
double puntiParola(Misure& misure, const QString& testo, double larghezza);

class Presentatore {
public:
    explicit Presentatore(Misure& misure);

    const LexorioModel& modello() const { return m_; }

    // Start-up: the window centred on the screen, the board and the strip laid out.
    void centra();
    void caselleSpente();
    void disponiTabellone();
    void disponiStriscia(int giocatori);
    void nascondiCornice();
    void mostraArapacis();
    void mostraFinestra(bool si);

    void timer(const Partita& p);

    // The word label.
    void invito(Invito invito);
    void scritta(const QString& testo);           // a notice where the word goes, at the size it has
    void parola(const QString& testo);            // the word, at the largest size that fits
    void fotoInizio(int personaggio1, int personaggio2);

    // A confirmed settings window: each player's photo with its balloon line as hover hint.
    void fotoGiocatori(const Partita& p, const std::array<QString, 2>& battute);
    void conteggioSelezione(int n); // the words a selection found
    // A confirmed set-up: balloons and poses away, the board shown, the timer as the game says.
    void nuovaPartita(const Partita& p);
    // The players' columns back at the bottom of their frames, the pieces of the players in play.
    void colonne(const Partita& p);
    double spazioSalita() const; // twips a bar can rise in its frame
    void avvioPartita(const Partita& p); // the strip and the boxes' hints for the players in play
    void teste(bool visibili);

    void caselle(const Partita& p);   // texts and visibility
    void spegni(int casella);
    void accendi(int casella);
    void orologio(const QString& tempo);
    void figure(const Partita& p);
    void punti(const Partita& p);
    void istruzione(const QString& testo, Colore colore);
    void svuotaIstruzione();          // its colour stays

    // A right answer: the panel in the player's colour, the bar and figure risen.
    void esatta(const Partita& p, int giocatore);
    void pannelloNormale();

    // The end: balloons with the lines, the loser's falling head; the closing steps.
    void finale(const Partita& p);
    int passiCaduta(int perdente) const; // closing ticks until that player's head has landed
    void passoChiusura(int perdente);

private:
    Misure& misure_;
    LexorioModel m_;
};

} // namespace lex
