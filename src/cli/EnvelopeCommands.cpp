#include "cli/EnvelopeCommands.h"

#include <memory>

#include "cli/ChartOutput.h"
#include "cli/EnvelopeOptions.h"
#include "cli/SweepCommand.h"
#include "engine/FeedTotal.h"
#include "report/EnvelopeReport.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"

namespace quorvel {

namespace {

const QChar Point = QLatin1Char('.');

} // namespace

int RunTargetCommand(const SweepOptions& options, QChar separator, std::FILE* out, std::FILE* err) {
    auto engine = std::make_unique<Engine>();
    if (!PrepareEngine(*engine, options, err))
        return ExitBadInput;
    const SweptParameter solveFor = *options.solveFor;
    const TargetRequest& request = *options.target;
    const EntryLimits limits = EntryLimitsOf(solveFor, engine->constants);
    const QString figureName = QString::fromUtf8(TargetFigureName(request.figure));
    TargetResult result{};
    try {
        result = SearchTarget(*engine, request.figure, request.value, solveFor, limits);
    } catch (const FloatingPointError& error) {
        PrintMessage(err, QString::fromUtf8(error.what()));
        return ExitFailure;
    }
    const EntryLimits shown = ShownLimits(*engine, solveFor);
    const QString within =
        QStringLiteral("%1 от %2 до %3")
            .arg(ShownLabel(*engine, solveFor).toLower(), FormatGeneral(shown.lower, Point),
                 FormatGeneral(shown.upper, Point));
    if (result.outcome == TargetOutcome::Undefined) {
        PrintMessage(err, QStringLiteral("%1 не определено ни при каком значении (%2): нет "
                                         "физически возможного состава")
                              .arg(figureName, within));
        return ExitBadInput;
    }
    if (result.outcome == TargetOutcome::OutOfReach) {
        PrintMessage(err, QStringLiteral("ни при каком значении (%1) %2 не достигает %3: в этих "
                                         "пределах оно от %4 до %5")
                              .arg(within, figureName, FormatGeneral(request.value, Point),
                                   FormatGeneral(result.lowest, Point),
                                   FormatGeneral(result.highest, Point)));
        return ExitBadInput;
    }
    const QStringList lines =
        options.format == OutputFormat::Csv
            ? TargetCsvLines(*engine, solveFor, request.value, result)
            : TargetTableLines(*engine, solveFor, figureName, request.value, result, separator);
    return WriteResultLines(options, lines, out, err) ? ExitSuccess : ExitFailure;
}

int RunMapCommand(const SweepOptions& options, QChar separator, std::FILE* out, std::FILE* err) {
    auto engine = std::make_unique<Engine>();
    if (!PrepareEngine(*engine, options, err))
        return ExitBadInput;
    SweepRange temperatures, pressures;
    if (!CheckedGrid("температур карты", *options.mapTemperatures,
                     ShownLimits(*engine, SweptParameter::Temperature), err, QString(),
                     temperatures) ||
        !CheckedGrid("давлений карты", *options.mapPressures,
                     ShownLimits(*engine, SweptParameter::Pressure), err, QString(), pressures))
        return ExitBadInput;
    const MapFigure figure = *options.map;
    if (figure == MapFigure::CarbonLimit && FeedWithoutCarbon(engine->feedTotals)) {
        PrintMessage(err, QStringLiteral("в газе нет углерода: углерод не выпадает"));
        return ExitBadInput;
    }
    auto map = std::make_unique<ReformingMap>();
    SetMapAxes(*map, temperatures, pressures, options.pressureUnit);
    try {
        ComputeReformingMap(*engine, figure, *map);
    } catch (const FloatingPointError& error) {
        PrintMessage(err, QString::fromUtf8(error.what()));
        return ExitFailure;
    }
    const QStringList lines = options.format == OutputFormat::Csv
                                  ? MapCsvLines(*engine, figure, *map)
                                  : MapTableLines(*engine, figure, *map, separator);
    if (!WriteResultLines(options, lines, out, err))
        return ExitFailure;
    if (options.chartFile) {
        QString message;
        if (!WriteMapPicture(*engine, figure, *map, options, &message)) {
            PrintMessage(err, message);
            return ExitFailure;
        }
    }
    return ExitSuccess;
}

} // namespace quorvel
