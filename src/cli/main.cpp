// quorvel-sweep: the main window's calculation from the command line, for scripts.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "QuorvelVersion.h"
#include "cli/BatchCommand.h"
#include "cli/EnvelopeCommands.h"
#include "cli/HelpText.h"
#include "cli/PlantOptions.h"
#include "cli/QuietPlatformWarnings.h"
#include "cli/SameTarget.h"
#include "cli/SweepCommand.h"
#include "cli/SweepOptions.h"
#include "chart/FontSubstitutes.h"

namespace {

// A chart picture needs the GUI side of Qt (fonts, painting); without a display it
// draws through the off-screen platform.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool drawsChart) {
    if (!drawsChart)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quorvel::QuietRuntimeFolderWarning();
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    quorvel::InstallFontSubstitutes();
    return app;
}

// Prints a fixed text; a text that did not reach its reader (a full disk, a closed
// pipe) is a failed run.
int PrintText(const char* text, const char* failure) {
    if (std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        quorvel::PrintMessage(stderr, QString::fromUtf8(failure));
        return quorvel::ExitFailure;
    }
    return quorvel::ExitSuccess;
}

} // namespace

int main(int argc, char** argv) {
    // A reader that goes away (`| head`) makes the next write fail with EPIPE, which
    // ends the run with one message and status 1 instead of killing it.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const quorvel::ParsedOptions parsed = quorvel::ParseSweepOptions(arguments);
    if (!parsed.error.empty()) {
        quorvel::PrintMessage(stderr, QString::fromUtf8(parsed.error));
        return quorvel::ExitBadInput;
    }
    if (parsed.options.help)
        return PrintText(quorvel::SweepHelpText(), "не удалось вывести справку");
    if (parsed.options.version)
        return PrintText("quorvel-sweep " QUORVEL_VERSION "\n", "не удалось вывести версию");
    const quorvel::SweepOptions& options = parsed.options;
    if (options.batchFile) {
        // Standard input redirected from a file is that file.
        const std::string input = *options.batchFile == "-" ? "/dev/stdin" : *options.batchFile;
        if (options.outputFile && quorvel::NameTheSameFile(*options.outputFile, input)) {
            quorvel::PrintMessage(
                stderr, QStringLiteral("--batch и --output называют один и тот же файл «%1»: "
                                       "результат затёр бы список случаев")
                            .arg(QString::fromLocal8Bit(options.outputFile->c_str())));
            return quorvel::ExitBadInput;
        }
        const QCoreApplication app(argc, argv);
        return quorvel::RunBatchCommand(options, stdout, stderr);
    }
    if (options.outputFile && options.chartFile &&
        quorvel::NameTheSameFile(*options.outputFile, *options.chartFile)) {
        quorvel::PrintMessage(stderr, QStringLiteral("--output и --chart называют один и тот же "
                                                     "файл «%1»: рисунок затёр бы таблицу")
                                          .arg(QString::fromLocal8Bit(options.chartFile->c_str())));
        return quorvel::ExitBadInput;
    }

    if (options.approachFrom) {
        const QCoreApplication app(argc, argv);
        const QString point = QLocale::system().decimalPoint();
        return quorvel::RunApproachReadBackCommand(
            options, point.isEmpty() ? QLatin1Char('.') : point.at(0), stdout, stderr);
    }

    if (options.target || options.map) {
        const auto app = MakeApplication(argc, argv, options.chartFile.has_value());
        const QString point = QLocale::system().decimalPoint();
        const QChar separator = options.decimalSeparator ? QLatin1Char(*options.decimalSeparator)
                                : point.isEmpty()        ? QLatin1Char('.')
                                                         : point.at(0);
        return options.target ? quorvel::RunTargetCommand(options, separator, stdout, stderr)
                              : quorvel::RunMapCommand(options, separator, stdout, stderr);
    }

    const auto app = MakeApplication(argc, argv, parsed.options.chartFile.has_value());
    const QString localePoint = QLocale::system().decimalPoint();
    const QChar localeSeparator = localePoint.isEmpty() ? QLatin1Char('.') : localePoint.at(0);
    return quorvel::RunSweepCommand(parsed.options, localeSeparator, stdout, stderr);
}
