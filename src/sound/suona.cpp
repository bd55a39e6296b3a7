// The sound routines of the main window: effects on demand, and the background
// music kept in line with its switch.
#include "shell/lexorio.h"

namespace lex {

void Lexorio::suona(const QString& nome)
{
    if (s.consuoni == 0)
        return;
    Canale* c = nullptr;
    if (nome == QLatin1String("Vittoria"))
        c = canali.vittoria.get();
    else if (nome == QLatin1String("Right"))
        c = canali.right.get();
    else if (nome == QLatin1String("Wrong"))
        c = canali.wrong.get();
    if (!c)
        return;
    // Always from the beginning, cutting short an earlier play of the same effect.
    // A channel that failed to open simply stays silent.
    c->indietro();
    c->suona();
}

void Lexorio::aggiornamusica()
{
    Canale& musica = *canali.musica;
    if (s.conmusica == 0) {
        musica.chiudi();
        return;
    }
    if (musica.modo() == kModoInRiproduzione)
        return; // never restart music that is playing
    musica.chiudi();
    musica.apri();
    musica.indietro();
    musica.suona();
}

void Lexorio::fineVittoria(int esito)
{
    if (esito == kEsitoCompletato)
        aggiornamusica();
}

} // namespace lex
