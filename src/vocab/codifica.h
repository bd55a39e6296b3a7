// Which encoding a teacher's word list is in. The game's own files are Windows-1252; most
// editors today save UTF-8, with or without a byte-order mark. The choice is made once for
// the whole file: Windows-1252 text with accents is practically never valid UTF-8, and
// pure ASCII reads the same either way.
#pragma once

#include <QByteArray>
#include <QString>

namespace lex {

enum class Codifica {
    Ascii,       // only 7-bit bytes: the same text in both encodings
    Windows1252, // the game's code page
    Utf8,        // valid UTF-8 with non-ASCII text
    Utf8ConBom,  // starts with the UTF-8 byte-order mark (what follows is read as UTF-8 regardless)
};

inline constexpr char kBomUtf8[] = "\xEF\xBB\xBF";

Codifica riconosciCodifica(QByteArrayView dati);

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing past U+10FFFF.
bool utf8Valido(QByteArrayView dati);

// One line's bytes (without the byte-order mark) as text in the file's encoding; bytes that
// are not UTF-8 in a file marked as UTF-8 become U+FFFD.
QString decodificaRiga(QByteArrayView riga, Codifica c);

// A byte-order mark of UTF-16 (what some editors call "Unicode"): the game does not read such files.
bool sembraUtf16(QByteArrayView dati);

} // namespace lex
