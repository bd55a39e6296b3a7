// The settings of a game and their file "lexorio.ini": ten fixed 10-character keys,
// each value read from the end of its line.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

namespace lex {

inline constexpr const char* kFileImpostazioni = "lexorio.ini";

struct ImpostazioniPartita {
    int confronta = 1;  // 0, 1, or 2 (the greyed box, counts as 1)
    int musica = 0;
    int suoni = 1;
    int giocatori = 1;
    int giocatore1 = 1; // Cicero
    int giocatore2 = 2; // Caesar
    int velocita = 3;
    int quante = 20;
    std::array<bool, 5> classi{false, true, true, true, true};    // 1..4
    std::array<bool, 5> frequenze{false, true, true, true, true}; // 1..4
    bool personale = false; // never stored

    friend bool operator==(const ImpostazioniPartita&, const ImpostazioniPartita&) = default;
};

// Which flag family a refused clearing belonged to.
enum class Maschera { Classi, Frequenze };

struct EsitoLettura {
    int errore = 0;           // 0, or the stable number of the failure that stopped reading
    bool quanteLetta = false; // a "Quante:   " line was applied
};

// Applies the lines of a settings file to r, in file order. A mask only clears flags, and the
// clearing of the last set flag of a family is refused (rifiuto is told, the flag stays set).
// Stops at the first failing line and reports its number.
EsitoLettura leggiTestoImpostazioni(const QByteArray& testo, ImpostazioniPartita& r,
                                    const std::function<void(Maschera, int)>& rifiuto);

// The text without a last line that was cut off inside its key or value (every file the game
// writes ends with CR LF). A whole last line without its line end, as an editor may leave it,
// stays.
QByteArrayView righeIntere(QByteArrayView testo);

// The whole file as written: eleven lines and an empty one, each ended by CR LF.
QByteArray testoImpostazioni(const ImpostazioniPartita& r);

// The leading number of a text: leading blanks skipped, digits up to the first other character, else 0;
// a number too large for an int gives INT_MAX.
int numeroIniziale(QByteArrayView testo);

// Clears flag i of a family unless it is the last one set; false when refused.
bool cancellaFlag(std::array<bool, 5>& flag, int i);

} // namespace lex
