// Widget tests run offscreen with the game's fonts pinned.
#include "ambiente.h"
#include "shell/ui/porteqt.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    lex::test::preparaAmbiente();
    QApplication app(argc, argv);
    lex::ui::fissaCaratteri();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
