#include "shell/lexorio.h"

#include "board/disposizione.h"
#include "settings/impostazioni.h"
#include "settings/personaggi.h"
#include "shell/fatale.h"

namespace lex {

Lexorio::Lexorio(Porte p, Canali c)
    : m(LexorioModel::progettato()), canali(std::move(c)), porte(p)
{
}

Lexorio::~Lexorio() = default;

void Lexorio::avvio()
{
    for (Canale* c : {canali.vittoria.get(), canali.right.get(), canali.wrong.get(), canali.musica.get()})
        c->apri();
    canali.vittoria->setNotifica(true);
    canali.right->setNotifica(false);
    canali.wrong->setNotifica(false);
    canali.musica->setNotifica(false);
    canali.vittoria->setFinePlay([this](int esito) { fineVittoria(esito); });
    // Background music that ends by itself starts again, as the victory sound's end would
    // start it: silence after two minutes of a long game would feel like a fault.
    canali.musica->setNotifica(true);
    canali.musica->setFinePlay([this](int esito) { fineVittoria(esito); });

    Timer1_Timer();
    s.altezzabarra = 1605;
    // Centred by the whole window, title bar, menu bar and borders included.
    const Bordi bordi = porte.misure.bordi(true);
    m.window.top = (porte.misure.altezzaSchermo() - (m.window.height + bordi.altezza)) / 2;
    m.window.left = (porte.misure.larghezzaSchermo() - (m.window.width + bordi.larghezza)) / 2;
    s.finita = 0;
    s.numcaselle = 12;
    for (int i = 0; i < s.numcaselle; ++i)
        m.sign[static_cast<std::size_t>(i)].back = colori::buttonFace;

    // From here on a failing step goes to the start-up handler: file-not-found skips it.
    GestoreAvvio gestore(porte);
    gestore.passo([&] {
        s.filevoc = s.filecaricato = QStringLiteral("vocaboli.txt");
        aprivocaboli(QStringLiteral("vocaboli.txt"));
    });
    gestore.passo([&] {
        if (impostazioni().record().musica == 1)
            s.conmusica = -1;
    });
    gestore.passo([&] {
        if (impostazioni().record().suoni == 1) {
            s.consuoni = -1;
            suona(QStringLiteral("Vittoria"));
        }
    });
    gestore.passo([&] { distruggiImpostazioni(); });
    gestore.passo([&] { disponitabellone(m); });
    gestore.passo([&] { s.numgiocatori = 2; });
    gestore.passo([&] { disponistriscia(m, 2); });
    gestore.passo([&] { m.Cornice.visible = false; });
    gestore.passo([&] {
        m.arapacis.top = m.foto1.top;
        m.arapacis.left = m.Cornice.left;
        m.arapacis.visible = true;
    });
    gestore.passo([&] { m.Timer1.enabled = true; });
    m.windowShown = true;
}

void Lexorio::esci()
{
    if (messaggio(QStringLiteral("Confermi l'uscita dal programma?"), QStringLiteral("Fine lavoro"), Icona::Domanda,
                  Pulsanti::OkAnnulla)
        == Risposta::Ok)
        porte.uscita.terminaSubito(0);
}

Risposta Lexorio::messaggio(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti)
{
    // The board as the rules left it, timer included, before the box takes the input: a switched
    // off timer must not tick behind the box, and the window must stand under it, not over it.
    porte.eventi.ridisegna();
    return porte.box.mostra(testo, titolo, icona, pulsanti);
}

void Lexorio::menuInfo()
{
    porte.finestre.mostraInfo();
}

void Lexorio::menuRipasso()
{
    // A personal list saved there must be read again by the next game that plays it.
    if (porte.finestre.mostraRipasso() && s.filecaricato == QLatin1String("vocpers.txt"))
        s.filecaricato.clear();
}

void Lexorio::menuTesto()
{
    if (porte.finestre.mostraTesto() && s.filecaricato == QLatin1String("vocpers.txt"))
        s.filecaricato.clear();
}

void Lexorio::chiusura()
{
    for (Canale* c : {canali.musica.get(), canali.vittoria.get(), canali.right.get(), canali.wrong.get()})
        c->chiudi();
}

Impostazioni& Lexorio::impostazioni()
{
    if (!imp_)
        imp_ = std::make_unique<Impostazioni>(porte, Precedente{s.impostata, s.personaggio[1], s.personaggio[2]});
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
    if (m.Timer1.interval == 1000)
        tickIdle();
    else
        tickGioco();
}

void Lexorio::tickIdle()
{
    // The settings window is created here when it does not exist, as every reference creates it.
    impostazioni();
    auto fotoCasuale = [&] {
        const int k = static_cast<int>(kNumeroPersonaggi * porte.casuale.r()) + 1;
        return QStringLiteral("foto%1").arg(k);
    };
    m.foto1.picture = fotoCasuale();
    m.foto2.picture = fotoCasuale();
    m.Parola.fontSize = 14;
    m.Parola.text = QStringLiteral("Un tasto per iniziare");
}

} // namespace lex
