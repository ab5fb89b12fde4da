#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace quorvel {

class TChart;     // chartwidget/TChart.h, a QWidget
class ChartModel; // chartkit/ChartModel.h, the chart without its widget
struct ChartReadout;

// The sweep's arrays, entries 0..LastIndex.
struct CurveData {
    const double* XValue;
    const double* CH4;
    const double* CO;
    const double* CO2;
    const double* H2;
    const double* H2toCO;
    const double* CO2toCO;
    int LastIndex;
    // HasPoint[i] false leaves point i out of every curve (a point without a value to
    // show); the curves then join the neighbouring points. Null: every point is shown.
    const bool* HasPoint = nullptr;
};

// The main window's chart configuration: title, footer, axes, legend, back wall
// and the four series Series1..Series4 with their titles and colours.
void ConfigureReformingChart(TChart& chart);
// Chart side of the recalculation cycle's first step: title lines (repainted at
// once), left-axis title, series titles, legend flags for YAxisMode, bottom-axis
// title for XAxisMode; out-of-range modes leave things as they are.
void ConstructionChart(TChart& chart, int YAxisMode, int XAxisMode);
// Empties the four series and reloads them for YAxisMode.
void ChartDisplay(TChart& chart, int YAxisMode, const CurveData& data);

// The same three on a chart without a widget (used for off-screen pictures).
void ConfigureReformingChart(ChartModel& model);
void ConstructionChart(ChartModel& model, int YAxisMode, int XAxisMode);
void ChartDisplay(ChartModel& model, int YAxisMode, const CurveData& data);

// A figure of the sweep beyond the curves, shown in the readout at the same point.
struct ReadoutFigure {
    QString caption;
    double value = 0;
    int decimals = 4;
};

// The chart readout's text: the swept parameter (bottom-axis title for XAxisMode) with
// its value as the table prints it, two decimals; each shown curve by its title with
// four decimals, as in the table; then the extra figures. One "caption: value" line
// each, numbers with the given decimal separator; a value that is not finite reads
// "не определено".
QString ReadoutText(int XAxisMode, const ChartReadout& readout, QChar decimalSeparator,
                    const std::vector<ReadoutFigure>& extra = {});

} // namespace quorvel
