#include "report/ResultsTable.h"

#include <algorithm>

#include "report/ConstantsHeader.h"
#include "report/NumberFormat.h"

namespace quorvel {

namespace {

// The labels of the two fixed parameters and the prefix of the column heading for
// each swept parameter. The labels of one mode are padded to equal length so the
// values line up; every prefix is 11 characters wide, the width of the first column.
struct HeaderTexts {
    const char16_t* firstLabel;
    const char16_t* secondLabel;
    const char16_t* columnPrefix;
};

constexpr HeaderTexts SweepHeaders[3] = {
    {u"Температура, град. С: ", u"Давление, атм       : ", u" пар/метан "},
    {u"Соотношение пар/метан, мол.д.: ", u"Давление, атм                : ", u"Температура"},
    {u"Соотношение пар/метан, мол.д.: ", u"Температура, град. С         : ", u" Давление  "},
};

struct ViewTexts {
    const char16_t* title;
    const char16_t* heading;
};

constexpr ViewTexts ViewHeaders[3] = {
    {u"Состав сухого синтез-газа, мол. д.", u" CH4     CO      CO2     H2      N2   Изм. объема"},
    {u"Состав мокрого синтез-газа, мол. д.", u" CH4     CO      CO2     H2      N2   Изм. объема"},
    {u"Соотношение продуктов реакции, мол. д.", u" H2/CO  CO2/CO"},
};

// Widths of the point-line fields: "%8.2f" for the swept value, "%9.4f" for the first
// result column and "%8.4f" for the others.
constexpr int XValueWidth = 8;
constexpr int XValueDecimals = 2;
constexpr int FirstColumnWidth = 9;
constexpr int ColumnWidth = 8;
constexpr int ColumnDecimals = 4;

constexpr int RatioView = 2;

// The radio groups never leave 0..2; anything else is a caller's mistake, shown as
// the first item rather than read past the tables.
int ValidMode(int mode) {
    return (mode >= 0 && mode <= 2) ? mode : 0;
}

QString PointLine(const ResultSeries& results, int i, int YAxisMode, QChar separator) {
    QString line = FormatFixed(results.XValue[i], XValueDecimals, XValueWidth, separator);
    const auto column = [&](double value, int width) {
        line += FormatFixed(value, ColumnDecimals, width, separator);
    };
    if (YAxisMode == RatioView) {
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

QStringList ResultsTableLines(const Engine& engine, int XAxisMode, int YAxisMode,
                              QChar decimalSeparator) {
    XAxisMode = ValidMode(XAxisMode);
    YAxisMode = ValidMode(YAxisMode);
    const HeaderTexts& header = SweepHeaders[XAxisMode];
    const ViewTexts& view = ViewHeaders[YAxisMode];

    // The header names the two parameters that stayed fixed during the sweep.
    const double pressure = engine.processConditions.InputPressure;
    double firstValue = engine.InputTemperature;
    double secondValue = pressure;
    if (XAxisMode == 1) {
        firstValue = engine.InputRatio;
    } else if (XAxisMode == 2) {
        firstValue = engine.InputRatio;
        secondValue = engine.InputTemperature;
    }

    QStringList lines;
    lines << QString::fromUtf16(header.firstLabel) + FormatGeneral(firstValue, decimalSeparator)
          << QString::fromUtf16(header.secondLabel) + FormatGeneral(secondValue, decimalSeparator);
    if (engine.constants != ConstantsSource::Seed)
        lines << ConstantsHeaderLine(engine.constants);
    lines << QString() << QString::fromUtf16(view.title)
          << QString::fromUtf16(header.columnPrefix) + QString::fromUtf16(view.heading);

    // Never read past the arrays, whatever LastIndex holds.
    const int lastIndex = std::min(engine.resultSeries.LastIndex, ResultCapacity - 1);
    for (int i = 0; i <= lastIndex; ++i)
        lines << PointLine(engine.resultSeries, i, YAxisMode, decimalSeparator);
    return lines;
}

} // namespace quorvel
