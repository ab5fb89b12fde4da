#include "report/CsvLines.h"

#include <algorithm>
#include <charconv>

#include "report/CarbonColumns.h"
#include "report/FigureColumns.h"
#include "report/SweepCaptions.h"

namespace quorvel {

namespace {

QString Shortest(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QStringList CsvLines(const Engine& engine, SweptParameter XAxisMode) {
    QStringList lines;
    lines << QString::fromUtf8(CaptionsOf(XAxisMode).csvColumn) +
                 QStringLiteral(
                     ",CH4,CO,CO2,H2,N2,VolumeChange,H2toCO,CO2toCO,exact_root,physical,") +
                 FigureColumnsHeader() + QLatin1Char(',') + CarbonColumnsHeader();
    const ResultSeries& r = engine.resultSeries;
    const int lastIndex = std::min(r.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i) {
        // A point without a physical composition keeps its X value; its values are empty.
        const bool physical = engine.physicalRoot[i];
        QStringList fields;
        fields << Shortest(r.XValue[i]);
        for (const double* column :
             {r.CH4, r.CO, r.CO2, r.H2, r.N2, r.VolumeChange, r.H2toCO, r.CO2toCO})
            fields << (physical ? Shortest(column[i]) : QString());
        fields << (engine.exactRoot[i] ? QStringLiteral("1") : QStringLiteral("0"));
        fields << (physical ? QStringLiteral("1") : QStringLiteral("0"));
        AppendFigureFields(engine.figures, i, fields);
        AppendCarbonFields(engine.carbonSeries, i, fields);
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

} // namespace quorvel
