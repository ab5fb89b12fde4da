#include "views/ReformingChartView.h"
#include "chart/widget/TChart.h"
#include "views/SweepChart.h"

#include "tests/support/QtPrinters.h"
#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

// A small sweep of the right shape: 5 points of each curve.
struct Sweep {
    double x[5] = {0.2, 1.15, 2.1, 3.05, 4.0};
    double ch4[5] = {0.5, 0.3, 0.2, 0.1, 0.05};
    double co[5] = {0.1, 0.15, 0.16, 0.15, 0.14};
    double co2[5] = {0.02, 0.05, 0.07, 0.08, 0.09};
    double h2[5] = {0.4, 0.6, 0.7, 0.72, 0.74};
    double h2toco[5] = {4, 4.5, 5, 5.5, 6};
    double co2toco[5] = {0.2, 0.3, 0.4, 0.5, 0.6};
    CurveData Data(int lastIndex = 4) const {
        return {x, ch4, co, co2, h2, h2toco, co2toco, lastIndex};
    }
};

void CheckViewTexts(const TChart& chart, const char* title, const char* leftAxis,
                    const char* series3, const char* series4, bool compositionInLegend) {
    ASSERT_EQ(chart.Title().LineCount(), 2);
    EXPECT_EQ(chart.Title().Text()[0], QString::fromUtf8(title));
    EXPECT_EQ(chart.Title().Text()[1], QString());
    EXPECT_EQ(chart.LeftAxis().Title().Caption, QString::fromUtf8(leftAxis));
    EXPECT_EQ(chart.Series(0).Title(), QString::fromUtf8("Метан"));
    EXPECT_EQ(chart.Series(1).Title(), QString::fromUtf8("Монооксид"));
    EXPECT_EQ(chart.Series(2).Title(), QString::fromUtf8(series3));
    EXPECT_EQ(chart.Series(3).Title(), QString::fromUtf8(series4));
    EXPECT_EQ(chart.Series(0).ShowInLegend(), compositionInLegend);
    EXPECT_EQ(chart.Series(1).ShowInLegend(), compositionInLegend);
    EXPECT_TRUE(chart.Series(2).ShowInLegend());
    EXPECT_TRUE(chart.Series(3).ShowInLegend());
}

void DrainEvents() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

TEST(ReformingChart, ConfigurationBeforeTheFirstCycle) {
    TChart chart;
    ConfigureReformingChart(chart.Model());
    ASSERT_EQ(chart.SeriesCount(), 4);
    EXPECT_EQ(chart.Title().Text(), QStringList{QString::fromUtf8("Состав сухого синтез-газа")});
    EXPECT_EQ(chart.Title().Font().family, "Courier New");
    EXPECT_EQ(chart.Title().Font().pixelSize, 16);
    EXPECT_TRUE(chart.Title().Font().bold);
    EXPECT_EQ(chart.Title().Font().color, QColor(0, 0, 255));
    EXPECT_EQ(chart.Foot().LineCount(), 0);
    EXPECT_TRUE(chart.Foot().Font().italic);
    EXPECT_EQ(chart.LeftAxis().Title().Caption, QString::fromUtf8("Состав сухого синтез-газа"));
    EXPECT_TRUE(chart.BottomAxis().Title().Caption.isEmpty());

    const TChartAxis& left = chart.LeftAxis();
    EXPECT_FALSE(left.Automatic());
    EXPECT_FALSE(left.AutomaticMinimum());
    EXPECT_TRUE(left.AutomaticMaximum());
    EXPECT_EQ(left.Minimum(), 0);
    EXPECT_DOUBLE_EQ(left.Increment(), 0.1);
    EXPECT_EQ(left.MinorTickCount(), 4);
    EXPECT_EQ(left.TickLength(), 4);
    EXPECT_EQ(left.TickInnerLength(), 0);
    EXPECT_EQ(left.MinorTicks().color, QColor(Qt::black));
    EXPECT_EQ(left.Grid(), (ChartPen{Qt::black, 1, ChartPen::Style::Dotted, true}));
    EXPECT_EQ(left.Title().Font.family, "Courier New");
    EXPECT_EQ(left.Title().Font.pixelSize, 11);
    const TChartAxis& bottom = chart.BottomAxis();
    EXPECT_TRUE(bottom.Automatic() && bottom.AutomaticMinimum() && bottom.AutomaticMaximum());
    EXPECT_DOUBLE_EQ(bottom.Increment(), 1.0);
    EXPECT_EQ(bottom.TickLength(), 1);
    EXPECT_EQ(bottom.TickInnerLength(), 4);
    EXPECT_EQ(bottom.MinorTicks().color, QColor(128, 128, 128));

    EXPECT_EQ(chart.Legend().Alignment(), TLegendAlignment::laBottom);
    EXPECT_EQ(chart.Legend().ShadowSize(), 0);
    EXPECT_EQ(chart.Legend().Font().family, "Courier New");
    EXPECT_FALSE(chart.Model().BackWallFilled());

    const QColor colours[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 0),
                              QColor(0, 255, 64)};
    const char* names[] = {"Series1", "Series2", "Series3", "Series4"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(chart.Series(i).Name(), names[i]);
        EXPECT_EQ(chart.Series(i).SeriesColor(), colours[i]);
        EXPECT_EQ(chart.Series(i).LinePen().width, 2);
        EXPECT_EQ(chart.Series(i).Count(), 0);
        EXPECT_EQ(chart.Series(i).XValues().Order(), TChartListOrder::loAscending);
        EXPECT_EQ(chart.Series(i).YValues().Order(), TChartListOrder::loNone);
    }
    EXPECT_EQ(QColor(0, 255, 64).rgb() & 0xFFFFFF, 0x00FF40u); // 4259584 is BGR 0x40FF00
}

TEST(ReformingChart, ConstructionChartSetsTheTextsAndFlagsOfEachView) {
    TChart chart;
    ConfigureReformingChart(chart.Model());
    ConstructionChart(chart.Model(), quorvel::SweepChartTexts(quorvel::SweptParameter::Temperature,
                                                              quorvel::ResultView::ProductRatios));
    CheckViewTexts(chart, "Соотношение продуктов реакции", "Соотношение продуктов", "Диоксид/СО",
                   "Водород/СО", false);
    EXPECT_EQ(chart.BottomAxis().Title().Caption, QString::fromUtf8("Температура, град. С"));
    // The "СО" and "С" are Cyrillic letters.
    EXPECT_EQ(chart.Series(2).Title().right(2), QString(QChar(0x0421)) + QChar(0x041E));
    EXPECT_EQ(chart.BottomAxis().Title().Caption.right(1), QString(QChar(0x0421)));

    // Back to view 0 restores the legend flags and the plain series titles.
    ConstructionChart(chart.Model(), quorvel::SweepChartTexts(quorvel::SweptParameter::Pressure,
                                                              quorvel::ResultView::Dry));
    CheckViewTexts(chart, "Состав сухого синтез-газа", "Состав сухого синтез-газа", "Диоксид",
                   "Водород", true);
    EXPECT_EQ(chart.BottomAxis().Title().Caption, QString::fromUtf8("Давление, атм"));

    ConstructionChart(chart.Model(), quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                                              quorvel::ResultView::Wet));
    CheckViewTexts(chart, "Состав мокрого синтез-газа", "Состав мокрого синтез-газа", "Диоксид",
                   "Водород", true);
    EXPECT_EQ(chart.BottomAxis().Title().Caption, QString::fromUtf8("Соотношение пар/метан"));

    // A radio index outside the items names no kind, so no call can ask for such a view;
    // the window and the command line check the index once where it comes in.
    EXPECT_FALSE(quorvel::SweptParameterAt(-1));
    EXPECT_FALSE(quorvel::SweptParameterAt(3));
    EXPECT_FALSE(quorvel::ResultViewAt(-1));
    EXPECT_FALSE(quorvel::ResultViewAt(3));
}

TEST(ReformingChart, ChartDisplayReloadsTheCurvesOfTheView) {
    TChart chart;
    ConfigureReformingChart(chart.Model());
    const Sweep sweep;
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::Composition, sweep.Data());
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(chart.Series(i).Count(), 5);
    EXPECT_EQ(chart.Series(0).YValues()[1], 0.3);
    EXPECT_EQ(chart.Series(1).YValues()[2], 0.16);
    EXPECT_EQ(chart.Series(2).YValues()[3], 0.08);
    EXPECT_EQ(chart.Series(3).YValues()[4], 0.74);
    EXPECT_EQ(chart.Series(3).XValues()[4], 4.0);
    EXPECT_TRUE(chart.Series(3).Label(0).isEmpty());
    EXPECT_EQ(chart.Series(3).PointColour(0), DefaultPointColour);

    // Reloading replaces, it does not append.
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::ProductRatios, sweep.Data());
    EXPECT_EQ(chart.Series(0).Count(), 0);
    EXPECT_EQ(chart.Series(1).Count(), 0);
    ASSERT_EQ(chart.Series(2).Count(), 5);
    EXPECT_EQ(chart.Series(2).YValues()[4], 0.6); // CO2/CO
    EXPECT_EQ(chart.Series(3).YValues()[4], 6);   // H2/CO

    ChartDisplay(chart.Model(), quorvel::ReformingCurves::Composition, sweep.Data(0));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(chart.Series(i).Count(), 1);

    // An empty sweep empties every curve.
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::Composition, sweep.Data(-1));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(chart.Series(i).Count(), 0);
}

TEST(ReformingChart, PointsWithoutAValueAreLeftOutOfEveryCurve) {
    TChart chart;
    ConfigureReformingChart(chart.Model());
    const Sweep sweep;
    CurveData data = sweep.Data();
    const bool some[5] = {false, true, false, true, true};
    data.HasPoint = some;
    for (const int view : {0, 2}) {
        ChartDisplay(
            chart.Model(),
            quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio, quorvel::AllResultViews[view])
                .curves,
            data);
        for (int i = view == 2 ? 2 : 0; i < 4; ++i) {
            ASSERT_EQ(chart.Series(i).Count(), 3) << view << " " << i;
            // The curve joins the neighbours 1.15 and 3.05 directly.
            EXPECT_EQ(chart.Series(i).XValues()[0], 1.15);
            EXPECT_EQ(chart.Series(i).XValues()[1], 3.05);
        }
    }
    EXPECT_EQ(chart.Series(3).YValues()[1], 5.5);
    const bool none[5] = {};
    data.HasPoint = none;
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::Composition, data);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(chart.Series(i).Count(), 0);
}

TEST(ReformingChart, RepaintRequestsCoalesceAndTheTitleRepaintsAtOnce) {
    TChart chart;
    ConfigureReformingChart(chart.Model());
    chart.resize(438, 269);
    chart.show();
    QElapsedTimer timer;
    timer.start();
    while (chart.PaintCount() == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    ASSERT_GT(chart.PaintCount(), 0);
    DrainEvents();
    const Sweep sweep;
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::Composition, sweep.Data());
    DrainEvents();
    int before = chart.PaintCount();

    // The title goes up at once, before the call returns, over the old texts.
    ConstructionChart(chart.Model(),
                      quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio,
                                               quorvel::ResultView::ProductRatios),
                      [&chart] { chart.RepaintNow(); });
    EXPECT_EQ(chart.PaintCount(), before + 1);
    const ChartLayout& immediate = chart.LastLayout();
    ASSERT_EQ(immediate.title.lines.size(), 2u);
    EXPECT_EQ(immediate.title.lines[0].text, QString::fromUtf8("Соотношение продуктов реакции"));
    EXPECT_EQ(immediate.legend.itemCount, 4); // legend flags not yet changed
    EXPECT_EQ(immediate.Axis(TChartAxisId::Left).title.text,
              QString::fromUtf8("Состав сухого синтез-газа"));

    // Clearing and refilling the series asks many times and draws once.
    before = chart.PaintCount();
    ChartDisplay(chart.Model(), quorvel::ReformingCurves::ProductRatios, sweep.Data());
    EXPECT_EQ(chart.PaintCount(), before);
    DrainEvents();
    EXPECT_EQ(chart.PaintCount(), before + 1);
    EXPECT_EQ(chart.LastLayout().legend.itemCount, 2);
    EXPECT_EQ(chart.LastLayout().series[2].polyline.size(), 5u);

    // Setting what is already there asks for nothing.
    before = chart.PaintCount();
    ConstructionChart(
        chart.Model(),
        quorvel::SweepChartTexts(
            quorvel::SweptParameter::Ratio,
            quorvel::ResultView::ProductRatios)); // the title is re-made, so one immediate repaint
    DrainEvents();
    const int afterSame = chart.PaintCount();
    EXPECT_EQ(afterSame, before + 1);
    chart.Series(2).SetTitle(chart.Series(2).Title());
    chart.LeftAxis().SetTitleCaption(chart.LeftAxis().Title().Caption);
    DrainEvents();
    EXPECT_EQ(chart.PaintCount(), afterSame);
}
