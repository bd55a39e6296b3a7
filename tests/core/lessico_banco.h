// The Collatinus lexicon and the corpus counts, loaded once for every test that needs them.
// Without the package "collatinus" (tools/install-deps.sh installs it) those tests are skipped.
#pragma once

#include "testo/frequenze.h"
#include "testo/lemmatizzatore.h"
#include "testo/lessico.h"

#include <QDir>

namespace lex::test {

struct BancoLessico {
    testo::Lessico lessico;
    testo::Frequenze frequenze;
    bool pronto = false;

    static const BancoLessico& uno()
    {
        static const BancoLessico b = [] {
            BancoLessico x;
            x.pronto = QDir(testo::Lessico::cartellaPredefinita()).exists()
                       && x.lessico.carica(testo::Lessico::cartellaPredefinita()) && x.frequenze.caricaIncorporate();
            return x;
        }();
        return b;
    }
    testo::Lemmatizzatore lemmatizzatore() const { return {lessico, frequenze}; }
};

#define SALTA_SENZA_LESSICO(b)                                                                                \
    if (!(b).pronto)                                                                                          \
    GTEST_FAIL() << "Dati di Collatinus assenti in /usr/share/collatinus/data: tools/install-deps.sh li installa"

} // namespace lex::test
