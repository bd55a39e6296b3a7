#include "testo/lemmatizzatore.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace lex::testo {

namespace {

bool lettera(QChar c)
{
    return c.isLetter() || c.category() == QChar::Mark_NonSpacing;
}

bool numeroRomano(QStringView s)
{
    // A lone I, C, D or M may be a word or an initial (i "go", C. Gaius); V, X and L are numbers.
    if (s.size() == 1)
        return s[0] == u'V' || s[0] == u'X' || s[0] == u'L';
    return std::all_of(s.begin(), s.end(), [](QChar c) {
        return c == u'I' || c == u'V' || c == u'X' || c == u'L' || c == u'C' || c == u'D' || c == u'M';
    });
}

// Morphology numbers of participles and gerundives: a form that is also a noun or an
// adjective is that far more often than a participle.
bool participio(std::uint16_t morfo)
{
    return (morfo >= 189 && morfo <= 260) || (morfo >= 303 && morfo <= 374);
}

// Ablative readings: nouns 6 and 12, adjectives and pronouns every sixth from 18.
bool ablativo(std::uint16_t morfo)
{
    if (morfo == 6 || morfo == 12)
        return true;
    if (morfo >= 13 && morfo <= 120)
        return (morfo - 13) % 6 == 5;
    if (participio(morfo))
        return ((morfo < 303 ? morfo - 189 : morfo - 303) % 12) % 6 == 5;
    return false;
}

struct Enclitica {
    const char* coda;
    std::size_t lunghezza;
};
constexpr Enclitica kEnclitiche[] = {{"que", 3}, {"ne", 2}, {"ue", 2}};

// Candidates by weight, heaviest first; equal weights keep the lexicon's order.
void ordina(Parola& p)
{
    std::vector<std::size_t> ordine(p.candidati.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    std::stable_sort(ordine.begin(), ordine.end(), [&](std::size_t x, std::size_t y) { return p.pesi[x] > p.pesi[y]; });
    std::vector<std::uint32_t> c;
    std::vector<double> w;
    for (std::size_t k : ordine) {
        c.push_back(p.candidati[k]);
        w.push_back(p.pesi[k]);
    }
    p.candidati = std::move(c);
    p.pesi = std::move(w);
}

} // namespace

void perOgniPezzo(QStringView testo, const std::function<void(QStringView)>& f)
{
    qsizetype inizio = -1;
    for (qsizetype i = 0; i <= testo.size(); ++i) {
        const bool spazio = i == testo.size() || testo[i].isSpace();
        if (spazio && inizio >= 0) {
            f(testo.sliced(inizio, i - inizio));
            inizio = -1;
        } else if (!spazio && inizio < 0) {
            inizio = i;
        }
    }
}

std::vector<QStringView> pezzi(QStringView testo)
{
    std::vector<QStringView> out;
    perOgniPezzo(testo, [&out](QStringView p) { out.push_back(p); });
    return out;
}

Parola Lemmatizzatore::parola(QStringView scritta) const
{
    Parola p;
    p.scritta = scritta.toString();
    // Punctuation and quotes around the word; a hyphen or an apostrophe inside it is dropped.
    qsizetype inizio = 0;
    qsizetype fine = scritta.size();
    while (inizio < fine && !lettera(scritta[inizio]))
        ++inizio;
    while (fine > inizio && !lettera(scritta[fine - 1]))
        --fine;
    QString nucleo;
    for (QChar c : scritta.sliced(inizio, fine - inizio))
        if (c != u'-' && c != u'\'' && c != u'’' && c != u'·')
            nucleo += c;
    if (nucleo.isEmpty()) {
        const bool cifre = std::any_of(scritta.begin(), scritta.end(), [](QChar c) { return c.isDigit(); });
        p.tipo = cifre ? Parola::Tipo::Numero : Parola::Tipo::Segni;
        return p;
    }
    if (numeroRomano(nucleo)) {
        p.tipo = Parola::Tipo::Numero;
        return p;
    }
    p.forma = normalizza(nucleo);
    if (p.forma.empty()) {
        p.tipo = std::any_of(nucleo.begin(), nucleo.end(), [](QChar c) { return c.isDigit(); }) ? Parola::Tipo::Numero
                                                                                              : Parola::Tipo::Sconosciuta;
        return p;
    }
    p.letture = lessico_.analizza(p.forma);
    // With its enclitic taken off when the whole is no word; and when the whole is only a
    // pronoun's form (quique, quamque), both readings compete: the corpus reads qui + que.
    const bool soloPronomi = std::all_of(p.letture.begin(), p.letture.end(), [this](const Analisi& x) {
        return lessico_.lemma(x.lemma).parte == Parte::Pronome;
    });
    if (soloPronomi) {
        for (const Enclitica& e : kEnclitiche) {
            if (p.forma.size() <= e.lunghezza + 1 || !p.forma.ends_with(e.coda))
                continue;
            const std::string ospite = p.forma.substr(0, p.forma.size() - e.lunghezza);
            std::vector<Analisi> l = lessico_.analizza(ospite);
            if (l.empty())
                continue;
            if (p.letture.empty()) {
                p.forma = ospite;
                p.enclitica = true;
            } else {
                for (Analisi& x : l)
                    x.conEnclitica = true;
            }
            p.letture.insert(p.letture.end(), l.begin(), l.end());
            break;
        }
    }
    if (p.letture.empty())
        return p;
    p.tipo = Parola::Tipo::Latina;
    // "factus" is the participle of facio, not of fio.
    if (const auto fio = lessico_.cerca("fio"), facio = lessico_.cerca("facio"); fio && facio)
        for (Analisi& x : p.letture)
            if (x.lemma == *fio && x.morfo >= 303 && x.morfo <= 338)
                x.lemma = *facio;

    const bool maiuscola = nucleo.front().isUpper();
    for (const Analisi& an : p.letture) {
        const Lemma& l = lessico_.lemma(an.lemma);
        double peso = frequenze_.conteggio(l) + 0.001 * std::min(l.conteggio, 1000);
        if (participio(an.morfo))
            peso *= 0.2;
        if (an.conEnclitica)
            peso *= 0.5;
        if (l.proprio)
            peso *= maiuscola ? 3 : 0.05;
        const auto c = std::find(p.candidati.begin(), p.candidati.end(), an.lemma);
        if (c == p.candidati.end()) {
            p.candidati.push_back(an.lemma);
            p.pesi.push_back(peso);
        } else {
            double& w = p.pesi[std::size_t(c - p.candidati.begin())];
            w = std::max(w, peso);
        }
    }
    ordina(p);
    return p;
}

void Lemmatizzatore::contesto(Parola& p, const Parola* dopo) const
{
    // "cum" before an ablative is the preposition, else the conjunction.
    if (p.candidati.size() >= 2 && p.forma == "cum" && dopo != nullptr) {
        const bool abl = std::any_of(dopo->letture.begin(), dopo->letture.end(), [](const Analisi& a) { return ablativo(a.morfo); });
        for (std::size_t k = 0; k < p.candidati.size(); ++k)
            if (lessico_.lemma(p.candidati[k]).nota.contains(QStringLiteral("abl")))
                p.pesi[k] *= abl ? 4.0 : 0.25;
        ordina(p);
    }
}

void Lemmatizzatore::scorri(QStringView testo, const std::function<void(Parola&)>& f) const
{
    // One word ahead is all the context needs: a text of any length takes little memory.
    std::optional<Parola> corrente;
    perOgniPezzo(testo, [&](QStringView pezzo) {
        Parola nuova = parola(pezzo);
        if (corrente) {
            contesto(*corrente, &nuova);
            f(*corrente);
        }
        corrente = std::move(nuova);
    });
    if (corrente) {
        contesto(*corrente, nullptr);
        f(*corrente);
    }
}

std::vector<Parola> Lemmatizzatore::lemmatizza(QStringView testo) const
{
    std::vector<Parola> out;
    scorri(testo, [&out](Parola& p) { out.push_back(std::move(p)); });
    return out;
}

} // namespace lex::testo
