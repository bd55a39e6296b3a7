// The one way a fatal error ends the program: its box, then the process ends on the spot.
#pragma once

#include "shell/finestre.h"

namespace lex {

inline constexpr const char* kTitolo = "lexorio";

// A box with the given text, icon and the program's title (unless one is given), then the end.
[[noreturn]] void terminaConMessaggio(Porte& porte, const QString& testo, Icona icona,
                                      const QString& titolo = QString::fromLatin1(kTitolo));

// "errore " + the number with its leading blank, in a plain box; then the end.
[[noreturn]] void erroreFatale(Porte& porte, int codice);

// A numbered failure of a step. While a start-up handler is active (GestoreAvvio) it goes
// there: a file that is not found skips the failing step. Otherwise it is fatal (erroreFatale).
[[noreturn]] void errore(Porte& porte, int codice);

// Thrown to the start-up handler by errore(); nothing else catches it.
struct ErroreAvvio {
    int codice;
};

// Active while it lives: the start-up steps run under it, one at a time through passo().
class GestoreAvvio {
public:
    explicit GestoreAvvio(Porte& porte);
    ~GestoreAvvio();
    GestoreAvvio(const GestoreAvvio&) = delete;
    GestoreAvvio& operator=(const GestoreAvvio&) = delete;

    // Runs one step; file-not-found skips it, any other failure is fatal.
    template <typename F> void passo(F&& f)
    {
        try {
            f();
        } catch (const ErroreAvvio& e) {
            fallito(e.codice);
        }
    }

private:
    void fallito(int codice);
    Porte& porte_;
    GestoreAvvio* precedente_;
};

// A number joined to a text with one leading blank when it is zero or positive.
QString conSpazio(long long n);

} // namespace lex
