// Fakes of the ports: a clock that only moves when told (or when paused on), scripted random
// numbers, recording message boxes and channels. No test ever waits in real time.
#pragma once

#include "dati/filesistema.h"
#include "dati/disparte.h"
#include "progressi/progressi.h"
#include "settings/impostazioni.h"
#include "shell/finestre.h"
#include "shell/lexorio.h"
#include "sound/canali.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace lex::test {

struct ProcessoTerminato {
    int codice;
};

class FakeOrologio : public Orologio {
public:
    double giorno = 0.5; // noon; kept in double so long games do not drift
    int pause = 0;
    float adesso() override { return static_cast<float>(giorno); }
    void pausa(int ms) override
    {
        ++pause;
        avanza(ms);
    }
    void avanza(double ms) { giorno += ms / 86400000.0; }
};

// A calendar that turns its page only when told.
class FakeCalendario : public Calendario {
public:
    QDate giorno{2026, 12, 8};
    QDate oggi() override { return giorno; }
    void avanza(int giorni) { giorno = giorno.addDays(giorni); }
};

class FakeCasuale : public Casuale {
public:
    std::deque<double> valori; // served first, in order
    double poi = 0.0;          // then this value forever
    int semine = 0;
    void semina() override { ++semine; }
    double r() override
    {
        if (valori.empty())
            return poi;
        const double v = valori.front();
        valori.pop_front();
        return v;
    }
};

struct BoxMostrato {
    QString testo, titolo;
    Icona icona;
    Pulsanti pulsanti;
};

class FakeBox : public MessaggiBox {
public:
    std::vector<BoxMostrato> mostrati;
    std::deque<Risposta> risposte; // default Ok
    std::function<void(const BoxMostrato&)> quandoMostrato;
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti) override
    {
        mostrati.push_back({testo, titolo, icona, pulsanti});
        if (quandoMostrato)
            quandoMostrato(mostrati.back());
        if (risposte.empty())
            return Risposta::Ok;
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
};

// Events "queued" by a test run when the rules let pending events run.
class FakeEventi : public Eventi {
public:
    std::deque<std::function<void()>> coda;
    std::deque<std::function<void()>> dopoEvento; // deferred calls, run by the test
    int ridisegni = 0;
    int esecuzioni = 0;
    void eseguiPendenti() override
    {
        ++esecuzioni;
        auto daEseguire = std::move(coda);
        coda.clear();
        for (auto& f : daEseguire)
            f();
    }
    void ridisegna() override { ++ridisegni; }
    void dopo(std::function<void()> f) override { dopoEvento.push_back(std::move(f)); }
    // Back in the event loop: the deferred calls run, in order.
    void eseguiDopo()
    {
        while (!dopoEvento.empty()) {
            auto f = std::move(dopoEvento.front());
            dopoEvento.pop_front();
            f();
        }
    }
};

class FakeUscita : public Uscita {
public:
    [[noreturn]] void terminaSubito(int codice) override { throw ProcessoTerminato{codice}; }
};

// Every character is 8 twips wide per point of font size; the screen is 1280 x 1024 pixels;
// a frame adds 8 pixels to the width and 30 to the height, a menu bar 20 more to the height.
class FakeMisure : public Misure {
public:
    double larghezzaParola(const QString& testo, double punti) override { return static_cast<double>(testo.size()) * 8.0 * punti; }
    double larghezzaSchermo() override { return 1280 * 15; }
    double altezzaSchermo() override { return 1024 * 15; }
    Bordi bordi(bool conMenu) override { return {8 * 15.0, (conMenu ? 50 : 30) * 15.0}; }
};

class FakeFinestre : public Finestre {
public:
    // What the player does in the settings window; by default nothing is pressed.
    std::function<void(Impostazioni&)> impostazioni;
    std::function<bool()> ripasso; // the review window: true when it saved a personal list
    int impostazioniMostrate = 0;
    int infoMostrate = 0;
    int ripassiMostrati = 0;
    int testiMostrati = 0;
    bool mostraTesto() override
    {
        ++testiMostrati;
        return false;
    }
    void mostraImpostazioni(Impostazioni& imp) override
    {
        ++impostazioniMostrate;
        imp.attivazione(); // as the window does once it is shown
        if (impostazioni)
            impostazioni(imp);
    }
    void mostraInfo() override { ++infoMostrate; }
    int progressiMostrati = 0;
    void mostraProgressi() override { ++progressiMostrati; }
    bool mostraRipasso() override
    {
        ++ripassiMostrati;
        return ripasso && ripasso();
    }
};

// A channel that writes each command to a shared log ("Right.wav Play") and ends plays on request.
class CanaleRegistrato : public Canale {
public:
    CanaleRegistrato(QString f, std::shared_ptr<QStringList> log) : file_(std::move(f)), log_(std::move(log)) {}
    bool apribile = true;
    bool aperto = false;
    bool notifica = false;
    int modo_ = 0;
    std::function<void(int)> fine;

    QString file() const override { return file_; }
    bool apri() override
    {
        scrivi(QStringLiteral("Open"));
        aperto = apribile;
        return aperto;
    }
    void chiudi() override
    {
        scrivi(QStringLiteral("Close"));
        aperto = false;
        modo_ = 0;
    }
    bool indietro() override
    {
        scrivi(QStringLiteral("Prev"));
        return aperto;
    }
    bool suona() override
    {
        scrivi(QStringLiteral("Play"));
        if (aperto)
            modo_ = kModoInRiproduzione;
        return aperto;
    }
    int modo() const override { return modo_; }
    void setNotifica(bool attiva) override { notifica = attiva; }
    void setFinePlay(std::function<void(int)> f) override { fine = std::move(f); }
    // The play ended by itself.
    void termina(int esito = kEsitoCompletato)
    {
        modo_ = 0;
        if (notifica && fine)
            fine(esito);
    }

private:
    void scrivi(const QString& comando) { log_->append(file_ + QLatin1Char(' ') + comando); }
    QString file_;
    std::shared_ptr<QStringList> log_;
};

struct CanaliRegistrati {
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    CanaleRegistrato *musica, *right, *wrong, *vittoria;
    Canali crea()
    {
        Canali c;
        auto nuovo = [&](const char* f, CanaleRegistrato*& p) {
            auto u = std::make_unique<CanaleRegistrato>(QString::fromLatin1(f), log);
            p = u.get();
            return u;
        };
        c.musica = nuovo("musica.mid", musica);
        c.right = nuovo("Right.wav", right);
        c.wrong = nuovo("Wrong.wav", wrong);
        c.vittoria = nuovo("Vittoria.wav", vittoria);
        return c;
    }
};

// An in-memory file system: files and directories by absolute path, relative paths against
// corrente, and the failures a test asks for. Writing into a directory that was never created
// fails, as on a disk; a failed write changes nothing.
class FakeFileSistema : public FileSistema {
public:
    explicit FakeFileSistema(QString cartella = QStringLiteral("/"));
    std::map<QString, QByteArray> file;
    std::set<QString> cartelle{QStringLiteral("/")};
    std::set<QString> illeggibili;   // files whose reading fails
    std::set<QString> svaniti;       // seen by esiste, gone when read
    std::set<QString> bloccati;      // files or whole directories where writing fails
    std::set<QString> increabili;    // directories that can not be created
    std::set<QString> inaccessibili; // directories that can not be entered
    bool pieno = false;              // every write fails for want of space
    bool rinominaImpossibile = false;
    QString corrente;
    int scritture = 0;
    QStringList scritti; // every file written, by name as asked, failed writes too

    // Puts a file in place without counting it as a write; relative to corrente.
    void metti(const QString& p, const QByteArray& dati) { file[assoluto(p)] = dati; }
    bool ha(const QString& p) { return file.count(assoluto(p)) > 0; }
    QByteArray di(const QString& p) { return ha(p) ? file.at(assoluto(p)) : QByteArray(); }

    bool esiste(const QString& p) override;
    Lettura leggi(const QString& p, QByteArray& dati, QString& motivo, qint64 massimo = kSenzaLimite) override;
    bool scrivi(const QString& p, QByteArrayView dati, QString& motivo) override;
    bool rinomina(const QString& da, const QString& a, QString& motivo) override;
    bool creaCartella(const QString& p, QString& motivo) override;
    bool entra(const QString& p, QString& motivo) override;
    QString cartellaCorrente() override { return corrente; }
};

// Everything a Lexorio needs, faked.
struct Banco {
    FakeOrologio orologio;
    FakeCasuale casuale;
    FakeBox box;
    FakeEventi eventi;
    FakeUscita uscita;
    FakeMisure misure;
    FakeFileSistema file{QStringLiteral("/gioco")};
    FakeFinestre finestre;
    CanaliRegistrati canali;
    Porte porte{orologio, casuale, box, eventi, uscita, misure, file, finestre};

    std::unique_ptr<Lexorio> lexorio() { return std::make_unique<Lexorio>(porte, canali.crea()); }
};

// A readable name for a parameterised test's row: its index, then the letters and digits of
// its text ("3_Velocita_9" for the fourth row "Velocita: 9").
inline std::string nomeRiga(std::size_t indice, const QByteArray& testo)
{
    std::string nome = std::to_string(indice);
    bool separato = false;
    for (const char c : testo) {
        const bool buono = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (buono) {
            if (!separato)
                nome += '_';
            nome += c;
        }
        separato = buono;
    }
    return nome;
}

} // namespace lex::test

// Texts in failure messages as text, not as bytes.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
