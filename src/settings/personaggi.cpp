#include "settings/personaggi.h"

namespace lex {

namespace {

const std::array<Personaggio, kNumeroPersonaggi>& tabella()
{
    static const std::array<Personaggio, kNumeroPersonaggi> t{{
        {QStringLiteral("Cicero"),
         {QStringLiteral("Quo usque tandem?"), QStringLiteral("O fortunatam, natam me consule Romam!"),
          QStringLiteral("O tempora! o mores!")}},
        {QStringLiteral("Caesar"),
         {QStringLiteral("Alea iacta est!"), QStringLiteral("Veni, vidi, vici!"), QStringLiteral("Tu quoque, fili mi?")}},
        {QStringLiteral("Catullus"),
         {QStringLiteral("Odi. Amo. Excrucior."), QStringLiteral("Vivamus! amemus! Da mi mille basia!"),
          QStringLiteral("Lugete o Veneres Cupinesque")}},
        {QStringLiteral("Vergilius"),
         {QStringLiteral("Arma virumque cano"), QStringLiteral("Parcere subiectis et debellare superbos"),
          QStringLiteral("Infandum iubes renovare dolorem!")}},
        {QStringLiteral("Horatius"),
         {QStringLiteral("Carpe diem!"), QStringLiteral("Hoc erat in votis. Nunc est bibendum!"),
          QStringLiteral("Pulvis et umbra sumus")}},
        {QStringLiteral("Seneca"),
         {QStringLiteral("Marcet sine adversario virtus"), QStringLiteral("Verum gaudium res severa est"),
          QStringLiteral("Calamitas virtutis occasio est")}},
    }};
    return t;
}

struct Coppia {
    const char* nomi;
    Destinatario a;
    const char* riga;
};

// The speaker is always the author named in the line: Catullus to Caesar and Cicero,
// Horatius to Vergilius, and two Catullus to themselves.
constexpr Coppia kCoppie[] = {
    {"CatullusCatullus", Destinatario::Entrambi, "Miser Catulle!"},
    {"CatullusCaesar", Destinatario::Cambiato, "Nil nimium studeo, Caesar, tibi velle placere"},
    {"CatullusCicero", Destinatario::Cambiato, "Disertissime Romuli nepotum!"},
    {"CaesarCatullus", Destinatario::Altro, "Nil nimium studeo, Caesar, tibi velle placere"},
    {"VergiliusHoratius", Destinatario::Altro, "Vergili! Animae dimidium meae!"},
    {"HoratiusVergilius", Destinatario::Cambiato, "Vergili! Animae dimidium meae!"},
    {"CiceroCatullus", Destinatario::Altro, "Disertissime Romuli nepotum!"},
};

} // namespace

bool personaggioValido(int numero)
{
    return numero >= 1 && numero <= kNumeroPersonaggi;
}

const Personaggio& personaggio(int numero)
{
    // Callers check the number; a nameless character is safer than reading outside the table.
    static const Personaggio nessuno;
    return personaggioValido(numero) ? tabella()[static_cast<std::size_t>(numero - 1)] : nessuno;
}

int numeroPersonaggio(const QString& nome)
{
    for (int n = 1; n <= kNumeroPersonaggi; ++n)
        if (personaggio(n).nome == nome)
            return n;
    return 0;
}

int prossimoPersonaggio(int numero)
{
    return numero >= kNumeroPersonaggi ? 1 : numero + 1;
}

std::optional<RigaCoppia> rigaCoppia(const QString& nomeCambiato, const QString& nomeAltro)
{
    const QString nomi = nomeCambiato + nomeAltro;
    for (const Coppia& c : kCoppie)
        if (nomi == QLatin1String(c.nomi))
            return RigaCoppia{c.a, QString::fromLatin1(c.riga)};
    return std::nullopt;
}

double dimensioneBattuta(const QString& riga, double attuale)
{
    if (riga.isEmpty())
        return attuale;
    return riga.size() <= 20 ? 12.0 : 9.0;
}

} // namespace lex
