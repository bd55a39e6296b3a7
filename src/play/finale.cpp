// The end of a game: balloons with the characters' lines, the loser's poses and falling
// head, and the quick closing ticks that end on the restart prompt.
#include "play/tempo.h"
#include "shell/lexorio.h"

namespace lex {

namespace {
// One player: the closing ticks before the restart prompt, as many as a head would take to
// fall from a figure that never rose, so every one-player game waits the same (under a second).
constexpr int kPassiAttesaUnGiocatore = 17;
} // namespace

void Lexorio::finepartita()
{
    if (osservatore_)
        osservatore_->partitaFinita();
    p_.fase = Fase::Chiusura;
    p_.invito = Invito::Nessuno;
    suona(Effetto::Vittoria);
    p_.nascoste[static_cast<std::size_t>(p_.evidenziata)] = true;
    for (int q = 1; q <= 2; ++q)
        if (p_.giocatore(q).bloccato)
            p_.giocatore(q).posa = 6;
    p_.periodo = kPeriodoChiusura;
    pres_.finale(p_);
    p_.passiChiusura = kPassiAttesaUnGiocatore;
    for (int q = 1; q <= 2; ++q)
        if (p_.giocatore(q).bloccato)
            p_.passiChiusura = pres_.passiCaduta(q);
    attendiOltreUnSecondo(porte_.orologio, porte_.eventi);
    pres_.svuotaIstruzione();
}

void Lexorio::animazionefinale()
{
    // The winner's side watches the loser fall; one player watches the wait for the prompt.
    auto lato = [this](int perdente) {
        Giocatore& g = p_.giocatore(perdente);
        if (g.posa == 6) {
            g.posa = 5;
            pres_.figure(p_);
        }
        if (p_.passiChiusura > 0) {
            --p_.passiChiusura;
            if (p_.numGiocatori == 2)
                pres_.passoChiusura(perdente);
        } else if (p_.invito == Invito::Nessuno) {
            p_.invito = Invito::Ripartire;
            pres_.invito(p_.invito);
            // A record of the game that could not be written is said here, once, where it
            // interrupts nothing; with every record written the line stays empty as always.
            if (osservatore_)
                if (const QString motivo = osservatore_->mancataRegistrazione(); !motivo.isEmpty())
                    pres_.istruzione(QStringLiteral("Partita non registrata: ") + motivo, colori::nero);
        }
    };
    if (!p_.giocatore(1).bloccato)
        lato(2);
    if (p_.numGiocatori == 2 && !p_.giocatore(2).bloccato)
        lato(1);
}

} // namespace lex
