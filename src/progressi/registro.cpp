#include "progressi/registro.h"

#include "vocab/selezione.h"

#include <QHash>

#include <algorithm>

namespace lex {

namespace {

// Days after the last game before a word of box 1..5 is due again.
constexpr std::array<int, kScatole + 1> kGiorniScatola{0, 0, 1, 2, 4, 8};

struct Somma {
    EsitoDomanda ultima; // the latest asking: its class and band win
    int chiesta = 0, giustaPrimo = 0, sbagliata = 0;
};

} // namespace

bool VoceProgressi::daRipassare(QDate oggi) const
{
    const int s = std::clamp(scatola, 1, kScatole);
    // Box 1 is due whatever the calendar says: a clock set back must not hide a missed word.
    return s == 1 || !ultima.isValid() || ultima.daysTo(oggi) >= kGiorniScatola[static_cast<std::size_t>(s)];
}

const VoceProgressi* ProfiloProgressi::cerca(const QString& parola, const QString& traduzione) const
{
    for (const VoceProgressi& v : voci)
        if (v.parola == parola && v.traduzione == traduzione)
            return &v;
    return nullptr;
}

int ProfiloProgressi::note() const
{
    return static_cast<int>(std::count_if(voci.begin(), voci.end(), [](const VoceProgressi& v) { return v.nota(); }));
}

int fasciaDi(const QString& frequenza)
{
    const auto f = leggiClasse(frequenza);
    return f && *f >= 0 && *f < kFasce ? *f : 0;
}

void registraPartita(ProfiloProgressi& profilo, const QList<EsitoDomanda>& domande, QDate oggi)
{
    if (domande.isEmpty())
        return;
    // Each word once, over all its askings in this game, in the order first asked.
    QList<Somma> somme;
    for (const EsitoDomanda& d : domande) {
        auto it = std::find_if(somme.begin(), somme.end(), [&](const Somma& s) {
            return s.ultima.parola == d.parola && s.ultima.traduzione == d.traduzione;
        });
        if (it == somme.end()) {
            somme.append(Somma{});
            it = somme.end() - 1;
        }
        it->ultima = d;
        ++it->chiesta;
        it->giustaPrimo += d.primoGiusto ? 1 : 0;
        it->sbagliata += d.sbagliata ? 1 : 0;
    }

    // An index, so that a long record is not walked once per word.
    QHash<QString, qsizetype> indice;
    for (qsizetype i = 0; i < profilo.voci.size(); ++i)
        indice.insert(profilo.voci[i].parola + u'\n' + profilo.voci[i].traduzione, i);
    for (const Somma& s : somme) {
        const QString chiave = s.ultima.parola + u'\n' + s.ultima.traduzione;
        auto trovata = indice.constFind(chiave);
        if (trovata == indice.cend()) {
            VoceProgressi nuova;
            nuova.categoria = s.ultima.categoria;
            nuova.parola = s.ultima.parola;
            nuova.traduzione = s.ultima.traduzione;
            profilo.voci.append(nuova);
            trovata = indice.insert(chiave, profilo.voci.size() - 1);
        }
        VoceProgressi& v = profilo.voci[*trovata];
        v.categoria = s.ultima.categoria;
        v.fascia = std::clamp(s.ultima.fascia, 0, kFasce - 1);
        v.chiesta += s.chiesta;
        v.giustaPrimo += s.giustaPrimo;
        v.sbagliata += s.sbagliata;
        v.ultima = oggi;
        if (s.sbagliata > 0)
            v.scatola = 1;
        else if (s.giustaPrimo > 0)
            v.scatola = std::min(v.scatola + 1, kScatole);
    }

    GiornoProgressi giorno{oggi, {}};
    for (const VoceProgressi& v : profilo.voci)
        if (v.nota())
            ++giorno.note[static_cast<std::size_t>(std::clamp(v.fascia, 0, kFasce - 1))];
    // A clock set back never reorders the days: the latest day stands for the game.
    if (!profilo.giorni.isEmpty() && profilo.giorni.last().giorno >= oggi)
        profilo.giorni.last().note = giorno.note;
    else
        profilo.giorni.append(giorno);
}

QList<VoceProgressi> daRipassare(const ProfiloProgressi& profilo, QDate oggi)
{
    QList<VoceProgressi> dovute;
    for (const VoceProgressi& v : profilo.voci)
        if (v.daRipassare(oggi))
            dovute.append(v);
    std::stable_sort(dovute.begin(), dovute.end(), [](const VoceProgressi& a, const VoceProgressi& b) {
        if (a.scatola != b.scatola)
            return a.scatola < b.scatola;
        return a.ultima < b.ultima;
    });
    return dovute;
}

} // namespace lex
