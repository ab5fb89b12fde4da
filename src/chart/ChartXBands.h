#pragma once

#include "chart/AxisScale.h"

#include <vector>

namespace quorvel {

struct ChartRect;

// A stretch of the horizontal axis, in axis values, that the chart shades behind its
// curves (from <= to).
struct ChartXBand {
    double from = 0;
    double to = 0;
    friend bool operator==(const ChartXBand&, const ChartXBand&) = default;
};

// The bands of the marked points among `count` points with ascending X: each marked
// point's stretch reaches halfway to its neighbours (to the point itself at either end
// of the list), and the stretches of neighbouring marked points join into one band.
std::vector<ChartXBand> XBandsAroundPoints(const double* x, const bool* marked, int count);

// The pixel rectangles of the bands on a plot: each band between the pixels of its two
// ends on `axis`, the full height of the plot, kept inside the plot's frame (the frame
// lines are plot.left..plot.right and plot.top..plot.bottom, both inclusive). Bands
// wholly outside the plot are left out; the rectangles are inclusive on every side and
// at least one pixel wide.
std::vector<ChartRect> XBandRects(const std::vector<ChartXBand>& bands, const AxisSpan& axis,
                                  const ChartRect& plot);

} // namespace quorvel
