#include "views/ChartPicture.h"

#include "chart/ChartModel.h"

namespace quorvel {

QByteArray ChartPicture(QSize size, const ReformingChartTexts& texts, const CurveData& data,
                        ChartPictureFormat format, QString* reason) {
    ChartModel model;
    ConfigureReformingChart(model);
    ConstructionChart(model, texts);
    ChartDisplay(model, texts.curves, data);
    return ChartModelPicture(model, size, format, reason);
}

QByteArray ChartPicturePng(QSize size, const ReformingChartTexts& texts, const CurveData& data,
                           QString* reason) {
    return ChartPicture(size, texts, data, ChartPictureFormat::Png, reason);
}

} // namespace quorvel
