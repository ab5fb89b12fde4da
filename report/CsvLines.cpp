#include "report/CsvLines.h"

#include <algorithm>
#include <charconv>

#include "report/FigureColumns.h"

namespace quorvel {

namespace {

QString Shortest(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QStringList CsvLines(const Engine& engine, int XAxisMode) {
    static const char* const SweptColumn[3] = {"ratio", "temperature_C", "pressure_atm"};
    const char* swept = SweptColumn[(XAxisMode >= 0 && XAxisMode <= 2) ? XAxisMode : 0];

    QStringList lines;
    lines << QString::fromLatin1(swept) +
                 QStringLiteral(",CH4,CO,CO2,H2,N2,VolumeChange,H2toCO,CO2toCO,exact_root,") +
                 FigureColumnsHeader();
    const ResultSeries& r = engine.resultSeries;
    const int lastIndex = std::min(r.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i) {
        QStringList fields;
        for (const double* column :
             {r.XValue, r.CH4, r.CO, r.CO2, r.H2, r.N2, r.VolumeChange, r.H2toCO, r.CO2toCO})
            fields << Shortest(column[i]);
        fields << (engine.exactRoot[i] ? QStringLiteral("1") : QStringLiteral("0"));
        AppendFigureFields(engine.figures, i, fields);
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

} // namespace quorvel
