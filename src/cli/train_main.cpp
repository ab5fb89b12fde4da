// quorvel-train: a reformer train's case file solved from the command line.

#include <QCoreApplication>
#include <QLocale>

#include <csignal>
#include <string>
#include <vector>

#include "cli/TrainCommand.h"

int main(int argc, char** argv) {
    // A reader that goes away (`| head`) fails the write instead of killing the run.
    std::signal(SIGPIPE, SIG_IGN);
    const QCoreApplication app(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const QString point = QLocale::system().decimalPoint();
    return quorvel::RunTrainCommand(arguments, point.isEmpty() ? QLatin1Char('.') : point.at(0),
                                    stdout, stderr);
}
