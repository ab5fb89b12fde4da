#include "cli/BatchModes.h"

#include <memory>

#include "cli/EnvelopeOptions.h"
#include "cli/SweepCommand.h"
#include "engine/CarbonLimit.h"
#include "engine/ReformingMap.h"
#include "report/CarbonLimitReport.h"
#include "report/EnvelopeReport.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"

namespace quorvel {

namespace {

constexpr char MapPrefix[] = "map-";
constexpr char ModeColumns[] = ",temperature_c,pressure,value";

QString ModeWord(const SweepOptions& options) {
    if (options.carbonLimit)
        return QStringLiteral("carbon-limit");
    if (options.map)
        return QString::fromUtf8(MapPrefix) + QString::fromUtf8(MapFigureWord(*options.map));
    return QStringLiteral("sweep");
}

} // namespace

std::string TakeBatchMode(std::vector<std::string>& arguments, BatchMode& mode) {
    mode = BatchMode::Sweep;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] != "--mode")
            continue;
        const std::string word = arguments[i + 1];
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        if (word == "sweep")
            return {};
        if (word == "carbon-limit") {
            mode = BatchMode::CarbonLimit;
            arguments.emplace_back("--carbon-limit");
            return {};
        }
        if (word.starts_with(MapPrefix)) {
            mode = BatchMode::Map;
            arguments.emplace_back("--map");
            arguments.push_back(word.substr(sizeof MapPrefix - 1));
            return {};
        }
        return "столбец mode принимает sweep, carbon-limit, map-carbon-limit, map-methane-slip "
               "или map-h2-co, получено «" +
               word + "»";
    }
    return {};
}

QString ModeHeaderRow(const QString& sweepHeader) {
    return QStringLiteral("case,mode,") + sweepHeader.section(QLatin1Char(','), 1) +
           QString::fromLatin1(ModeColumns);
}

QStringList ModeSweepRows(const QStringList& rows) {
    QStringList result;
    for (const QString& row : rows)
        result << row.section(QLatin1Char(','), 0, 0) + QStringLiteral(",sweep,") +
                      row.section(QLatin1Char(','), 1) + QStringLiteral(",,,");
    return result;
}

std::optional<QStringList> ModeResultRows(int number, const SweepOptions& options, int sweepFields,
                                          std::FILE* err, const QString& context, bool* faulted) {
    auto engine = std::make_unique<Engine>();
    if (!PrepareEngine(*engine, options, err, context))
        return std::nullopt;
    const QString prefix = QStringLiteral("%1,%2").arg(number).arg(ModeWord(options)) +
                           QString(sweepFields, QLatin1Char(',')) + QLatin1Char(',');
    QStringList rows;
    try {
        if (options.carbonLimit) {
            auto table = std::make_unique<CarbonLimitTable>();
            table->count = 0;
            if (FeedHasCarbon(*engine))
                ComputeCarbonLimitTable(*engine, *table);
            const QString pressure = RoundedGridNumber(
                PressureInUnit(engine->processConditions.InputPressure, options.pressureUnit));
            // The table's CSV rows: temperature, minimum ratio (inf, 0), S/C.
            const QStringList csv = CarbonLimitCsvLines(*table);
            for (qsizetype i = 1; i < csv.size(); ++i)
                rows << prefix + csv[i].section(QLatin1Char(','), 0, 0) + QLatin1Char(',') +
                            pressure + QLatin1Char(',') + csv[i].section(QLatin1Char(','), 1, 1);
            return rows;
        }
        SweepRange temperatures, pressures;
        if (!CheckedGrid("температур карты", *options.mapTemperatures,
                         ShownLimits(*engine, SweptParameter::Temperature), err, context,
                         temperatures) ||
            !CheckedGrid("давлений карты", *options.mapPressures,
                         ShownLimits(*engine, SweptParameter::Pressure), err, context, pressures))
            return std::nullopt;
        auto map = std::make_unique<ReformingMap>();
        map->temperatureCount = temperatures.count;
        map->pressureCount = pressures.count;
        for (int t = 0; t < temperatures.count; ++t)
            map->temperatures[t] = temperatures.first + t * temperatures.step;
        for (int p = 0; p < pressures.count; ++p)
            map->pressures[p] =
                PressureInAtm(pressures.first + p * pressures.step, options.pressureUnit);
        ComputeReformingMap(*engine, *options.map, *map);
        const QStringList csv = MapCsvLines(*engine, *options.map, *map);
        for (qsizetype i = 1; i < csv.size(); ++i)
            rows << prefix + csv[i];
    } catch (const FloatingPointError& fault) {
        PrintMessage(err, context + QString::fromUtf8(fault.what()));
        *faulted = true;
        return std::nullopt;
    }
    return rows;
}

} // namespace quorvel
