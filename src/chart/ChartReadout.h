#pragma once

#include "chart/AxisScale.h"
#include "chart/ChartLayout.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace quorvel {

class ChartModel;

// One shown curve's value at the point the readout has snapped to.
struct ReadoutValue {
    int seriesIndex = 0;
    QString title;
    double y = 0;
};

// The computed point nearest to the mouse: its index in the first shown series with
// points, its X value, the pixel column it is drawn at and the thin vertical line
// across the plot there, and every shown curve's value at that X.
struct ChartReadout {
    int pointIndex = 0;
    double x = 0;
    int pixelX = 0;
    PixelLine hoverLine;
    std::vector<ReadoutValue> values;
};

// The readout for a mouse position, or nothing when the position lies outside the
// plot rectangle or no shown series holds a point. The point is the one whose pixel
// column lies nearest to the mouse's (the first of equally near ones), so every
// computed point can be reached. A shown series is an active one with points, measured
// on a horizontal axis that the layout draws.
std::optional<ChartReadout> FindReadout(const ChartModel& model, const ChartLayout& layout,
                                        QPoint mouse);

// The readout at a point of the first shown series, by its index (limited to the
// series' points), as the keyboard steps from point to point; nothing when no shown
// series holds a point or the plot has no inside.
std::optional<ChartReadout> ReadoutAtPoint(const ChartModel& model, const ChartLayout& layout,
                                           int pointIndex);

// Index of the value in an ascending list whose pixel lies nearest to `pixel`; -1 for
// an empty list.
int NearestPointIndex(const std::vector<double>& ascendingX, const AxisSpan& axis, int pixel);

// Draws the readout's vertical line: one pixel wide, solid grey, over the curves.
void PaintReadoutLine(QPainter& painter, const ChartReadout& readout);

} // namespace quorvel
