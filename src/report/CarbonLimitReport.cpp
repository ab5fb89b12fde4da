#include "report/CarbonLimitReport.h"

#include "report/ConditionLines.h"
#include "report/ConstantsHeader.h"
#include "report/NumberFormat.h"

#include <cmath>

namespace quorvel {

namespace {

// Column widths: each field right-aligned under its heading word.
constexpr int TemperatureWidth = 11; // "Температура"
constexpr int RatioWidth = 11;       // "  пар/метан"
constexpr int CarbonWidth = 13;      // "  пар/углерод"
constexpr int RatioDecimals = 4;

// The columns keep two blanks between them, as the heading does.
constexpr int ColumnGap = 2;

QString RightAligned(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char(' '));
}

// `prefix` and the number in at most `room` characters: fixed with RatioDecimals while
// that fits, else in scientific notation with as many digits as fit (a trace feed
// gives steam-to-carbon ratios of 80 digits and more).
QString FittedNumber(const QString& prefix, double value, int room, QChar separator) {
    const QString fixed = prefix + FormatFixed(value, RatioDecimals, 0, separator);
    if (fixed.size() <= room)
        return fixed;
    QString scientific;
    for (int digits = RatioDecimals; digits >= 0; --digits) {
        scientific = prefix + QString::number(value, 'E', digits);
        if (scientific.size() <= room)
            break;
    }
    return scientific.replace(QLatin1Char('.'), separator);
}

QString RatioText(const CarbonLimitRow& row, QChar separator) {
    switch (row.limit.kind) {
    case CarbonLimitKind::NoCarbon:
        return QStringLiteral("0");
    case CarbonLimitKind::AboveRange:
        return QStringLiteral("> ") + FormatGeneral(row.limit.ratio, separator);
    case CarbonLimitKind::Ratio:
        break;
    }
    return FittedNumber(QString(), row.limit.ratio, RatioWidth - ColumnGap, separator);
}

QString SteamToCarbonText(const CarbonLimitRow& row, QChar separator) {
    if (!row.steamToCarbonDefined)
        return QStringLiteral("—");
    const QString prefix =
        row.limit.kind == CarbonLimitKind::AboveRange ? QStringLiteral("> ") : QString();
    return FittedNumber(prefix, row.steamToCarbon, CarbonWidth - ColumnGap, separator);
}

} // namespace

bool FeedHasCarbon(const Engine& engine) {
    for (const int component : {0, 1, 2, 3, 5, 6}) // CH4, C2H6, C3H8, C4H10, CO, CO2
        if (engine.feedComposition[component] != 0)
            return true;
    return false;
}

QStringList CarbonLimitTableLines(const Engine& engine, const CarbonLimitTable& table,
                                  QChar decimalSeparator, CarbonLimitHeader header) {
    if (!FeedHasCarbon(engine))
        return {QString::fromUtf8(NoCarbonInFeedLine)};
    QStringList lines;
    lines << QStringLiteral("Давление, атм: ") +
                 FormatGeneral(engine.processConditions.InputPressure, decimalSeparator);
    if (engine.constants != ConstantsSource::Builtin)
        lines << ConstantsHeaderLine(engine.constants);
    if (header == CarbonLimitHeader::PressureAndFeed)
        lines << FeedLines(engine, decimalSeparator);
    lines << QString() << QStringLiteral("Минимальное соотношение пар/метан,")
          << QStringLiteral("выше которого углерод не выпадает")
          << QStringLiteral("Температура  пар/метан  пар/углерод");
    for (int i = 0; i < table.count; ++i) {
        const CarbonLimitRow& row = table.rows[i];
        lines << FormatFixed(row.temperature, 0, TemperatureWidth, decimalSeparator) +
                     RightAligned(RatioText(row, decimalSeparator), RatioWidth) +
                     RightAligned(SteamToCarbonText(row, decimalSeparator), CarbonWidth);
    }
    return lines;
}

QStringList CarbonLimitCsvLines(const CarbonLimitTable& table) {
    QStringList lines;
    lines << QStringLiteral("temperature_c,min_ratio,min_steam_to_carbon");
    for (int i = 0; i < table.count; ++i) {
        const CarbonLimitRow& row = table.rows[i];
        const bool above = row.limit.kind == CarbonLimitKind::AboveRange;
        const QString ratio = above ? QStringLiteral("inf")
                              : row.limit.kind == CarbonLimitKind::NoCarbon
                                  ? QStringLiteral("0")
                                  : ShortestNumber(row.limit.ratio);
        const QString steamToCarbon = !row.steamToCarbonDefined ? QString()
                                      : above                   ? QStringLiteral("inf")
                                                                : ShortestNumber(row.steamToCarbon);
        lines << ShortestNumber(row.temperature) + QLatin1Char(',') + ratio + QLatin1Char(',') +
                     steamToCarbon;
    }
    return lines;
}

} // namespace quorvel
