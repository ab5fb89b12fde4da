#include "views/CarbonLimitChartView.h"

#include "chart/ChartModel.h"
#include "chart/ChartXBands.h"
#include "views/ChartPicture.h"
#include "views/ReformingChartView.h"

namespace quorvel {

namespace {

constexpr int CurveSeries = 0;

} // namespace

void ConfigureCarbonLimitChart(ChartModel& model) {
    // The fonts, axes, ticks, grid and back wall of the main chart.
    ConfigureReformingChart(model);
    model.BeginLoading();
    model.Title().SetText({QStringLiteral("Граница выпадения углерода"), QString()});
    model.LeftAxis().SetTitleCaption(QStringLiteral("Мин. соотношение пар/метан"));
    model.BottomAxis().SetTitleCaption(QStringLiteral("Температура, град. С"));
    // One curve: the axis title names it, so the legend would only repeat it.
    model.Legend().SetVisible(false);
    // The temperature axis spans the whole table, also where no point is drawn.
    TChartAxis& bottom = model.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetAutomaticMinimum(false);
    bottom.SetAutomaticMaximum(false);
    TFastLineSeries& curve = model.Series(CurveSeries);
    curve.SetTitle(QStringLiteral("Минимальное соотношение пар/метан"));
    curve.SetSeriesColor(Qt::black);
    curve.SetLinePen(ChartPen{Qt::black, 2, ChartPen::Style::Solid, true});
    for (int i = 0; i < model.SeriesCount(); ++i)
        if (i != CurveSeries)
            model.Series(i).SetActive(false);
    model.EndLoading();
}

void CarbonLimitChartDisplay(ChartModel& model, const LimitCurveData& data) {
    TFastLineSeries& curve = model.Series(CurveSeries);
    curve.ClearPoints();
    for (int i = 0; i < data.count; ++i)
        if (!data.aboveRange[i])
            curve.AddPoint(data.temperature[i], data.ratio[i]);
    if (data.count > 0) {
        model.BottomAxis().SetMaximum(data.temperature[data.count - 1]);
        model.BottomAxis().SetMinimum(data.temperature[0]);
    }
    model.SetXBands(XBandsAroundPoints(data.temperature, data.aboveRange, data.count));
}

QByteArray CarbonLimitPicture(QSize size, const LimitCurveData& data, ChartPictureFormat format,
                              QString* reason) {
    ChartModel model;
    ConfigureCarbonLimitChart(model);
    CarbonLimitChartDisplay(model, data);
    return ChartModelPicture(model, size, format, reason);
}

} // namespace quorvel
