#include "settings/impostazionipartita.h"

#include "shell/errori.h"
#include "vocab/righe.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace lex {

namespace {

constexpr qsizetype kLunghezzaChiave = 10;

QByteArrayView coda(QByteArrayView riga, qsizetype n)
{
    return riga.size() <= n ? riga : riga.last(n);
}

int limita(int v, int basso, int alto)
{
    return std::clamp(v, basso, alto);
}

// Only a "0" clears a flag; a text without any "1" counts as "1111", so one line never clears all four.
void applicaMaschera(QByteArrayView valore, std::array<bool, 5>& flag, Maschera quale,
                     const std::function<void(Maschera, int)>& rifiuto)
{
    QByteArray m = valore.toByteArray();
    if (!m.contains('1'))
        m = "1111";
    for (int i = 1; i <= 4 && i <= m.size(); ++i) {
        if (m[i - 1] != '0' || !flag[static_cast<std::size_t>(i)])
            continue;
        if (!cancellaFlag(flag, i) && rifiuto)
            rifiuto(quale, i);
    }
}

char cifra(bool b)
{
    return b ? '1' : '0';
}

} // namespace

int numeroIniziale(QByteArrayView testo)
{
    qsizetype i = 0;
    while (i < testo.size() && testo[i] == ' ')
        ++i;
    int n = 0;
    for (; i < testo.size() && testo[i] >= '0' && testo[i] <= '9'; ++i) {
        const int cifra = testo[i] - '0';
        if (n > (std::numeric_limits<int>::max() - cifra) / 10)
            return std::numeric_limits<int>::max(); // every caller clamps: a huge number is just "too many"
        n = n * 10 + cifra;
    }
    return n;
}

bool cancellaFlag(std::array<bool, 5>& flag, int i)
{
    const auto quanti = std::count(flag.begin() + 1, flag.end(), true);
    if (flag[static_cast<std::size_t>(i)] && quanti <= 1)
        return false;
    flag[static_cast<std::size_t>(i)] = false;
    return true;
}

EsitoLettura leggiTestoImpostazioni(const QByteArray& testo, ImpostazioniPartita& r,
                                    const std::function<void(Maschera, int)>& rifiuto)
{
    EsitoLettura esito;
    for (QByteArrayView riga : righe(testo)) {
        const QByteArrayView chiave = riga.first(std::min(riga.size(), kLunghezzaChiave));
        const int ultimo = numeroIniziale(coda(riga, 1));
        if (chiave == "Confronta:") {
            if (ultimo > 2)
                return {errori::kValoreNonValido, esito.quanteLetta};
            r.confronta = ultimo;
        } else if (chiave == "Musica:   ") {
            r.musica = std::min(ultimo, 1);
        } else if (chiave == "Suoni:    ") {
            r.suoni = std::min(ultimo, 1);
        } else if (chiave == "Giocatori:") {
            r.giocatori = limita(ultimo, 1, 2);
        } else if (chiave == "Giocator1:" || chiave == "Giocator2:") {
            if (ultimo < 1 || ultimo > 6)
                return {errori::kIndiceFuoriIntervallo, esito.quanteLetta};
            (chiave == "Giocator1:" ? r.giocatore1 : r.giocatore2) = ultimo;
        } else if (chiave == "Velocita: ") {
            r.velocita = limita(ultimo, 1, 5);
        } else if (chiave == "Quante:   ") {
            r.quante = limita(numeroIniziale(coda(riga, 2)), 10, 50);
            esito.quanteLetta = true;
        } else if (chiave == "Classi:   ") {
            applicaMaschera(coda(riga, 4), r.classi, Maschera::Classi, rifiuto);
        } else if (chiave == "Frequenza:") {
            applicaMaschera(coda(riga, 4), r.frequenze, Maschera::Frequenze, rifiuto);
        }
    }
    return esito;
}

QByteArrayView righeIntere(QByteArrayView testo)
{
    if (testo.isEmpty() || testo.endsWith('\n') || testo.endsWith('\r'))
        return testo;
    const qsizetype fine = std::max(testo.lastIndexOf('\n'), testo.lastIndexOf('\r')) + 1;
    const QByteArrayView ultima = testo.sliced(fine);
    // The value is read from the end of the line, so a line cut inside its value would be read
    // wrongly ("Classi:   10" clears flag 4, "Giocator1:" ends the game): only a whole one counts.
    const QByteArrayView chiave = ultima.first(std::min(ultima.size(), kLunghezzaChiave));
    qsizetype valore = 1;
    if (chiave == "Quante:   ")
        valore = 2;
    else if (chiave == "Classi:   " || chiave == "Frequenza:")
        valore = 4;
    return ultima.size() >= kLunghezzaChiave + valore ? testo : testo.first(fine);
}

QByteArray testoImpostazioni(const ImpostazioniPartita& r)
{
    auto maschera = [](const std::array<bool, 5>& f) {
        QByteArray m;
        for (int i = 1; i <= 4; ++i)
            m += cifra(f[static_cast<std::size_t>(i)]);
        return m;
    };
    const QByteArray quante = QByteArray::number(r.quante).rightJustified(2, '0');
    const QByteArray righe[] = {
        "Confronta:" + QByteArray(1, cifra(r.confronta != 0)),
        "Musica:   " + QByteArray::number(r.musica),
        "Suoni:    " + QByteArray::number(r.suoni),
        "Giocatori:" + QByteArray(r.giocatori == 1 ? "1" : "2"),
        "Giocator1:" + QByteArray::number(r.giocatore1),
        "Giocator2:" + QByteArray::number(r.giocatore2),
        "Velocita: " + QByteArray::number(r.velocita),
        "Quante:   " + quante,
        "Classi:   " + maschera(r.classi),
        "Frequenza:" + maschera(r.frequenze),
        // Written twice, as the file has always had it.
        "Quante:   " + quante,
    };
    QByteArray testo;
    for (const QByteArray& riga : righe)
        testo += riga + "\r\n";
    return testo + "\r\n";
}

} // namespace lex
