#include "chart/TChartAxis.h"

#include "chart/ChartError.h"

namespace quorvel {

TChartAxis::TChartAxis(ChartChangeSink* owner, TChartAxisId id) : ChartPart(owner), id_(id) {
    title_.Angle = (id == TChartAxisId::Left || id == TChartAxisId::Right) ? 90 : 0;
}

void TChartAxis::SetAutomatic(bool v) {
    Assign(automatic_, v);
    if (!Loading()) {
        Assign(automaticMinimum_, v);
        Assign(automaticMaximum_, v);
    }
}

void TChartAxis::SetMinimum(double v) {
    if (!Loading() && !(v <= maximum_))
        throw ChartError("Axis Minimum Value must be <= Maximum");
    Assign(minimum_, v);
}

void TChartAxis::SetMaximum(double v) {
    if (!Loading() && !(v >= minimum_))
        throw ChartError("Axis Maximum Value must be >= Minimum");
    Assign(maximum_, v);
}

void TChartAxis::SetIncrement(double v) {
    // Also refuses NaN: a step that compares with nothing would stall the label search.
    if (!(v >= 0))
        throw ChartError("Axis increment must be >= 0");
    Assign(increment_, v);
}

void TChartAxis::SetTitleCaption(const QString& caption) {
    Assign(title_.Caption, caption);
}

void TChartAxis::SetTitleFont(const ChartFont& font) {
    Assign(title_.Font, font);
}

} // namespace quorvel
