#include "vocab/codifica.h"

#include "vocab/cp1252.h"

namespace lex {

bool utf8Valido(QByteArrayView dati)
{
    const qsizetype n = dati.size();
    qsizetype i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(dati[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int seguito = 0;
        char32_t cp = 0, minimo = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            seguito = 1;
            cp = c & 0x1Fu;
            minimo = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguito = 2;
            cp = c & 0x0Fu;
            minimo = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguito = 3;
            cp = c & 0x07u;
            minimo = 0x10000;
        } else {
            return false; // a continuation byte, C0/C1 (always overlong) or F5..FF
        }
        if (n - i <= seguito)
            return false;
        for (int k = 1; k <= seguito; ++k) {
            const auto b = static_cast<unsigned char>(dati[i + k]);
            if ((b & 0xC0u) != 0x80u)
                return false;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += seguito + 1;
    }
    return true;
}

Codifica riconosciCodifica(QByteArrayView dati)
{
    if (dati.startsWith(QByteArrayView(kBomUtf8)))
        return Codifica::Utf8ConBom;
    qsizetype i = 0;
    while (i < dati.size() && static_cast<unsigned char>(dati[i]) < 0x80)
        ++i;
    if (i == dati.size())
        return Codifica::Ascii;
    // The ASCII prefix is valid UTF-8 on its own: only the rest needs looking at.
    return utf8Valido(dati.sliced(i)) ? Codifica::Utf8 : Codifica::Windows1252;
}

QString decodificaRiga(QByteArrayView riga, Codifica c)
{
    if (c == Codifica::Utf8 || c == Codifica::Utf8ConBom)
        return QString::fromUtf8(riga);
    return cp1252::decodifica(riga);
}

bool sembraUtf16(QByteArrayView dati)
{
    return dati.startsWith("\xFF\xFE") || dati.startsWith("\xFE\xFF");
}

} // namespace lex
