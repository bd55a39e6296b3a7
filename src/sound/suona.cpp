// The main window's sound routines: its switches over the channels.
#include "shell/lexorio.h"

namespace lex {

void Lexorio::suona(Effetto effetto)
{
    if (p_.conSuoni)
        sonoro_.suona(effetto);
}

void Lexorio::aggiornamusica()
{
    sonoro_.aggiornaMusica(p_.conMusica);
}

void Lexorio::fineVittoria(int esito)
{
    sonoro_.fine(esito, p_.conMusica);
}

} // namespace lex
