#include "chart/TColorMapSeries.h"

#include "chart/ChartError.h"
#include "chart/ColorScale.h"

#include <cmath>

namespace quorvel {

namespace {

bool StrictlyAscending(const std::vector<double>& v) {
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!std::isfinite(v[i]))
            return false;
        if (i > 0 && !(v[i] > v[i - 1]))
            return false;
    }
    return true;
}

} // namespace

std::vector<double> CellEdges(const std::vector<double>& c) {
    const std::size_t n = c.size();
    if (n == 0)
        return {};
    if (n == 1)
        return {c[0] - 1, c[0] + 1};
    std::vector<double> edges(n + 1);
    edges[0] = c[0] - (c[1] - c[0]) / 2;
    for (std::size_t i = 1; i < n; ++i)
        edges[i] = c[i - 1] + (c[i] - c[i - 1]) / 2;
    edges[n] = c[n - 1] + (c[n - 1] - c[n - 2]) / 2;
    return edges;
}

void TColorMapSeries::SetGrid(std::vector<double> x, std::vector<double> y,
                              std::vector<double> values) {
    if (values.size() != x.size() * y.size())
        throw ChartError("Карта: число значений " + std::to_string(values.size()) +
                         " не равно числу ячеек " + std::to_string(x.size()) + " x " +
                         std::to_string(y.size()));
    if (!StrictlyAscending(x) || !StrictlyAscending(y))
        throw ChartError("Карта: узлы сетки должны быть конечными и строго возрастать");
    x_ = std::move(x);
    y_ = std::move(y);
    values_ = std::move(values);
    xEdges_ = CellEdges(x_);
    yEdges_ = CellEdges(y_);
    anyValue_ = false;
    valueMin_ = valueMax_ = 0;
    for (double v : values_) {
        if (!std::isfinite(v))
            continue;
        if (!anyValue_ || v < valueMin_)
            valueMin_ = v;
        if (!anyValue_ || v > valueMax_)
            valueMax_ = v;
        anyValue_ = true;
    }
    Changed();
}

void TColorMapSeries::Clear() {
    SetGrid({}, {}, {});
}

QColor TColorMapSeries::ValueColor(double value) const {
    if (!std::isfinite(value))
        return noValueColor_;
    return ColorScaleColor(ColorScaleFraction(value, valueMin_, valueMax_));
}

} // namespace quorvel
