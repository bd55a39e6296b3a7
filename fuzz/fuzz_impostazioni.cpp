// Any bytes as a settings file: the reader either stops with a failure number or leaves a
// record within its ranges, with a class and a frequency still chosen; and what it read,
// written and read again, is the same record.
#include "settings/impostazionipartita.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lex;

namespace {
bool unoAlmeno(const std::array<bool, 5>& f) { return std::any_of(f.begin() + 1, f.end(), [](bool b) { return b; }); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ImpostazioniPartita r;
    const auto e = leggiTestoImpostazioni(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), r,
                                          [](Maschera, int) {});
    if (e.errore != 0)
        return 0;
    const bool entro = r.confronta >= 0 && r.confronta <= 2 && r.musica >= 0 && r.musica <= 1 && r.suoni >= 0 &&
                       r.suoni <= 1 && r.giocatori >= 1 && r.giocatori <= 2 && r.giocatore1 >= 1 && r.giocatore1 <= 6 &&
                       r.giocatore2 >= 1 && r.giocatore2 <= 6 && r.velocita >= 1 && r.velocita <= 5 && r.quante >= 10 &&
                       r.quante <= 50 && unoAlmeno(r.classi) && unoAlmeno(r.frequenze);
    if (!entro)
        std::abort();

    // The greyed comparison box (2) is saved as ticked (1); everything else survives a save.
    ImpostazioniPartita atteso = r;
    atteso.confronta = r.confronta != 0 ? 1 : 0;
    ImpostazioniPartita riletto;
    bool rifiutato = false;
    const auto e2 = leggiTestoImpostazioni(testoImpostazioni(r), riletto, [&](Maschera, int) { rifiutato = true; });
    if (e2.errore != 0 || !e2.quanteLetta || rifiutato || !(riletto == atteso))
        std::abort();
    return 0;
}
