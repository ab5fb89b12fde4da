#pragma once

#include "chart/ChartLayout.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QStringList>

class QPainter;

namespace quorvel {

class ChartModel;
class FontTextMeasurer;

// Draws one drawing pass: everything at the places the layout computed, in the
// pass's order (panel, title, legend, back wall, shaded bands, colour map and its
// scale, axes, series).
void PaintChart(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
                const FontTextMeasurer& measure);

// The whole pass into a new image of the given size (layout and painting).
QImage RenderChart(const ChartModel& model, QSize size, ChartLayoutMemory& memory);

// A caption under a chart picture: lines of plain text, each wrapped at the picture's
// width, in black on `background`, in a band of its own below the chart, which keeps its
// size and every pixel.
int PictureCaptionHeight(const QStringList& lines, int width);
void PaintPictureCaption(QPainter& painter, const QStringList& lines, int top, int width,
                         const QColor& background);
// The chart picture with the caption band added below it; the picture itself without
// lines.
QImage WithPictureCaption(const QImage& chart, const QStringList& lines, const QColor& background);

} // namespace quorvel
