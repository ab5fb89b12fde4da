#include "views/SweepChart.h"

#include "report/ShownParameters.h"
#include "report/SweepCaptions.h"

namespace quorvel {

ReformingChartTexts SweepChartTexts(SweptParameter XAxisMode, ResultView YAxisMode) {
    const ResultViewCaptions& view = CaptionsOf(YAxisMode);
    return ReformingChartTexts{
        QString::fromUtf8(view.chartTitle),
        QString::fromUtf8(view.name),
        QString::fromUtf8(view.series3),
        QString::fromUtf8(view.series4),
        SweptParameterName(XAxisMode),
        YAxisMode == ResultView::ProductRatios ? ReformingCurves::ProductRatios
                                               : ReformingCurves::Composition,
    };
}

ReformingChartTexts SweepChartTexts(const Engine& engine, SweptParameter XAxisMode,
                                    ResultView YAxisMode) {
    ReformingChartTexts texts = SweepChartTexts(XAxisMode, YAxisMode);
    texts.bottomAxis = ShownAxisTitle(engine, XAxisMode);
    return texts;
}

QString SweptParameterName(SweptParameter XAxisMode) {
    return QString::fromUtf8(CaptionsOf(XAxisMode).name);
}

CurveData SweepCurves(const Engine& engine) {
    const ResultSeries& r = engine.resultSeries;
    return CurveData{r.XValue,           r.CH4, r.CO, r.CO2, r.H2, r.H2toCO, r.CO2toCO, r.LastIndex,
                     engine.physicalRoot};
}

} // namespace quorvel
