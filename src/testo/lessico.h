// A Latin morphological lexicon read from Collatinus's data files (Debian package "collatinus",
// /usr/share/collatinus/data): lemmas with their inflection models, and irregular forms. It
// answers which lemmas a written form may belong to. Forms are analysed rather than generated:
// a form is split into every stem + ending, and a split counts when the stem belongs to a
// lemma whose model has that ending on that stem. That keeps the index to a few megabytes.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lex::testo {

// Latin letters as the index keeps them: lower case, no quantity marks, j as i, v as u,
// ae/oe ligatures opened. Anything that is not a Latin letter makes the result empty.
std::string normalizza(QStringView parola);

// What the models say a lemma is.
enum class Parte : char {
    Nome = 'n',
    Aggettivo = 'a',
    Numerale = 'm',
    Pronome = 'p',
    Verbo = 'v',
    Invariabile = 'i', // adverbs, prepositions, conjunctions, interjections: see `nota`
};

struct Lemma {
    std::string chiave;  // headword as the index keeps it, homograph number kept ("cum2")
    QString forma;       // headword without quantity marks, first spelling ("ab" for a/ab/abs)
    QString nota;        // Collatinus's note: genitive and gender, principal parts, "prép. + abl." …
    int conteggio = 0;   // Collatinus's corpus count (unreliable; a fallback only)
    std::uint16_t modello = 0;
    Parte parte = Parte::Invariabile;
    bool proprio = false; // a proper name or an ethnic adjective (capitalised in the data)
};

// One reading of a form: the lemma and the morphology number (Collatinus's numbering: 1-12 the
// cases of a noun, 13-48 positive adjective, 121- verbs …; 0 for invariables and irregulars).
struct Analisi {
    std::uint32_t lemma = 0;
    std::uint16_t morfo = 0;
    bool conEnclitica = false; // read with -que, -ne or -ve taken off
    bool operator==(const Analisi&) const = default;
};

class Lessico {
public:
    // Reads modeles.la, lemmes.la and irregs.la from the folder; false with a message when
    // they are missing or unreadable.
    bool carica(const QString& cartella, QString* errore = nullptr);
    static QString cartellaPredefinita(); // /usr/share/collatinus/data

    // Every reading of a normalised form, enclitics not removed. Duplicates removed.
    std::vector<Analisi> analizza(std::string_view forma) const;

    // The lemma with this key (homograph number included: "cum2").
    std::optional<std::uint32_t> cerca(const std::string& chiave) const;
    const Lemma& lemma(std::uint32_t i) const { return lemmi_[i]; }
    std::size_t numeroLemmi() const { return lemmi_.size(); }
    std::size_t numeroModelli() const;

    struct Modelli; // the inflection models (testo/modelli.h)

private:
    struct Voce {
        std::uint32_t lemma;
        std::uint16_t radice;
    };
    struct Uscita {
        std::uint16_t modello;
        std::uint16_t radice;
        std::uint16_t morfo;
    };
    void aggiungiLemma(const QString& riga);
    void analizzaCon(std::string_view forma, std::vector<Analisi>& out) const;

    std::shared_ptr<const Modelli> modelli_;
    std::vector<Lemma> lemmi_;
    std::unordered_map<std::string, std::vector<Voce>> radici_;
    std::unordered_map<std::string, std::vector<Uscita>> uscite_;
    std::unordered_map<std::string, std::vector<Analisi>> irregolari_;
    std::unordered_map<std::string, std::uint32_t> perChiave_;
    std::vector<std::pair<std::string, std::string>> contrazioni_; // "arunt" -> "auerunt"
    std::vector<std::pair<std::string, std::string>> assimilazioni_; // "adc" <-> "acc"
    std::size_t maxUscita_ = 0;
};

} // namespace lex::testo
