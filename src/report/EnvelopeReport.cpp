#include "report/EnvelopeReport.h"

#include <cmath>
#include <limits>

#include "report/ConstantsHeader.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "report/SweepCaptions.h"
#include "report/TableField.h"

namespace quorvel {

namespace {

constexpr int MapFieldWidth = 9; // room for "> 5" and 1000.0000 alike
constexpr int MapDecimals = 4;

QStringList HeldLines(const Engine& engine, SweptParameter except, QChar separator) {
    QStringList lines;
    for (const SweptParameter kind : AllSweptParameters)
        if (kind != except)
            lines << ShownLabel(engine, kind) + QStringLiteral(": ") +
                         FormatGeneral(ShownInputValue(engine, kind), separator);
    if (engine.constants != ConstantsSource::Builtin)
        lines << ConstantsHeaderLine(engine.constants);
    return lines;
}

// A carbon-limit cell in S/C mode reads as S/C, as the carbon limit table's second column.
double ShownCell(const Engine& engine, MapFigure figure, double value) {
    if (figure == MapFigure::CarbonLimit && engine.units.steamToCarbon)
        return SteamToCarbonOfRatio(engine.feedTotals, value);
    return value;
}

} // namespace

QString MapTitle(const Engine& engine, MapFigure figure) {
    switch (figure) {
    case MapFigure::CarbonLimit:
        return engine.units.steamToCarbon
                   ? QStringLiteral("Минимальное отношение пар/углерод (S/C), выше которого "
                                    "углерод не выпадает")
                   : QStringLiteral("Минимальное соотношение пар/метан, выше которого углерод "
                                    "не выпадает");
    case MapFigure::MethaneSlip:
        return QStringLiteral("Метан в сухом газе, % об.");
    case MapFigure::H2toCO:
        return QStringLiteral("Соотношение H2/CO");
    }
    return {};
}

QString MapValueCaption(const Engine& engine, MapFigure figure) {
    switch (figure) {
    case MapFigure::CarbonLimit:
        return engine.units.steamToCarbon ? QStringLiteral("Минимальное S/C")
                                          : QStringLiteral("Минимальное пар/метан");
    case MapFigure::MethaneSlip:
        return QStringLiteral("CH4 в сухом газе, %");
    case MapFigure::H2toCO:
        return QStringLiteral("H2/CO");
    }
    return {};
}

double MapCellValue(const Engine& engine, MapFigure figure, const ReformingMap& map, int cell) {
    if (figure == MapFigure::CarbonLimit && map.limits[cell] == CarbonLimitKind::NoCarbon)
        return 0;
    if (figure == MapFigure::CarbonLimit && map.limits[cell] == CarbonLimitKind::AboveRange)
        return std::numeric_limits<double>::infinity();
    return ShownCell(engine, figure, map.values[cell]);
}

namespace {

QString CellText(const Engine& engine, MapFigure figure, const ReformingMap& map, int cell,
                 QChar separator, bool csv) {
    if (figure == MapFigure::CarbonLimit) {
        if (map.limits[cell] == CarbonLimitKind::AboveRange)
            return csv ? QStringLiteral("inf")
                       : QStringLiteral("> ") +
                             FormatGeneral(ShownCell(engine, figure, map.values[cell]), separator);
        if (map.limits[cell] == CarbonLimitKind::NoCarbon)
            return QStringLiteral("0");
    }
    const double value = ShownCell(engine, figure, map.values[cell]);
    if (!std::isfinite(value))
        return csv ? QString() : QStringLiteral("-");
    return csv ? ShortestNumber(value) : FormatFixed(value, MapDecimals, 0, separator);
}

} // namespace

QStringList TargetTableLines(const Engine& engine, SweptParameter solveFor,
                             const QString& figureName, double target, const TargetResult& result,
                             QChar separator) {
    QStringList lines = HeldLines(engine, solveFor, separator);
    lines << QString()
          << QStringLiteral("Цель: %1 = %2").arg(figureName, FormatGeneral(target, separator))
          << ShownLabel(engine, solveFor) + QStringLiteral(": ") +
                 FormatGeneral(ShownFromModel(engine, solveFor, result.value), separator)
          << QStringLiteral("Достигнуто: %1 = %2")
                 .arg(figureName, FormatGeneral(result.achieved, separator));
    return lines;
}

QStringList TargetCsvLines(const Engine& engine, SweptParameter solveFor, double target,
                           const TargetResult& result) {
    return {QStringLiteral("solve_for,value,target,achieved"),
            QString::fromUtf8(CaptionsOf(solveFor).word) + QLatin1Char(',') +
                ShortestNumber(ShownFromModel(engine, solveFor, result.value)) + QLatin1Char(',') +
                ShortestNumber(target) + QLatin1Char(',') + ShortestNumber(result.achieved)};
}

QStringList MapTableLines(const Engine& engine, MapFigure figure, const ReformingMap& map,
                          QChar separator) {
    QStringList lines;
    if (figure != MapFigure::CarbonLimit)
        lines << ShownLabel(engine, SweptParameter::Ratio) + QStringLiteral(": ") +
                     FormatGeneral(ShownInputValue(engine, SweptParameter::Ratio), separator);
    if (engine.constants != ConstantsSource::Builtin)
        lines << ConstantsHeaderLine(engine.constants);
    lines << QString() << MapTitle(engine, figure)
          << QStringLiteral("Строки: температура, град. С; столбцы: ") +
                 ShownLabel(engine, SweptParameter::Pressure).toLower();
    QString heading = QString(MapFieldWidth, QLatin1Char(' '));
    for (int p = 0; p < map.pressureCount; ++p)
        AppendTableField(
            heading,
            FormatGeneral(PressureInUnit(map.pressures[p], engine.units.pressure), separator)
                .rightJustified(MapFieldWidth));
    lines << heading;
    for (int t = 0; t < map.temperatureCount; ++t) {
        QString row = FormatGeneral(map.temperatures[t], separator).rightJustified(MapFieldWidth);
        for (int p = 0; p < map.pressureCount; ++p)
            AppendTableField(
                row, CellText(engine, figure, map, t * map.pressureCount + p, separator, false)
                         .rightJustified(MapFieldWidth));
        lines << row;
    }
    return lines;
}

QStringList MapCsvLines(const Engine& engine, MapFigure figure, const ReformingMap& map) {
    QStringList lines{QStringLiteral("temperature_c,pressure,value")};
    for (int t = 0; t < map.temperatureCount; ++t)
        for (int p = 0; p < map.pressureCount; ++p)
            lines << RoundedGridNumber(map.temperatures[t]) + QLatin1Char(',') +
                         RoundedGridNumber(
                             PressureInUnit(map.pressures[p], engine.units.pressure)) +
                         QLatin1Char(',') +
                         CellText(engine, figure, map, t * map.pressureCount + p, QLatin1Char('.'),
                                  true);
    return lines;
}

} // namespace quorvel
