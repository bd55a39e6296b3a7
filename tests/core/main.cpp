#include "ambiente.h"
#include "dati/unasolapartita.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The other copy of the game for the tests of one game per folder: takes the folder, says
    // how it went, and holds it until its standard input closes.
    if (argc == 3 && std::strcmp(argv[1], "--tieni-cartella") == 0) {
        QCoreApplication app(argc, argv);
        lex::UnaSolaPartita cartella(QString::fromLocal8Bit(argv[2]));
        std::puts(cartella.prendi() == lex::UnaSolaPartita::Esito::Presa ? "presa" : "occupata");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    lex::test::preparaAmbiente();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
