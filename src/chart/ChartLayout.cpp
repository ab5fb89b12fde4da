#include "chart/ChartLayout.h"

#include "chart/AxisLabelFormat.h"
#include "chart/AxisScale.h"
#include "chart/ChartModel.h"
#include "chart/ChartRounding.h"
#include "chart/ChartXBands.h"
#include "chart/ColorMapGeometry.h"
#include "chart/LabelFit.h"
#include "chart/TextMeasurer.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr int kTitleGap = 5; // pixels between the title lines and what lies below
// The legend's box, in pixels and shares of the chart:
constexpr int kLegendGap = 4;         // between a symbol and its text, and after the text
constexpr int kLegendRowSlack = 8;    // room a row of items keeps free at its ends
constexpr int kLegendItemInset = 1;   // between the box's edge and the first and last line
constexpr int kLegendSymbolInset = 2; // the symbol sits in its line less this at each side
constexpr double kLegendVertMarginShare = 0.04;  // gap to the plot, of the chart's height
constexpr double kLegendHorizMarginShare = 0.03; // the same, of its width, at the side

TitleLayout LayoutTitle(const TChartTitle& title, bool atTop, ChartRect& rect,
                        const TextMeasurer& measure) {
    TitleLayout out;
    const int n = title.LineCount();
    if (!title.Visible() || n == 0)
        return out;
    out.drawn = true;
    const int h = measure.TextHeight(title.Font());
    out.lineHeight = h;
    const int halfW = measure.TextWidth(title.Font(), QStringLiteral("W")) / 2;
    for (int i = 0; i < n; ++i) {
        PlacedText line;
        line.text = title.Text().at(i);
        line.width = line.text.isEmpty() ? 0 : measure.TextWidth(title.Font(), line.text);
        switch (title.Alignment()) {
        case TChartTitleAlignment::Centre:
            line.x = (rect.left + rect.right) / 2 - line.width / 2;
            break;
        case TChartTitleAlignment::Left:
            line.x = rect.left + halfW;
            break;
        case TChartTitleAlignment::Right:
            line.x = rect.right - line.width - halfW;
            break;
        }
        line.y = atTop ? rect.top + i * h : rect.bottom - (n - i) * h;
        out.lines.push_back(line);
    }
    out.box = atTop ? ChartRect{rect.left, rect.top, rect.right, rect.top + n * h}
                    : ChartRect{rect.left, rect.bottom - n * h, rect.right, rect.bottom};
    if (atTop)
        rect.top += n * h + kTitleGap;
    else
        rect.bottom -= n * h + kTitleGap;
    return out;
}

QString LegendItemText(const TFastLineSeries& series, int itemIndex) {
    if (!series.Title().isEmpty())
        return series.Title();
    if (!series.Name().isEmpty())
        return series.Name();
    return QStringLiteral("Series ") + QString::number(itemIndex);
}

// Lays the legend out along the bottom or top edge (its columns side by side), or
// along the left or right edge (one column), and takes its room from the rectangle.
LegendLayout LayoutLegend(const ChartModel& model, QSize size, ChartRect& rect,
                          const TextMeasurer& measure) {
    LegendLayout out;
    const TChartLegend& legend = model.Legend();
    if (!legend.Visible())
        return out;
    std::vector<int> seriesIndices;
    std::vector<QString> texts;
    for (int i = 0; i < model.SeriesCount(); ++i) {
        const TFastLineSeries& s = model.Series(i);
        if (s.Active() && s.ShowInLegend()) {
            texts.push_back(LegendItemText(s, static_cast<int>(texts.size())));
            seriesIndices.push_back(i);
        }
    }
    const int items = static_cast<int>(texts.size());
    out.itemCount = items;
    const int h = measure.TextHeight(legend.Font());
    int w = 0;
    for (const QString& t : texts)
        w = std::max(w, measure.TextWidth(legend.Font(), t));
    const int s = Nearest((w + kLegendGap) * legend.ColorWidth() / 100.0);
    const bool frame = legend.Frame().visible;
    const int frameWidth = frame ? legend.Frame().width : 0;
    const int shadow = legend.ShadowSize();
    const bool horizontalRow = legend.Alignment() == TLegendAlignment::laBottom ||
                               legend.Alignment() == TLegendAlignment::laTop;

    int columns = 1;
    if (horizontalRow)
        columns = std::min((rect.Width() - 2 * frameWidth - kLegendRowSlack) /
                               (w + kLegendGap + s + kLegendRowSlack),
                           items);
    else
        columns = items > 0 ? 1 : 0;
    if (columns <= 0)
        return out;
    int rows = items / columns + (items % columns ? 1 : 0);
    rows = std::min(rows, legend.MaxNumRows());
    if (rows <= 0)
        return out;

    out.drawn = true;
    out.lineHeight = h;
    out.textWidth = w;
    out.symbolWidth = s;
    out.columns = columns;
    out.rows = rows;
    const int boxWidth =
        std::min(horizontalRow ? rect.Width() : rect.Width() / 2,
                 2 * shadow + (s + w + 2 * kLegendGap) * columns + kLegendRowSlack);
    const int boxHeight = 2 * kLegendItemInset + rows * h;
    const int frameSpace = frame ? frameWidth + 1 : 0;
    const int oldHeight = rect.Height();
    const int oldWidth = rect.Width();
    switch (legend.Alignment()) {
    case TLegendAlignment::laBottom:
        out.bottom = rect.bottom - shadow - frameSpace;
        out.top = out.bottom - boxHeight;
        break;
    case TLegendAlignment::laTop:
        out.top = rect.top + frameSpace;
        out.bottom = out.top + boxHeight;
        break;
    case TLegendAlignment::laLeft:
    case TLegendAlignment::laRight: {
        const int offset = Nearest(legend.TopPos() * (oldHeight - boxHeight) / 100.0);
        out.top = rect.top + std::max(offset, 0);
        out.bottom = out.top + boxHeight;
        break;
    }
    }
    if (horizontalRow) {
        const int shift = Nearest(legend.TopPos() * (size.width() - boxWidth) / 100.0);
        const int centre = (rect.left + rect.right) / 2;
        out.left = centre - boxWidth / 2 + shift;
        out.right = centre + boxWidth / 2 + shift;
    } else if (legend.Alignment() == TLegendAlignment::laRight) {
        out.right = rect.right - shadow - frameSpace;
        out.left = out.right - boxWidth;
    } else {
        out.left = rect.left + frameSpace;
        out.right = out.left + boxWidth;
    }
    out.box = {out.left - frameWidth, out.top - frameWidth, out.right + frameWidth,
               out.bottom + frameWidth};

    const int shown = std::min(items, columns * rows);
    for (int k = 0; k < shown; ++k) {
        LegendItemLayout item;
        item.seriesIndex = seriesIndices[static_cast<std::size_t>(k)];
        item.text = texts[static_cast<std::size_t>(k)];
        const int row = k / columns;
        const int column = k % columns;
        item.textX = out.left + kLegendGap + s + kLegendGap + column * (w + 2 * kLegendGap + s);
        item.textY = out.top + kLegendItemInset + row * h;
        item.symbolLeft = item.textX - kLegendGap - s;
        item.symbolRight = item.textX - kLegendGap;
        item.symbolY =
            ((item.textY + kLegendSymbolInset) + (item.textY + h - kLegendSymbolInset)) / 2;
        out.items.push_back(item);
    }

    switch (legend.Alignment()) {
    case TLegendAlignment::laBottom:
        if (legend.ResizeChart())
            rect.bottom = out.top;
        rect.bottom -= legend.VertMargin() ? legend.VertMargin()
                                           : RoundHalfAway(oldHeight * kLegendVertMarginShare);
        break;
    case TLegendAlignment::laTop:
        if (legend.ResizeChart())
            rect.top = out.bottom + frameSpace;
        rect.top += legend.VertMargin() ? legend.VertMargin()
                                        : RoundHalfAway(oldHeight * kLegendVertMarginShare);
        break;
    case TLegendAlignment::laRight:
        if (legend.ResizeChart())
            rect.right = out.box.left;
        rect.right -= legend.HorizMargin() ? legend.HorizMargin()
                                           : RoundHalfAway(oldWidth * kLegendHorizMarginShare);
        break;
    case TLegendAlignment::laLeft:
        if (legend.ResizeChart())
            rect.left = out.box.right;
        rect.left += legend.HorizMargin() ? legend.HorizMargin()
                                          : RoundHalfAway(oldWidth * kLegendHorizMarginShare);
        break;
    }
    return out;
}

bool Attached(const TFastLineSeries& series, TChartAxisId id, bool horizontal) {
    return horizontal ? series.HorizAxis() == id : series.VertAxis() == id;
}

void ComputeRange(const ChartModel& model, const TChartAxis& axis, AxisLayout& out) {
    bool any = false;
    double dataMin = 0;
    double dataMax = 0;
    for (int i = 0; i < model.SeriesCount(); ++i) {
        const TFastLineSeries& s = model.Series(i);
        if (!s.Active() || s.Count() == 0 || !Attached(s, axis.Id(), axis.Horizontal()))
            continue;
        const TChartValueList& values = axis.Horizontal() ? s.XValues() : s.YValues();
        if (!any || values.MinValue() < dataMin)
            dataMin = values.MinValue();
        if (!any || values.MaxValue() > dataMax)
            dataMax = values.MaxValue();
        any = true;
    }
    // The colour map spans its outer cell edges on the bottom and the left axis.
    const TColorMapSeries& map = model.ColorMap();
    if (map.Shown() && (axis.Id() == TChartAxisId::Bottom || axis.Id() == TChartAxisId::Left)) {
        const std::vector<double>& edges =
            axis.Id() == TChartAxisId::Bottom ? map.XEdges() : map.YEdges();
        if (!any || edges.front() < dataMin)
            dataMin = edges.front();
        if (!any || edges.back() > dataMax)
            dataMax = edges.back();
        any = true;
    }
    out.horizontal = axis.Horizontal();
    out.maximum = (axis.Automatic() || axis.AutomaticMaximum()) ? dataMax : axis.Maximum();
    out.minimum = (axis.Automatic() || axis.AutomaticMinimum()) ? dataMin : axis.Minimum();
    out.range = out.maximum - out.minimum;
}

bool AxisDrawn(const ChartModel& model, const TChartAxis& axis) {
    if (!axis.Visible() || !model.AxisVisible())
        return false;
    bool anyActive = false;
    if (model.ColorMap().Shown()) {
        if (axis.Id() == TChartAxisId::Bottom || axis.Id() == TChartAxisId::Left)
            return true;
        anyActive = true;
    }
    for (int i = 0; i < model.SeriesCount(); ++i) {
        const TFastLineSeries& s = model.Series(i);
        if (!s.Active())
            continue;
        anyActive = true;
        if (Attached(s, axis.Id(), axis.Horizontal()))
            return true;
    }
    return !anyActive;
}

// Moves the edge of `rect` on the axis's side inwards by `amount`; returns the new edge.
int TakeBand(ChartRect& rect, TChartAxisId id, int amount) {
    switch (id) {
    case TChartAxisId::Bottom:
        return rect.bottom -= amount;
    case TChartAxisId::Top:
        return rect.top += amount;
    case TChartAxisId::Left:
        return rect.left += amount;
    case TChartAxisId::Right:
        return rect.right -= amount;
    }
    return 0;
}

QString Label(const ChartModel& model, double value) {
    return FormatAxisLabel(value, model.LabelLocale());
}

int LabelBand(const ChartModel& model, const TChartAxis& axis, AxisLayout& a, int previousLength,
              const TextMeasurer& measure) {
    const int height = measure.TextHeight(axis.LabelsFont());
    if (axis.Horizontal())
        return height;
    const double step =
        LabelStep({previousLength, height, axis.LabelsSeparation(), axis.Increment(), a.range});
    a.bandStep = step;
    double low = a.minimum;
    double high = a.maximum;
    if (axis.RoundFirstLabel()) {
        low = std::trunc(a.minimum / step) * step;
        high = std::trunc(a.maximum / step) * step;
    }
    int widest = std::max(measure.TextWidth(axis.LabelsFont(), Label(model, low)),
                          measure.TextWidth(axis.LabelsFont(), Label(model, high)));
    // A label between the two ends can be wider ("5.5" between "0" and "8"); the band
    // fits every label of the step, so none runs into the axis title.
    for (double v : LabelValues(a.minimum, a.maximum, step, axis.RoundFirstLabel()))
        widest = std::max(widest, measure.TextWidth(axis.LabelsFont(), Label(model, v)));
    return widest + measure.TextWidth(axis.LabelsFont(), QStringLiteral(" "));
}

void TakeAxisRoom(const ChartModel& model, const TChartAxis& axis, AxisLayout& a, ChartRect& rect,
                  int previousLength, const TextMeasurer& measure) {
    const TChartAxisId id = axis.Id();
    const int initialEdge = TakeBand(rect, id, 0);
    a.titlePosition = initialEdge;
    if (!axis.Title().Caption.isEmpty())
        a.titlePosition = TakeBand(rect, id, measure.TextHeight(axis.Title().Font));
    a.labelPosition = a.titlePosition;
    if (axis.Labels())
        a.labelPosition = TakeBand(rect, id, LabelBand(model, axis, a, previousLength, measure));
    int ticks = axis.Axis().visible ? axis.Axis().width : 0;
    if (axis.Ticks().visible)
        ticks += axis.TickLength();
    if (axis.MinorTicks().visible)
        ticks = std::max(ticks, axis.MinorTickLength());
    a.axisPosition = TakeBand(rect, id, ticks);
}

void PlaceAxisOnPlot(const TChartAxis& axis, const ChartRect& plot, AxisLayout& a) {
    const int origin = a.horizontal ? plot.left : plot.top;
    const int extent = a.horizontal ? plot.Width() : plot.Height();
    a.start = origin + Nearest(extent * axis.StartPosition() / 100.0);
    a.end = origin + Nearest(extent * axis.EndPosition() / 100.0);
    a.length = a.end - a.start;
    a.centre = (a.start + a.end) / 2;
    switch (axis.Id()) {
    case TChartAxisId::Bottom:
        a.axisPosition = plot.bottom;
        break;
    case TChartAxisId::Top:
        a.axisPosition = plot.top;
        break;
    case TChartAxisId::Left:
        a.axisPosition = plot.left;
        break;
    case TChartAxisId::Right:
        a.axisPosition = plot.right;
        break;
    }
}

// A line across the axis at `pixel` from `from` to `to` (pixels away from the plot
// side are outwards); horizontal axes get vertical lines and the reverse.
PixelLine Across(const AxisLayout& a, int pixel, int from, int to) {
    return a.horizontal ? PixelLine{pixel, from, pixel, to} : PixelLine{from, pixel, to, pixel};
}

// Pixels of a tick that starts one pixel beyond the axis line (the line is two pixels
// wide, covering the edge pixel and the one before it) and runs `length` pixels
// outwards (outer) or inwards (inner).
std::pair<int, int> TickSpan(TChartAxisId id, int axisPos, int lineWidth, int length, bool outer) {
    const int before = lineWidth / 2; // line pixels on the low side of the edge
    const int after =
        (lineWidth - 1) / 2; // line pixels on the high side (the edge itself excluded)
    const bool outwardsIsLower = id == TChartAxisId::Left || id == TChartAxisId::Top;
    const bool lower = outer == outwardsIsLower;
    if (lower) {
        const int first = axisPos - before - 1;
        return {first, first - length + 1};
    }
    const int first = axisPos + after + 1;
    return {first, first + length - 1};
}

void LayoutAxisMarks(const ChartModel& model, const TChartAxis& axis, const ChartRect& plot,
                     AxisLayout& a, const TextMeasurer& measure) {
    const ChartFont& font = axis.LabelsFont();
    const int labelHeight = measure.TextHeight(font);
    int labelSize = labelHeight;
    if (a.horizontal)
        labelSize = std::max(measure.TextWidth(font, Label(model, a.minimum)),
                             measure.TextWidth(font, Label(model, a.maximum)));
    a.step = LabelStep({a.length, labelSize, axis.LabelsSeparation(), axis.Increment(), a.range});
    const AxisSpan span{a.minimum, a.maximum, a.start, a.end, a.horizontal};
    for (double v : LabelValues(a.minimum, a.maximum, a.step, axis.RoundFirstLabel())) {
        const int pixel = ValuePixel(span, v);
        if (!axis.LabelsOnAxis() && !(pixel > a.start && pixel < a.end))
            continue;
        a.ticks.push_back(pixel);
        if (!axis.Labels())
            continue;
        AxisLabel label;
        label.value = v;
        label.pixel = pixel;
        label.text.text = Label(model, v);
        label.text.width = measure.TextWidth(font, label.text.text);
        switch (axis.Id()) {
        case TChartAxisId::Bottom:
            label.text.x = pixel - label.text.width / 2;
            label.text.y = a.labelPosition;
            break;
        case TChartAxisId::Top:
            label.text.x = pixel - label.text.width / 2;
            label.text.y = a.labelPosition - labelHeight;
            break;
        case TChartAxisId::Left:
            label.text.x = a.labelPosition - label.text.width;
            label.text.y = pixel - labelHeight / 2;
            break;
        case TChartAxisId::Right:
            label.text.x = a.labelPosition;
            label.text.y = pixel - labelHeight / 2;
            break;
        }
        a.labels.push_back(label);
    }

    const TChartAxisTitle& title = axis.Title();
    if (!title.Caption.isEmpty()) {
        a.titleDrawn = true;
        a.title.text = title.Caption;
        a.title.width = measure.TextWidth(title.Font, title.Caption);
        const int th = measure.TextHeight(title.Font);
        if (title.Angle == 90) {
            // Turned text: (x, y) is where the upright text's bottom-left corner goes.
            a.title.x = axis.Id() == TChartAxisId::Right ? a.titlePosition + th : a.titlePosition;
            a.title.y = a.centre + a.title.width / 2;
        } else if (a.horizontal) {
            a.title.x = a.centre - a.title.width / 2;
            a.title.y = axis.Id() == TChartAxisId::Top ? a.titlePosition - th : a.titlePosition;
        } else {
            a.title.x = axis.Id() == TChartAxisId::Right ? a.titlePosition
                                                         : a.titlePosition - a.title.width;
            a.title.y = a.centre - th / 2;
        }
    }

    const int pos = a.axisPosition;
    a.axisLine =
        a.horizontal ? PixelLine{a.start, pos, a.end, pos} : PixelLine{pos, a.start, pos, a.end};
    const int lineWidth = axis.Axis().visible ? axis.Axis().width : 0;
    for (int t : a.ticks) {
        if (axis.TickLength() > 0) {
            const auto [from, to] = TickSpan(axis.Id(), pos, lineWidth, axis.TickLength(), true);
            a.outerTicks.push_back(Across(a, t, from, to));
        }
        a.gridLines.push_back(a.horizontal ? PixelLine{t, plot.top, t, plot.bottom}
                                           : PixelLine{plot.left, t, plot.right, t});
        if (axis.TickInnerLength() > 0) {
            const auto [from, to] =
                TickSpan(axis.Id(), pos, lineWidth, axis.TickInnerLength(), false);
            a.innerTicks.push_back(Across(a, t, from, to));
        }
    }
    if (axis.MinorTicks().visible || axis.MinorGrid().visible)
        a.minorTicks = MinorTickPositions(a.ticks, axis.MinorTickCount(), a.start, a.end);
    if (axis.MinorTicks().visible && axis.MinorTickLength() > 0) {
        for (int t : a.minorTicks) {
            const auto [from, to] =
                TickSpan(axis.Id(), pos, lineWidth, axis.MinorTickLength(), true);
            a.minorTickLines.push_back(Across(a, t, from, to));
        }
    }
    if (axis.MinorGrid().visible)
        for (int t : a.minorTicks)
            a.minorGridLines.push_back(a.horizontal ? PixelLine{t, plot.top, t, plot.bottom}
                                                    : PixelLine{plot.left, t, plot.right, t});
}

SeriesLayout LayoutSeries(const ChartModel& model, int index, const ChartLayout& layout) {
    SeriesLayout out;
    out.seriesIndex = index;
    const TFastLineSeries& s = model.Series(index);
    const int count = s.Count();
    if (!s.Active() || count == 0)
        return out;
    const AxisLayout& h = layout.Axis(s.HorizAxis());
    const AxisLayout& v = layout.Axis(s.VertAxis());
    const AxisSpan hs{h.minimum, h.maximum, h.start, h.end, h.horizontal};
    const AxisSpan vs{v.minimum, v.maximum, v.start, v.end, v.horizontal};
    auto pixel = [&](int i) {
        const double x = s.XValues()[static_cast<std::size_t>(i)];
        const double y = s.YValues()[static_cast<std::size_t>(i)];
        return QPoint(ValuePixel(hs, x), ValuePixel(vs, y));
    };

    int first = 0;
    int last = count - 1;
    if (s.XValues().Order() == TChartListOrder::loAscending && h.horizontal) {
        const std::vector<double>& xs = s.XValues().Values();
        const double leftValue = PixelValue(hs, layout.plotRect.left);
        const double rightValue = PixelValue(hs, layout.plotRect.right);
        const auto firstIt = std::lower_bound(xs.begin(), xs.end(), leftValue);
        if (firstIt == xs.end())
            return out;
        first = static_cast<int>(firstIt - xs.begin());
        // Up to the first point strictly past the right edge: points lying exactly on
        // the edge are all kept, so several points sharing the last X (or a series whose
        // points all share one X, drawn at the axis's centre) still show their vertical
        // segment instead of stopping at the first of them.
        const auto lastIt = std::upper_bound(xs.begin(), xs.end(), rightValue);
        last = lastIt == xs.end() ? count - 1 : static_cast<int>(lastIt - xs.begin());
        if (last < first)
            last = first;
    }
    out.polyline.reserve(static_cast<std::size_t>(last - first + 2));
    if (first > 0)
        out.polyline.push_back(pixel(first - 1));
    out.polyline.push_back(pixel(first));
    for (int i = first + 1; i <= last; ++i) {
        const QPoint p = pixel(i);
        if (p != out.polyline.back())
            out.polyline.push_back(p);
    }
    return out;
}

// The two-pixel axis lines meet at the plot's lower left corner; the bottom line starts
// at the plot's left edge, which leaves the pixel under the outer half of the left line
// showing the panel. The bottom line is carried out under the whole left line.
void JoinAxisLinesAtCorner(const ChartModel& model, ChartLayout& layout) {
    AxisLayout& bottom = layout.axes[static_cast<std::size_t>(TChartAxisId::Bottom)];
    const AxisLayout& left = layout.Axis(TChartAxisId::Left);
    const TChartAxis& leftAxis = model.Axis(TChartAxisId::Left);
    if (!bottom.drawn || !left.drawn || !leftAxis.Axis().visible ||
        !model.Axis(TChartAxisId::Bottom).Axis().visible)
        return;
    if (bottom.axisLine.x1 != left.axisPosition || left.axisLine.y2 != bottom.axisPosition)
        return;
    bottom.axisLine.x1 = left.axisPosition - leftAxis.Axis().width / 2;
}

// One layout of the whole chart, its label bands sized from the axis lengths in memory,
// which it then replaces with its own.
ChartLayout LayOutOnce(const ChartModel& model, QSize size, const TextMeasurer& measure,
                       ChartLayoutMemory& memory) {
    ChartLayout layout;
    layout.size = size;
    const int w = size.width();
    const int h = size.height();
    ChartRect rect{RoundHalfAway(w * model.MarginLeft() / 100.0),
                   RoundHalfAway(h * model.MarginTop() / 100.0),
                   w - RoundHalfAway(w * model.MarginRight() / 100.0),
                   h - RoundHalfAway(h * model.MarginBottom() / 100.0)};
    layout.chartRect = rect;
    const int bevel = std::max(model.BevelWidth(), 0);
    const ChartRect inside{bevel, bevel, w - bevel, h - bevel};

    const TLegendAlignment side = model.Legend().Alignment();
    const bool legendFirst = side == TLegendAlignment::laLeft || side == TLegendAlignment::laRight;
    if (legendFirst)
        layout.legend = LayoutLegend(model, size, rect, measure);
    layout.title = LayoutTitle(model.Title(), true, rect, measure);
    layout.foot = LayoutTitle(model.Foot(), false, rect, measure);
    if (!legendFirst)
        layout.legend = LayoutLegend(model, size, rect, measure);

    // The colour scale takes its room on the right, its label band sized for the step of
    // the previous pass's bar length (as the left axis sizes its labels).
    const TColorMapSeries& map = model.ColorMap();
    const bool scaleShown = map.Shown() && map.ScaleVisible();
    int scaleLabelBand = 0;
    double scaleBandStep = 0;
    int scaleLeft = rect.right;
    if (scaleShown) {
        scaleBandStep = ColorScaleStep(map, measure, memory.colorScaleLength);
        scaleLabelBand = ColorScaleLabelBand(map, model.LabelLocale(), measure, scaleBandStep);
        rect.right -= ColorScaleWidth(map, measure, scaleLabelBand);
        scaleLeft = rect.right;
    }

    for (std::size_t i = 0; i < layout.axes.size(); ++i) {
        const TChartAxis& axis = model.Axis(static_cast<TChartAxisId>(i));
        ComputeRange(model, axis, layout.axes[i]);
        layout.axes[i].drawn = AxisDrawn(model, axis);
    }
    for (std::size_t i = 0; i < layout.axes.size(); ++i)
        if (layout.axes[i].drawn)
            TakeAxisRoom(model, model.Axis(static_cast<TChartAxisId>(i)), layout.axes[i], rect,
                         memory.axisLength[i], measure);
    layout.plotRect = rect;
    for (std::size_t i = 0; i < layout.axes.size(); ++i) {
        const TChartAxis& axis = model.Axis(static_cast<TChartAxisId>(i));
        PlaceAxisOnPlot(axis, rect, layout.axes[i]);
        if (layout.axes[i].drawn) {
            memory.axisLength[i] = layout.axes[i].length;
            LayoutAxisMarks(model, axis, rect, layout.axes[i], measure);
            KeepLabelsInside(layout.axes[i].labels, inside, measure.TextHeight(axis.LabelsFont()),
                             layout.axes[i].horizontal,
                             measure.TextWidth(axis.LabelsFont(), QStringLiteral(" ")));
        }
    }

    JoinAxisLinesAtCorner(model, layout);

    // A plot squeezed to nothing, or turned inside out at a tiny size, has no inside
    // to draw curves in: they would land on the legend and the titles.
    const bool plotHasRoom = rect.right > rect.left && rect.bottom > rect.top;
    if (scaleShown && plotHasRoom) {
        layout.colorScale = LayoutColorScale(map, model.LabelLocale(), measure, scaleLeft, rect.top,
                                             rect.bottom, scaleLabelBand, scaleBandStep);
        memory.colorScaleLength = layout.colorScale.end - layout.colorScale.start;
    }
    if (plotHasRoom && map.Shown()) {
        const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
        const AxisLayout& left = layout.Axis(TChartAxisId::Left);
        layout.colorMap = LayoutColorMap(
            map, AxisSpan{bottom.minimum, bottom.maximum, bottom.start, bottom.end, true},
            AxisSpan{left.minimum, left.maximum, left.start, left.end, false}, layout.plotRect);
    }
    if (plotHasRoom && !model.XBands().empty()) {
        const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
        const AxisSpan span{bottom.minimum, bottom.maximum, bottom.start, bottom.end, true};
        layout.xBands = XBandRects(model.XBands(), span, layout.plotRect);
    }

    layout.series.reserve(static_cast<std::size_t>(model.SeriesCount()));
    for (int i = 0; i < model.SeriesCount(); ++i)
        layout.series.push_back(plotHasRoom ? LayoutSeries(model, i, layout) : SeriesLayout{i, {}});
    return layout;
}

// Whether an axis's label band was sized for another step than the one its labels
// were drawn with (the axis length changed since the pass the band was sized from).
bool BandMissesItsStep(const ChartLayout& layout) {
    for (const AxisLayout& a : layout.axes)
        if (a.drawn && !a.horizontal && a.bandStep != a.step)
            return true;
    return layout.colorScale.drawn && layout.colorScale.bandStep != layout.colorScale.step;
}

} // namespace

ChartLayout ComputeChartLayout(const ChartModel& model, QSize size, const TextMeasurer& measure,
                               ChartLayoutMemory& memory) {
    // The left label band is sized from the axis length of the previous layout. When the
    // chart is first drawn (no length yet) or after a large resize, the step drawn then
    // differs from the one the band was sized for, and the labels would not fit their
    // band; the pass is laid out again from its own length. A few rounds settle it.
    constexpr int MaxRounds = 4;
    ChartLayout layout = LayOutOnce(model, size, measure, memory);
    for (int round = 1; round < MaxRounds && BandMissesItsStep(layout); ++round)
        layout = LayOutOnce(model, size, measure, memory);
    return layout;
}

} // namespace quorvel
