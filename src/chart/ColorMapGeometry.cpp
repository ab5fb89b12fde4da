#include "chart/ColorMapGeometry.h"

#include "chart/ChartRounding.h"
#include "chart/TColorMapSeries.h"
#include "chart/TextMeasurer.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// A value's pixel as ValuePixel gives it, but kept in order for values far off the axis
// (a cell edge beyond a fixed axis range), which ValuePixel would put at the centre.
int EdgePixel(const AxisSpan& axis, double value) {
    constexpr double Far = 1e7; // pixels: far outside any picture, still an int
    const double range = axis.maximum - axis.minimum;
    if (!(range != 0))
        return (axis.start + axis.end) / 2;
    const double t =
        std::clamp((value - axis.minimum) * (axis.end - axis.start) / range, -Far, Far);
    return axis.horizontal ? axis.start + Nearest(t) : axis.end - Nearest(t);
}

AxisSpan ScaleSpan(const ColorScaleLayout& s) {
    return AxisSpan{s.minimum, s.maximum, s.start, s.end, false};
}

} // namespace

ColorMapLayout LayoutColorMap(const TColorMapSeries& map, const AxisSpan& horizontal,
                              const AxisSpan& vertical, const ChartRect& plot) {
    ColorMapLayout out;
    out.inside = ChartRect{plot.left + 1, plot.top + 1, plot.right, plot.bottom};
    if (!map.Shown() || out.inside.right <= out.inside.left || out.inside.bottom <= out.inside.top)
        return out;
    out.drawn = true;
    for (double e : map.XEdges())
        out.columnEdges.push_back(EdgePixel(horizontal, e));
    for (double e : map.YEdges())
        out.rowEdges.push_back(EdgePixel(vertical, e));
    return out;
}

ChartRect ColorMapCellRect(const ColorMapLayout& layout, int column, int row) {
    const auto c = static_cast<std::size_t>(column);
    const auto r = static_cast<std::size_t>(row);
    const ChartRect& in = layout.inside;
    return ChartRect{
        std::max(layout.columnEdges[c], in.left), std::max(layout.rowEdges[r + 1], in.top),
        std::min(layout.columnEdges[c + 1], in.right), std::min(layout.rowEdges[r], in.bottom)};
}

std::vector<PixelLine> HatchLines(const ChartRect& rect, int spacing) {
    std::vector<PixelLine> lines;
    const int right = rect.right - 1; // the last pixels inside
    const int bottom = rect.bottom - 1;
    if (spacing <= 0 || right < rect.left || bottom < rect.top)
        return lines;
    const int lowest = rect.left + rect.top;
    const int highest = right + bottom;
    // The first multiple of the spacing not below the lowest sum (also when negative).
    int k = lowest % spacing == 0 ? lowest
                                  : lowest - ((lowest % spacing) + spacing) % spacing + spacing;
    for (; k <= highest; k += spacing) {
        const int x1 = std::max(rect.left, k - bottom);
        const int x2 = std::min(right, k - rect.top);
        lines.push_back(PixelLine{x1, k - x1, x2, k - x2});
    }
    return lines;
}

std::optional<ColorMapCell> ColorMapCellAt(const TColorMapSeries& map, const ColorMapLayout& layout,
                                           QPoint pixel) {
    const ChartRect& in = layout.inside;
    if (!layout.drawn || pixel.x() < in.left || pixel.x() >= in.right || pixel.y() < in.top ||
        pixel.y() >= in.bottom)
        return std::nullopt;
    const std::vector<int>& cols = layout.columnEdges;
    const std::vector<int>& rows = layout.rowEdges;
    // The last edge not right of the pixel starts its column.
    const auto c = std::upper_bound(cols.begin(), cols.end(), pixel.x());
    if (c == cols.begin() || c == cols.end())
        return std::nullopt;
    // Row edges fall as the rows rise: the first edge at or above the pixel on the
    // screen is the top of the pixel's row, which starts there.
    const auto r = std::lower_bound(rows.begin(), rows.end(), pixel.y(), std::greater<int>());
    if (r == rows.begin() || r == rows.end())
        return std::nullopt;
    ColorMapCell cell;
    cell.column = static_cast<int>(c - cols.begin()) - 1;
    cell.row = static_cast<int>(r - rows.begin()) - 1;
    cell.x = map.X(cell.column);
    cell.y = map.Y(cell.row);
    cell.value = map.Value(cell.column, cell.row);
    return cell;
}

double ColorScaleStep(const TColorMapSeries& map, const TextMeasurer& measure, int length) {
    return LabelStep({length, measure.TextHeight(map.ScaleFont()), ColorScaleSizes::separation,
                      ColorScaleSizes::startStep, map.ValueMaximum() - map.ValueMinimum()});
}

QString FormatScaleLabel(double value, double step, const QLocale& locale) {
    constexpr int MostDecimals = 12; // the finest step, 1e-12
    const int decimals = step >= 1 || !(step > 0)
                             ? 0
                             : std::min(MostDecimals, int(std::ceil(-std::log10(step) - 1e-9)));
    double shown = value;
    if (step > 0 && std::fabs(value / step) < 1e15)
        shown = std::round(value / step) * step;
    if (shown == 0)
        shown = 0; // no "-0"
    // Grouped and without trailing zeros, as the axis labels are written.
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(shown, 'f', decimals);
    const QString point = grouped.decimalPoint();
    const qsizetype at = text.lastIndexOf(point);
    if (decimals > 0 && at >= 0) {
        qsizetype end = text.size();
        while (end > at + point.size() && text.at(end - 1) == grouped.zeroDigit().at(0))
            --end;
        text.truncate(end == at + point.size() ? at : end);
    }
    return text;
}

namespace {

// The values that get a tick: the step's multiples within the range, each snapped to its
// multiple so that no residue of the counting shows; the largest value alone when no
// multiple lies in the range or the range is empty.
std::vector<double> ScaleTickValues(double minimum, double maximum, double step) {
    if (!(maximum > minimum))
        return {maximum};
    std::vector<double> values;
    for (double v : LabelValues(minimum, maximum, step, true)) {
        if (std::fabs(v / step) < 1e15)
            v = std::round(v / step) * step + 0.0;
        if (values.empty() || v != values.back())
            values.push_back(v);
    }
    if (values.empty())
        values.push_back(maximum);
    return values;
}

} // namespace

int ColorScaleLabelBand(const TColorMapSeries& map, const QLocale& locale,
                        const TextMeasurer& measure, double step) {
    int widest = 0;
    for (double v : ScaleTickValues(map.ValueMinimum(), map.ValueMaximum(), step))
        widest =
            std::max(widest, measure.TextWidth(map.ScaleFont(), FormatScaleLabel(v, step, locale)));
    return widest;
}

int ColorScaleWidth(const TColorMapSeries& map, const TextMeasurer& measure, int labelBand) {
    using S = ColorScaleSizes;
    int width = S::gap + S::barWidth + 2 + S::tickLength + S::labelGap + labelBand;
    if (!map.Title().isEmpty())
        width += S::captionGap + measure.TextHeight(map.TitleFont());
    return width;
}

ColorScaleLayout LayoutColorScale(const TColorMapSeries& map, const QLocale& locale,
                                  const TextMeasurer& measure, int left, int top, int bottom,
                                  int labelBand, double bandStep) {
    using S = ColorScaleSizes;
    ColorScaleLayout out;
    if (bottom - top < 2)
        return out;
    out.drawn = true;
    out.minimum = map.ValueMinimum();
    out.maximum = map.ValueMaximum();
    out.labelBand = labelBand;
    out.bandStep = bandStep;
    out.frame = ChartRect{left + S::gap, top, left + S::gap + S::barWidth + 1, bottom};
    out.bar = ChartRect{out.frame.left + 1, top + 1, out.frame.right - 1, bottom - 1};
    // The top row shows the largest value and the bottom row the smallest.
    out.start = out.bar.top;
    out.end = out.bar.bottom;
    out.step = ColorScaleStep(map, measure, out.end - out.start);

    const int labelHeight = measure.TextHeight(map.ScaleFont());
    const int tickFrom = out.frame.right + 1;
    const int labelX = tickFrom + S::tickLength + S::labelGap;
    const AxisSpan span = ScaleSpan(out);
    for (double v : ScaleTickValues(out.minimum, out.maximum, out.step)) {
        ColorScaleTick tick;
        tick.value = v;
        tick.pixel = ValuePixel(span, v);
        if (tick.pixel < out.start || tick.pixel > out.end)
            continue;
        tick.label.text = FormatScaleLabel(v, out.step, locale);
        tick.label.width = measure.TextWidth(map.ScaleFont(), tick.label.text);
        tick.label.x = labelX;
        tick.label.y = tick.pixel - labelHeight / 2;
        out.ticks.push_back(tick);
        out.tickLines.push_back(
            PixelLine{tickFrom, tick.pixel, tickFrom + S::tickLength - 1, tick.pixel});
    }
    if (!map.Title().isEmpty()) {
        out.captionDrawn = true;
        out.caption.text = map.Title();
        out.caption.width = measure.TextWidth(map.TitleFont(), map.Title());
        out.caption.x = labelX + labelBand + S::captionGap + measure.TextHeight(map.TitleFont());
        out.caption.y = (top + bottom) / 2 + out.caption.width / 2;
    }
    return out;
}

double ColorScaleValueAt(const ColorScaleLayout& scale, int row) {
    return PixelValue(ScaleSpan(scale), row);
}

} // namespace quorvel
