#include "shell/fatale.h"

#include <cstdlib>

namespace lex {

void terminaConMessaggio(Porte& porte, const QString& testo, Icona icona, const QString& titolo)
{
    porte.box.mostra(testo, titolo, icona, Pulsanti::Ok);
    porte.uscita.terminaSubito(1);
    std::abort(); // not reached: terminaSubito does not return
}

void erroreFatale(Porte& porte, int codice)
{
    terminaConMessaggio(porte, QStringLiteral("errore ") + conSpazio(codice), Icona::Nessuna);
}

QString conSpazio(long long n)
{
    return n >= 0 ? QStringLiteral(" ") + QString::number(n) : QString::number(n);
}

} // namespace lex
