// How an answer box draws its translation and the word label its word, shared by the board,
// the word's shrinking and the checks on the vocabulary, so that "fits" means one thing.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace lex::ui {

QFont fontCasella();
// The area the text is laid out in, inside a box of 1575 x 495 twips.
QRect areaTestoCasella();
inline constexpr int kFlagsCasella = Qt::AlignCenter | Qt::TextWordWrap;

// Whether the translation fits its box, on at most the box's lines, with no word cut.
bool entraNellaCasella(const QString& testo);

// The word label's font at a size in points.
QFont fontParola(double punti);
// The width the word label needs to show a text whole at a size: the ink or the advance,
// whichever is wider, its margins, and a pixel for rounding the label's place. In pixels.
double larghezzaParolaPx(const QString& testo, double punti);

} // namespace lex::ui
