// Widget tests of the main window run with a QApplication on the off-screen platform.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "chart/FontSubstitutes.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    quorvel::InstallFontSubstitutes();
    // The Options menu remembers its choice in the user's settings; these tests keep
    // theirs in a fresh folder of their own and never read or touch the user's.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
