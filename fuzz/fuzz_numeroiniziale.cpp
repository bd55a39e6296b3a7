// The leading number of a settings value, for any text: never overflows, never negative,
// equal to the digits written up to INT_MAX; and the word-count row it picks is a real row.
#include "settings/impostazioni.h"
#include "settings/impostazionipartita.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView testo(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int n = lex::numeroIniziale(testo);

    // The same number by another road: the digits after the blanks, leading zeros dropped, compared as text.
    qsizetype i = 0;
    while (i < testo.size() && testo[i] == ' ')
        ++i;
    qsizetype fine = i;
    while (fine < testo.size() && testo[fine] >= '0' && testo[fine] <= '9')
        ++fine;
    while (i < fine - 1 && testo[i] == '0')
        ++i;
    const QByteArray cifre = testo.sliced(i, fine - i).toByteArray();
    const QByteArray massimo = QByteArray::number(std::numeric_limits<int>::max());
    const bool oltre = cifre.size() > massimo.size() || (cifre.size() == massimo.size() && cifre > massimo);
    const int atteso = cifre.isEmpty() ? 0 : oltre ? std::numeric_limits<int>::max() : cifre.toInt();
    if (n != atteso)
        std::abort();

    const int riga = lex::rigaPerQuante(QString::fromLatin1(testo));
    if (riga < 0 || riga > 4)
        std::abort();
    return 0;
}
