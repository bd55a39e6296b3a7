// How much of each author a learner can read: the share of the author's running words (tokens)
// that belong to the words known, from the per-entry counts of "copertura.tsv" (derived from the
// LASLA corpus, see docs/vocabulary.md), and what the next words to learn would add.
#pragma once

#include "progressi/registro.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace lex {

inline constexpr const char* kFileCopertura = "copertura.tsv";
inline constexpr qint64 kMassimoFileCopertura = 4 << 20;
inline constexpr int kProssimeParole = 50;

struct TabellaCopertura {
    QStringList autori;    // as the columns name them: Caesar, Cicero, ...
    QList<qint64> totali;  // each author's running words
    struct Riga {
        QString parola;      // the Latin word as in vocaboli.txt
        QList<qint64> conti; // per author
    };
    QList<Riga> righe;     // in the vocabulary's order: commonest first
};

// Tab-separated: "#" comments, a line of column names ("parola", "lemmi", the authors), a line
// of totals, one line per entry. Anything else is refused (nullopt).
std::optional<TabellaCopertura> leggiCopertura(QByteArrayView testo);

struct CoperturaAutore {
    QString nome;      // in Italian: "Cesare"
    int percento = 0;  // of the running words, rounded down
    int conProssime = 0; // the same once the next words are known too
};

// Per author, with the words known in the profile (by Latin word); the next words are the
// commonest of the table not known yet, prossime of them.
QList<CoperturaAutore> copertura(const TabellaCopertura& t, const ProfiloProgressi& profilo,
                                 int prossime = kProssimeParole);

// "Cesare: 71% delle parole", and what the next words add: "+4% con i prossimi 50 vocaboli".
QString rigaCopertura(const CoperturaAutore& c);
QString rigaProssime(const CoperturaAutore& c, int prossime = kProssimeParole);

// The Italian name of an author as the table spells it; unknown names stay as they are.
QString nomeAutore(const QString& colonna);

} // namespace lex
