// The chart the main window shows first, against the picture quorvel-sweep draws.
#include "MainFormTestSupport.h"

#include <QImage>

#include "chartkit/ChartLayout.h"
#include "chartkit/TextMeasurer.h"
#include "chartview/ChartPicture.h"
#include "chartwidget/TChart.h"
#include "sweepchart/SweepChart.h"

namespace {

TEST_F(MainFormTest, TheFirstChartShownIsThePictureOfItsSize) {
    Create();
    auto* chart = form->findChild<quorvel::TChart*>(QStringLiteral("Chart"));
    ASSERT_NE(chart, nullptr);
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([chart] { return chart->PaintCount() > 0; }));
    // The first pass that reached the screen, before anything else redraws the chart.
    const quorvel::ChartLayout first = chart->LastLayout();

    // A chart that has been drawn at this size before has settled its label band.
    quorvel::FontTextMeasurer measure;
    quorvel::ChartLayoutMemory memory;
    quorvel::ComputeChartLayout(chart->Model(), chart->size(), measure, memory);
    const quorvel::ChartLayout settled =
        quorvel::ComputeChartLayout(chart->Model(), chart->size(), measure, memory);
    EXPECT_EQ(first.plotRect, settled.plotRect);
    EXPECT_EQ(first.Axis(quorvel::TChartAxisId::Left).labelPosition,
              settled.Axis(quorvel::TChartAxisId::Left).labelPosition);

    const quorvel::ResultSeries& r = engine->resultSeries;
    const quorvel::CurveData data{r.XValue, r.CH4,    r.CO,      r.CO2,
                                  r.H2,     r.H2toCO, r.CO2toCO, r.LastIndex};
    QString reason;
    const QImage picture = QImage::fromData(
        quorvel::ChartPicturePng(
            chart->size(),
            quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry),
            data, &reason),
        "PNG");
    ASSERT_FALSE(picture.isNull()) << reason.toStdString();
    EXPECT_EQ(chart->grab().toImage().convertToFormat(QImage::Format_RGB32),
              picture.convertToFormat(QImage::Format_RGB32));
    // What the window shows there, with the widgets around the chart: no other widget
    // covers a row of it.
    const QImage shown = chart->parentWidget()->grab(chart->geometry()).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              picture.convertToFormat(QImage::Format_RGB32));

    // The ratio axis ends at its last point, 3.999999999999994, and is labelled up to 4.
    const auto& labels = first.Axis(quorvel::TChartAxisId::Bottom).labels;
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front().text.text, QStringLiteral("4"));
    EXPECT_EQ(labels.back().text.text, QStringLiteral("1"));
}

} // namespace
