// The six Roman authors a player can be, their quotes, and the lines some of them
// address to each other when two players face each other.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace lex {

struct Personaggio {
    QString nome;
    std::array<QString, 3> battute; // first: balloon line in the settings window; second, third: end of game
};

inline constexpr int kNumeroPersonaggi = 6;

// Characters are numbered 1 to 6 (Cicero, Caesar, Catullus, Vergilius, Horatius, Seneca).
bool personaggioValido(int numero);
const Personaggio& personaggio(int numero);
// The number of the character with this exact name, or 0.
int numeroPersonaggio(const QString& nome);
// The character after this one; Seneca is followed by Cicero again.
int prossimoPersonaggio(int numero);

// Who speaks a pair line: the player whose character just changed, the other one, or both.
enum class Destinatario { Cambiato, Altro, Entrambi };

struct RigaCoppia {
    Destinatario a;
    QString riga;
};

// Looked up by the changed player's name followed by the other player's name.
std::optional<RigaCoppia> rigaCoppia(const QString& nomeCambiato, const QString& nomeAltro);

// The balloon font: 12 point for a line of 1 to 20 characters, 9 for a longer one,
// the current size for an empty line.
double dimensioneBattuta(const QString& riga, double attuale);

} // namespace lex
