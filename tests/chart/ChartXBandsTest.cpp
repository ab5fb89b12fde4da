// Shaded stretches of the X axis: which stretch each marked point gets, where the
// stretches land on the plot, and how they look under the curves.
#include "chart/ChartXBands.h"
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"
#include "views/ReformingChartView.h"
#include "views/SweepChart.h"

#include <QImage>
#include <cmath>

#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"
#include "tests/views/SyntheticSweep.h"

using namespace quorvel;

namespace {

// Relative luminance of an sRGB colour, and the contrast ratio of two colours.
double Luminance(QColor c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a) + 0.05;
    const double lb = Luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

} // namespace

TEST(ChartXBands, MarkedPointsReachHalfwayToTheirNeighboursAndJoin) {
    const SyntheticSweep sweep; // x = 0.2, 0.25, ..., 4.0
    bool marked[77] = {};
    for (int i = 0; i < 14; ++i)
        marked[i] = true; // 0.20 .. 0.85
    std::vector<ChartXBand> bands = XBandsAroundPoints(sweep.x, marked, 77);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_DOUBLE_EQ(bands[0].from, 0.2); // the first point has no left neighbour
    EXPECT_DOUBLE_EQ(bands[0].to, (sweep.x[13] + sweep.x[14]) / 2);

    // Two separate runs, one of them a single point at the right end.
    bool apart[77] = {};
    apart[10] = apart[11] = true;
    apart[76] = true;
    bands = XBandsAroundPoints(sweep.x, apart, 77);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_DOUBLE_EQ(bands[0].from, (sweep.x[9] + sweep.x[10]) / 2);
    EXPECT_DOUBLE_EQ(bands[0].to, (sweep.x[11] + sweep.x[12]) / 2);
    EXPECT_DOUBLE_EQ(bands[1].from, (sweep.x[75] + sweep.x[76]) / 2);
    EXPECT_DOUBLE_EQ(bands[1].to, sweep.x[76]);

    // Uneven spacing: halfway is measured on each side separately.
    const double x[3] = {1, 2, 6};
    const bool middle[3] = {false, true, false};
    bands = XBandsAroundPoints(x, middle, 3);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0], (ChartXBand{1.5, 4}));

    const bool none[3] = {};
    EXPECT_TRUE(XBandsAroundPoints(x, none, 3).empty());
    EXPECT_TRUE(XBandsAroundPoints(x, none, 0).empty());
}

TEST(ChartXBands, RectanglesStayInsideThePlotFrame) {
    const ChartRect plot{50, 20, 250, 120};
    const AxisSpan axis{0, 10, 50, 250, true}; // 20 pixels per unit
    const std::vector<ChartXBand> bands = {
        {2, 3},    // inside
        {-5, 1},   // runs off the left end
        {9.5, 20}, // runs off the right end
        {12, 15},  // wholly outside: left out
        {4, 4},    // no width: still one pixel
        {7, 6},    // ends given the wrong way round
    };
    const std::vector<ChartRect> rects = XBandRects(bands, axis, plot);
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_EQ(rects[0], (ChartRect{90, 21, 110, 119}));
    EXPECT_EQ(rects[1], (ChartRect{51, 21, 70, 119}));
    EXPECT_EQ(rects[2], (ChartRect{240, 21, 249, 119}));
    EXPECT_EQ(rects[3], (ChartRect{130, 21, 130, 119}));
    EXPECT_EQ(rects[4], (ChartRect{170, 21, 190, 119}));
    // A plot with no inside has no bands.
    EXPECT_TRUE(XBandRects(bands, axis, ChartRect{50, 20, 51, 120}).empty());
}

TEST(ChartXBands, ShadedBehindGridAndCurvesInAColourThatKeepsEveryCurveReadable) {
    static const SyntheticSweep sweep;
    ChartModel model;
    ConfigureReformingChart(model);
    ConstructionChart(
        model, quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry));
    ChartDisplay(model, quorvel::ReformingCurves::Composition, sweep.Data());
    int changes = 0;
    model.SetChangeHandler([&changes] { ++changes; });
    model.SetXBands({{0.2, 0.875}});
    EXPECT_EQ(changes, 1); // a change asks for a repaint
    model.SetXBands({{0.2, 0.875}});
    EXPECT_EQ(changes, 1); // the same bands ask for nothing

    const QSize size(438, 269);
    ChartLayoutMemory memory;
    RenderChart(model, size, memory);
    ChartLayoutMemory again = memory;
    const QImage image = RenderChart(model, size, memory);
    FontTextMeasurer measure;
    const ChartLayout layout = ComputeChartLayout(model, size, measure, again);
    ASSERT_EQ(layout.xBands.size(), 1u);
    const ChartRect band = layout.xBands[0];
    const ChartRect& plot = layout.plotRect;
    EXPECT_EQ(band.left, plot.left + 1); // 0.2 is the axis's first pixel
    EXPECT_EQ(band.top, plot.top + 1);
    EXPECT_EQ(band.bottom, plot.bottom - 1);
    const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
    EXPECT_EQ(band.right,
              ValuePixel({bottom.minimum, bottom.maximum, bottom.start, bottom.end, true}, 0.875));

    const auto at = [&](int x, int y) { return QColor(image.pixel(x, y)); };
    const QColor grey = model.XBandColor();
    int greyInside = 0;
    int greyOutside = 0;
    int curveInside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside =
                x >= band.left && x <= band.right && y >= band.top && y <= band.bottom;
            const QColor c = at(x, y);
            const bool inPlot =
                x >= plot.left && x <= plot.right && y >= plot.top && y <= plot.bottom;
            if (c == grey && inside)
                ++greyInside;
            else if (c == grey && inPlot)
                ++greyOutside; // (text anti-aliasing outside the plot may hit the grey)
            else if (inside && c != Qt::black)
                ++curveInside; // curves drawn over the band
        }
    EXPECT_GT(greyInside, (band.right - band.left) * (band.bottom - band.top) / 2);
    EXPECT_EQ(greyOutside, 0);
    EXPECT_GT(curveInside, 20);
    // Every dotted grid line of the left axis inside the plot still shows on the band,
    // one pixel in two, as it does beside it.
    const AxisLayout& left = layout.Axis(TChartAxisId::Left);
    ASSERT_GT(left.ticks.size(), 3u);
    for (const int y : left.ticks) {
        if (y <= plot.top || y >= plot.bottom)
            continue; // on the frame
        int gridDots = 0;
        for (int x = band.left; x <= band.right; ++x)
            gridDots += at(x, y) == QColor(Qt::black);
        EXPECT_GE(gridDots, (band.right - band.left) / 2 - 4) << y;
    }

    // Every curve keeps at least the contrast that the palest one has on the plain panel.
    double worstOnPanel = 1e9;
    for (int i = 0; i < model.SeriesCount(); ++i)
        worstOnPanel =
            std::min(worstOnPanel, Contrast(model.Series(i).SeriesColor(), model.PanelColor()));
    for (int i = 0; i < model.SeriesCount(); ++i)
        EXPECT_GE(Contrast(model.Series(i).SeriesColor(), grey), worstOnPanel)
            << model.Series(i).Title().toStdString();
    EXPECT_GT(Luminance(grey), 0.5) << "a light grey";
}
