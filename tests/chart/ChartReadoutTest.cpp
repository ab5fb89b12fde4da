// The chart's readout: snapping to computed points, the values it reports, its text,
// and that it leaves the picture alone when the mouse is not over the plot.
#include "chart/ChartReadout.h"
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/TextMeasurer.h"
#include "chart/widget/TChart.h"
#include "views/ChartPicture.h"
#include "views/ReformingChartView.h"
#include "views/SweepChart.h"

#include "tests/support/QtPrinters.h"
#include <QImage>
#include <QXmlStreamReader>
#include <cmath>

#include <gtest/gtest.h>

#include "tests/views/SyntheticSweep.h"

using namespace quorvel;

namespace {

const SyntheticSweep& Sweep() {
    static const SyntheticSweep sweep;
    return sweep;
}

// A chart widget holding the synthetic sweep in the given view, painted once.
struct ShownChart {
    TChart chart;
    explicit ShownChart(int YAxisMode, int passes = 2) {
        ConfigureReformingChart(chart.Model());
        ConstructionChart(chart.Model(),
                          quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                                   quorvel::AllResultViews[YAxisMode]));
        ChartDisplay(chart.Model(),
                     quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                              quorvel::AllResultViews[YAxisMode])
                         .curves,
                     Sweep().Data());
        chart.resize(438, 269);
        chart.SetReadoutText([](const ChartReadout& r) {
            return ReadoutText(quorvel::SweptParameterName(quorvel::SweptParameter::Ratio), r,
                               u',');
        });
        // grab() runs the widget's own drawing pass; the label bands settle on the second.
        for (int i = 0; i < passes; ++i)
            chart.grab();
    }
    const ChartLayout& Layout() const { return chart.LastLayout(); }
    AxisSpan Bottom() const {
        const AxisLayout& a = Layout().Axis(TChartAxisId::Bottom);
        return {a.minimum, a.maximum, a.start, a.end, true};
    }
    int MiddleY() const { return (Layout().plotRect.top + Layout().plotRect.bottom) / 2; }
};

} // namespace

TEST(ChartReadout, SnapsToTheNearestPointAndReportsEveryShownCurve) {
    ShownChart shown(0);
    const AxisSpan bottom = shown.Bottom();
    // Every computed point is reached from its own pixel column and from a pixel beside
    // it, as long as the neighbour lies farther away.
    for (int i = 0; i < 77; ++i) {
        const int px = ValuePixel(bottom, Sweep().x[i]);
        const std::optional<ChartReadout> r =
            FindReadout(shown.chart.Model(), shown.Layout(), QPoint(px, shown.MiddleY()));
        ASSERT_TRUE(r) << "point " << i;
        EXPECT_EQ(r->pointIndex, i);
        EXPECT_EQ(r->x, Sweep().x[i]);
        EXPECT_EQ(r->hoverLine.x1, px);
        EXPECT_EQ(r->hoverLine.y1, shown.Layout().plotRect.top);
        EXPECT_EQ(r->hoverLine.y2, shown.Layout().plotRect.bottom);
        ASSERT_EQ(r->values.size(), 4u);
        EXPECT_EQ(r->values[0].title, QStringLiteral("Метан"));
        EXPECT_EQ(r->values[0].y, Sweep().ch4[i]);
        EXPECT_EQ(r->values[1].y, Sweep().co[i]);
        EXPECT_EQ(r->values[2].y, Sweep().co2[i]);
        EXPECT_EQ(r->values[3].y, Sweep().h2[i]);
    }
    // Between two points the nearer one wins, whichever side it is on.
    const int a = ValuePixel(bottom, Sweep().x[10]);
    const int b = ValuePixel(bottom, Sweep().x[11]);
    ASSERT_GT(b - a, 2);
    EXPECT_EQ(FindReadout(shown.chart.Model(), shown.Layout(), QPoint(a + 1, shown.MiddleY()))
                  ->pointIndex,
              10);
    EXPECT_EQ(FindReadout(shown.chart.Model(), shown.Layout(), QPoint(b - 1, shown.MiddleY()))
                  ->pointIndex,
              11);
    // Off the plot there is no readout.
    const ChartRect& plot = shown.Layout().plotRect;
    EXPECT_FALSE(FindReadout(shown.chart.Model(), shown.Layout(), QPoint(plot.left - 1, plot.top)));
    EXPECT_FALSE(
        FindReadout(shown.chart.Model(), shown.Layout(), QPoint(plot.right, plot.bottom + 1)));
    EXPECT_TRUE(FindReadout(shown.chart.Model(), shown.Layout(), QPoint(plot.left, plot.top)));
}

TEST(ChartReadout, RatioViewReportsItsTwoCurvesAndAnEmptyChartNone) {
    ShownChart ratio(2);
    const std::optional<ChartReadout> r =
        FindReadout(ratio.chart.Model(), ratio.Layout(),
                    QPoint(ratio.Layout().plotRect.right, ratio.MiddleY()));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->pointIndex, 76);
    ASSERT_EQ(r->values.size(), 2u);
    EXPECT_EQ(r->values[0].seriesIndex, 2);
    EXPECT_EQ(r->values[0].y, Sweep().co2toco[76]);
    EXPECT_EQ(r->values[1].y, Sweep().h2toco[76]);

    ChartModel empty;
    ConfigureReformingChart(empty);
    ChartLayoutMemory memory;
    FontTextMeasurer measure;
    const ChartLayout layout = ComputeChartLayout(empty, QSize(438, 269), measure, memory);
    EXPECT_FALSE(
        FindReadout(empty, layout, QPoint(layout.plotRect.left + 5, layout.plotRect.top + 5)));
    EXPECT_EQ(NearestPointIndex({}, AxisSpan{0, 1, 0, 100, true}, 50), -1);
}

TEST(ChartReadout, TextUsesTheTableFormatAndTheGivenSeparator) {
    ChartReadout r;
    r.x = 860;
    r.values = {{0, QStringLiteral("Метан"), 0.012345}, {3, QStringLiteral("Водород"), -0.00001}};
    EXPECT_EQ(
        ReadoutText(quorvel::SweptParameterName(quorvel::SweptParameter::Temperature), r, u','),
        QStringLiteral("Температура, град. С: 860,00\nМетан: 0,0123\nВодород: 0,0000"));
    r.x = 2.5;
    EXPECT_EQ(ReadoutText(quorvel::SweptParameterName(quorvel::SweptParameter::Ratio), r, u'.',
                          {{QStringLiteral("Степень превращения метана"), 0.98765, 3}}),
              QStringLiteral("Соотношение пар/метан: 2.50\nМетан: 0.0123\nВодород: 0.0000\n"
                             "Степень превращения метана: 0.988"));
    EXPECT_TRUE(ReadoutText(quorvel::SweptParameterName(quorvel::SweptParameter::Ratio), r, u',',
                            {{QStringLiteral("Пар/углерод"), std::nan(""), 2}})
                    .endsWith(QStringLiteral("\nПар/углерод: не определено")));
}

TEST(ChartReadout, TheLineShowsOnlyWhileTheMouseIsOverThePlot) {
    // One pass only, as after a recalculation: a second pass could still move the label
    // bands, and the readout must not bring that about.
    ShownChart shown(0, 0);
    const QImage plain = shown.chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.chart.PaintCount(), 1);
    // The picture for saving and copying is the screen's, pixel for pixel.
    EXPECT_EQ(shown.chart.Picture().convertToFormat(QImage::Format_RGB32), plain);

    const int px = ValuePixel(shown.Bottom(), Sweep().x[20]);
    const QString text = shown.chart.ShowReadoutAt(QPoint(px + 1, shown.MiddleY()));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Соотношение пар/метан: 1,20\nМетан: ")));
    const QImage hovered = shown.chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Only the column of the line changes, and only inside the plot.
    const ChartRect& plot = shown.Layout().plotRect;
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != hovered.pixel(x, y)) {
                ++changed;
                ASSERT_EQ(x, px) << "at y " << y;
                ASSERT_GE(y, plot.top);
                ASSERT_LE(y, plot.bottom);
            }
    EXPECT_GT(changed, plot.Height() / 2);
    EXPECT_EQ(shown.chart.PaintCount(), 1);
    // Saving and copying never take the line.
    EXPECT_EQ(shown.chart.Picture().convertToFormat(QImage::Format_RGB32), plain);

    // Off the plot, or gone from the chart: the picture is the plain one again.
    EXPECT_TRUE(shown.chart.ShowReadoutAt(QPoint(2, 2)).isEmpty());
    EXPECT_EQ(shown.chart.grab().toImage().convertToFormat(QImage::Format_RGB32), plain);
    shown.chart.ShowReadoutAt(QPoint(px, shown.MiddleY()));
    shown.chart.HideReadout();
    EXPECT_FALSE(shown.chart.Readout());
    EXPECT_EQ(shown.chart.grab().toImage().convertToFormat(QImage::Format_RGB32), plain);

    // Without a text the chart does not follow the mouse.
    shown.chart.SetReadoutText({});
    EXPECT_TRUE(shown.chart.ShowReadoutAt(QPoint(px, shown.MiddleY())).isEmpty());
    EXPECT_FALSE(shown.chart.hasMouseTracking());
}

TEST(ChartPicture, SvgIsWellFormedAndHoldsTheFourCurves) {
    ShownChart shown(0);
    const QByteArray svg =
        ChartSvg(shown.chart.Model(), shown.chart.size(), shown.chart.PictureMemory());
    QXmlStreamReader xml(svg);
    QStringList strokes; // the stroke colour of the group around each long polyline
    QString stroke;
    QSize viewBox;
    int dottedGroups = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg")) {
            const QStringList box = xml.attributes().value("viewBox").toString().split(u' ');
            if (box.size() == 4)
                viewBox = QSize(box[2].toInt(), box[3].toInt());
        } else if (xml.name() == QLatin1String("g")) {
            stroke = xml.attributes().value("stroke").toString();
            // A dotted grid keeps its gaps only with flat ends on its one-unit dashes.
            if (xml.attributes().hasAttribute("stroke-dasharray")) {
                ++dottedGroups;
                EXPECT_EQ(xml.attributes().value("stroke-linecap"), QLatin1String("butt"));
            }
        } else if (xml.name() == QLatin1String("polyline")) {
            // A curve of 77 points keeps far more than the two ends of a straight line.
            const auto points = xml.attributes().value("points").trimmed().split(u' ');
            if (points.size() > 20)
                strokes << stroke;
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, QSize(438, 269));
    EXPECT_GE(dottedGroups, 2); // the grids of both axes
    EXPECT_EQ(strokes, (QStringList{"#ff0000", "#ffff00", "#000000", "#00ff40"}));
    EXPECT_EQ(PictureFormatFor(QStringLiteral("a.SVG")), ChartPictureFormat::Svg);
    EXPECT_EQ(PictureFormatFor(QStringLiteral("a.svg.png")), ChartPictureFormat::Png);
}
