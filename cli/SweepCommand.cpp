#include "cli/SweepCommand.h"

#include <QByteArray>
#include <QFile>

#include <memory>

#include "cli/ChartOutput.h"
#include "engine/InputLimits.h"
#include "report/CsvLines.h"
#include "report/NumberFormat.h"
#include "report/ResultsTable.h"
#include "report/TableFile.h"

namespace quorvel {

namespace {

const QChar Point = QLatin1Char('.');

// Clamps one entered value and says so when the value had to change.
double ClampAndReport(double value, EntryLimits limits, bool given, const char* name,
                      std::FILE* err) {
    const double clamped = ClampEntry(value, limits);
    if (given && clamped != value) {
        PrintMessage(err,
                     QStringLiteral("%1 %2 вне пределов %3..%4, принято %5")
                         .arg(QString::fromUtf8(name), FormatGeneral(value, Point),
                              FormatGeneral(limits.lower, Point),
                              FormatGeneral(limits.upper, Point), FormatGeneral(clamped, Point)));
    }
    return clamped;
}

// Sets the feed as the feed dialog's OK does; false (and the dialog's message) when
// the total is not 100.
bool SetFeed(Engine& engine, const std::array<double, 9>& feed, std::FILE* err) {
    double total = 0;
    for (double percent : feed)
        total += percent;
    if (!FeedTotalIsAccepted(total)) {
        PrintMessage(err, QStringLiteral("Проверьте исходные данные. Сумма не равна 100% "
                                         "(сумма %1)")
                              .arg(FormatGeneral(total, Point)));
        return false;
    }
    for (int i = 0; i < FeedComponentCount; ++i)
        engine.feedComposition[i] = feed[static_cast<std::size_t>(i)];
    PreparationVar(engine);
    return true;
}

bool PrintLines(const QStringList& lines, std::FILE* out) {
    for (const QString& line : lines) {
        const QByteArray utf8 = line.toUtf8() + '\n';
        if (std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), out) !=
            static_cast<std::size_t>(utf8.size()))
            return false;
    }
    return std::fflush(out) == 0 && !std::ferror(out);
}

} // namespace

void PrintMessage(std::FILE* err, const QString& message) {
    const QByteArray line = "quorvel-sweep: " + message.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), err);
    std::fflush(err);
}

int RunSweepCommand(const SweepOptions& options, QChar localeSeparator, std::FILE* out,
                    std::FILE* err) {
    auto engine = std::make_unique<Engine>();
    InitialSetData(*engine);
    engine->constants = options.constants;
    if (options.feed && !SetFeed(*engine, *options.feed, err))
        return ExitBadInput;

    engine->InputRatio = ClampAndReport(options.ratio, RatioLimits, options.ratioGiven,
                                        "соотношение пар/метан", err);
    engine->InputTemperature = ClampAndReport(options.temperature, TemperatureLimits,
                                              options.temperatureGiven, "температура", err);
    engine->processConditions.InputPressure =
        ClampAndReport(options.pressure, PressureLimits, options.pressureGiven, "давление", err);

    try {
        RunSweep(*engine, options.XAxisMode, options.YAxisMode);
    } catch (const FloatingPointError& error) {
        PrintMessage(err, QString::fromUtf8(error.what()));
        return ExitFailure;
    }

    const QChar separator =
        options.decimalSeparator ? QLatin1Char(*options.decimalSeparator) : localeSeparator;
    const QStringList lines =
        options.format == OutputFormat::Csv
            ? CsvLines(*engine, options.XAxisMode)
            : ResultsTableLines(*engine, options.XAxisMode, options.YAxisMode, separator);

    if (options.outputFile) {
        QString message;
        if (!SaveTableFile(QFile::decodeName(options.outputFile->c_str()), lines, &message)) {
            PrintMessage(err, message);
            return ExitFailure;
        }
    } else if (!PrintLines(lines, out)) {
        PrintMessage(err, QStringLiteral("не удалось вывести результат в стандартный вывод"));
        return ExitFailure;
    }

    if (options.chartFile) {
        QString message;
        if (!WriteChartPicture(*engine, options, &message)) {
            PrintMessage(err, message);
            return ExitFailure;
        }
    }
    return ExitSuccess;
}

} // namespace quorvel
