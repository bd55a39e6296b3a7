// The players' columns back at the bottom of their frames at each new game, and the
// instruction lines of the game.
#include "settings/personaggi.h"
#include "shell/lexorio.h"

namespace lex {

void Lexorio::preparatabellone()
{
    for (auto& g : p_.giocatori) {
        g.bloccato = false;
        g.punti = 0;
    }
    pres_.colonne(p_);
    if (p_.totaleVocaboli <= 0)
        return;
    const double d = pres_.spazioSalita();
    p_.passo = p_.numGiocatori == 1 ? d / p_.totaleVocaboli : d / (p_.totaleVocaboli / 2.0 + 1);
}

// Built once from the characters' names, so the key handler can switch between them at once.
void Lexorio::componiistruzioni()
{
    const QString destra = personaggio(p_.giocatore(1).personaggio).nome;  // key 0
    const QString sinistra = personaggio(p_.giocatore(2).personaggio).nome; // key 1
    p_.istruzioni[0] = QStringLiteral("Enter per scegliere. Per interrompere: Esc.");
    p_.istruzioni[1] = sinistra + QStringLiteral(": tasto 1. ") + destra + QStringLiteral(": tasto 0. Per interrompere: Esc.");
    p_.istruzioni[2] = QStringLiteral("Errore di ") + destra + QStringLiteral(". Può giocare solo ") + sinistra + QStringLiteral(".");
    p_.istruzioni[3] = QStringLiteral("Errore di ") + sinistra + QStringLiteral(". Può giocare solo ") + destra + QStringLiteral(".");
}

} // namespace lex
