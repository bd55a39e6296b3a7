// Judging a key, a correct answer's one-second show, and opening the next word.
#include "play/candidati.h"
#include "play/tempo.h"
#include "shell/lexorio.h"

namespace lex {

void Lexorio::giudica(int p)
{
    const auto h = static_cast<std::size_t>(p_.evidenziata);
    const QString scelta = p_.caselle[h];
    // Texts, not box numbers: a wrong candidate equal to the translation is right too.
    const bool esatta = scelta == p_.caselle[static_cast<std::size_t>(p_.casellaEsatta)];
    Giocatore& g = p_.giocatore(p);
    // Told only of keys that are judged: a blocked player's key (two players) does nothing at all.
    if (osservatore_ && (p_.numGiocatori == 1 || !g.bloccato))
        osservatore_->rispostaGiudicata(p, scelta, esatta);

    if (p_.numGiocatori == 1) {
        if (esatta) {
            p_.turnoAperto = false;
            p_.vocaboliFatti += 1;
            pres_.punti(p_);
            rispostaesatta(1);
            if (p_.vocaboliFatti >= p_.totaleVocaboli) {
                finepartita();
                p_.turnoAperto = true;
            } else {
                prossimaparola();
            }
        } else {
            p_.penalita += 1;
            pres_.punti(p_);
            suona(Effetto::Wrong);
            // Hidden but still lit until the next tick: a second key on it is judged again.
            p_.nascoste[h] = true;
            pres_.caselle(p_);
        }
        return;
    }

    if (g.bloccato)
        return;
    if (esatta) {
        p_.turnoAperto = false;
        rispostaesatta(p);
        p_.vocaboliFatti += 1;
        g.punti += 1;
        pres_.punti(p_);
        // More than half of the words: with an odd count, half a word more.
        if (2 * g.punti > p_.totaleVocaboli) {
            p_.giocatore(3 - p).bloccato = true; // the loser
            finepartita();
            p_.turnoAperto = true;
        } else {
            p_.giocatore(1).bloccato = p_.giocatore(2).bloccato = false;
            pres_.istruzione(p_.istruzioni[1], colori::nero);
            prossimaparola();
        }
    } else {
        suona(Effetto::Wrong);
        p_.nascoste[h] = true;
        pres_.caselle(p_);
        // Only the player who erred last is blocked.
        p_.giocatore(1).bloccato = p_.giocatore(2).bloccato = false;
        g.bloccato = true;
        g.posa = 6;
        pres_.figure(p_);
        pres_.istruzione(p_.istruzioni[static_cast<std::size_t>(p + 1)], colori::bianco);
    }
}

void Lexorio::rispostaesatta(int p)
{
    suona(Effetto::Right);
    for (int k = 0; k < kCaselle; ++k)
        if (k != p_.evidenziata)
            p_.nascoste[static_cast<std::size_t>(k)] = true;
    pres_.esatta(p_, p);
    attendiOltreUnSecondo(porte_.orologio, porte_.eventi);
    pres_.pannelloNormale();
}

void Lexorio::prossimaparola()
{
    const float t = porte_.orologio.adesso();
    p_.nascoste.fill(false);
    pres_.caselle(p_);
    pres_.caselleSpente();
    timer(p_.periodo, true);
    preparaparola();

    const int partita = partite_;
    // Keys pressed during the pause after a correct answer land here and find the word closed.
    porte_.eventi.eseguiPendenti();
    if (partita != partite_)
        return; // a click started a new game meanwhile, with a fresh clock of its own
    p_.turnoAperto = true;
    p_.tempoEscluso += static_cast<float>(differenza(porte_.orologio.adesso(), t));
}

void Lexorio::preparaparola()
{
    if (liste_.vocabolo.isEmpty())
        return;
    // The scheduled review's next word, if any; else a word drawn at random as always.
    int riga = -1;
    while (riga < 0 && !p_.daChiedere.isEmpty()) {
        const int i = p_.daChiedere.takeFirst();
        if (i >= 0 && i < liste_.vocabolo.size())
            riga = i;
    }
    const Domanda d = riga < 0 ? disegnaDomanda(liste_, porte_.casuale) : disegnaDomanda(liste_, porte_.casuale, riga);
    liste_.errati = d.errati;
    p_.casellaEsatta = d.esatta;
    p_.parola = liste_.vocabolo[d.riga];
    p_.caselle = d.caselle;
    p_.invito = Invito::Nessuno;
    pres_.parola(p_.parola);
    pres_.caselle(p_);
    if (osservatore_)
        osservatore_->parolaChiesta(p_.parola, liste_.traduzione.value(d.riga), liste_.categoria.value(d.riga),
                                    liste_.frequenza.value(d.riga));
}

} // namespace lex
