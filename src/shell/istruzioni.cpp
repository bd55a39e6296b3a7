// The instruction lines of a game, built once from the characters' names so the key
// handler can switch between them at once.
#include "shell/lexorio.h"

namespace lex {

void Lexorio::componiistruzioni()
{
    const QString& destra = s.nome[1];  // key 0
    const QString& sinistra = s.nome[2]; // key 1
    s.istruzioni[1] = QStringLiteral("Enter per scegliere. Per interrompere: Esc.");
    s.istruzioni[2] = sinistra + QStringLiteral(": tasto 1. ") + destra + QStringLiteral(": tasto 0. Per interrompere: Esc.");
    s.istruzioni[3] = QStringLiteral("Errore di ") + destra + QStringLiteral(". Può giocare solo ") + sinistra + QStringLiteral(".");
    s.istruzioni[4] = QStringLiteral("Errore di ") + sinistra + QStringLiteral(". Può giocare solo ") + destra + QStringLiteral(".");
}

} // namespace lex
