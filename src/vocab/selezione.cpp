#include "vocab/selezione.h"

#include "shell/lexorio.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace lex {

namespace {

bool cifra(char c) { return c >= '0' && c <= '9'; }

bool scelta(const std::array<bool, 5>& caselle, std::optional<int> indice)
{
    return indice && *indice >= 0 && *indice < static_cast<int>(caselle.size()) && caselle[static_cast<std::size_t>(*indice)];
}

} // namespace

// The numeric prefix as the old BASIC Val reads it: sign, digits, point, exponent.
double valoreIniziale(const QString& campo)
{
    std::string t;
    for (QChar c : campo) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            continue;
        if (c.unicode() > 127)
            break;
        t.push_back(static_cast<char>(c.unicode()));
    }
    std::string num;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        num += t[i++];
    int cifre = 0;
    for (; i < t.size() && cifra(t[i]); ++i, ++cifre)
        num += t[i];
    if (i < t.size() && t[i] == '.') {
        num += t[i++];
        for (; i < t.size() && cifra(t[i]); ++i, ++cifre)
            num += t[i];
    }
    if (cifre == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::string esp = "e";
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            esp += t[j++];
        int cifreEsp = 0;
        for (; j < t.size() && cifra(t[j]); ++j, ++cifreEsp)
            esp += t[j];
        if (cifreEsp > 0)
            num += esp;
    }
    return std::strtod(num.c_str(), nullptr);
}

std::optional<int> leggiClasse(const QString& campo)
{
    const double v = std::nearbyint(valoreIniziale(campo)); // default rounding: halves to even
    if (!(std::fabs(v) < 1e9))
        return std::nullopt;
    return static_cast<int>(v);
}

ListeParole selezionaVoci(const Vocabolario& v, const SceltaParole& s)
{
    ListeParole l;
    const int ultima = std::min(v.ultimovoc, static_cast<int>(v.righe.size()) - 1);
    for (int i = 1; i <= ultima; ++i) {
        const Voce& e = v.righe[static_cast<std::size_t>(i)];
        if (!scelta(s.frequenze, leggiClasse(e.frequenza)))
            continue;
        if (!scelta(s.classi, leggiClasse(e.categoria)))
            continue;
        if (s.escludiSimili && e.parola.left(2) == e.traduzione.left(2))
            continue;
        l.frequenza.append(e.frequenza);
        l.categoria.append(e.categoria);
        l.vocabolo.append(e.parola);
        l.traduzione.append(e.traduzione);
    }
    return l;
}

void Lexorio::selezionaparole()
{
    p_.invito = Invito::Nessuno;
    pres_.scritta(QStringLiteral("Attendere caricamento"));

    const ImpostazioniPartita& r = p_.scelte;
    SceltaParole scelta;
    scelta.frequenze = r.frequenze;
    scelta.frequenze[0] = r.personale;
    scelta.classi = r.classi;
    scelta.escludiSimili = r.confronta != 0;
    liste_ = selezionaVoci(vocabolario_, scelta);
    pres_.conteggioSelezione(static_cast<int>(liste_.vocabolo.size()));
}

} // namespace lex
