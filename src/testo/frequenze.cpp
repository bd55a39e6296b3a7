#include "testo/frequenze.h"

#include "vocab/righe.h"

#include <QFile>

namespace lex::testo {

namespace {

char parteDaUpos(QByteArrayView upos)
{
    if (upos == "NOUN")
        return 'n';
    if (upos == "ADJ")
        return 'a';
    if (upos == "VERB" || upos == "AUX")
        return 'v';
    if (upos == "DET" || upos == "PRON")
        return 'p';
    if (upos == "NUM")
        return 'm';
    if (upos == "PROPN")
        return 'N';
    return 'i';
}

// Which of the corpus's parts of speech a model's part covers.
bool compatibile(const Lemma& l, char parte)
{
    if (l.proprio)
        return parte == 'N' || parte == 'a';
    switch (l.parte) {
    case Parte::Nome: return parte == 'n';
    case Parte::Aggettivo: return parte == 'a' || parte == 'p' || parte == 'm';
    case Parte::Numerale: return parte == 'm' || parte == 'a';
    case Parte::Pronome: return parte == 'p' || parte == 'a';
    case Parte::Verbo: return parte == 'v';
    case Parte::Invariabile: return parte == 'i';
    }
    return false;
}

// Headwords that the corpus spells otherwise (consonantal u and i as j already folded).
struct Grafia {
    const char* lessico;
    const char* corpus;
};
constexpr Grafia kGrafie[] = {
    {"intellego", "intelligo"}, {"coepi", "coepio"}, {"quattuor", "quatuor"}, {"tempto", "tento"},
    {"adulescens", "adolescens"}, {"adulescentia", "adolescentia"}, {"epistula", "epistola"},
    {"neglego", "negligo"}, {"oporteo", "oportet"}, {"neue", "neu"},
    // Variant headwords, and pronouns written together with "cum", which the corpus splits.
    {"se", "sui"}, {"a", "ab"}, {"e", "ex"}, {"sponte", "spons"},
    {"secum", "sui"}, {"mecum", "ego"}, {"tecum", "tu"}, {"nobiscum", "nos"}, {"uobiscum", "uos"},
    {"quibuscum", "qui"}, {"quocum", "qui"}, {"quacum", "qui"},
    // Superlatives and comparatives with a headword of their own, counted under the positive.
    {"summus", "superus"}, {"supremus", "superus"}, {"superior", "superus"}, {"proximus", "propior"},
    {"extremus", "exter"}, {"exterior", "exter"}, {"infimus", "inferus"}, {"imus", "inferus"},
    {"inferior", "inferus"}, {"postremus", "posterus"}, {"posterior", "posterus"}, {"ultimus", "ulterior"},
    {"maxime", "magis"}, {"minime", "parum"}, {"plurimum", "multum"},
};

} // namespace

std::string senzaNumero(const std::string& chiave)
{
    std::string s = chiave;
    while (!s.empty() && s.back() >= '0' && s.back() <= '9')
        s.pop_back();
    return s;
}

void Frequenze::leggi(QByteArrayView tsv)
{
    perOgniRiga(tsv, [this](QByteArrayView riga, int) {
        if (riga.isEmpty() || riga.front() == '#')
            return true;
        const qsizetype t1 = riga.indexOf('\t');
        const qsizetype t2 = t1 < 0 ? -1 : riga.sliced(t1 + 1).indexOf('\t');
        if (t1 <= 0 || t2 < 0)
            return true;
        bool ok = false;
        const int n = riga.sliced(t1 + 2 + t2).toInt(&ok);
        if (!ok || n < 0)
            return true;
        righe_[riga.first(t1).toByteArray().toStdString()].push_back({parteDaUpos(riga.sliced(t1 + 1, t2)), n});
        return true;
    });
}

bool Frequenze::caricaIncorporate()
{
    QFile f(QStringLiteral(":/testo/frequenze.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    leggi(f.readAll());
    return !righe_.empty();
}

std::string Frequenze::nelCorpus(const Lemma& l) const
{
    const std::string chiave = senzaNumero(l.chiave);
    for (const Grafia& g : kGrafie)
        if (chiave == g.lessico)
            return g.corpus;
    return chiave;
}

double Frequenze::conteggio(const Lemma& l) const
{
    const auto r = righe_.find(nelCorpus(l));
    if (r == righe_.end())
        return 0;
    double giusti = 0;
    double altri = 0;
    for (const Riga& x : r->second)
        (compatibile(l, x.parte) ? giusti : altri) += x.conteggio;
    return giusti > 0 ? giusti : 0.2 * altri;
}

} // namespace lex::testo
