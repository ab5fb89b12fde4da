// The chart views on the TChart widget: the widget's model configured and loaded as
// the off-screen charts are. Kept apart so that what draws without a window links no
// widget library.

#include "chartview/CarbonLimitChartView.h"
#include "chartview/MapChartView.h"
#include "chartview/ReformingChartView.h"
#include "chartview/ViewTexts.h"
#include "chartwidget/TChart.h"

namespace quorvel {

void ConfigureReformingChart(TChart& chart) {
    ConfigureReformingChart(chart.Model());
}

void ConstructionChart(TChart& chart, const ReformingChartTexts& texts) {
    ApplyViewTexts(chart.Model(), texts, [&chart] { chart.RepaintNow(); });
}

void ChartDisplay(TChart& chart, ReformingCurves curves, const CurveData& data) {
    ChartDisplay(chart.Model(), curves, data);
}

void ConfigureCarbonLimitChart(TChart& chart) {
    ConfigureCarbonLimitChart(chart.Model());
}

void CarbonLimitChartDisplay(TChart& chart, const LimitCurveData& data) {
    CarbonLimitChartDisplay(chart.Model(), data);
}

void ConfigureMapChart(TChart& chart) {
    ConfigureMapChart(chart.Model());
}

void MapChartDisplay(TChart& chart, const MapGrid& grid, QChar decimalSeparator) {
    MapChartDisplay(chart.Model(), grid);
    chart.SetMapReadoutText([grid, decimalSeparator](const ColorMapCell& cell) {
        return MapReadoutText(grid, cell, decimalSeparator);
    });
}

} // namespace quorvel
