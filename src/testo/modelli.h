// Collatinus's inflection models (modeles.la), read into flat tables: for each model its part of
// speech, how each numbered stem is made from the headword, and every ending with its stem
// number and morphology number, inheritance from the parent model already applied.
#pragma once

#include "testo/lessico.h"

#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace lex::testo {

struct RegolaRadice {
    enum Tipo : char { Taglia, Intera, SoloDaLemma } tipo = Taglia;
    int taglia = 0;       // letters taken off the headword
    std::string aggiunta; // then added
};

struct Desinenza {
    std::uint16_t morfo = 0;
    std::uint16_t radice = 0;
    std::string uscita; // normalised; empty for a bare stem
    bool ereditata = false;
};

struct Modello {
    std::string nome;
    char parte = 'i';
    std::map<int, RegolaRadice> radici;
    std::vector<Desinenza> desinenze;
    std::vector<std::string> suffissiFissi; // "cumque", "dam": always follow the form
    bool suffissiEreditati = false;
};

struct Lessico::Modelli {
    std::vector<Modello> elenco;
    std::map<std::string, std::uint16_t> perNome;
};

// Parses the text of modeles.la. Unknown keys and malformed lines are skipped.
void leggiModelli(const QStringList& righe, Lessico::Modelli& out);

// "1-12,17,20-22" as numbers; bad pieces are left out.
std::vector<int> intervalli(QStringView testo);

} // namespace lex::testo
