// The pool of wrong candidates for the word asked: the translations of the other selected
// words of its class (exact class text), in list order and with their repetitions, so that
// frequent translations turn up more often. A different text a learner could rightly choose
// never enters it: the board would otherwise mark a right answer wrong. A text identical to the
// right translation stays in it, and a box showing it counts as right when pressed.
#pragma once

#include "vocab/sinonimi.h"

#include <QString>
#include <QStringList>

namespace lex {

// Whether a learner asked for the word translated `giusta` could rightly choose `testo`: the
// same text, a sense in common (lex::sensi: parts between commas or semicolons, notes in
// parentheses aside, case ignored), or a sense of `testo` that is a synonym of one of `giusta`'s.
bool ancheGiusta(const QString& testo, const QString& giusta, const Sinonimi& sinonimi);

// The pool for the word at position w of the parallel lists. Empty when no other word of the
// class remains: the boxes then stay empty.
QStringList poolErrati(const QStringList& traduzioni, const QStringList& categorie, qsizetype w,
                       const Sinonimi& sinonimi = Sinonimi::spediti());

} // namespace lex
