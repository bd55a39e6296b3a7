// Windows-1252, the code page of the game's data files: one byte per character.
#pragma once

#include <QByteArray>
#include <QString>

namespace lex::cp1252 {

QString decodifica(QByteArrayView byte);
// Characters outside the code page become '?'.
QByteArray codifica(const QString& testo);
// Whether every character of the text has a byte of its own in the code page.
bool rappresentabile(const QString& testo);

} // namespace lex::cp1252
