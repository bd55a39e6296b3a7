// The game variables of the main window: the one record that outlives a single event.
#pragma once

#include "settings/impostazionipartita.h"

#include <QList>
#include <QString>
#include <array>

namespace lex {

struct StatoGioco {
    // Board and current word
    int numcaselle = 0;
    int evidenziata = 0;
    int casellaesatta = 0;
    int turnoaperto = 0;
    int finita = 0;          // flag: true written as -1
    int fotogramma = 0;

    // Players (index 0 unused)
    int numgiocatori = 0;
    std::array<QString, 3> nome;
    std::array<double, 3> punteggio{};
    std::array<int, 3> bloccato{};
    int penalita = 0;        // whole run, never reset by a new game

    // Progress and clock
    double totalevocaboli = 0;
    int vocabolifatti = 0;
    float orainizio = 0;     // fraction of a day
    float tempoescluso = 0;  // fraction of a day
    int altezzabarra = 0;    // twips
    double passo = 0;        // twips

    // Options and vocabulary
    int conmusica = 0;
    int consuoni = 0;
    bool impostata = false;          // a game was set up (its settings window confirmed) since start-up
    ImpostazioniPartita scelte;      // the choices of the last O.K., shown again at the next set-up
    std::array<int, 3> personaggio{}; // players 1, 2: the characters of the last O.K. (0 none yet)
    QString filevoc;
    QString filecaricato;
    QList<int> daChiedere; // the scheduled review's words, positions in the lists, asked first

    // Texts (index 0 unused)
    std::array<QString, 5> istruzioni;
};

} // namespace lex
