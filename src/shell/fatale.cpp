#include "shell/fatale.h"

#include "shell/errori.h"

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

namespace {
GestoreAvvio* attivo = nullptr; // one thread: the handler of the start-up running now, if any
} // namespace

void errore(Porte& porte, int codice)
{
    if (attivo)
        throw ErroreAvvio{codice};
    erroreFatale(porte, codice);
}

GestoreAvvio::GestoreAvvio(Porte& porte) : porte_(porte), precedente_(attivo)
{
    attivo = this;
}

GestoreAvvio::~GestoreAvvio()
{
    attivo = precedente_;
}

void GestoreAvvio::fallito(int codice)
{
    if (codice != errori::kFileNonTrovato)
        erroreFatale(porte_, codice);

}

QString conSpazio(long long n)
{
    return n >= 0 ? QStringLiteral(" ") + QString::number(n) : QString::number(n);
}

} // namespace lex
