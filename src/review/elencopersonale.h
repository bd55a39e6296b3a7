// The missed words as a personal word list "vocpers.txt", and what such a list still needs
// before the game's set-up plays it well.
#pragma once

#include "dati/filesistema.h"
#include "review/ripasso.h"
#include "shell/porte.h"
#include "vocab/selezione.h" // kParoleMinime, kParoleSenzaAvviso

#include <algorithm>
#include <functional>

namespace lex {

inline constexpr const char* kElencoPersonale = "vocpers.txt";

// "1 vocabolo", "12 vocaboli".
QString contaVocaboli(qsizetype n);

// Each word once, in the order given (the last game lists a word once per player who missed it).
QList<VoceRipasso> vocaboliUnici(const QList<VoceRipasso>& voci);

// The vocabulary format, Windows-1252 with CR LF: a few comment lines, a first record that is the
// list's title (the game never asks it), then "0;class;word;translation" for each word.
QByteArray testoElencoPersonale(const QList<VoceRipasso>& voci);

// A list the review wrote and nobody changed since: the only kind of copy a later save may replace.
bool scrittoDalRipasso(QByteArrayView testo);

// Where the list in vocpers.txt is kept before the review replaces it: vocpers.bak, vocpers-2.bak, ...
// the first that is free or holds a list the review wrote itself, so a teacher's list is never
// written over. Empty when all of them hold other lists.
struct CopiaElenco {
    QString nome;
    bool sostituisce = false; // an earlier review list is there
};
CopiaElenco copiaPerElenco(FileSistema& fs);
inline constexpr int kCopieElenco = 99;

// Writes testo as vocpers.txt, as every window that makes a list saves it. A list already there
// is first kept in the copy copiaPerElenco names. Before anything is written the user is asked
// domanda, then what sostituzione says of that copy, or, with nothing to replace, "Salvarli lo
// stesso?" when pochi (too few words to play); with none of these it saves without asking.
// Failures are told in a box titled titolo, and a refusal or a failure leaves vocpers.txt as it
// was. True once the list is written.
bool salvaComeElencoPersonale(MessaggiBox& box, FileSistema& fs, const QString& titolo, const QByteArray& testo,
                              QStringList domanda, bool pochi,
                              const std::function<QString(const CopiaElenco&)>& sostituzione);

// What the set-up would make of the saved list, counted with the game's own loader and selection:
// every class ticked and "Escludi simili" ticked, as the settings window starts.
struct BisognoElenco {
    int vocaboli = 0;        // words in the list
    int scelti = 0;          // words the set-up picks
    int simili = 0;          // left out while "Escludi simili" is ticked
    QList<int> classiSole;   // classes with one picked word: its other eleven boxes stay empty
    int mancanoPerGiocare() const { return std::max(0, kParoleMinime - scelti); }
    int mancanoSenzaAvviso() const { return std::max(0, kParoleSenzaAvviso - scelti); }
};
BisognoElenco bisognoElenco(const QList<VoceRipasso>& voci);

// The same in a few kind words for the review window; empty when the list plays as it is.
QString notaElenco(const BisognoElenco& b);

} // namespace lex
