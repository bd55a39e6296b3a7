// The lines of a text file, for every reader of the game's files: CR LF, a lone LF and a lone
// CR all end a line (files edited elsewhere), and a last line without an end is still a line.
// Line ends are ASCII bytes, which neither Windows-1252 nor UTF-8 uses inside a character, so
// the bytes are split before decoding.
#pragma once

#include <QByteArrayView>

#include <vector>

namespace lex {

// Calls f(line, 1-based number) for each line while f returns true.
template <typename F>
void perOgniRiga(QByteArrayView dati, F&& f)
{
    qsizetype inizio = 0;
    int numero = 0;
    const qsizetype n = dati.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = dati[i];
        if (c != '\n' && c != '\r')
            continue;
        if (!f(dati.sliced(inizio, i - inizio), ++numero))
            return;
        if (c == '\r' && i + 1 < n && dati[i + 1] == '\n')
            ++i;
        inizio = i + 1;
    }
    if (inizio < n)
        f(dati.sliced(inizio), ++numero);
}

// All the lines, as views into dati.
inline std::vector<QByteArrayView> righe(QByteArrayView dati)
{
    std::vector<QByteArrayView> out;
    perOgniRiga(dati, [&out](QByteArrayView riga, int) {
        out.push_back(riga);
        return true;
    });
    return out;
}

} // namespace lex
