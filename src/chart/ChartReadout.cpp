#include "chart/ChartReadout.h"

#include "chart/ChartModel.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace quorvel {

namespace {

const QColor ReadoutLineColor(128, 128, 128);

bool Shown(const TFastLineSeries& series, const ChartLayout& layout) {
    const AxisLayout& h = layout.Axis(series.HorizAxis());
    return series.Active() && series.Count() > 0 && h.drawn && h.horizontal;
}

AxisSpan SpanOf(const AxisLayout& a) {
    return AxisSpan{a.minimum, a.maximum, a.start, a.end, a.horizontal};
}

// The point of a series whose X equals x, or failing that the one with the nearest X.
int PointAtX(const TFastLineSeries& series, double x) {
    const std::vector<double>& xs = series.XValues().Values();
    if (series.XValues().Order() != TChartListOrder::loAscending) {
        int best = 0;
        for (int i = 1; i < static_cast<int>(xs.size()); ++i)
            if (std::abs(xs[static_cast<std::size_t>(i)] - x) <
                std::abs(xs[static_cast<std::size_t>(best)] - x))
                best = i;
        return best;
    }
    const auto it = std::lower_bound(xs.begin(), xs.end(), x);
    if (it == xs.end())
        return static_cast<int>(xs.size()) - 1;
    if (it == xs.begin() || *it == x)
        return static_cast<int>(it - xs.begin());
    const auto before = it - 1;
    return static_cast<int>((x - *before <= *it - x ? before : it) - xs.begin());
}

} // namespace

int NearestPointIndex(const std::vector<double>& ascendingX, const AxisSpan& axis, int pixel) {
    int best = -1;
    int bestDistance = 0;
    for (std::size_t i = 0; i < ascendingX.size(); ++i) {
        const int distance = std::abs(ValuePixel(axis, ascendingX[i]) - pixel);
        if (best < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

namespace {

// The first shown series, whose points the readout snaps to; -1 when none is shown.
int ReferenceSeries(const ChartModel& model, const ChartLayout& layout) {
    for (int i = 0; i < model.SeriesCount(); ++i)
        if (Shown(model.Series(i), layout))
            return i;
    return -1;
}

ChartReadout ReadoutOfPoint(const ChartModel& model, const ChartLayout& layout, int reference,
                            int pointIndex) {
    const ChartRect& plot = layout.plotRect;
    const TFastLineSeries& first = model.Series(reference);
    const AxisSpan span = SpanOf(layout.Axis(first.HorizAxis()));
    ChartReadout readout;
    readout.pointIndex = pointIndex;
    readout.x = first.XValues()[static_cast<std::size_t>(readout.pointIndex)];
    readout.pixelX = ValuePixel(span, readout.x);
    readout.hoverLine = PixelLine{readout.pixelX, plot.top, readout.pixelX, plot.bottom};

    for (int i = reference; i < model.SeriesCount(); ++i) {
        const TFastLineSeries& series = model.Series(i);
        if (!Shown(series, layout))
            continue;
        const int point = i == reference ? readout.pointIndex : PointAtX(series, readout.x);
        readout.values.push_back(
            ReadoutValue{i, series.Title(), series.YValues()[static_cast<std::size_t>(point)]});
    }
    return readout;
}

} // namespace

std::optional<ChartReadout> FindReadout(const ChartModel& model, const ChartLayout& layout,
                                        QPoint mouse) {
    const ChartRect& plot = layout.plotRect;
    if (mouse.x() < plot.left || mouse.x() > plot.right || mouse.y() < plot.top ||
        mouse.y() > plot.bottom)
        return std::nullopt;
    const int reference = ReferenceSeries(model, layout);
    if (reference < 0)
        return std::nullopt;
    const TFastLineSeries& first = model.Series(reference);
    const AxisSpan span = SpanOf(layout.Axis(first.HorizAxis()));
    return ReadoutOfPoint(model, layout, reference,
                          NearestPointIndex(first.XValues().Values(), span, mouse.x()));
}

std::optional<ChartReadout> ReadoutAtPoint(const ChartModel& model, const ChartLayout& layout,
                                           int pointIndex) {
    const ChartRect& plot = layout.plotRect;
    if (plot.right <= plot.left || plot.bottom <= plot.top)
        return std::nullopt;
    const int reference = ReferenceSeries(model, layout);
    if (reference < 0)
        return std::nullopt;
    const int last = model.Series(reference).Count() - 1;
    return ReadoutOfPoint(model, layout, reference, std::clamp(pointIndex, 0, last));
}

void PaintReadoutLine(QPainter& painter, const ChartReadout& readout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ReadoutLineColor, 1));
    const PixelLine& l = readout.hoverLine;
    painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    painter.restore();
}

} // namespace quorvel
