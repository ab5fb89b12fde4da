// The colour map: its colour scale, how its cells tile the plot, the cell under a pixel,
// and the ticks of its colour-scale legend, over many grids, sizes and value ranges.
#include "chart/ChartError.h"
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ColorMapGeometry.h"
#include "chart/ColorScale.h"

#include "tests/chart/FixedTextMeasurer.h"
#include "tests/support/QtPrinters.h"

#include <cmath>
#include <limits>
#include <set>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

double Luminance(QColor c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

// Centres with uneven spacing: a grid as a computation with a chosen step may give it.
std::vector<double> Centres(int n, double first, double step) {
    std::vector<double> c;
    for (int i = 0; i < n; ++i)
        c.push_back(first + step * i + 0.3 * step * (i % 3 == 1));
    return c;
}

struct MapCase {
    int columns;
    int rows;
    QSize size;
};

// A bare chart (the component's defaults) holding one map, laid out until it settles.
struct LaidOutMap {
    ChartModel model;
    ChartLayout layout;
    LaidOutMap(const MapCase& c, std::vector<double> values = {}) {
        model.SetLabelLocale(QLocale::c());
        if (values.empty())
            for (int j = 0; j < c.rows; ++j)
                for (int i = 0; i < c.columns; ++i)
                    values.push_back(std::sin(0.7 * i) * 10 + j * 0.25);
        model.ColorMap().SetGrid(Centres(c.columns, 300, 10), Centres(c.rows, 1, 0.5),
                                 std::move(values));
        model.ColorMap().SetTitle(QStringLiteral("Value"));
        FixedTextMeasurer measure;
        ChartLayoutMemory memory;
        layout = ComputeChartLayout(model, c.size, measure, memory);
    }
};

const MapCase kCases[] = {{1, 1, {200, 150}},   {3, 2, {438, 269}},     {7, 5, {300, 200}},
                          {69, 50, {640, 480}}, {100, 100, {438, 269}}, {100, 100, {1920, 1080}},
                          {2, 40, {500, 300}}};

} // namespace

TEST(ColorScale, LightnessRisesAtEveryLevelFromVioletToYellow) {
    double previous = -1;
    for (int k = 0; k < ColorScaleLevels; ++k) {
        const QColor c = ColorScaleColor(k / double(ColorScaleLevels - 1));
        const double l = Luminance(c);
        ASSERT_GT(l, previous) << "level " << k << " " << c.name().toStdString();
        previous = l;
    }
    const QColor low = ColorScaleColor(0);
    const QColor high = ColorScaleColor(1);
    EXPECT_GT(low.blue(), low.green());
    EXPECT_GT(low.red(), low.green());
    EXPECT_GT(high.red(), high.blue() + 100);
    EXPECT_GT(high.green(), high.blue() + 100);
    EXPECT_GT(Luminance(high), 10 * Luminance(low));
    // Out of the scale: the nearer end; no range or an undefined place: the middle.
    EXPECT_EQ(ColorScaleColor(-3), low);
    EXPECT_EQ(ColorScaleColor(7), high);
    EXPECT_EQ(ColorScaleColor(std::nan("")), ColorScaleColor(0.5));
    EXPECT_EQ(ColorScaleFraction(4, 2, 2), 0.5);
    EXPECT_EQ(ColorScaleFraction(3, 2, 6), 0.25);
    EXPECT_EQ(ColorScaleFraction(9, 2, 6), 1.0);
}

TEST(ColorMapGeometry, CellsTileThePlotInsideAndEveryPixelReadsBackItsCell) {
    for (const MapCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.columns << "x" << c.rows << " at " << c.size.width()
                                        << "x" << c.size.height());
        LaidOutMap m(c);
        const ColorMapLayout& map = m.layout.colorMap;
        const TColorMapSeries& series = m.model.ColorMap();
        ASSERT_TRUE(map.drawn);
        const ChartRect& in = map.inside;
        EXPECT_EQ(in.left, m.layout.plotRect.left + 1);
        EXPECT_EQ(in.right, m.layout.plotRect.right);
        // Each inside pixel belongs to exactly one cell rectangle, and reads back as it.
        const int w = in.right - in.left;
        const int h = in.bottom - in.top;
        std::vector<int> owner(static_cast<std::size_t>(w * h), -1);
        for (int row = 0; row < c.rows; ++row)
            for (int column = 0; column < c.columns; ++column) {
                const ChartRect r = ColorMapCellRect(map, column, row);
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x) {
                        int& o = owner[static_cast<std::size_t>((y - in.top) * w + (x - in.left))];
                        ASSERT_EQ(o, -1) << "pixel " << x << "," << y << " in two cells";
                        o = row * c.columns + column;
                        const auto cell = ColorMapCellAt(series, map, QPoint(x, y));
                        ASSERT_TRUE(cell);
                        ASSERT_EQ(cell->column, column);
                        ASSERT_EQ(cell->row, row);
                        ASSERT_EQ(cell->x, series.X(column));
                        ASSERT_EQ(cell->y, series.Y(row));
                        ASSERT_EQ(cell->value, series.Value(column, row));
                    }
                // A cell three pixels wide and tall or more holds its centre's pixel.
                const AxisLayout& bottom = m.layout.Axis(TChartAxisId::Bottom);
                const AxisLayout& left = m.layout.Axis(TChartAxisId::Left);
                const int cx =
                    ValuePixel({bottom.minimum, bottom.maximum, bottom.start, bottom.end, true},
                               series.X(column));
                const int cy = ValuePixel({left.minimum, left.maximum, left.start, left.end, false},
                                          series.Y(row));
                if (r.right - r.left >= 3 && r.bottom - r.top >= 3) {
                    EXPECT_TRUE(cx >= r.left && cx < r.right && cy >= r.top && cy < r.bottom)
                        << "cell " << column << "," << row;
                }
            }
        for (int o : owner)
            ASSERT_GE(o, 0) << "a pixel of the plot in no cell";
        // The frame of the plot and whatever lies beyond it show no cell.
        const ChartRect& p = m.layout.plotRect;
        for (QPoint off : {QPoint(p.left, (p.top + p.bottom) / 2), QPoint(p.right, p.top + 3),
                           QPoint(p.left + 3, p.top), QPoint(p.left + 3, p.bottom),
                           QPoint(p.right + 5, p.bottom - 3), QPoint(-1, -1)})
            EXPECT_FALSE(ColorMapCellAt(series, map, off)) << off.x() << "," << off.y();
    }
}

TEST(ColorMapGeometry, HatchingStaysInsideItsRectangleOnOneLattice) {
    const ChartRect rects[] = {{0, 0, 1, 1},     {3, 5, 40, 9}, {-7, -3, 5, 30},
                               {10, 10, 11, 60}, {2, 2, 2, 9},  {100, 40, 180, 41}};
    for (const ChartRect& r : rects)
        for (int spacing : {1, 4, 6}) {
            SCOPED_TRACE(testing::Message() << r.left << "," << r.top << "," << r.right << ","
                                            << r.bottom << " every " << spacing);
            const std::vector<PixelLine> lines = HatchLines(r, spacing);
            std::set<int> sums;
            for (const PixelLine& l : lines) {
                for (QPoint p : {QPoint(l.x1, l.y1), QPoint(l.x2, l.y2)}) {
                    EXPECT_TRUE(p.x() >= r.left && p.x() < r.right && p.y() >= r.top &&
                                p.y() < r.bottom)
                        << p.x() << "," << p.y();
                }
                const int sum = l.x1 + l.y1;
                EXPECT_EQ(l.x2 + l.y2, sum);
                EXPECT_EQ(((sum % spacing) + spacing) % spacing, 0);
                EXPECT_LE(l.x1, l.x2);
                sums.insert(sum);
            }
            // Every lattice line that crosses the rectangle is there, once.
            int expected = 0;
            if (r.right > r.left && r.bottom > r.top)
                for (int k = r.left + r.top; k <= r.right - 1 + r.bottom - 1; ++k)
                    expected += ((k % spacing) + spacing) % spacing == 0;
            EXPECT_EQ(static_cast<int>(lines.size()), expected);
            EXPECT_EQ(sums.size(), lines.size());
        }
}

TEST(ColorMapGeometry, ScaleTicksAreInOrderApartInsideTheRangeAndFitTheirBand) {
    struct Range {
        double low;
        double high;
    };
    const Range ranges[] = {{0, 1},     {-3.7, 12.2}, {0.00012, 0.0009}, {1e5, 3e6},
                            {2.5, 2.5}, {0, 5},       {873.2, 1210.9},   {-50, -49.98}};
    const QSize sizes[] = {{438, 269}, {300, 160}, {1000, 700}};
    for (const Range& range : ranges)
        for (const QSize& size : sizes) {
            SCOPED_TRACE(testing::Message() << range.low << ".." << range.high << " at "
                                            << size.width() << "x" << size.height());
            // The two extremes and a NaN and an infinity, which take no part in the scale.
            std::vector<double> values{range.low,
                                       std::nan(""),
                                       range.high,
                                       std::numeric_limits<double>::infinity(),
                                       (range.low + range.high) / 2,
                                       range.low};
            LaidOutMap m({3, 2, size}, values);
            const ColorScaleLayout& s = m.layout.colorScale;
            ASSERT_TRUE(s.drawn);
            EXPECT_EQ(s.minimum, range.low);
            EXPECT_EQ(s.maximum, range.high);
            EXPECT_EQ(s.bandStep, s.step) << "the label band was sized for another step";
            EXPECT_EQ(s.frame.top, m.layout.plotRect.top);
            EXPECT_EQ(s.frame.bottom, m.layout.plotRect.bottom);
            EXPECT_GT(s.frame.left, m.layout.plotRect.right);
            const int labelHeight = FixedTextMeasurer().TextHeight(m.model.ColorMap().ScaleFont());
            const int titleHeight = FixedTextMeasurer().TextHeight(m.model.ColorMap().TitleFont());
            ASSERT_FALSE(s.ticks.empty());
            if (range.high > range.low) {
                EXPECT_GE(s.ticks.size(), 2u);
            }
            std::set<QString> texts;
            for (std::size_t k = 0; k < s.ticks.size(); ++k) {
                const ColorScaleTick& t = s.ticks[k];
                if (range.high > range.low) {
                    EXPECT_GE(t.value, range.low - 1e-9 * s.step);
                    EXPECT_LE(t.value, range.high + 1e-9 * s.step);
                }
                EXPECT_GE(t.pixel, s.start);
                EXPECT_LE(t.pixel, s.end);
                EXPECT_LE(std::fabs(t.value / s.step - std::round(t.value / s.step)), 1e-6);
                // The label reads back as its value to within a rounding of the step's
                // last decimal.
                bool read = false;
                const double back = QLocale::c().toDouble(t.label.text, &read);
                EXPECT_TRUE(read) << t.label.text.toStdString();
                EXPECT_LE(std::fabs(back - t.value), 1e-9 * std::max(s.step, std::fabs(t.value)))
                    << t.label.text.toStdString();
                EXPECT_TRUE(texts.insert(t.label.text).second)
                    << "label twice: " << t.label.text.toStdString();
                EXPECT_LE(t.label.width, s.labelBand);
                // The turned title lies right of the label band, inside the chart.
                EXPECT_LE(t.label.x + s.labelBand + ColorScaleSizes::captionGap,
                          s.caption.x - titleHeight);
                EXPECT_LE(s.caption.x, m.layout.chartRect.right);
                if (k > 0) {
                    // Top value first; labels at least their height apart.
                    EXPECT_LT(t.value, s.ticks[k - 1].value);
                    EXPECT_GE(t.pixel - s.ticks[k - 1].pixel, labelHeight);
                }
                // The bar shows at the tick's row the colour of the tick's value.
                if (t.pixel > s.bar.top && t.pixel < s.bar.bottom && range.high > range.low) {
                    EXPECT_NEAR(ColorScaleValueAt(s, t.pixel), t.value,
                                (range.high - range.low) / (s.end - s.start));
                }
            }
            if (range.high == range.low) {
                EXPECT_EQ(s.ticks.front().pixel, (s.start + s.end) / 2);
            }
        }
}

TEST(ColorMapSeries, RefusesAGridThatDoesNotAddUpAndKeepsTheOldOne) {
    ChartModel model;
    TColorMapSeries& map = model.ColorMap();
    map.SetGrid({1, 2}, {5}, {0.5, 0.7});
    EXPECT_THROW(map.SetGrid({1, 2, 3}, {5}, {1, 2}), ChartError);
    EXPECT_THROW(map.SetGrid({1, 1}, {5}, {1, 2}), ChartError);
    EXPECT_THROW(map.SetGrid({2, 1}, {5}, {1, 2}), ChartError);
    EXPECT_THROW(map.SetGrid({1, std::nan("")}, {5}, {1, 2}), ChartError);
    ASSERT_EQ(map.ColumnCount(), 2);
    EXPECT_EQ(map.Value(1, 0), 0.7);
    EXPECT_EQ(map.XEdges(), (std::vector<double>{0.5, 1.5, 2.5}));
    EXPECT_EQ(map.YEdges(), (std::vector<double>{4, 6}));
    // Without a value in any cell the scale has nothing to show, the cells still draw.
    map.SetGrid({1, 2}, {5}, {std::nan(""), -std::numeric_limits<double>::infinity()});
    EXPECT_FALSE(map.AnyValue());
    EXPECT_EQ(map.ValueColor(map.Value(0, 0)), map.NoValueColor());
    // A chart without map cells lays out exactly as before: no scale, no room taken.
    ChartModel plain;
    plain.AddSeries(QStringLiteral("S"), Qt::red).AddPoint(1, 2);
    FixedTextMeasurer measure;
    ChartLayoutMemory memory;
    const ChartLayout before = ComputeChartLayout(plain, QSize(400, 300), measure, memory);
    plain.ColorMap().SetGrid({}, {}, {});
    const ChartLayout after = ComputeChartLayout(plain, QSize(400, 300), measure, memory);
    EXPECT_FALSE(after.colorScale.drawn);
    EXPECT_FALSE(after.colorMap.drawn);
    EXPECT_EQ(after.plotRect, before.plotRect);
}
