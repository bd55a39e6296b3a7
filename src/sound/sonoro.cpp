#include "sound/sonoro.h"

namespace lex {

void Sonoro::apri(const std::function<void(int)>& fine)
{
    for (Canale* c : {canali_.vittoria.get(), canali_.right.get(), canali_.wrong.get(), canali_.musica.get()})
        c->apri();
    canali_.vittoria->setNotifica(true);
    canali_.right->setNotifica(false);
    canali_.wrong->setNotifica(false);
    canali_.musica->setNotifica(false);
    canali_.vittoria->setFinePlay(fine);
    // Background music that ends by itself starts again, as the victory sound's end would
    // start it: silence after two minutes of a long game would feel like a fault.
    canali_.musica->setNotifica(true);
    canali_.musica->setFinePlay(fine);
}

void Sonoro::chiudi()
{
    for (Canale* c : {canali_.musica.get(), canali_.vittoria.get(), canali_.right.get(), canali_.wrong.get()})
        c->chiudi();
}

void Sonoro::suona(Effetto effetto)
{
    Canale* c = canali_.right.get();
    switch (effetto) {
    case Effetto::Vittoria:
        c = canali_.vittoria.get();
        break;
    case Effetto::Right:
        c = canali_.right.get();
        break;
    case Effetto::Wrong:
        c = canali_.wrong.get();
        break;
    }
    c->indietro();
    c->suona();
}

void Sonoro::aggiornaMusica(bool conMusica)
{
    Canale& musica = *canali_.musica;
    if (!conMusica) {
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

void Sonoro::fine(int esito, bool conMusica)
{
    if (esito == kEsitoCompletato)
        aggiornaMusica(conMusica);
}

} // namespace lex
