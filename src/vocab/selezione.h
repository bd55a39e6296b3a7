// Choosing the words of one game from the loaded vocabulary: by frequency band, by
// grammatical class and, optionally, leaving out Latin words that start like their Italian.
#pragma once

#include "vocab/vocabolario.h"

#include <array>
#include <optional>

namespace lex {

// The decimal number a numeric field starts with (blanks ignored anywhere, 0 when it starts
// with no number), rounded to a whole number with halves to even. Empty when it is too large
// to be any class at all.
std::optional<int> leggiClasse(const QString& campo);

// The same leading number, unrounded: "20 vocaboli" is 20.
double valoreIniziale(const QString& campo);

// A new game needs more than 6 selected words; below 12 it starts only after the
// message "Solo N vocaboli selezionati!".
inline constexpr int kParoleMinime = 7;
inline constexpr int kParoleSenzaAvviso = 12;

struct SceltaParole {
    std::array<bool, 5> frequenze{}; // 0 personal list, 1..4 frequency bands
    std::array<bool, 5> classi{};    // 1..4 grammatical classes; 0 never chosen
    bool escludiSimili = false;
};

// Rows 1..ultimovoc in file order (row 0 is never played). Rows whose numbers fall outside
// the check boxes are skipped. errati stays empty.
ListeParole selezionaVoci(const Vocabolario& v, const SceltaParole& scelta);

} // namespace lex
