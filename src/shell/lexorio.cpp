#include "shell/lexorio.h"

#include "settings/impostazioni.h"
#include "settings/personaggi.h"
#include "shell/fatale.h"

namespace lex {

Lexorio::Lexorio(Porte p, Canali c) : porte_(p), sonoro_(std::move(c)), pres_(p.misure) {}

Lexorio::~Lexorio() = default;

void Lexorio::avvio()
{
    sonoro_.apri([this](int esito) { fineVittoria(esito); });

    Timer1_Timer();
    pres_.centra();
    pres_.caselleSpente();

    // From here on a failing step goes to the start-up handler: file-not-found skips it.
    GestoreAvvio gestore(porte_);
    gestore.passo([&] {
        p_.fileVoc = p_.fileCaricato = QStringLiteral("vocaboli.txt");
        aprivocaboli(QStringLiteral("vocaboli.txt"));
    });
    gestore.passo([&] {
        if (impostazioni().record().musica == 1)
            p_.conMusica = true;
    });
    gestore.passo([&] {
        if (impostazioni().record().suoni == 1) {
            p_.conSuoni = true;
            suona(Effetto::Vittoria);
        }
    });
    gestore.passo([&] { distruggiImpostazioni(); });
    gestore.passo([&] { pres_.disponiTabellone(); });
    gestore.passo([&] { p_.numGiocatori = 2; });
    gestore.passo([&] { pres_.disponiStriscia(2); });
    gestore.passo([&] { pres_.nascondiCornice(); });
    gestore.passo([&] { pres_.mostraArapacis(); });
    gestore.passo([&] { timer(p_.periodo, true); });
    pres_.mostraFinestra(true);
}

void Lexorio::timer(int periodo, bool attivo)
{
    p_.periodo = periodo;
    p_.timerAttivo = attivo;
    pres_.timer(p_);
}

void Lexorio::esci()
{
    if (messaggio(QStringLiteral("Confermi l'uscita dal programma?"), QStringLiteral("Fine lavoro"), Icona::Domanda,
                  Pulsanti::OkAnnulla)
        == Risposta::Ok) {
        if (osservatore_)
            osservatore_->programmaFinito();
        porte_.uscita.terminaSubito(0);
    }
}

Risposta Lexorio::messaggio(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti)
{
    // The board as the rules left it, timer included, before the box takes the input: a switched
    // off timer must not tick behind the box, and the window must stand under it, not over it.
    porte_.eventi.ridisegna();
    return porte_.box.mostra(testo, titolo, icona, pulsanti);
}

void Lexorio::menuInfo()
{
    porte_.finestre.mostraInfo();
}

void Lexorio::menuRipasso()
{
    // A personal list saved there must be read again by the next game that plays it.
    if (porte_.finestre.mostraRipasso() && p_.fileCaricato == QLatin1String("vocpers.txt"))
        p_.fileCaricato.clear();
}

void Lexorio::menuTesto()
{
    // As with the review: a list saved there is read again by the next game that plays it.
    if (porte_.finestre.mostraTesto() && p_.fileCaricato == QLatin1String("vocpers.txt"))
        p_.fileCaricato.clear();
}

void Lexorio::chiusura()
{
    if (osservatore_)
        osservatore_->programmaFinito();
    sonoro_.chiudi();
}

Impostazioni& Lexorio::impostazioni()
{
    if (!imp_)
        imp_ = std::make_unique<Impostazioni>(
            porte_, Precedente{p_.impostata, p_.giocatore(1).personaggio, p_.giocatore(2).personaggio});
    return *imp_;
}

void Lexorio::distruggiImpostazioni()
{
    imp_.reset();
}

void Lexorio::Timer1_Timer()
{
    if (inTick_)
        return; // events run inside a tick must not start another one
    inTick_ = true;
    struct Uscente {
        bool& flag;
        ~Uscente() { flag = false; }
    } guardia{inTick_};
    if (p_.fase == Fase::Inizio)
        tickIdle();
    else
        tickGioco();
}

void Lexorio::tickIdle()
{
    // The settings window is created here when it does not exist, as every reference creates it.
    impostazioni();
    auto casuale = [&] { return static_cast<int>(kNumeroPersonaggi * porte_.casuale.r()) + 1; };
    const int primo = casuale();
    pres_.fotoInizio(primo, casuale());
    p_.invito = Invito::Iniziare;
    pres_.invito(p_.invito);
}

} // namespace lex
