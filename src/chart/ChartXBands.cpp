#include "chart/ChartXBands.h"

#include "chart/ChartLayout.h"

#include <algorithm>

namespace quorvel {

std::vector<ChartXBand> XBandsAroundPoints(const double* x, const bool* marked, int count) {
    std::vector<ChartXBand> bands;
    for (int i = 0; i < count; ++i) {
        if (!marked[i])
            continue;
        const double from = i > 0 ? (x[i - 1] + x[i]) / 2 : x[i];
        const double to = i + 1 < count ? (x[i] + x[i + 1]) / 2 : x[i];
        // A marked left neighbour ended its stretch exactly where this one starts.
        if (i > 0 && marked[i - 1] && !bands.empty())
            bands.back().to = to;
        else
            bands.push_back({from, to});
    }
    return bands;
}

std::vector<ChartRect> XBandRects(const std::vector<ChartXBand>& bands, const AxisSpan& axis,
                                  const ChartRect& plot) {
    std::vector<ChartRect> rects;
    const int innerLeft = plot.left + 1;
    const int innerRight = plot.right - 1;
    const int innerTop = plot.top + 1;
    const int innerBottom = plot.bottom - 1;
    if (innerLeft > innerRight || innerTop > innerBottom)
        return rects;
    for (const ChartXBand& band : bands) {
        int left = ValuePixel(axis, band.from);
        int right = ValuePixel(axis, band.to);
        if (left > right)
            std::swap(left, right);
        if (right < innerLeft || left > innerRight)
            continue;
        rects.push_back(
            {std::max(left, innerLeft), innerTop, std::min(right, innerRight), innerBottom});
    }
    return rects;
}

} // namespace quorvel
