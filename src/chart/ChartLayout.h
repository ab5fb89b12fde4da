#pragma once

#include "chart/TFastLineSeries.h"

#include <QLocale>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

namespace quorvel {

class ChartModel;
class TextMeasurer;

// A rectangle by its edges, as the drawing pass shrinks it side by side.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ChartRect&, const ChartRect&) = default;
};

// A text placed by the top-left corner of its box (height = the font's text height).
struct PlacedText {
    QString text;
    int x = 0;
    int y = 0;
    int width = 0;
};

struct TitleLayout {
    bool drawn = false;
    int lineHeight = 0;
    ChartRect box;                 // the full width of the chart rectangle, n line heights tall
    std::vector<PlacedText> lines; // every line, empty ones too (they draw nothing)
};

struct LegendItemLayout {
    int seriesIndex = 0;
    QString text;
    int textX = 0;
    int textY = 0;
    int symbolLeft = 0;
    int symbolRight = 0;
    int symbolY = 0; // vertical middle of the symbol, where its line is drawn
};

struct LegendLayout {
    bool drawn = false;
    int itemCount = 0;   // series listed (active and shown in the legend)
    int lineHeight = 0;  // h
    int textWidth = 0;   // W, widest item text
    int symbolWidth = 0; // S
    int columns = 0;     // C
    int rows = 0;        // R
    int left = 0;
    int right = 0;
    int top = 0;    // T
    int bottom = 0; // B
    ChartRect box;  // the framed box, frame included
    std::vector<LegendItemLayout> items;
};

struct AxisLabel {
    double value = 0;
    int pixel = 0;
    PlacedText text;
};

// A straight line of pixels from (x1, y1) to (x2, y2), both ends drawn.
struct PixelLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct AxisLayout {
    bool drawn = false;
    bool horizontal = true;
    double minimum = 0; // working range
    double maximum = 0;
    double range = 0;
    int start = 0; // first and last pixel along the plot
    int end = 0;
    int length = 0;
    int centre = 0;
    int axisPosition = 0;          // the axis line, on the plot's edge
    int labelPosition = 0;         // inner edge of the label band
    int titlePosition = 0;         // inner edge of the title band
    double step = 0;               // label step of this pass
    double bandStep = 0;           // the step the label band was sized for (turned axes)
    std::vector<AxisLabel> labels; // from the top value downwards
    std::vector<int> ticks;        // tick pixels, in the order the labels were made
    std::vector<int> minorTicks;
    bool titleDrawn = false;
    PlacedText title; // horizontal: top-left; turned: (x, y) is the bottom-left
                      // corner of the upright text, i.e. the turning point
    PixelLine axisLine;
    std::vector<PixelLine> outerTicks;
    std::vector<PixelLine> gridLines;
    std::vector<PixelLine> innerTicks;
    std::vector<PixelLine> minorTickLines;
    std::vector<PixelLine> minorGridLines;
};

struct SeriesLayout {
    int seriesIndex = 0;
    std::vector<QPoint> polyline; // pixels joined by segments; fewer than 2: nothing drawn
};

// The cells of a colour map in pixels. Column i covers the pixel columns
// columnEdges[i] <= x < columnEdges[i + 1]; row j (ascending y, drawn upwards) covers
// rowEdges[j + 1] <= y < rowEdges[j]. So neighbouring cells share no pixel and leave
// none between them. What is drawn is cut to `inside`, the plot inside its frame
// (half-open on the right and bottom as well).
struct ColorMapLayout {
    bool drawn = false;
    std::vector<int> columnEdges;
    std::vector<int> rowEdges;
    ChartRect inside;
};

struct ColorScaleTick {
    double value = 0;
    int pixel = 0;
    PlacedText label;
};

// The colour-scale legend right of the plot: the bar (`bar`, inclusive pixels, inside its
// one-pixel frame `frame`) runs from the scale's largest value in its top row to its
// smallest in its bottom row, as a vertical axis; ticks and labels on its right, the
// series' title turned to read upwards beyond them.
struct ColorScaleLayout {
    bool drawn = false;
    double minimum = 0;
    double maximum = 0;
    ChartRect frame;
    ChartRect bar;
    int start = 0; // the value axis along the bar: its top row (maximum)
    int end = 0;   // and its bottom row (minimum)
    double step = 0;
    double bandStep = 0;               // the step the label band was sized for
    int labelBand = 0;                 // width of the label band, pixels
    std::vector<ColorScaleTick> ticks; // from the top value downwards
    std::vector<PixelLine> tickLines;
    bool captionDrawn = false;
    PlacedText caption; // (x, y): the bottom-left corner of the upright text
};

// Values one drawing pass hands to the next: the axis lengths that the next pass uses
// to size the left and right label bands, and the colour scale's length for its labels.
struct ChartLayoutMemory {
    std::array<int, 4> axisLength{0, 0, 0, 0};
    int colorScaleLength = 0;
};

// Every number of one drawing pass.
struct ChartLayout {
    QSize size;
    ChartRect chartRect; // after the margins
    ChartRect plotRect;  // what the title, legend and axes left
    TitleLayout title;
    TitleLayout foot;
    LegendLayout legend;
    std::array<AxisLayout, 4> axes; // bottom, top, left, right
    std::vector<ChartRect> xBands;  // shaded stretches, inclusive pixels inside the plot
    std::vector<SeriesLayout> series;
    ColorMapLayout colorMap;
    ColorScaleLayout colorScale;
    const AxisLayout& Axis(TChartAxisId id) const { return axes[static_cast<std::size_t>(id)]; }
};

// One drawing pass's layout of the whole chart at the given size. Reads and updates
// the memory carried between passes; lays out again within the pass when the left
// label band turns out to be sized for another step than the one drawn.
ChartLayout ComputeChartLayout(const ChartModel& model, QSize size, const TextMeasurer& measure,
                               ChartLayoutMemory& memory);

} // namespace quorvel
