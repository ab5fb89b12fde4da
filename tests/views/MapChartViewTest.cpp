// The temperature-pressure map: its picture read back pixel by pixel, the readout of the
// cell under the mouse in the window's chart, and a grid that cannot be drawn.
#include "views/MapChartView.h"
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ColorMapGeometry.h"
#include "chart/ColorScale.h"
#include "chart/TextMeasurer.h"
#include "chart/widget/TChart.h"

#include "tests/support/QtPrinters.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <limits>

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

// Four temperatures by three pressures; one cell without a value and one infinite.
MapGrid SmallGrid() {
    MapGrid grid;
    grid.title = QStringLiteral("Метан в сухом газе");
    grid.valueCaption = QStringLiteral("Метан, %");
    grid.pressureUnit = QStringLiteral("бар");
    grid.temperatureC = {700, 750, 800, 850};
    grid.pressure = {10, 20, 30};
    const double inf = std::numeric_limits<double>::infinity();
    grid.value = {9.5,   6.25,         3.125, 1.0625, //
                  12.0,  std::nan(""), 4.5,   1.5,    //
                  14.25, 10.5,         inf,   2.0};
    return grid;
}

struct LaidOut {
    ChartModel model;
    ChartLayout layout;
    explicit LaidOut(const MapGrid& grid, QSize size) {
        ConfigureMapChart(model);
        MapChartDisplay(model, grid);
        FontTextMeasurer measure;
        ChartLayoutMemory memory; // as the picture starts
        layout = ComputeChartLayout(model, size, measure, memory);
    }
};

} // namespace

TEST(MapChartView, PictureShowsEveryCellInItsColourAndTheScaleRisingUpwards) {
    const MapGrid grid = SmallGrid();
    const QSize size(438, 269);
    QString reason;
    const QByteArray png = MapPicture(size, grid, ChartPictureFormat::Png, &reason);
    ASSERT_FALSE(png.isEmpty()) << reason.toStdString();
    const QImage image = QImage::fromData(png, "PNG");
    const LaidOut m(grid, size);
    const TColorMapSeries& map = m.model.ColorMap();
    ASSERT_TRUE(m.layout.colorMap.drawn);
    ASSERT_TRUE(m.layout.colorScale.drawn);
    EXPECT_EQ(map.ValueMinimum(), 1.0625);
    EXPECT_EQ(map.ValueMaximum(), 14.25);

    const std::size_t columns = grid.temperatureC.size();
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE(testing::Message() << "cell " << column << "," << row);
            const double value = grid.value[static_cast<std::size_t>(row) * columns +
                                            static_cast<std::size_t>(column)];
            const ChartRect r = ColorMapCellRect(m.layout.colorMap, column, row);
            ASSERT_GT(r.right - r.left, 20);
            ASSERT_GT(r.bottom - r.top, 20);
            int white = 0;
            int hatch = 0;
            int other = 0;
            // Inside the cell, two pixels clear of its edges and clear of the bottom
            // axis's inner ticks.
            const AxisLayout& bottom = m.layout.Axis(TChartAxisId::Bottom);
            const int lowest = std::min(r.bottom - 2, bottom.axisPosition - 8);
            for (int y = r.top + 2; y < lowest; ++y)
                for (int x = r.left + 2; x < r.right - 2; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (std::isfinite(value)) {
                        ASSERT_EQ(c, map.ValueColor(value)) << x << "," << y;
                    } else {
                        white += c == map.NoValueColor();
                        hatch += c == map.NoValueHatchColor();
                        other += c != map.NoValueColor() && c != map.NoValueHatchColor();
                    }
                }
            if (!std::isfinite(value)) {
                EXPECT_EQ(other, 0);
                EXPECT_GT(hatch, 20);
                EXPECT_GT(white, 4 * hatch);
            }
        }
    // The extremes take the ends of the scale.
    EXPECT_EQ(map.ValueColor(1.0625), ColorScaleColor(0));
    EXPECT_EQ(map.ValueColor(14.25), ColorScaleColor(1));

    // The bar: its colours brighten from the bottom row to the top one, from the
    // scale's first colour to its last.
    const ChartRect& bar = m.layout.colorScale.bar;
    const int middle = (bar.left + bar.right) / 2;
    EXPECT_EQ(image.pixelColor(middle, bar.bottom), ColorScaleColor(0));
    EXPECT_EQ(image.pixelColor(middle, bar.top), ColorScaleColor(1));
    for (int y = bar.bottom; y > bar.top; --y)
        ASSERT_GE(Luminance(image.pixelColor(middle, y - 1)),
                  Luminance(image.pixelColor(middle, y)))
            << "row " << y;
    // Ticks and labels are drawn in black to the bar's right.
    ASSERT_FALSE(m.layout.colorScale.tickLines.empty());
    for (const PixelLine& t : m.layout.colorScale.tickLines)
        EXPECT_EQ(image.pixelColor(t.x1, t.y1), QColor(Qt::black));

    // The same picture as SVG names the figure and its caption.
    const QByteArray svg = MapPicture(size, grid, ChartPictureFormat::Svg, &reason);
    ASSERT_FALSE(svg.isEmpty()) << reason.toStdString();
    const QString text = QString::fromUtf8(svg);
    EXPECT_TRUE(text.contains(grid.title));
    EXPECT_TRUE(text.contains(grid.valueCaption));
    EXPECT_TRUE(text.contains(QStringLiteral("Давление, бар")));
}

TEST(MapChartView, ReadoutGivesTheCellUnderTheMouseAndNothingOffTheMap) {
    const MapGrid grid = SmallGrid();
    TChart chart;
    ConfigureMapChart(chart.Model());
    MapChartDisplay(chart.Model(), grid);
    chart.SetMapReadoutText(
        [grid](const ColorMapCell& cell) { return MapReadoutText(grid, cell, u','); });
    chart.resize(500, 320);
    chart.grab();
    const ColorMapLayout& cells = chart.LastLayout().colorMap;
    ASSERT_TRUE(cells.drawn);
    const QString expected[3][4] = {{"700,00|10,00|9,5000", "750,00|10,00|6,2500",
                                     "800,00|10,00|3,1250", "850,00|10,00|1,0625"},
                                    {"700,00|20,00|12,0000", "750,00|20,00|не определено",
                                     "800,00|20,00|4,5000", "850,00|20,00|1,5000"},
                                    {"700,00|30,00|14,2500", "750,00|30,00|10,5000",
                                     "800,00|30,00|не определено", "850,00|30,00|2,0000"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const ChartRect r = ColorMapCellRect(cells, column, row);
            const QStringList v = expected[row][column].split(u'|');
            const QString want = QStringLiteral("Температура, град. С: ") + v[0] +
                                 QStringLiteral("\nДавление, бар: ") + v[1] +
                                 QStringLiteral("\nМетан, %: ") + v[2];
            // Both corners of the cell read the same cell.
            EXPECT_EQ(chart.ShowMapReadoutAt(QPoint(r.left, r.top)), want);
            EXPECT_EQ(chart.ShowMapReadoutAt(QPoint(r.right - 1, r.bottom - 1)), want);
        }
    const ChartRect& plot = chart.LastLayout().plotRect;
    EXPECT_EQ(chart.ShowMapReadoutAt(QPoint(plot.left - 3, plot.top + 5)), QString());
    EXPECT_EQ(chart.ShowMapReadoutAt(QPoint(plot.right + 2, plot.top + 5)), QString());
    EXPECT_EQ(chart.ShowMapReadoutAt(QPoint(plot.left + 5, plot.bottom + 2)), QString());
}

TEST(MapChartView, AGridWhoseSizesDisagreeIsRefusedWithAReason) {
    MapGrid grid = SmallGrid();
    grid.value.pop_back();
    QString reason;
    EXPECT_TRUE(MapPicture(QSize(300, 200), grid, ChartPictureFormat::Png, &reason).isEmpty());
    EXPECT_TRUE(reason.contains(QStringLiteral("11"))) << reason.toStdString();
    grid = SmallGrid();
    grid.pressure = {10, 30, 20};
    reason.clear();
    EXPECT_TRUE(MapPicture(QSize(300, 200), grid, ChartPictureFormat::Svg, &reason).isEmpty());
    EXPECT_FALSE(reason.isEmpty());
}
