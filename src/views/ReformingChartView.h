#pragma once

#include <QChar>
#include <QString>
#include <functional>
#include <vector>

namespace quorvel {

class ChartModel; // chart/ChartModel.h; a window's TChart shows one
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

// Which curves a view draws: the four mole fractions, or the product ratios CO2/CO and
// H2/CO on the third and fourth series (the first two then stay empty).
enum class ReformingCurves { Composition, ProductRatios };

// What one view of one sweep shows besides its curves; the program's caption table fills
// it for the chosen swept parameter and view.
struct ReformingChartTexts {
    QString title;    // the title's first line
    QString leftAxis; // the view
    QString series3;  // legend entries of the third and fourth curves
    QString series4;
    QString bottomAxis; // the swept parameter
    ReformingCurves curves = ReformingCurves::Composition;
};

// The main window's chart configuration: title, footer, axes, legend, back wall
// and the four series Series1..Series4 with their titles and colours.
void ConfigureReformingChart(ChartModel& model);
// Chart side of the recalculation cycle's first step: title lines, left-axis title,
// series titles, legend flags and bottom-axis title. A window passes `repaintNow` to
// draw the new title at once, before the other texts change.
void ConstructionChart(ChartModel& model, const ReformingChartTexts& texts,
                       const std::function<void()>& repaintNow = {});
// Empties the four series and reloads them with the given curves.
void ChartDisplay(ChartModel& model, ReformingCurves curves, const CurveData& data);

// A figure of the sweep beyond the curves, shown in the readout at the same point.
struct ReadoutFigure {
    QString caption;
    double value = 0;
    int decimals = 4;
};

// The chart readout's text: the swept parameter (its bottom-axis title) with
// its value as the table prints it, two decimals; each shown curve by its title with
// four decimals, as in the table; then the extra figures. One "caption: value" line
// each, numbers with the given decimal separator; a value that is not finite reads
// "не определено".
QString ReadoutText(const QString& sweptParameter, const ChartReadout& readout,
                    QChar decimalSeparator, const std::vector<ReadoutFigure>& extra = {});

} // namespace quorvel
