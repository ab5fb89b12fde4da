// quorvel-sweep: the main window's calculation from the command line, for scripts.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "chart/FontSubstitutes.h"
#include "cli/HelpText.h"
#include "cli/SweepCommand.h"
#include "cli/SweepOptions.h"

namespace {

// A chart picture needs the GUI side of Qt (fonts, painting); without a display it
// draws through the off-screen platform.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool drawsChart) {
    if (!drawsChart)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    quorvel::InstallFontSubstitutes();
    return app;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const quorvel::ParsedOptions parsed = quorvel::ParseSweepOptions(arguments);
    if (!parsed.error.empty()) {
        quorvel::PrintMessage(stderr, QString::fromUtf8(parsed.error));
        return quorvel::ExitBadInput;
    }
    if (parsed.options.help) {
        std::fputs(quorvel::SweepHelpText(), stdout);
        return quorvel::ExitSuccess;
    }

    const auto app = MakeApplication(argc, argv, parsed.options.chartFile.has_value());
    const QString localePoint = QLocale::system().decimalPoint();
    const QChar localeSeparator = localePoint.isEmpty() ? QLatin1Char('.') : localePoint.at(0);
    return quorvel::RunSweepCommand(parsed.options, localeSeparator, stdout, stderr);
}
