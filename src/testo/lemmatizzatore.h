// From a Latin text to lemmas: each word separated by white space, cleaned of punctuation,
// numbers and stray characters, analysed with its enclitic (-que, -ne, -ve) taken off where the
// whole form is no word, and its readings ranked by corpus frequency and a little context.
#pragma once

#include "testo/frequenze.h"
#include "testo/lessico.h"

#include <QString>

#include <functional>

#include <string>
#include <vector>

namespace lex::testo {

struct Parola {
    enum class Tipo {
        Latina,      // at least one reading
        Sconosciuta, // letters, but no reading
        Numero,      // digits (or Roman numerals alone)
        Segni,       // only punctuation or other signs
    };
    QString scritta;  // as written in the text
    std::string forma; // the letters that were analysed, normalised, enclitic taken off
    Tipo tipo = Tipo::Sconosciuta;
    std::vector<std::uint32_t> candidati; // lemmas, the chosen one first
    std::vector<double> pesi;             // the weight of each candidate
    std::vector<Analisi> letture;         // every reading, for the context
    bool enclitica = false;               // -que, -ne or -ve was taken off
};

class Lemmatizzatore {
public:
    Lemmatizzatore(const Lessico& lessico, const Frequenze& frequenze)
        : lessico_(lessico), frequenze_(frequenze) {}

    // The words of the text, one per white-space-separated piece, in order.
    std::vector<Parola> lemmatizza(QStringView testo) const;
    // The same, handed to f one at a time (f may move from it).
    void scorri(QStringView testo, const std::function<void(Parola&)>& f) const;
    // One piece alone, without context.
    Parola parola(QStringView scritta) const;

private:
    void contesto(Parola& p, const Parola* dopo) const;
    const Lessico& lessico_;
    const Frequenze& frequenze_;
};

// The white-space-separated pieces of a text (what "a word" means to the tool's output).
std::vector<QStringView> pezzi(QStringView testo);
void perOgniPezzo(QStringView testo, const std::function<void(QStringView)>& f);

} // namespace lex::testo
