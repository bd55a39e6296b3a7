// How an answer box draws its translation, shared by the board and by the checks on the
// vocabulary, so that "fits its box" means the same thing in both places.
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

} // namespace lex::ui
