// The drawing pass's numbers, worked out by hand with text sizes that are easy to
// follow: every character 6 pixels wide, text height = font pixel size + 2 (title 18,
// axis titles, labels and legend 13). The chart is 438 x 269, the window's design size.
#include "FixedTextMeasurer.h"

#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartRounding.h"
#include "views/ReformingChartView.h"
#include "views/SweepChart.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quorvel;

namespace {

const QSize kDesignSize(438, 269);

struct Chart {
    ChartModel model;
    FixedTextMeasurer measure;
    ChartLayoutMemory memory;
    Chart(int YAxisMode = 0, int XAxisMode = 0) {
        ConfigureReformingChart(model);
        model.SetLabelLocale(QLocale::c());
        ConstructionChart(model, quorvel::SweepChartTexts(quorvel::AllSweptParameters[XAxisMode],
                                                          quorvel::AllResultViews[YAxisMode]));
    }
    // Two passes, as on screen: the second sizes the label band from the first.
    ChartLayout Layout(QSize size = kDesignSize) {
        ComputeChartLayout(model, size, measure, memory);
        return ComputeChartLayout(model, size, measure, memory);
    }
    void AddToAll(double x, double y) {
        for (int i = 0; i < model.SeriesCount(); ++i)
            model.Series(i).AddPoint(x, y);
    }
};

std::vector<QString> LabelTexts(const AxisLayout& axis) {
    std::vector<QString> texts;
    for (const AxisLabel& l : axis.labels)
        texts.push_back(l.text.text);
    return texts;
}

} // namespace

TEST(ChartLayout, TwoTitleLinesTakeTwoLineHeightsAndFive) {
    Chart chart;
    const ChartLayout layout = chart.Layout();
    EXPECT_EQ(layout.chartRect, (ChartRect{13, 11, 425, 258}));
    ASSERT_EQ(layout.title.lines.size(), 2u);
    EXPECT_EQ(layout.title.lineHeight, 18);
    // Centred: (13 + 425) / 2 - 25 characters x 6 / 2.
    EXPECT_EQ(layout.title.lines[0].x, 219 - 75);
    EXPECT_EQ(layout.title.lines[0].y, 11);
    EXPECT_EQ(layout.title.lines[1].y, 29);
    EXPECT_EQ(layout.plotRect.top, 11 + 2 * 18 + 5);
    EXPECT_EQ(layout.title.box, (ChartRect{13, 11, 425, 11 + 2 * 18}));
    // One line only: 1 x h + 5.
    chart.model.Title().SetText({"x"});
    EXPECT_EQ(chart.Layout().plotRect.top, 11 + 18 + 5);
    // No lines: nothing taken.
    chart.model.Title().ClearText();
    EXPECT_EQ(chart.Layout().plotRect.top, 11);
}

TEST(ChartLayout, LegendOfTheCompositionViewsHasFourColumnsRightOfCentre) {
    Chart chart(0);
    const LegendLayout legend = chart.Layout().legend;
    ASSERT_TRUE(legend.drawn);
    // W = "Монооксид" = 54, S = nearest(58 x 0.12) = 7,
    // C = (412 - 2 - 8) div (54 + 4 + 7 + 8) = 5, at most 4 items.
    EXPECT_EQ(legend.textWidth, 54);
    EXPECT_EQ(legend.symbolWidth, 7);
    EXPECT_EQ(legend.columns, 4);
    EXPECT_EQ(legend.rows, 1);
    // B = 258 - 0 - 2, T = B - 2 - 13; L = (7 + 54 + 8) x 4 + 8 = 284,
    // D = nearest(10 x (438 - 284) / 100) = 15, left = 219 - 142 + 15.
    EXPECT_EQ(legend.bottom, 256);
    EXPECT_EQ(legend.top, 241);
    EXPECT_EQ(legend.left, 92);
    EXPECT_EQ(legend.right, 376);
    EXPECT_EQ(legend.box, (ChartRect{91, 240, 377, 257}));
    ASSERT_EQ(legend.items.size(), 4u);
    const int xs[] = {107, 176, 245, 314};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(legend.items[k].seriesIndex, k);
        EXPECT_EQ(legend.items[k].textX, xs[k]);
        EXPECT_EQ(legend.items[k].textY, 242);
        EXPECT_EQ(legend.items[k].symbolLeft, xs[k] - 11);
        EXPECT_EQ(legend.items[k].symbolRight, xs[k] - 4);
        EXPECT_EQ(legend.items[k].symbolY, (244 + 253) / 2);
    }
    EXPECT_EQ(legend.items[1].text, "Монооксид");
}

TEST(ChartLayout, LegendOfTheRatioViewShrinksToTwoColumnsAndMoves) {
    Chart chart(2);
    const ChartLayout layout = chart.Layout();
    const LegendLayout& legend = layout.legend;
    ASSERT_TRUE(legend.drawn);
    // Two items, "Диоксид/СО" and "Водород/СО": W = 60, S = nearest(7.68) = 8,
    // L = (8 + 60 + 8) x 2 + 8 = 160, D = nearest(27.8) = 28.
    EXPECT_EQ(legend.itemCount, 2);
    EXPECT_EQ(legend.columns, 2);
    EXPECT_EQ(legend.left, 219 - 80 + 28);
    EXPECT_EQ(legend.right, 219 + 80 + 28);
    ASSERT_EQ(legend.items.size(), 2u);
    EXPECT_EQ(legend.items[0].seriesIndex, 2);
    EXPECT_EQ(legend.items[1].seriesIndex, 3);
    EXPECT_EQ(legend.items[0].textX, 167 + 16);
    EXPECT_EQ(legend.items[1].textX, 167 + 16 + 76);
    EXPECT_EQ(legend.items[1].text, "Водород/СО");
    // The chart rectangle ends at T, less 4 % of its height before the legend
    // (258 - 52 = 206 -> 8): the bottom axis takes 13 + 13 + 3 above that.
    EXPECT_EQ(layout.plotRect.bottom, 241 - 8 - 13 - 13 - 3);
}

TEST(ChartLayout, LegendWithTooManyItemsWrapsAndANarrowOneDisappears) {
    Chart chart;
    // 300 wide: chart rectangle 9..291 (282): C = (282 - 10) div 73 = 3, so 2 rows.
    const LegendLayout two = chart.Layout(QSize(300, 269)).legend;
    EXPECT_EQ(two.columns, 3);
    EXPECT_EQ(two.rows, 2);
    EXPECT_EQ(two.items[3].textY, two.items[0].textY + 13);
    EXPECT_EQ(two.items[3].textX, two.items[0].textX);
    EXPECT_EQ(two.bottom - two.top, 2 + 2 * 13);
    // At most MaxNumRows rows; the items beyond C x R are left out.
    chart.model.Legend().SetMaxNumRows(1);
    const LegendLayout one = chart.Layout(QSize(300, 269)).legend;
    EXPECT_EQ(one.rows, 1);
    EXPECT_EQ(one.items.size(), 3u);
    EXPECT_EQ(one.itemCount, 4);
    chart.model.Legend().SetMaxNumRows(10);
    // Too narrow for one column: no legend and no room taken for it.
    const ChartLayout narrow = chart.Layout(QSize(60, 269));
    EXPECT_FALSE(narrow.legend.drawn);
    EXPECT_EQ(narrow.plotRect.bottom, narrow.chartRect.bottom - 13 - 13 - 3);
}

TEST(ChartLayout, AllSeriesEmptyBothAxesDrawnWithOneZeroLabelAtTheCentre) {
    Chart chart;
    const ChartLayout layout = chart.Layout();
    const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
    const AxisLayout& left = layout.Axis(TChartAxisId::Left);
    EXPECT_TRUE(bottom.drawn);
    EXPECT_TRUE(left.drawn);
    EXPECT_FALSE(layout.Axis(TChartAxisId::Top).drawn);
    EXPECT_FALSE(layout.Axis(TChartAxisId::Right).drawn);
    EXPECT_EQ(bottom.minimum, 0);
    EXPECT_EQ(bottom.maximum, 0);
    EXPECT_EQ(left.maximum, 0);
    // Bands: bottom axis title 13, labels 13, ticks 2 + 1; left axis title 13,
    // labels "0" + space = 12, ticks 2 + 4.
    EXPECT_EQ(bottom.titlePosition, 233 - 13);
    EXPECT_EQ(bottom.labelPosition, 233 - 26);
    EXPECT_EQ(layout.plotRect.bottom, 233 - 29);
    EXPECT_EQ(left.titlePosition, 13 + 13);
    EXPECT_EQ(left.labelPosition, 13 + 25);
    EXPECT_EQ(layout.plotRect.left, 13 + 31);
    EXPECT_EQ(layout.plotRect.right, 425);
    ASSERT_EQ(bottom.labels.size(), 1u);
    ASSERT_EQ(left.labels.size(), 1u);
    EXPECT_EQ(bottom.labels[0].text.text, "0");
    EXPECT_EQ(left.labels[0].text.text, "0");
    EXPECT_EQ(bottom.labels[0].pixel, (44 + 425) / 2);
    EXPECT_EQ(left.labels[0].pixel, (52 + 204) / 2);
    for (const SeriesLayout& s : layout.series)
        EXPECT_TRUE(s.polyline.empty());
}

TEST(ChartLayout, LeftAxisLabelsRunAtWholeStepsFromTheTopDownToZero) {
    Chart chart;
    chart.AddToAll(0.2, 0.75);
    chart.AddToAll(4, 0.1);
    ChartLayoutMemory fresh;
    // First pass ever: with no axis length yet the band would fit "0" and "0.75" (30
    // pixels); the step drawn, 0.1, is not the one the band was sized for, so the pass
    // lays itself out again at once: length 152, M = nearest(152 / 15) = 10, step 0.1,
    // band "0.7" + space. The next pass keeps that layout.
    const ChartLayout first = ComputeChartLayout(chart.model, kDesignSize, chart.measure, fresh);
    EXPECT_EQ(first.Axis(TChartAxisId::Left).labelPosition, 26 + 24);
    const ChartLayout layout = ComputeChartLayout(chart.model, kDesignSize, chart.measure, fresh);
    EXPECT_EQ(layout.plotRect, first.plotRect);
    const AxisLayout& left = layout.Axis(TChartAxisId::Left);
    EXPECT_EQ(left.length, 152);
    EXPECT_EQ(left.labelPosition, 26 + 24);
    EXPECT_DOUBLE_EQ(left.step, 0.1);
    EXPECT_EQ(LabelTexts(left),
              (std::vector<QString>{"0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1", "0"}));
    // 0.7 lies nearest(0.7 x 152 / 0.75) = 142 pixels above the bottom end (204).
    EXPECT_EQ(left.labels[0].pixel, 62);
    EXPECT_EQ(left.labels[7].pixel, 204);
    EXPECT_EQ(left.ticks.front(), 62);
    // Labels end at the label position and are centred on their pixel.
    EXPECT_EQ(left.labels[0].text.x + left.labels[0].text.width, left.labelPosition);
    EXPECT_EQ(left.labels[0].text.y, 62 - 6);
    // Grid lines cross the whole plot; outer ticks start one pixel beyond the 2-pixel
    // axis line and run 4 pixels outwards; the inner length 0 draws nothing.
    EXPECT_EQ(left.gridLines[0].x1, layout.plotRect.left);
    EXPECT_EQ(left.gridLines[0].x2, layout.plotRect.right);
    EXPECT_EQ(left.outerTicks[0].x1, layout.plotRect.left - 2);
    EXPECT_EQ(left.outerTicks[0].x2, layout.plotRect.left - 5);
    EXPECT_TRUE(left.innerTicks.empty());
}

TEST(ChartLayout, BottomAxisFromPointTwoToFourWithIncrementOne) {
    Chart chart;
    chart.AddToAll(0.2, 0.5);
    chart.AddToAll(4, 0.6);
    const ChartLayout layout = chart.Layout();
    const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
    EXPECT_DOUBLE_EQ(bottom.minimum, 0.2);
    EXPECT_DOUBLE_EQ(bottom.maximum, 4);
    EXPECT_DOUBLE_EQ(bottom.step, 1);
    EXPECT_EQ(LabelTexts(bottom), (std::vector<QString>{"4", "3", "2", "1"}));
    EXPECT_EQ(bottom.start, layout.plotRect.left);
    EXPECT_EQ(bottom.end, layout.plotRect.right);
    EXPECT_EQ(bottom.labels[0].pixel, bottom.end); // 4 is the axis's end
    // Labels hang centred under their pixel from the label position.
    EXPECT_EQ(bottom.labels[1].text.x, bottom.labels[1].pixel - 3);
    EXPECT_EQ(bottom.labels[1].text.y, bottom.labelPosition);
    // Minor ticks continue left of the tick at 1 and stop at the axis's start; none
    // lies beyond the tick at 4.
    const int tickAtOne = bottom.labels[3].pixel;
    int leftOfOne = 0;
    for (int p : bottom.minorTicks) {
        EXPECT_GT(p, bottom.start);
        EXPECT_LT(p, bottom.end);
        if (p < tickAtOne)
            ++leftOfOne;
    }
    EXPECT_EQ(leftOfOne, 3); // the fourth would fall at or before the start
    EXPECT_EQ(bottom.minorTicks.size(), 3u * 4u + 3u);
    // Outer ticks 1 pixel long below the axis line, inner ticks 4 pixels above it.
    ASSERT_FALSE(bottom.outerTicks.empty());
    EXPECT_EQ(bottom.outerTicks[0].y1, layout.plotRect.bottom + 1);
    EXPECT_EQ(bottom.outerTicks[0].y2, layout.plotRect.bottom + 1);
    EXPECT_EQ(bottom.innerTicks[0].y1, layout.plotRect.bottom - 2);
    EXPECT_EQ(bottom.innerTicks[0].y2, layout.plotRect.bottom - 5);
    EXPECT_EQ(bottom.gridLines[0].y1, layout.plotRect.top);
    EXPECT_EQ(bottom.gridLines[0].y2, layout.plotRect.bottom);
    // The minor grid is hidden here; shown, it follows the minor ticks across the plot.
    EXPECT_TRUE(bottom.minorGridLines.empty());
    ChartPen minorGrid = chart.model.BottomAxis().MinorGrid();
    minorGrid.visible = true;
    chart.model.BottomAxis().SetMinorGrid(minorGrid);
    const AxisLayout shown = chart.Layout().Axis(TChartAxisId::Bottom);
    ASSERT_EQ(shown.minorGridLines.size(), shown.minorTicks.size());
    EXPECT_EQ(shown.minorGridLines[0].x1, shown.minorTicks[0]);
    EXPECT_EQ(shown.minorGridLines[0].y1, layout.plotRect.top);
}

TEST(ChartLayout, NarrowTemperatureAxisStepsToFiftyWithGroupedThousand) {
    Chart chart(0, 1);
    chart.AddToAll(750, 0.75);
    chart.AddToAll(1000, 0.1);
    // 300 wide: plot 52..291 = 239 pixels; labels "1,000" 30 + 3 = 33 -> M = 7;
    // steps 1, 2, 5, 10, 20 leave 250, 125, 50, 25, 12 labels; 50 leaves 5.
    const ChartLayout layout = chart.Layout(QSize(300, 269));
    const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
    EXPECT_EQ(bottom.length, 239);
    EXPECT_DOUBLE_EQ(bottom.step, 50);
    EXPECT_EQ(LabelTexts(bottom),
              (std::vector<QString>{"1,000", "950", "900", "850", "800", "750"}));

    const QLocale ru(QLocale::Russian, QLocale::Russia);
    chart.model.SetLabelLocale(ru);
    const ChartLayout russian = chart.Layout(QSize(300, 269));
    EXPECT_EQ(russian.Axis(TChartAxisId::Bottom).labels[0].text.text,
              "1" + ru.groupSeparator() + "000");
    EXPECT_EQ(russian.Axis(TChartAxisId::Left).labels[0].text.text, "0,7");
}

TEST(ChartLayout, EqualXAreDrawnAtTheCentreOfTheBottomAxis) {
    Chart chart;
    for (double y : {0.1, 0.4, 0.2, 0.6})
        chart.model.Series(0).AddPoint(5, y);
    const ChartLayout layout = chart.Layout();
    const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
    EXPECT_EQ(bottom.range, 0);
    const auto& line = layout.series[0].polyline;
    ASSERT_EQ(line.size(), 4u);
    for (const QPoint& p : line)
        EXPECT_EQ(p.x(), bottom.centre);
    EXPECT_EQ(line.front().y(), layout.Axis(TChartAxisId::Left).end - Nearest(0.1 / 0.6 * 152));
}

TEST(ChartLayout, FastLineSkipsRepeatedPixelsAndDrawsNothingForOnePoint) {
    Chart chart;
    TFastLineSeries& dense = chart.model.Series(0);
    for (int i = 0; i <= 10000; ++i)
        dense.AddPoint(i * 1e-4, 0.5);
    chart.model.Series(1).AddPoint(0.5, 0.25);
    const ChartLayout layout = chart.Layout();
    const auto& line = layout.series[0].polyline;
    // One point per pixel column at most, never the same pixel twice in a row.
    EXPECT_LE(line.size(), static_cast<std::size_t>(layout.plotRect.Width() + 1));
    for (std::size_t i = 1; i < line.size(); ++i)
        EXPECT_NE(line[i], line[i - 1]);
    EXPECT_EQ(line.front().x(), layout.plotRect.left);
    EXPECT_EQ(line.back().x(), layout.plotRect.right);
    EXPECT_EQ(layout.series[1].polyline.size(), 1u); // a lone point: no segment
}

TEST(ChartLayout, OnlyPointsFromTheLeftEdgeToJustPastTheRightEdgeAreDrawn) {
    Chart chart;
    TChartAxis& bottom = chart.model.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetMaximum(8);
    bottom.SetMinimum(2);
    TFastLineSeries& s = chart.model.Series(0);
    for (int x = 0; x <= 10; ++x)
        s.AddPoint(x, x * 0.05);
    const ChartLayout layout = chart.Layout();
    const auto& line = layout.series[0].polyline;
    // From point 1 (the segment into the first visible point 2) to point 9, the first
    // beyond the right edge.
    ASSERT_EQ(line.size(), 9u);
    EXPECT_LT(line.front().x(), layout.plotRect.left);
    EXPECT_GT(line.back().x(), layout.plotRect.right);
    // A second point on the right edge itself is kept: its vertical segment shows.
    s.AddPoint(8, 0.9);
    const std::vector<QPoint> withEdgePair = chart.Layout().series[0].polyline;
    ASSERT_EQ(withEdgePair.size(), 10u);
    EXPECT_EQ(withEdgePair[7].x(), layout.plotRect.right);
    EXPECT_EQ(withEdgePair[8].x(), layout.plotRect.right);
    // No point reaches the left edge: nothing at all.
    bottom.SetMaximum(30);
    bottom.SetMinimum(20);
    EXPECT_TRUE(chart.Layout().series[0].polyline.empty());
}

TEST(ChartLayout, LeftLabelBandFitsLabelsWiderThanTheEndLabels) {
    Chart chart(2);
    chart.AddToAll(0.2, 8.2);
    chart.AddToAll(4, 0.3);
    // Length 152, M = 10: step 1 (nearest(8.2) = 8), labels 8 ... 0, all one character.
    EXPECT_EQ(chart.Layout().Axis(TChartAxisId::Left).labelPosition, 26 + 6 + 6);
    // Up to 4.2: step 0.5, labels 4, 3.5, ... 0; "3.5" is wider than "4" and "0".
    for (int i = 0; i < 4; ++i)
        chart.model.Series(i).ClearPoints();
    chart.model.Series(3).AddPoint(0.2, 4.2);
    chart.model.Series(3).AddPoint(4, 0.3);
    const AxisLayout left = chart.Layout().Axis(TChartAxisId::Left);
    EXPECT_DOUBLE_EQ(left.step, 0.5);
    EXPECT_EQ(left.labelPosition, 26 + 18 + 6);
    for (const AxisLabel& label : left.labels)
        EXPECT_GE(label.text.x, left.titlePosition);
}

TEST(ChartLayout, TickBandIsAtLeastTheMinorTickLength) {
    Chart chart;
    const int before = chart.Layout().plotRect.left;
    // Axis pen 2 + ticks 0 = 2, but minor ticks of 5 need 5.
    chart.model.LeftAxis().SetTickLength(0);
    chart.model.LeftAxis().SetMinorTickLength(5);
    EXPECT_EQ(chart.Layout().plotRect.left, before - 6 + 5);
    // Hidden minor ticks: the band is only the axis pen.
    ChartPen hidden = chart.model.LeftAxis().MinorTicks();
    hidden.visible = false;
    chart.model.LeftAxis().SetMinorTicks(hidden);
    EXPECT_EQ(chart.Layout().plotRect.left, before - 6 + 2);
}

TEST(ChartLayout, AxesOfAChartWithoutActiveSeriesAreAllDrawn) {
    ChartModel model;
    model.AddSeries("A", Qt::red).SetActive(false);
    FixedTextMeasurer measure;
    ChartLayoutMemory memory;
    const ChartLayout layout = ComputeChartLayout(model, kDesignSize, measure, memory);
    for (const AxisLayout& a : layout.axes)
        EXPECT_TRUE(a.drawn);
    model.SetAxisVisible(false);
    const ChartLayout hidden = ComputeChartLayout(model, kDesignSize, measure, memory);
    for (const AxisLayout& a : hidden.axes)
        EXPECT_FALSE(a.drawn);
}

// At sizes too small for a plot the rectangle left for it turns inside out; nothing
// may then be drawn in it, or the curves and grid would land on the titles and legend.
// Where there is room, every curve point and grid line stays inside the plot.
// (Grid lines are still laid out across an inside-out plot; only the curves are held
// back there.)
TEST(ChartLayout, TinySizesDrawNothingOutsideThePlot) {
    Chart chart;
    chart.AddToAll(0.2, 0.5);
    chart.AddToAll(4, 0.6);
    int roomless = 0;
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(20, 10), QSize(438, 30), QSize(200, 150)}) {
        const ChartLayout layout = chart.Layout(size);
        ASSERT_EQ(layout.size, size);
        const ChartRect& plot = layout.plotRect;
        const bool room = plot.Width() > 0 && plot.Height() > 0;
        roomless += room ? 0 : 1;
        const auto inside = [&](int x, int y) {
            return x >= plot.left && x <= plot.right && y >= plot.top && y <= plot.bottom;
        };
        for (const SeriesLayout& series : layout.series) {
            if (!room) {
                EXPECT_TRUE(series.polyline.empty()) << "series " << series.seriesIndex << " at "
                                                     << size.width() << "x" << size.height();
            }
            for (const QPoint& p : series.polyline)
                EXPECT_TRUE(inside(p.x(), p.y())) << "series " << series.seriesIndex << " at "
                                                  << size.width() << "x" << size.height();
        }
        for (const AxisLayout& axis : layout.axes) {
            if (!axis.drawn)
                continue;
            EXPECT_TRUE(std::isfinite(axis.step) && axis.step > 0);
            if (!room)
                continue;
            for (const PixelLine& line : axis.gridLines)
                EXPECT_TRUE(inside(line.x1, line.y1) && inside(line.x2, line.y2))
                    << "grid line at " << size.width() << "x" << size.height();
        }
        EXPECT_TRUE(layout.xBands.empty() || room);
    }
    // The first four sizes leave no room; the last one does, and draws both points.
    EXPECT_EQ(roomless, 4);
    const ChartLayout fits = chart.Layout(QSize(200, 150));
    ASSERT_FALSE(fits.series.empty());
    EXPECT_EQ(fits.series[0].polyline.size(), 2u);
}

namespace {

// The left band's inner edge must clear the widest label drawn: every label ends at
// the label position, so its left edge lies inside the band.
void ExpectLabelsFitTheirBand(const ChartLayout& layout) {
    const AxisLayout& left = layout.Axis(TChartAxisId::Left);
    EXPECT_DOUBLE_EQ(left.bandStep, left.step);
    for (const AxisLabel& label : left.labels)
        EXPECT_GE(label.text.x, left.titlePosition) << label.text.text.toStdString();
}

} // namespace

TEST(ChartLayout, ALargeResizeInOneStepLaysTheBandOutForTheStepDrawn) {
    // Ratios view with a wide range: at 668 x 250 the step is coarse, at 1000 x 700 fine.
    Chart chart(2, 0);
    chart.AddToAll(0.2, 0);
    chart.AddToAll(4, 5.55);
    const ChartLayout small = chart.Layout(QSize(668, 250));
    ExpectLabelsFitTheirBand(small);
    const ChartLayout large =
        ComputeChartLayout(chart.model, QSize(1000, 700), chart.measure, chart.memory);
    EXPECT_NE(large.Axis(TChartAxisId::Left).step, small.Axis(TChartAxisId::Left).step);
    ExpectLabelsFitTheirBand(large);
    // The same layout as a chart that has been that size all along.
    Chart settled(2, 0);
    settled.AddToAll(0.2, 0);
    settled.AddToAll(4, 5.55);
    EXPECT_EQ(large.plotRect, settled.Layout(QSize(1000, 700)).plotRect);
}

TEST(ChartLayout, AnInsideOutPlotDrawsNoCurves) {
    Chart chart;
    chart.AddToAll(0.2, 0.5);
    chart.AddToAll(4, 0.6);
    const ChartLayout tiny = chart.Layout(QSize(120, 80));
    EXPECT_LE(tiny.plotRect.bottom, tiny.plotRect.top); // the case being guarded
    ASSERT_EQ(tiny.series.size(), 4u);
    for (const SeriesLayout& s : tiny.series)
        EXPECT_TRUE(s.polyline.empty());
    // A plot with room still draws.
    EXPECT_EQ(chart.Layout().series[0].polyline.size(), 2u);
}

TEST(ChartLayout, EdgeLabelsAreShiftedInsideTheChart) {
    Chart chart(0, 1); // temperature sweep: the last bottom label is "1,000"
    chart.model.SetLabelLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    chart.AddToAll(750, 0.1);
    chart.AddToAll(1000, 0.7);
    for (int width : {300, 438, 700, 1000}) {
        const ChartLayout layout = chart.Layout(QSize(width, 269));
        const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
        ASSERT_FALSE(bottom.labels.empty());
        const AxisLabel& last = bottom.labels.front(); // labels run from the top value
        EXPECT_EQ(last.text.text, QStringLiteral("1,000"));
        // Inside the 1-pixel bevel, moved in by exactly its overflow.
        EXPECT_EQ(last.text.x + last.text.width,
                  std::min(last.pixel + last.text.width / 2 + last.text.width % 2, width - 1))
            << width;
        for (const AxisLabel& label : bottom.labels) {
            EXPECT_GE(label.text.x, 1);
            EXPECT_LE(label.text.x + label.text.width, width - 1);
        }
    }
}

TEST(ChartLayout, AShiftedEdgeLabelNeverRunsIntoItsNeighbour) {
    // On a narrow chart "1,000" moves left onto "950"; that neighbour gives up its text
    // (its tick stays) rather than the two reading as "9501,000".
    Chart chart(0, 1);
    chart.AddToAll(750, 0.1);
    chart.AddToAll(1000, 0.7);
    for (int width = 150; width <= 1000; width += 10) {
        const ChartLayout layout = chart.Layout(QSize(width, 269));
        const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
        ASSERT_FALSE(bottom.labels.empty());
        EXPECT_EQ(bottom.labels.front().value, 1000) << width;
        for (std::size_t i = 1; i < bottom.labels.size(); ++i) {
            const PlacedText& right = bottom.labels[i - 1].text;
            const PlacedText& left = bottom.labels[i].text;
            EXPECT_GE(right.x - (left.x + left.width), 6) << width; // one blank between
        }
        EXPECT_GE(bottom.ticks.size(), bottom.labels.size());
    }
}
