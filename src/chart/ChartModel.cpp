#include "chart/ChartModel.h"

namespace quorvel {

ChartModel::ChartModel() {
    for (std::size_t i = 0; i < axes_.size(); ++i)
        axes_[i] = std::make_unique<TChartAxis>(this, static_cast<TChartAxisId>(i));
}

TFastLineSeries& ChartModel::AddSeries(const QString& name, QColor color) {
    series_.push_back(std::make_unique<TFastLineSeries>(this, name, color));
    PartChanged();
    return *series_.back();
}

void ChartModel::SetMargins(int left, int top, int right, int bottom) {
    Assign(margins_, std::array<int, 4>{left, top, right, bottom});
}

void ChartModel::SetBackWallBrush(QColor color, bool filled) {
    if (backWallColor_ == color && backWallFilled_ == filled)
        return;
    backWallColor_ = color;
    backWallFilled_ = filled;
    PartChanged();
}

void ChartModel::SetXBands(std::vector<ChartXBand> bands) {
    if (xBands_ == bands)
        return;
    xBands_ = std::move(bands);
    PartChanged();
}

void ChartModel::SetLabelLocale(const QLocale& locale) {
    if (labelLocale_ == locale)
        return;
    labelLocale_ = locale;
    PartChanged();
}

void ChartModel::PartChanged() {
    if (onChange_)
        onChange_();
}

} // namespace quorvel
