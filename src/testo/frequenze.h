// How often each lemma occurs in the LASLA corpus of classical Latin: what the lemmatiser
// chooses among a form's readings by. The table (assets/testo/frequenze.tsv, compiled in) is
// derived from the LASLA counts, CC BY-NC-SA 4.0 (see that file's header).
#pragma once

#include "testo/lessico.h"

#include <QByteArray>

#include <string>
#include <unordered_map>
#include <vector>

namespace lex::testo {

class Frequenze {
public:
    // Lines "lemma<TAB>UPOS<TAB>count"; "#" lines are comments. Bad lines are skipped.
    void leggi(QByteArrayView tsv);
    bool caricaIncorporate(); // the compiled-in table

    // Occurrences of the lemma with a part of speech that fits its model; a reading under
    // another part of speech (the corpus counts some adverbs under their adjective) counts less.
    double conteggio(const Lemma& l) const;
    // The corpus's own lemma for a headword, when the corpus spells it otherwise.
    std::string nelCorpus(const Lemma& l) const;
    bool vuote() const { return righe_.empty(); }

private:
    struct Riga {
        char parte; // 'n' 'a' 'p' 'm' 'v' 'i', 'N' for proper names
        int conteggio;
    };
    std::unordered_map<std::string, std::vector<Riga>> righe_;
};

// The headword key without its homograph number ("cum2" -> "cum").
std::string senzaNumero(const std::string& chiave);

} // namespace lex::testo
