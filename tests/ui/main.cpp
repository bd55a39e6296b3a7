// Widget tests run offscreen with the game's fonts pinned.
#include "shell/ui/porteqt.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lex::ui::fissaCaratteri();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
