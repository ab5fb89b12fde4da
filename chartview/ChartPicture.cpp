#include "chartview/ChartPicture.h"

#include "chartkit/ChartModel.h"

namespace quorvel {

QByteArray ChartPicture(QSize size, int YAxisMode, int XAxisMode, const CurveData& data,
                        ChartPictureFormat format, QString* reason) {
    ChartModel model;
    ConfigureReformingChart(model);
    ConstructionChart(model, YAxisMode, XAxisMode);
    ChartDisplay(model, YAxisMode, data);
    return ChartModelPicture(model, size, format, reason);
}

QByteArray ChartPicturePng(QSize size, int YAxisMode, int XAxisMode, const CurveData& data,
                           QString* reason) {
    return ChartPicture(size, YAxisMode, XAxisMode, data, ChartPictureFormat::Png, reason);
}

} // namespace quorvel
