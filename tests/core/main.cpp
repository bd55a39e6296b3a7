#include "ambiente.h"
#include "dati/unasolapartita.h"
#include "shell/porte.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The other copy of the game for the tests of one game per folder: takes the folder, says
    // how it went, and holds it until its standard input closes; then it returns, or with
    // --esci-subito ends on the spot as the quit does, giving the folder back first.
    const bool esciSubito = argc == 3 && std::strcmp(argv[1], "--esci-subito") == 0;
    if (argc == 3 && (esciSubito || std::strcmp(argv[1], "--tieni-cartella") == 0)) {
        QCoreApplication app(argc, argv);
        lex::UnaSolaPartita cartella(QString::fromLocal8Bit(argv[2]));
        std::puts(cartella.prendi() == lex::UnaSolaPartita::Esito::Presa ? "presa" : "occupata");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        if (esciSubito) {
            struct : lex::Uscita {
                [[noreturn]] void terminaSubito(int codice) override { std::_Exit(codice); }
            } fine;
            lex::UscitaOrdinata uscita(fine);
            uscita.primaDi([&cartella] { cartella.rilascia(); });
            uscita.terminaSubito(0);
        }
        return 0;
    }
    lex::test::preparaAmbiente();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
