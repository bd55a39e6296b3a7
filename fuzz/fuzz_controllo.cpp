// Any bytes as a teacher's list: the checker never fails, and what it counts agrees with
// what the game's own selection picks for the same choices.
#include "vocab/controllo.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>

using namespace lex;

namespace {
void verifica(bool condizione)
{
    if (!condizione)
        std::abort();
}

int somma(const std::map<int, int>& m)
{
    return std::accumulate(m.begin(), m.end(), 0, [](int s, const auto& kv) { return s + kv.second; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView dati(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static Vocabolario tabella; // handed from one input to the next: building 1801 rows is costly under ASan
    Resoconto r = controllaVocabolario(dati, [](const QString& t) { return t.size() <= 24; }, std::move(tabella));

    verifica(somma(r.perFrequenza) == r.giocabili && somma(r.perClasse) == r.giocabili);
    verifica(r.giocabili + r.fuoriIntervallo.size() == std::max(r.caricamento.caricati - 1, 0));
    // Its own counts per class against the game's selection for each class alone.
    if (!r.partite.isEmpty()) {
        verifica(r.partite.size() >= 5 && r.partite.front().vocaboli == r.giocabili);
        for (int c = 1; c <= 4; ++c) {
            const auto it = r.perClasse.find(c);
            verifica((it == r.perClasse.end() ? 0 : it->second) == r.partite[c].vocaboli);
        }
        // And per frequency, when the file has more than one.
        const qsizetype frequenze = r.perFrequenza.size() > 1 ? qsizetype(r.perFrequenza.size()) : 0;
        verifica(r.partite.size() == 5 + frequenze);
        qsizetype k = 5;
        for (const auto& [f, n] : r.perFrequenza)
            verifica(frequenze == 0 || r.partite[k++].vocaboli == n);
    }
    for (const SensoCondiviso& s : r.sensiCondivisi)
        verifica(1 <= s.prima && s.prima < s.seconda && s.seconda <= r.vocabolario.ultimovoc &&
                 !r.fuoriIntervallo.contains(int(s.prima)) && !r.fuoriIntervallo.contains(int(s.seconda)));
    for (const PartitaPossibile& p : r.partite)
        verifica(p.senzaSimili <= p.vocaboli && p.vocaboli <= r.giocabili);
    verifica(r.partite.isEmpty() == (r.caricamento.caricati == 0));
    // What it explains names playable rows and real lines, in order.
    for (int i : r.insidie.classeNonPulita)
        verifica(1 <= i && i <= r.vocabolario.ultimovoc && !r.fuoriIntervallo.contains(i));
    for (const QList<int>* righe : {&r.insidie.tabulate, &r.insidie.righeUtf8, &r.insidie.righeWindows})
        verifica(std::is_sorted(righe->begin(), righe->end()) && (righe->isEmpty() || righe->front() >= 1));

    const QString testo = testoResoconto(r, QStringLiteral("vocpers.txt"));
    verifica(testo.endsWith(QStringLiteral("\nElenco utilizzabile.\n")) == r.utilizzabile());
    tabella = std::move(r.vocabolario);
    return 0;
}
