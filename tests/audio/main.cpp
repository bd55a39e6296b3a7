// Real sound channels: reports are queued to the GUI thread, so a Qt application must exist.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Never the machine's own sound card, whoever runs the tests.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
