// Loading the 1600-word vocabulary, against the baseline of merely splitting the same bytes
// into lines: the loader's own work (decoding, fields, the report) should cost a small multiple.
#include "misura.h"
#include "vocab/caricamento.h"

#include <QByteArrayList>

using namespace lex;

int main()
{
    QByteArray dati = "0;0;Lexorio;I 1600 vocaboli latini\r\n";
    for (int i = 0; i < 1600; ++i)
        dati += QByteArray::number(1 + i / 400) + ';' + QByteArray::number(1 + i % 4) + ";amo, -as, -avi, -atum, -are" +
                QByteArray::number(i) + ";amare, voler bene\xe0\r\n";

    volatile qsizetype pozzo = 0;
    const double base = bench::migliore(5, 50, [&] { pozzo = pozzo + dati.split('\n').size(); });
    Vocabolario v;
    const double carica = bench::migliore(5, 50, [&] { pozzo = pozzo + caricaVocaboli(dati, v).caricati; });

    bench::riporta("Loading 1600 words (baseline: splitting them into lines)", carica, base);
    return 0;
}
