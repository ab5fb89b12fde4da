#pragma once

#include "chartkit/ChartLayout.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace quorvel {

class ChartModel;
class FontTextMeasurer;

// Draws one drawing pass: everything at the places the layout computed, in the
// pass's order (panel, title, legend, back wall, shaded bands, axes, series).
void PaintChart(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
                const FontTextMeasurer& measure);

// The whole pass into a new image of the given size (layout and painting).
QImage RenderChart(const ChartModel& model, QSize size, ChartLayoutMemory& memory);

} // namespace quorvel
