// Starting a game: the settings window, then everything the first word needs.
#include "settings/impostazioni.h"
#include "settings/personaggi.h"
#include "shell/fatale.h"
#include "shell/lexorio.h"
#include "vocab/selezione.h"

namespace lex {

namespace {
const QString kPersonale = QStringLiteral("vocpers.txt");
const QString kPrincipale = QStringLiteral("vocaboli.txt");
} // namespace

// The settings window shows the previous game's choices instead of the stored file.
void Lexorio::precompilaImpostazioni()
{
    ImpostazioniPartita r = p_.scelte;
    r.giocatori = p_.numGiocatori == 1 ? 1 : 2;
    r.musica = p_.conMusica ? 1 : 0;
    r.suoni = p_.conSuoni ? 1 : 0;
    r.confronta = p_.scelte.confronta ? 1 : 0;
    r.personale = p_.fileVoc == kPersonale;
    impostazioni().precompila(r, p_.totaleVocaboli);
}

void Lexorio::impostapartita()
{
    // A key or click handled inside a tick opens the window once the tick has returned: a
    // window opened inside the tick would hold it, and no tick would run behind the window.
    if (inTick_) {
        if (!impostapartitaInAttesa_) {
            impostapartitaInAttesa_ = true;
            porte_.eventi.dopo([this] {
                impostapartitaInAttesa_ = false;
                impostapartita();
            });
        }
        return;
    }
    // Pending events run inside a game can deliver another key or click: one window at a time.
    if (inImpostapartita_)
        return;
    inImpostapartita_ = true;
    struct Uscente {
        bool& flag;
        ~Uscente() { flag = false; }
    } guardia{inImpostapartita_};

    // Too few words: the settings again, with the choices just made, to widen them.
    while (impostazioneAccettata()) {
        if (liste_.vocabolo.size() >= kParoleMinime) {
            iniziaPartita();
            return;
        }
    }
}

bool Lexorio::impostazioneAccettata()
{
    if (p_.impostata)
        precompilaImpostazioni();
    if (programma_) {
        Casella& casella = impostazioni().m.primaRipasso;
        casella.visible = true;
        casella.value = programma_->attivo() ? 1 : 0;
    }
    pres_.mostraFinestra(false); // the settings window stands in for the board while it is open
    porte_.finestre.mostraImpostazioni(impostazioni());
    // Whatever the player chose: a game that was closing goes on as a game, its clock running.
    p_.vocaboliFatti = 0;
    if (p_.fase == Fase::Chiusura)
        p_.fase = Fase::Gioco;
    if (!impostazioni().confermata()) {
        // The board as it was, timer included. After a refused selection that is a stopped
        // board showing the count of words; the menu or a click on the word starts again.
        distruggiImpostazioni();
        pres_.mostraFinestra(true);
        return false;
    }
    const Consegna c = impostazioni().consegna();
    consegna(c);
    if (programma_)
        programma_->scegli(impostazioni().m.primaRipasso.ticked());

    p_.scelte = c.scelte;
    p_.conMusica = c.scelte.musica != 0;
    aggiornamusica();
    componiistruzioni();
    p_.fileVoc = c.scelte.personale ? kPersonale : kPrincipale;
    // A file read anew is picked anew, as is a personal list the review has just saved over
    // the loaded one; unchanged choices play the same words again.
    bool daSelezionare = !p_.impostata || c.sceltaCambiata;
    if (p_.fileCaricato != p_.fileVoc) {
        aprivocaboli(p_.fileVoc);
        p_.fileCaricato = p_.fileVoc;
        daSelezionare = true;
    }
    if (daSelezionare)
        selezionaparole();
    p_.numGiocatori = c.scelte.giocatori == 1 ? 1 : 2;
    p_.conSuoni = c.scelte.suoni != 0;
    if (c.scelte.quante >= 1)
        p_.totaleVocaboli = c.scelte.quante;
    if (p_.totaleVocaboli < 1)
        p_.totaleVocaboli = 10; // never divide by zero on a list with nothing picked
    distruggiImpostazioni();

    p_.impostata = true;
    p_.timerAttivo = false;
    pres_.nuovaPartita(p_);

    const auto n = liste_.vocabolo.size();
    if (n < kParoleSenzaAvviso)
        messaggio(QStringLiteral("Solo ") + conSpazio(n) + QStringLiteral(" vocaboli selezionati!"),
                  QString::fromLatin1(kTitolo), Icona::Errore, Pulsanti::Ok);
    return true;
}

void Lexorio::iniziaPartita()
{
    ++partite_;
    if (osservatore_)
        osservatore_->partitaIniziata(p_.numGiocatori, personaggio(p_.giocatore(1).personaggio).nome,
                                      personaggio(p_.giocatore(2).personaggio).nome);
    // The scheduled review, when it is chosen: the right (or only) player's words to ask first.
    p_.daChiedere = programma_ ? programma_->ordine(liste_, personaggio(p_.giocatore(1).personaggio).nome, p_.totaleVocaboli)
                               : QList<int>{};
    for (auto& g : p_.giocatori)
        g.posa = 0;
    pres_.figure(p_);
    preparatabellone();
    pres_.avvioPartita(p_);
    p_.oraInizio = porte_.orologio.adesso();
    p_.tempoEscluso = 0;
    pres_.istruzione(p_.istruzioni[static_cast<std::size_t>(p_.numGiocatori - 1)], colori::nero);
    pres_.punti(p_);
    pres_.teste(false);
    prossimaparola();
}

// O.K. gives the board the players' photos with their balloon lines, and the game's pace,
// whether or not the set-up then finds enough words.
void Lexorio::consegna(const Consegna& c)
{
    p_.giocatore(1).personaggio = c.scelte.giocatore1;
    p_.giocatore(2).personaggio = c.scelte.giocatore2;
    pres_.fotoGiocatori(p_, c.battute);
    if (p_.fase == Fase::Inizio)
        p_.fase = Fase::Gioco; // the start screen's ticks end with the first O.K.
    timer(600 - 100 * c.scelte.velocita, p_.timerAttivo);
}

} // namespace lex
