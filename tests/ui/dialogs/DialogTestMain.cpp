#include <QApplication>

#include <gtest/gtest.h>

#include "chart/FontSubstitutes.h"

// The dialogs need a QApplication; the tests run under the offscreen platform.
int main(int argc, char** argv) {
    // Test discovery runs the program too, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    quorvel::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
