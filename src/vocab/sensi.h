// The senses of a translation, and the words of one class whose translations share one.
// The game judges a key by comparing box texts and draws the wrong candidates from the
// same class: when "paura, timore" and "timore" are two words' translations, a player who
// picks "timore" for the first is told he is wrong. Identical texts are harmless (both count
// as right), so only different texts with a sense in common are a fault of the list.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace lex {

// The parts between commas or semicolons, parenthesised notes left out, blanks trimmed and
// collapsed, lower case, each once, in order: "Passo (misura); passo" gives {"passo"}.
QStringList sensi(const QString& traduzione);

struct SensoCondiviso {
    qsizetype prima = 0, seconda = 0; // positions in the list given, prima < seconda
    QString senso;                    // the first sense of prima's translation that seconda has too
};

// Every pair of entries (class text, translation) with the same class text, different
// translations and a sense in common, ordered by prima then seconda.
QList<SensoCondiviso> sensiCondivisi(const QList<QPair<QString, QString>>& classeETraduzione);

} // namespace lex
