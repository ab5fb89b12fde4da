#include "cli/SweepCommand.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "cli/ChartOutput.h"
#include "engine/CarbonLimit.h"
#include "engine/FeedTotal.h"
#include "engine/InputLimits.h"
#include "report/CarbonLimitReport.h"
#include "report/CsvLines.h"
#include "report/GridRefusal.h"
#include "report/NumberFormat.h"
#include "report/OutputFile.h"
#include "report/ResultsTable.h"
#include "report/ShownParameters.h"
#include "report/TableFile.h"
#include "views/CarbonLimitChartView.h"

namespace quorvel {

namespace {

const QChar Point = QLatin1Char('.');

// Clamps one entered value and says so when the value had to change.
double ClampAndReport(double value, EntryLimits limits, bool given, const char* name,
                      std::FILE* err, const QString& context) {
    const double clamped = ClampEntry(value, limits);
    if (given && BeyondLimits(value, limits)) {
        PrintMessage(err, context + QStringLiteral("%1 %2 вне пределов %3..%4, принято %5")
                                        .arg(QString::fromUtf8(name), FormatGeneral(value, Point),
                                             FormatGeneral(limits.lower, Point),
                                             FormatGeneral(limits.upper, Point),
                                             FormatGeneral(clamped, Point)));
    }
    return clamped;
}

// Sets the feed as the feed dialog's OK does; false (and the dialog's message) when
// the total is not 100.
bool SetFeed(Engine& engine, const std::array<double, 9>& feed, std::FILE* err,
             const QString& context) {
    const double total = FeedTotal(feed.data(), feed.size());
    if (!FeedTotalIsAccepted(total)) {
        PrintMessage(err, context + QStringLiteral("%1 (сумма %2)")
                                        .arg(QString::fromUtf8(FeedTotalRefusedMessage),
                                             FormatGeneral(total, Point)));
        return false;
    }
    for (int i = 0; i < FeedComponentCount; ++i)
        engine.feedComposition[i] = feed[static_cast<std::size_t>(i)];
    PreparationVar(engine);
    return true;
}

} // namespace

bool CheckedGrid(const char* what, const GridRequest& request, EntryLimits limits, std::FILE* err,
                 const QString& context, SweepRange& range) {
    const QByteArray from = QByteArray("начало ") + what;
    const QByteArray to = QByteArray("конец ") + what;
    range.first = ClampAndReport(request.from, limits, true, from.constData(), err, context);
    range.last = ClampAndReport(request.to, limits, true, to.constData(), err, context);
    range.step = request.step;
    range.count = SweepRangePointCount(range.first, range.last, range.step);
    const QString refusal = GridRefusal(QString::fromUtf8(what), range, ResultCapacity, Point);
    if (refusal.isEmpty())
        return true;
    PrintMessage(err, context + refusal);
    range.count = 0;
    return false;
}

bool ChooseSweepRange(Engine& engine, const SweepOptions& options, std::FILE* err,
                      const QString& context) {
    const SweptParameter swept = options.XAxisMode;
    SweepRange& range = engine.sweepRange;
    range = {};
    if (options.rangeFrom && options.rangeTo && options.rangeStep) {
        if (!CheckedGrid("диапазона", {*options.rangeFrom, *options.rangeTo, *options.rangeStep},
                         ShownLimits(engine, swept), err, context, range))
            return false;
        range.chosen = true;
        return true;
    }
    range = DesignGridInShownUnits(engine, swept);
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

bool StandardOutputFailed(int error, QString* message) {
    *message = QStringLiteral("не удалось вывести результат в стандартный вывод: %1")
                   .arg(FileErrorReason(error));
    return false;
}

bool PrepareEngine(Engine& engine, const SweepOptions& options, std::FILE* err,
                   const QString& context) {
    InitialSetData(engine);
    engine.constants = options.constants;
    engine.inlet = options.inlet;
    engine.approach = options.approach;
    engine.solverPath = options.solver;
    engine.units = {options.steamToCarbon, options.pressureUnit};
    engine.sweepRange = {};
    if (options.feed && !SetFeed(engine, *options.feed, err, context))
        return false;
    if (options.steamToCarbon && !SteamToCarbonDefined(engine.feedTotals)) {
        PrintMessage(err, context + QStringLiteral("в исходном газе нет углеводородов: "
                                                   "отношение пар/углерод (S/C) не определено, "
                                                   "задайте пар параметром --ratio"));
        return false;
    }
    const EntryLimits ratioLimits = ShownLimits(engine, SweptParameter::Ratio);
    const EntryLimits pressureLimits = ShownLimits(engine, SweptParameter::Pressure);
    const char* ratioName =
        options.steamToCarbon ? "отношение пар/углерод (S/C)" : "соотношение пар/метан";
    const QByteArray pressureName =
        options.pressureUnit == PressureUnit::Atm
            ? QByteArray("давление")
            : QByteArray("давление (") + CaptionsOf(options.pressureUnit).name + ")";
    engine.InputRatio = ModelFromShown(
        engine, SweptParameter::Ratio,
        ClampAndReport(options.ratio, ratioLimits, options.ratioGiven, ratioName, err, context));
    engine.InputTemperature =
        ClampAndReport(options.temperature, ShownLimits(engine, SweptParameter::Temperature),
                       options.temperatureGiven, "температура", err, context);
    // Without --pressure the start-up pressure holds, 25 atm in any unit.
    engine.processConditions.InputPressure =
        options.pressureGiven
            ? ModelFromShown(engine, SweptParameter::Pressure,
                             ClampAndReport(options.pressure, pressureLimits, true,
                                            pressureName.constData(), err, context))
            : options.pressure;
    return ChooseSweepRange(engine, options, err, context);
}

bool WriteResultLines(const SweepOptions& options, const QStringList& lines, std::FILE* out,
                      std::FILE* err) {
    QString message;
    if (options.outputFile) {
        if (SaveTableFile(QByteArray(options.outputFile->c_str()), lines, &message))
            return true;
    } else if (PrintLines(lines, out)) {
        return true;
    } else {
        StandardOutputFailed(errno, &message);
    }
    PrintMessage(err, message);
    return false;
}

void PrintMessage(std::FILE* err, const QString& message) {
    const QByteArray line = "quorvel-sweep: " + message.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), err);
    std::fflush(err);
}

int RunSweepCommand(const SweepOptions& options, QChar localeSeparator, std::FILE* out,
                    std::FILE* err) {
    auto engine = std::make_unique<Engine>();
    if (!PrepareEngine(*engine, options, err))
        return ExitBadInput;

    const QChar separator =
        options.decimalSeparator ? QLatin1Char(*options.decimalSeparator) : localeSeparator;
    std::unique_ptr<CarbonLimitTable> limit;
    QStringList lines;
    if (options.carbonLimit) {
        limit = std::make_unique<CarbonLimitTable>();
        limit->count = 0;
        // Without carbon in the feed there is nothing to search: no row, one line.
        const bool carbonFree = !FeedHasCarbon(*engine);
        try {
            if (!carbonFree)
                ComputeCarbonLimitTable(*engine, *limit);
        } catch (const FloatingPointError& error) {
            PrintMessage(err, QString::fromUtf8(error.what()));
            return ExitFailure;
        }
        lines = options.format == OutputFormat::Csv
                    ? CarbonLimitCsvLines(*limit)
                    : CarbonLimitTableLines(*engine, *limit, separator);
        if (carbonFree && options.format == OutputFormat::Csv)
            PrintMessage(err, QString::fromUtf8(NoCarbonInFeedLine)); // the CSV has no row
    } else {
        try {
            RunSweep(*engine, options.XAxisMode, options.YAxisMode);
        } catch (const FloatingPointError& error) {
            PrintMessage(err, QString::fromUtf8(error.what()));
            return ExitFailure;
        }
        lines = options.format == OutputFormat::Csv
                    ? CsvLines(*engine, options.XAxisMode, options.YAxisMode)
                    : ResultsTableLines(*engine, options.XAxisMode, options.YAxisMode, separator);
    }

    if (!WriteResultLines(options, lines, out, err))
        return ExitFailure;

    // The table shows the words at such points; the count goes to stderr, so that a
    // script sees at once that some points have no composition.
    if (!limit && options.format != OutputFormat::Csv) {
        int withoutSolution = 0;
        for (int i = 0; i <= std::min(engine->resultSeries.LastIndex, ResultCapacity - 1); ++i)
            withoutSolution += engine->physicalRoot[i] ? 0 : 1;
        if (withoutSolution > 0)
            PrintMessage(err,
                         QStringLiteral("точек без физического решения: %1").arg(withoutSolution));
    }

    if (options.chartFile) {
        QString message;
        const bool written = limit ? WriteCarbonLimitPicture(*limit, options, &message)
                                   : WriteChartPicture(*engine, options, &message);
        if (!written) {
            PrintMessage(err, message);
            return ExitFailure;
        }
    }
    return ExitSuccess;
}

} // namespace quorvel
