// Real sound channels: reports are queued to the GUI thread, so a Qt application must exist.
#include "ambiente.h"
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Never the machine's own sound card, whoever runs the tests.
    lex::test::preparaAmbiente();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
