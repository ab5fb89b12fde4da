#include "chart/TFastLineSeries.h"

namespace quorvel {

TFastLineSeries::TFastLineSeries(ChartChangeSink* owner, const QString& name, QColor color)
    : ChartPart(owner), name_(name) {
    linePen_.color = color;
}

void TFastLineSeries::SetSeriesColor(QColor color) {
    ChartPen pen = linePen_;
    pen.color = color;
    Assign(linePen_, pen);
}

std::size_t TFastLineSeries::InsertIndex(double x) const {
    const std::size_t count = xValues_.Count();
    if (count == 0)
        return 0;
    const double last = xValues_[count - 1];
    switch (xValues_.Order()) {
    case TChartListOrder::loNone:
        return count;
    case TChartListOrder::loAscending:
        if (!(x < last))
            return count;
        // Just after the last point whose X is not greater, so equal X keep arrival order.
        for (std::size_t i = count; i-- > 0;)
            if (!(xValues_[i] > x))
                return i + 1;
        return 0;
    case TChartListOrder::loDescending:
        if (!(x > last))
            return count;
        for (std::size_t i = count; i-- > 0;)
            if (!(xValues_[i] < x))
                return i + 1;
        return 0;
    }
    return count;
}

int TFastLineSeries::AddPoint(double x, double y, const QString& label, std::uint32_t colour) {
    const std::size_t index = InsertIndex(x);
    xValues_.Insert(index, x);
    yValues_.Insert(index, y);
    labels_.insert(labels_.begin() + static_cast<std::ptrdiff_t>(index), label);
    colours_.insert(colours_.begin() + static_cast<std::ptrdiff_t>(index), colour);
    Changed();
    return static_cast<int>(index);
}

void TFastLineSeries::ClearPoints() {
    xValues_.Clear();
    yValues_.Clear();
    labels_.clear();
    colours_.clear();
    Changed();
}

} // namespace quorvel
