// The learning record as the game keeps it: told of every game by the main window's rules,
// read once at start-up, written in the background after each game to "progressi.txt".
// One profile per character: the right (or only) player's character is recorded, and in a
// two-player game the left player's too.
#pragma once

#include "dati/fileregistro.h"
#include "dati/filesistema.h"
#include "progressi/programma.h"
#include "progressi/registro.h"
#include "shell/osservatore.h"

#include <QByteArrayView>
#include <QStringList>

#include <array>
#include <optional>

namespace lex {

inline constexpr const char* kFileProgressi = "progressi.txt";
inline constexpr qint64 kMassimoFileProgressi = 32 << 20; // a larger file is not ours

// Today's date. A port: the game reads the system's, the tests move a fake one.
class Calendario {
public:
    virtual ~Calendario() = default;
    virtual QDate oggi() = 0;
};

class CalendarioDiSistema : public Calendario {
public:
    QDate oggi() override { return QDate::currentDate(); }
};

// The file, Windows-1252 with CR LF and an end mark, and its reading. Reading refuses anything
// the game would not have written (nullopt): the caller sets such a file aside.
QByteArray testoProgressi(const DatiProgressi& d);
std::optional<DatiProgressi> leggiTestoProgressi(QByteArrayView testo);

class Progressi : public OsservatorePartita, public ProgrammaParole {
public:
    // The writer is the record's own, so that its failures are told apart from other files'.
    Progressi(FileSistema& fs, ScrittoreInDisparte& scrittore, Calendario& calendario)
        : file_(fs, scrittore, QString::fromLatin1(kFileProgressi), kMassimoFileProgressi,
                {QStringLiteral("i progressi ricominciano da capo"),
                 QStringLiteral("i progressi di questa sessione non verranno salvati"),
                 QStringLiteral("le ultime partite non saranno ricordate alla prossima partenza")}),
          calendario_(calendario)
    {
    }

    // Reads "progressi.txt". A damaged or unreadable file is renamed out of the way and the
    // record starts empty; when even that fails, the file is left alone and never written over.
    void carica();

    const DatiProgressi& dati() const { return dati_; }
    QDate oggi() { return calendario_.oggi(); }
    // Warnings for the progress window: the file set aside, a write that failed.
    QStringList avvisi() const;

    // The scheduled review's option; saved at once when it changes.
    void impostaPrimaDaRipassare(bool si);

    void partitaIniziata(int giocatori, const QString& nome1, const QString& nome2) override;
    void parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria,
                       const QString& frequenza) override;
    void rispostaGiudicata(int giocatore, const QString& scelta, bool esatta) override;
    void partitaFinita() override;
    void programmaFinito() override { chiudiInCorso(); }
    QString mancataRegistrazione() override;

    // With the option on, the due and then the unknown words of this character; else nothing.
    QList<int> ordine(const ListeParole& liste, const QString& personaggio, int quante) override;
    bool attivo() const override { return dati_.primaDaRipassare; }
    void scegli(bool si) override { impostaPrimaDaRipassare(si); }

private:
    struct Giocatore {
        int personaggio = 0; // 1 to 6; 0 is not recorded
        QList<EsitoDomanda> domande;
        bool rispostoQui = false; // has pressed a key on the current asking
    };
    void chiudiInCorso(); // a game left unfinished counts too, as far as it went
    void salva();

    FileDiRegistro file_;
    Calendario& calendario_;
    DatiProgressi dati_;
    std::array<Giocatore, 3> giocatori_; // 1 right, 2 left
    bool inCorso_ = false;
};

} // namespace lex
