#pragma once

#include "chart/AxisScale.h"
#include "chart/ChartLayout.h"

#include <QLocale>
#include <QPoint>
#include <optional>

namespace quorvel {

class TColorMapSeries;
class TextMeasurer;

// Sizes of the colour-scale legend, in pixels.
struct ColorScaleSizes {
    static constexpr int gap = 10;        // between the plot's right edge and the bar's frame
    static constexpr int barWidth = 14;   // the coloured bar, inside its frame
    static constexpr int tickLength = 4;  // ticks on the bar's right, outside the frame
    static constexpr int labelGap = 2;    // between a tick and its label
    static constexpr int captionGap = 6;  // between the widest label and the turned title
    static constexpr int separation = 50; // labels at least 1.5 label heights apart, per cent
    // The label step grows from this one (the smallest) until the labels fit, so a
    // small range gets a fine step.
    static constexpr double startStep = 1e-12;
};

// The pixel cells of a map on its horizontal and vertical axis over a plot rectangle.
// Not drawn when the map has no cells or the plot has no inside.
ColorMapLayout LayoutColorMap(const TColorMapSeries& map, const AxisSpan& horizontal,
                              const AxisSpan& vertical, const ChartRect& plot);

// The pixels of one cell as drawn, half-open (left <= x < right, top <= y < bottom), cut
// to the plot's inside; right <= left or bottom <= top when nothing of it shows.
ChartRect ColorMapCellRect(const ColorMapLayout& layout, int column, int row);

// The hatching of a rectangle without a value (half-open, as ColorMapCellRect gives it):
// the pieces inside it of the diagonal lines x + y = k * spacing, rising to the right.
// The lines lie on one lattice for every rectangle, so neighbouring rectangles hatch as
// one; no clipping is needed, which not every picture format honours.
std::vector<PixelLine> HatchLines(const ChartRect& rect, int spacing);

// The cell a pixel shows, with its centre and value.
struct ColorMapCell {
    int column = 0;
    int row = 0;
    double x = 0;
    double y = 0;
    double value = 0; // NaN or infinite: the cell has no value
};

// The cell drawn at `pixel`; nothing when the pixel lies outside the plot's inside or
// outside every cell.
std::optional<ColorMapCell> ColorMapCellAt(const TColorMapSeries& map, const ColorMapLayout& layout,
                                           QPoint pixel);

// The label step of the colour scale for a bar `length` pixels long.
double ColorScaleStep(const TColorMapSeries& map, const TextMeasurer& measure, int length);

// A colour-scale label: the value rounded to its multiple of the step, with as many
// decimals as the step needs (none for a step of 1 or more, at most 12) less trailing
// zeros, the locale's group and decimal separators; never "-0".
QString FormatScaleLabel(double value, double step, const QLocale& locale);

// Width of the label band that fits every label of `step`.
int ColorScaleLabelBand(const TColorMapSeries& map, const QLocale& locale,
                        const TextMeasurer& measure, double step);

// The whole width the colour-scale legend takes from the chart's right side.
int ColorScaleWidth(const TColorMapSeries& map, const TextMeasurer& measure, int labelBand);

// The legend laid out in the room from `left` (where the plot's room ends) rightwards,
// its bar framed from `top` to `bottom`, its labels in a band `labelBand` wide sized for
// `bandStep`.
ColorScaleLayout LayoutColorScale(const TColorMapSeries& map, const QLocale& locale,
                                  const TextMeasurer& measure, int left, int top, int bottom,
                                  int labelBand, double bandStep);

// The value shown at a pixel row of the bar (the bar's rows run from its largest value
// at the top to its smallest at the bottom).
double ColorScaleValueAt(const ColorScaleLayout& scale, int row);

} // namespace quorvel
