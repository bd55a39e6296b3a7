// The game as the rules keep it: what the board is doing, the two players, the word and its
// boxes, the clock and the choices of the last set-up. Only the rules (Lexorio) change it; the
// presenter maps it onto the window's model, and nothing is ever read back from there.
#pragma once

#include "settings/impostazionipartita.h"

#include <QList>
#include <QString>
#include <array>

namespace lex {

// What the board is doing, which decides what a tick does.
enum class Fase {
    Inizio,   // the start screen: ticks every second show random photos and the start prompt
    Gioco,    // a game's ticks: the clock, the figures and the highlight (also after a cancelled set-up)
    Chiusura, // the game is over: ticks run the closing animation, then show the restart prompt
};

// The prompt the word label shows, if any: while one shows, a key sets up a new game and the
// highlight stands still.
enum class Invito { Nessuno, Iniziare, Ripartire };

// One side of the board. Player 1 stands on the right (key 0, or Enter alone), player 2 on the left.
struct Giocatore {
    int personaggio = 0;  // 1..6, the character of the last O.K.; 0 before the first
    int punti = 0;        // right answers in a two-player game
    bool bloccato = false; // two players: erred on this word; at the end: lost
    int posa = 0;         // the figure's picture: 0..4 walking, 5 fallen, 6 erring
};

inline constexpr int kCaselle = 12;
inline constexpr int kPeriodoRiposo = 1000; // ms, the start screen's tick
inline constexpr int kPeriodoChiusura = 50; // ms, the closing animation's tick

struct Partita {
    Fase fase = Fase::Inizio;
    Invito invito = Invito::Nessuno;
    bool turnoAperto = false;    // the word on the board takes answers
    bool impostata = false;      // a game was set up (its settings confirmed) since start-up
    int passiChiusura = 0;       // closing ticks left before the restart prompt

    // The timer: its period and whether it runs.
    int periodo = kPeriodoRiposo;
    bool timerAttivo = false;

    // Players: [0] is player 1 (right), [1] player 2 (left).
    int numGiocatori = 0;
    std::array<Giocatore, 2> giocatori;
    Giocatore& giocatore(int p) { return giocatori[static_cast<std::size_t>(p - 1)]; }
    const Giocatore& giocatore(int p) const { return giocatori[static_cast<std::size_t>(p - 1)]; }
    int penalita = 0; // one-player wrong keys of the whole run, never reset by a new game

    // The word and its boxes.
    QString parola;
    std::array<QString, kCaselle> caselle; // the candidate texts
    std::array<bool, kCaselle> nascoste{}; // hidden by a wrong answer (or by a right one, but the lit box)
    int casellaEsatta = 0;
    int evidenziata = 0;         // the box lit now; it stays where it was between words
    int fotogramma = 0;          // the walking figures' frame, 0..4

    // Progress and clock.
    int totaleVocaboli = 0;
    int vocaboliFatti = 0;
    float oraInizio = 0;         // fraction of a day
    float tempoEscluso = 0;      // fraction of a day: the time spent preparing words
    double passo = 0;            // twips a bar rises per right answer

    // Choices and vocabulary.
    bool conMusica = false;
    bool conSuoni = false;
    ImpostazioniPartita scelte;  // the last O.K.'s, shown again at the next set-up
    QString fileVoc;             // the list the last set-up asked for
    QString fileCaricato;        // the list the vocabulary table holds
    QList<int> daChiedere;       // the scheduled review's words, rows of the selected lists, asked first

    // The instruction lines: [0] one player, [1] two players, [2] player 1 erred, [3] player 2 erred.
    std::array<QString, 4> istruzioni;
};

} // namespace lex
