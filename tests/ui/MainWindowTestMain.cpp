// Widget tests of the main window run with a QApplication on the off-screen platform.

#include <QApplication>

#include <gtest/gtest.h>

#include "chart/FontSubstitutes.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    quorvel::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
