#include "shell/lexorio.h"

#include "board/disposizione.h"
#include "settings/impostazioni.h"
#include "shell/errori.h"
#include "shell/fatale.h"

namespace lex {

namespace {
// A start-up step that failed with a number; file-not-found skips the step.
struct ErroreAvvio {
    int codice;
};
} // namespace

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
    m.window.top = (porte.misure.altezzaSchermo() - m.window.height) / 2;
    m.window.left = (porte.misure.larghezzaSchermo() - m.window.width) / 2;
    s.finita = 0;
    s.numcaselle = 12;
    for (int i = 0; i < s.numcaselle; ++i)
        m.sign[static_cast<std::size_t>(i)].back = colori::buttonFace;

    auto passo = [this](auto&& f) {
        try {
            f();
        } catch (const ErroreAvvio& e) {
            if (e.codice != errori::kFileNonTrovato)
                erroreFatale(porte, e.codice);
        }
    };
    passo([&] {
        s.filevoc = s.filecaricato = QStringLiteral("vocaboli.txt");
        aprivocaboli(QStringLiteral("vocaboli.txt"));
    });
    passo([&] {
        if (impostazioni().m.musica.value == 1)
            s.conmusica = -1;
    });
    passo([&] {
        if (impostazioni().m.suoni.value == 1) {
            s.consuoni = -1;
            suona(QStringLiteral("Vittoria"));
        }
    });
    passo([&] { distruggiImpostazioni(); });
    passo([&] { disponitabellone(m); });
    passo([&] { s.numgiocatori = 2; });
    passo([&] { disponistriscia(m, 2); });
    passo([&] { m.Cornice.visible = false; });
    passo([&] {
        m.arapacis.top = m.foto1.top;
        m.arapacis.left = m.Cornice.left;
        m.arapacis.visible = true;
    });
    passo([&] { m.Timer1.enabled = true; });
    m.windowShown = true;
}

void Lexorio::esci()
{
    if (porte.box.mostra(QStringLiteral("Confermi l'uscita dal programma?"), QStringLiteral("Fine lavoro"),
                         Icona::Domanda, Pulsanti::OkAnnulla)
        == Risposta::Ok)
        porte.uscita.terminaSubito(0);
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

void Lexorio::chiusura()
{
    for (Canale* c : {canali.musica.get(), canali.vittoria.get(), canali.right.get(), canali.wrong.get()})
        c->chiudi();
}

Impostazioni& Lexorio::impostazioni()
{
    if (!imp_)
        imp_ = std::make_unique<Impostazioni>(m, porte);
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
    auto& imp = impostazioni();
    auto fotoCasuale = [&] {
        const int k = static_cast<int>(6 * porte.casuale.r()) + 1;
        return imp.m.foto[static_cast<std::size_t>(k)].picture;
    };
    m.foto1.picture = fotoCasuale();
    m.foto2.picture = fotoCasuale();
    m.Parola.fontSize = 14;
    m.Parola.text = QStringLiteral("Un tasto per iniziare");
}

} // namespace lex
