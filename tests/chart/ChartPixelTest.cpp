// What a person would notice on the drawn chart, read off a rendered image.
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "chart/ChartStyle.h"
#include "chart/TextMeasurer.h"
#include "chart/widget/TChart.h"
#include "views/ChartPicture.h"
#include "views/ReformingChartView.h"
#include "views/SweepChart.h"

#include "tests/support/QtPrinters.h"
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

#include <gtest/gtest.h>

#include "tests/views/SyntheticSweep.h"

using namespace quorvel;

namespace {

struct Rendered {
    ChartModel model;
    ChartLayout layout;
    QImage image;
    explicit Rendered(int YAxisMode, QSize size = QSize(438, 269)) {
        static const SyntheticSweep sweep;
        ConfigureReformingChart(model);
        ConstructionChart(model, quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                                          quorvel::AllResultViews[YAxisMode]));
        ChartDisplay(model,
                     quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                              quorvel::AllResultViews[YAxisMode])
                         .curves,
                     sweep.Data());
        ChartLayoutMemory memory;
        RenderChart(model, size, memory);
        image = RenderChart(model, size, memory);
        FontTextMeasurer measure;
        ChartLayoutMemory again = memory;
        layout = ComputeChartLayout(model, size, measure, again);
    }
    QRgb At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
    int CountInPlot(QRgb colour) const {
        int n = 0;
        const ChartRect& p = layout.plotRect;
        for (int y = p.top + 1; y < p.bottom; ++y)
            for (int x = p.left + 1; x < p.right; ++x)
                n += At(x, y) == colour;
        return n;
    }
};

constexpr QRgb kRed = 0xFF0000, kYellow = 0xFFFF00, kBlack = 0x000000, kGreen = 0x00FF40,
               kWhite = 0xFFFFFF;

} // namespace

TEST(ChartPixels, EveryCurveShowsInItsColourInsideThePlot) {
    Rendered dry(0);
    EXPECT_GT(dry.CountInPlot(kRed), 100);
    EXPECT_GT(dry.CountInPlot(kYellow), 100);
    EXPECT_GT(dry.CountInPlot(kGreen), 100);
    // The ratio view has no methane or monoxide curve.
    Rendered ratio(2);
    EXPECT_EQ(ratio.CountInPlot(kRed), 0);
    EXPECT_EQ(ratio.CountInPlot(kYellow), 0);
    EXPECT_GT(ratio.CountInPlot(kGreen), 100);
    // Nothing of a curve outside the plot, apart from the legend's symbols.
    const ChartRect& p = dry.layout.plotRect;
    const ChartRect& box = dry.layout.legend.box;
    int stray = 0;
    for (int y = 0; y < dry.image.height(); ++y)
        for (int x = 0; x < dry.image.width(); ++x) {
            const bool inPlot =
                x >= p.left - 1 && x <= p.right + 1 && y >= p.top - 1 && y <= p.bottom + 1;
            const bool inLegend =
                x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
            if (!inPlot && !inLegend && dry.At(x, y) == kRed)
                ++stray;
        }
    EXPECT_EQ(stray, 0);
}

TEST(ChartPixels, GridLinesAreDottedAndTheBackWallIsFramed) {
    Rendered dry(0);
    const AxisLayout& left = dry.layout.Axis(TChartAxisId::Left);
    const ChartRect& p = dry.layout.plotRect;
    ASSERT_GE(left.ticks.size(), 3u);
    // A grid row of the left axis (not the bottom one, which lies on the frame).
    const int row = left.ticks[1];
    int black = 0, runs = 0, longest = 0, run = 0;
    for (int x = p.left + 2; x < p.right - 1; ++x) {
        const bool isBlack = dry.At(x, row) == kBlack;
        black += isBlack;
        run = isBlack ? run + 1 : 0;
        runs += run == 1;
        longest = std::max(longest, run);
    }
    const int span = p.right - p.left - 3;
    EXPECT_GT(black, span / 3);
    EXPECT_LT(black, span * 2 / 3);
    EXPECT_GT(runs, span / 3);
    EXPECT_LE(longest, 3); // a crossing curve may join dots, never a solid line
    // The back wall is a 1-pixel black frame with the panel showing inside.
    EXPECT_EQ(dry.At(p.right, (p.top + p.bottom) / 2), kBlack);
    EXPECT_EQ(dry.At((p.left + p.right) / 2, p.top), kBlack);
    EXPECT_NE(dry.At(p.right - 1, p.top + 3), kWhite);
}

TEST(ChartPixels, LegendIsAWhiteBoxWithABlackFrameAndLineSymbols) {
    Rendered dry(0);
    const LegendLayout& legend = dry.layout.legend;
    ASSERT_TRUE(legend.drawn);
    const ChartRect& box = legend.box;
    for (int x = box.left; x <= box.right; ++x) {
        EXPECT_EQ(dry.At(x, box.top), kBlack) << x;
        EXPECT_EQ(dry.At(x, box.bottom), kBlack) << x;
    }
    EXPECT_EQ(dry.At(box.left, (box.top + box.bottom) / 2), kBlack);
    EXPECT_EQ(dry.At(box.right, (box.top + box.bottom) / 2), kBlack);
    EXPECT_EQ(dry.At(box.left + 1, box.top + 1), kWhite);
    // Outside the box the panel colour, not white.
    EXPECT_NE(dry.At(box.left - 2, box.top + 2), kWhite);
    const QRgb colours[] = {kRed, kYellow, kBlack, kGreen};
    for (int k = 0; k < 4; ++k) {
        const LegendItemLayout& item = legend.items[k];
        EXPECT_EQ(dry.At((item.symbolLeft + item.symbolRight) / 2, item.symbolY), colours[k]) << k;
    }
}

TEST(ChartPixels, TitleIsBlueAndTheAxisLinesAreBlack) {
    Rendered dry(0);
    int blue = 0;
    const TitleLayout& title = dry.layout.title;
    for (int y = title.lines[0].y; y < title.lines[0].y + title.lineHeight; ++y)
        for (int x = 0; x < dry.image.width(); ++x)
            blue += dry.At(x, y) == 0x0000FF;
    EXPECT_GT(blue, 50);
    const ChartRect& p = dry.layout.plotRect;
    // Two pixels wide: the edge and the one before it.
    const int midY = (p.top + p.bottom) / 2 + 3;
    EXPECT_EQ(dry.At(p.left - 1, midY), kBlack);
    const int midX = (p.left + p.right) / 2 + 3;
    EXPECT_EQ(dry.At(midX, p.bottom - 1), kBlack);
}

TEST(ChartPixels, AxisLinesCloseTheCornerOfThePlot) {
    for (int view : {0, 2}) {
        const Rendered chart(view);
        const ChartRect& p = chart.layout.plotRect;
        // Both lines are two pixels wide: the left one covers p.left - 1 and p.left, the
        // bottom one p.bottom - 1 and p.bottom; the 2 x 2 corner is all black.
        for (int x : {p.left - 1, p.left})
            for (int y : {p.bottom - 1, p.bottom})
                EXPECT_EQ(chart.At(x, y), kBlack) << view << ": " << x << "," << y;
    }
}

TEST(ChartPixels, NoCurvePixelOutsideAnInsideOutPlot) {
    // At 120 x 80 the title, legend and axes leave no plot; the legend stays clean.
    const Rendered tiny(0, QSize(120, 80));
    ASSERT_TRUE(tiny.layout.legend.drawn);
    auto onASymbol = [&](int x, int y) {
        for (const LegendItemLayout& item : tiny.layout.legend.items)
            if (x >= item.symbolLeft - 1 && x <= item.symbolRight + 1 &&
                std::abs(y - item.symbolY) <= 1)
                return true;
        return false;
    };
    int curvePixels = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb c = tiny.At(x, y);
            if ((c == kRed || c == kYellow || c == kGreen) && !onASymbol(x, y))
                ++curvePixels;
        }
    EXPECT_EQ(curvePixels, 0);
}

// Dark pixels of a label's text drawn alone, well inside an image of its own, on the
// chart's background.
int InkOfText(const ChartFont& font, const QString& text, QColor background) {
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(ToQFont(font));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(50, 40), text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

TEST(ChartPixels, TheLastBottomLabelIsWhollyInsideTheChart) {
    // Temperature sweep: "1,000" is centred on the axis's right end and used to be cut
    // by the chart's edge. Every pixel of its text must now be on the chart.
    for (int width : {300, 438, 800}) {
        ChartModel model;
        ConfigureReformingChart(model);
        model.SetLabelLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        ConstructionChart(model, quorvel::SweepChartTexts(quorvel::SweptParameter::Temperature,
                                                          quorvel::ResultView::Dry));
        for (int i = 0; i < model.SeriesCount(); ++i) {
            model.Series(i).AddPoint(750, 0.1 * (i + 1));
            model.Series(i).AddPoint(1000, 0.1 * (i + 2));
        }
        ChartLayoutMemory memory;
        const QImage image = RenderChart(model, QSize(width, 269), memory);
        FontTextMeasurer measure;
        const ChartLayout layout = ComputeChartLayout(model, QSize(width, 269), measure, memory);
        const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
        ASSERT_FALSE(bottom.labels.empty());
        const PlacedText& last = bottom.labels.front().text;
        ASSERT_EQ(last.text, QStringLiteral("1,000"));
        EXPECT_LE(last.x + last.width, width - 1) << width;
        const ChartFont& font = model.BottomAxis().LabelsFont();
        int ink = 0;
        const int height = measure.TextHeight(font);
        for (int y = last.y; y < last.y + height; ++y)
            for (int x = last.x - 2; x < width; ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        EXPECT_EQ(ink, InkOfText(font, last.text, model.PanelColor())) << width;
    }
}

TEST(ChartPicture, IsAPngOfTheAskedSizeAndGivesARussianReasonOnFailure) {
    const SyntheticSweep sweep;
    const ReformingChartTexts Dry =
        quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    QString reason;
    const QByteArray png = ChartPicturePng(QSize(438, 269), Dry, sweep.Data(), &reason);
    ASSERT_FALSE(png.isEmpty()) << reason.toStdString();
    const QImage saved = QImage::fromData(png, "PNG");
    EXPECT_EQ(saved.size(), QSize(438, 269));
    // The same picture as a direct rendering of the same chart.
    Rendered direct(0);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              direct.image.convertToFormat(QImage::Format_RGB32));

    EXPECT_TRUE(ChartPicturePng(QSize(0, 269), Dry, sweep.Data(), &reason).isEmpty());
    EXPECT_EQ(reason, QStringLiteral("размер 0x269 вне пределов от 1x1 до 16384x16384"));
}

TEST(ChartPicture, WidgetShowsTheSamePictureAsTheOffScreenDrawing) {
    const SyntheticSweep sweep;
    TChart chart;
    ConfigureReformingChart(chart.Model());
    chart.resize(438, 269);
    ConstructionChart(chart.Model(), quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                                              quorvel::ResultView::Wet));
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::Composition, sweep.Data());
    chart.grab(); // the window has drawn before the curves are looked at
    const QImage shown = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Rendered offScreen(1);
    EXPECT_EQ(shown, offScreen.image.convertToFormat(QImage::Format_RGB32));
}
