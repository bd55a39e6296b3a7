// The review of missed words: the record of the game being played, the words missed in the
// last game and in all games so far, and their file "ripasso.txt". A word leaves the review
// once it has been answered right, without a miss, in three later games.
#pragma once

#include "dati/fileregistro.h"
#include "dati/filesistema.h"
#include "shell/osservatore.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace lex {

inline constexpr const char* kFileRipasso = "ripasso.txt";
inline constexpr int kPartiteGiusteBastano = 3;    // right games after which a word leaves
inline constexpr qint64 kMassimoFileRipasso = 16 << 20; // a larger file is not ours

// A translation pressed instead of the right one, and how often.
struct Scelta {
    QString testo;
    int volte = 0;
    friend bool operator==(const Scelta&, const Scelta&) = default;
};

// A missed word. In the last game's list there is one per player who missed it; in the list
// of all games one per word (the Latin word with its translation), whoever missed it.
struct VoceRipasso {
    QString categoria, parola, traduzione; // as in the vocabulary the game was playing
    int giocatore = 1;                     // last game: 1 the right (or single) player, 2 the left one
    int giuste = 0;                        // all games: games answered right since the last miss
    QList<Scelta> scelte;                  // most often first

    int errori() const; // wrong keys, over all its choices
    friend bool operator==(const VoceRipasso&, const VoceRipasso&) = default;
};

struct DatiRipasso {
    int giocatori = 0;            // of the last game; 0 before the first one
    std::array<QString, 3> nomi;  // 1 and 2: the characters of the last game
    QList<VoceRipasso> ultima;    // what the last game missed, most missed first
    QList<VoceRipasso> tutte;     // what is still to be reviewed, in the order first missed
    friend bool operator==(const DatiRipasso&, const DatiRipasso&) = default;
};

// One game as it is played, word by word (a word asked twice is two askings).
struct RegistroPartita {
    struct Domanda {
        QString categoria, parola, traduzione;
        std::array<QStringList, 3> sbagli; // per player (1, 2): the texts of the wrong boxes pressed
        bool risposta = false;             // someone answered it right
    };
    int giocatori = 1;
    std::array<QString, 3> nomi;
    QList<Domanda> domande;
};

// Folds a game into the review: its misses become the last game's list and join those of all
// games (counts added, right games back to 0); a word it asked and that nobody missed counts one
// right game, and at the third it leaves the review.
void chiudiPartita(DatiRipasso& d, const RegistroPartita& partita);

// Most missed first; equal counts by Latin word (case ignored), then by player.
QList<VoceRipasso> piuSbagliate(QList<VoceRipasso> voci);

// The file, Windows-1252 with CR LF, most missed first, and its reading. Reading refuses anything
// the game would not have written (nullopt): the caller sets such a file aside instead of guessing.
QByteArray testoRipasso(const DatiRipasso& d);
std::optional<DatiRipasso> leggiTestoRipasso(QByteArrayView testo);

// The review as the game keeps it: told of every game by the main window's rules, read once
// at start-up, written in the background whenever a game has been folded in.
class Ripasso : public OsservatorePartita {
public:
    Ripasso(FileSistema& fs, ScrittoreInDisparte& scrittore)
        : file_(fs, scrittore, QString::fromLatin1(kFileRipasso), kMassimoFileRipasso,
                {QStringLiteral("il ripasso ricomincia da capo"),
                 QStringLiteral("il ripasso di questa sessione non verrà salvato"),
                 QStringLiteral("gli errori delle ultime partite non saranno ricordati alla prossima partenza")})
    {
    }

    // Reads "ripasso.txt". A damaged or unreadable file is renamed out of the way and the review
    // starts empty; when even that fails, the file is left alone and never written over.
    void carica();

    const DatiRipasso& dati() const { return dati_; }
    // Warnings for the review window: the file set aside, a write that failed. Empty when all is well.
    QStringList avvisi() const;

    void partitaIniziata(int giocatori, const QString& nome1, const QString& nome2) override;
    void parolaChiesta(const QString& parola, const QString& traduzione, const QString& categoria,
                       const QString& frequenza) override;
    void rispostaGiudicata(int giocatore, const QString& scelta, bool esatta) override;
    void partitaFinita() override;
    void programmaFinito() override { chiudiInCorso(); }
    QString mancataRegistrazione() override;

private:
    void chiudiInCorso(); // a game left unfinished counts too, as far as it went

    FileDiRegistro file_;
    DatiRipasso dati_;
    std::optional<RegistroPartita> inCorso_;
};

} // namespace lex
