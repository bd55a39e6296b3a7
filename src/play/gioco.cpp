// The game tick: the clock, the players' figures and the highlight that walks the boxes; the keys.
#include "play/tempo.h"
#include "shell/lexorio.h"

namespace lex {

void Lexorio::tickGioco()
{
    // Keys queued before this tick are judged against the box that was lit when they were pressed.
    porte_.eventi.eseguiPendenti();
    if (!p_.turnoAperto)
        return;

    if (p_.fase != Fase::Chiusura) {
        const double giocato = differenza(porte_.orologio.adesso(), p_.oraInizio) - static_cast<double>(p_.tempoEscluso);
        pres_.orologio(comeOrario(giocato));
    }

    pres_.spegni(p_.evidenziata % kCaselle);

    p_.fotogramma = (p_.fotogramma + 1) % 5;
    if (!p_.giocatore(1).bloccato)
        p_.giocatore(1).posa = p_.fotogramma;
    if (p_.numGiocatori == 2 && !p_.giocatore(2).bloccato)
        p_.giocatore(2).posa = p_.fotogramma;
    pres_.figure(p_);

    if (p_.fase == Fase::Chiusura) {
        animazionefinale();
        return;
    }
    if (p_.invito != Invito::Nessuno)
        return;

    // One round at most: with every box hidden (a set-up cancelled during the closing
    // animation) nothing is lit.
    for (int giro = 0; giro < kCaselle; ++giro) {
        p_.evidenziata = (p_.evidenziata + 1) % kCaselle;
        if (!p_.nascoste[static_cast<std::size_t>(p_.evidenziata)]) {
            pres_.accendi(p_.evidenziata);
            return;
        }
    }
}

void Lexorio::tasto(int codice)
{
    if (codice == 27) {
        esci();
        return;
    }
    if (p_.invito != Invito::Nessuno) {
        impostapartita();
        return;
    }
    if (p_.fase == Fase::Chiusura || !p_.turnoAperto)
        return;
    if (p_.numGiocatori == 1) {
        if (codice == 13 || codice == 32)
            giudica(1);
    } else if (p_.numGiocatori == 2) {
        if (codice == '0')
            giudica(1);
        else if (codice == '1')
            giudica(2);
    }
}

void Lexorio::clickParola()
{
    impostapartita();
}

} // namespace lex
