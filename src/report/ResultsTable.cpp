#include "report/ResultsTable.h"

#include <algorithm>

#include "report/ApproachHeader.h"
#include "report/ConstantsHeader.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "report/SweepCaptions.h"
#include "report/TableField.h"

namespace quorvel {

namespace {

// Widths of the point-line fields: "%8.2f" for the swept value, "%9.4f" for the first
// result column and "%8.4f" for the others.
constexpr int XValueWidth = 8;
constexpr int XValueDecimals = 2;
constexpr int FirstColumnWidth = 9;
constexpr int ColumnWidth = 8;
constexpr int ColumnDecimals = 4;

// Shown after the X value of a point at which no composition has every amount positive.
constexpr char16_t NoPhysicalSolution[] = u"нет физического решения";

QString PointLine(const Engine& engine, int i, ResultView YAxisMode, QChar separator) {
    const ResultSeries& results = engine.resultSeries;
    QString line = FormatFixed(results.XValue[i], XValueDecimals, XValueWidth, separator);
    if (!engine.physicalRoot[i]) {
        return line + QLatin1Char(' ') + QString::fromUtf16(NoPhysicalSolution);
    }
    const auto column = [&](double value, int width) {
        AppendTableField(line, FormatFixed(value, ColumnDecimals, width, separator));
    };
    if (YAxisMode == ResultView::ProductRatios) {
        column(results.H2toCO[i], FirstColumnWidth);
        column(results.CO2toCO[i], ColumnWidth);
    } else {
        column(results.CH4[i], FirstColumnWidth);
        column(results.CO[i], ColumnWidth);
        column(results.CO2[i], ColumnWidth);
        column(results.H2[i], ColumnWidth);
        column(results.N2[i], ColumnWidth);
        column(results.VolumeChange[i], ColumnWidth);
    }
    return line;
}

} // namespace

QStringList ResultsTableLines(const Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode,
                              QChar decimalSeparator) {
    const ResultViewCaptions& view = CaptionsOf(YAxisMode);

    // The header names the two parameters that stayed fixed during the sweep, in the
    // order ratio, temperature, pressure, in the units they were entered in.
    QString labels[2];
    double fixedValues[2] = {};
    int fixedCount = 0;
    for (const SweptParameter kind : AllSweptParameters) {
        if (kind == XAxisMode)
            continue;
        labels[fixedCount] = ShownLabel(engine, kind);
        fixedValues[fixedCount] = ShownInputValue(engine, kind);
        ++fixedCount;
    }
    // The two labels are padded to equal length so that the values line up.
    const qsizetype labelWidth = std::max(labels[0].size(), labels[1].size());

    QStringList lines;
    for (int i = 0; i < 2; ++i)
        lines << labels[i].leftJustified(labelWidth) + QStringLiteral(": ") +
                     FormatGeneral(fixedValues[i], decimalSeparator);
    if (engine.constants != ConstantsSource::Builtin)
        lines << ConstantsHeaderLine(engine.constants);
    if (!ApproachIsZero(engine.approach))
        lines << ApproachHeaderLine(engine.approach, decimalSeparator);
    if (engine.sweepRange.chosen && engine.sweepRange.count > 0)
        lines << RangeHeaderLine(engine.sweepRange, decimalSeparator);
    if (const QString unit = PressureUnitHeaderLine(engine); !unit.isEmpty())
        lines << unit;
    lines << QString() << QString::fromUtf8(view.tableTitle)
          << ShownColumnHeading(engine, XAxisMode) + QString::fromUtf8(view.tableHeading);

    // Never read past the arrays, whatever LastIndex holds.
    const int lastIndex = std::min(engine.resultSeries.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i)
        lines << PointLine(engine, i, YAxisMode, decimalSeparator);
    return lines;
}

} // namespace quorvel
