// Starting a game: the settings window, then everything the first word needs.
#include "board/disposizione.h"
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
    ImpostazioniPartita r = s.scelte;
    r.giocatori = s.numgiocatori == 1 ? 1 : 2;
    r.musica = s.conmusica ? 1 : 0;
    r.suoni = s.consuoni ? 1 : 0;
    r.confronta = s.scelte.confronta ? 1 : 0;
    r.personale = s.filevoc == kPersonale;
    impostazioni().precompila(r, static_cast<int>(s.totalevocaboli));
}

void Lexorio::impostapartita()
{
    // A key or click handled inside a tick opens the window once the tick has returned: a
    // window opened inside the tick would hold it, and no tick would run behind the window.
    if (inTick_) {
        if (!impostapartitaInAttesa_) {
            impostapartitaInAttesa_ = true;
            porte.eventi.dopo([this] {
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

    for (;;) {
        if (s.impostata)
            precompilaImpostazioni();
        if (programma) {
            Casella& c = impostazioni().m.primaRipasso;
            c.visible = true;
            c.value = programma->attivo() ? 1 : 0;
        }
        m.windowShown = false; // the settings window stands in for the board while it is open
        porte.finestre.mostraImpostazioni(impostazioni());
        s.vocabolifatti = 0;
        s.finita = 0;
        if (!impostazioni().confermata()) {
            distruggiImpostazioni();
            m.windowShown = true;
            return;
        }
        const Consegna c = impostazioni().consegna();
        if (programma)
            programma->scegli(impostazioni().m.primaRipasso.ticked());
        consegnaPersonaggi(c);

        s.scelte = c.scelte;
        s.conmusica = c.scelte.musica;
        aggiornamusica();
        s.nome[1] = personaggio(s.personaggio[1]).nome;
        s.nome[2] = personaggio(s.personaggio[2]).nome;
        componiistruzioni();
        s.filevoc = c.scelte.personale ? kPersonale : kPrincipale;
        // A file read anew is picked anew. A click on the list's box has marked it already,
        // except for a personal list that the review has just saved over the loaded one.
        bool daSelezionare = !s.impostata || c.sceltaCambiata;
        if (s.filecaricato != s.filevoc) {
            aprivocaboli(s.filevoc);
            s.filecaricato = s.filevoc;
            daSelezionare = true;
        }
        if (daSelezionare)
            selezionaparole();
        s.numgiocatori = c.scelte.giocatori == 1 ? 1 : 2;
        s.consuoni = c.scelte.suoni;
        if (c.scelte.quante >= 1)
            s.totalevocaboli = c.scelte.quante;
        if (s.totalevocaboli < 1)
            s.totalevocaboli = 10; // never divide by zero on a list with nothing picked
        distruggiImpostazioni();

        s.impostata = true;
        for (std::size_t i = 1; i <= 4; ++i)
            m.fumetto[i].visible = false;
        m.battuta[1].visible = m.battuta[2].visible = false;
        m.windowShown = true;
        for (std::size_t i = 0; i <= 5; ++i)
            m.Iml[i].visible = m.Imr[i].visible = false;
        m.Timer1.enabled = false;

        const auto n = liste.vocabolo.size();
        if (n < kParoleSenzaAvviso)
            messaggio(QStringLiteral("Solo ") + conSpazio(n) + QStringLiteral(" vocaboli selezionati!"),
                      QString::fromLatin1(kTitolo), Icona::Errore, Pulsanti::Ok);
        if (n >= kParoleMinime)
            break;
        // Too few: the settings again, with the choices just made, to widen them.
    }

    ++partite_;
    if (osservatore)
        osservatore->partitaIniziata(s.numgiocatori, s.nome[1], s.nome[2]);
    // The scheduled review, when it is chosen: the right (or only) player's words to ask first.
    s.daChiedere = programma ? programma->ordine(liste, s.nome[1], static_cast<int>(s.totalevocaboli)) : QList<int>{};
    m.figura[1].picture = m.Imr[0].picture;
    m.figura[2].picture = m.Iml[0].picture;
    preparatabellone();
    disponistriscia(m, s.numgiocatori);
    s.orainizio = porte.orologio.adesso();
    s.tempoescluso = 0;
    const QString tasti = s.numgiocatori == 1 ? QStringLiteral("(tasto Enter)") : QStringLiteral("(tasto 1 e tasto 0)");
    for (auto& c : m.sign)
        c.tooltip = QStringLiteral("Lascia perdere il mouse ed usa la tastiera ") + tasti;
    m.Label1.text = s.istruzioni[static_cast<std::size_t>(s.numgiocatori)];
    m.Label1.fore = colori::nero;
    mostrapunti();
    m.Iml[7].visible = m.Imr[7].visible = false;
    prossimaparola();
}

// O.K. gives the board the players' photos with their balloon lines, and the game's pace,
// whether or not the set-up then finds enough words.
void Lexorio::consegnaPersonaggi(const Consegna& c)
{
    s.personaggio[1] = c.scelte.giocatore1;
    s.personaggio[2] = c.scelte.giocatore2;
    m.foto1.picture = QStringLiteral("foto%1").arg(c.scelte.giocatore1);
    m.foto1.tooltip = c.battute[0];
    m.foto2.picture = QStringLiteral("foto%1").arg(c.scelte.giocatore2);
    m.foto2.tooltip = c.battute[1];
    m.Timer1.interval = 600 - 100 * c.scelte.velocita;
}

} // namespace lex
