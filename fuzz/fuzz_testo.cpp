// Any bytes as a text for lexorio-testo: the reader refuses or decodes them, the lemmatiser
// gives one word per white-space piece, every candidate is a lemma of the lexicon, and the list
// made from them loads in the game's loader without a faulty line.
#include "testo/elencotesto.h"
#include "vocab/caricamento.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lex;
using namespace lex::testo;

namespace {
void verifica(bool condizione)
{
    if (!condizione)
        std::abort();
}

struct Dati {
    Lessico lessico;
    Frequenze frequenze;
    Casa casa;
    bool pronti = false;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Dati d = [] {
        Dati x;
        x.pronti = x.lessico.carica(Lessico::cartellaPredefinita()) && x.frequenze.caricaIncorporate();
        x.casa.caricaIncorporata();
        return x;
    }();
    verifica(d.pronti); // without collatinus installed this target has nothing to test
    const QByteArrayView dati(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TestoLetto t = leggiTesto(dati);
    verifica(t.errore.isEmpty() || t.testo.isEmpty());
    const std::vector<Parola> parole = Lemmatizzatore(d.lessico, d.frequenze).lemmatizza(t.testo);
    verifica(parole.size() == pezzi(t.testo).size());
    for (const Parola& p : parole) {
        verifica(p.candidati.size() == p.pesi.size());
        for (std::uint32_t c : p.candidati)
            verifica(c < d.lessico.numeroLemmi());
        verifica(p.candidati.empty() || p.tipo == Parola::Tipo::Latina);
    }
    const ElencoTesto e = elencoDaTesto(parole, d.lessico, d.casa, nullptr);
    Vocabolario v;
    const EsitoCaricamento esito = caricaVocaboli(testoElenco(e, QString::fromUtf8(t.testo.left(40).toUtf8())), v);
    verifica(esito.rapporto.isEmpty());
    verifica(esito.caricati == std::min<int>(1 + int(e.voci.size()), kRigheVocabolario));
    return 0;
}
