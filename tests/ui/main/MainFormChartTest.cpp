// The chart the main window shows first, against the picture quorvel-sweep draws.
#include "MainFormTestSupport.h"

#include <QImage>
#include <QPlainTextEdit>

#include "chart/ChartLayout.h"
#include "chart/TextMeasurer.h"
#include "views/ChartPicture.h"
#include "chart/widget/TChart.h"
#include "views/SweepChart.h"

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

// The readout's curve values, against the table line of the same point: "Метан: 0,0028"
// and so on for the four columns after the swept value.
void ExpectReadoutOfTableLine(const QString& text, const QString& tableLine) {
    const QStringList tip = text.split(u'\n');
    const QStringList fields = tableLine.split(u' ', Qt::SkipEmptyParts);
    ASSERT_GE(tip.size(), 5) << text.toStdString();
    ASSERT_GE(fields.size(), 5) << tableLine.toStdString();
    EXPECT_TRUE(tip[0].endsWith(QStringLiteral(": ") + fields[0])) << tip[0].toStdString();
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(tip[i].endsWith(QStringLiteral(": ") + fields[i])) << tip[i].toStdString();
}

TEST_F(MainFormTest, AReadoutUnderARestingMouseShowsTheNewValuesAfterACycle) {
    Open();
    auto* chart = form->findChild<quorvel::TChart*>(QStringLiteral("Chart"));
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Type(temperature, QStringLiteral("900"));
    Press(temperature, Qt::Key_Return);
    chart->RepaintNow();
    const quorvel::ChartLayout& layout = chart->LastLayout();
    const quorvel::AxisLayout& a = layout.Axis(quorvel::TChartAxisId::Bottom);
    const quorvel::AxisSpan bottom{a.minimum, a.maximum, a.start, a.end, true};
    const QPoint mouse(quorvel::ValuePixel(bottom, 1.45),
                       (layout.plotRect.top + layout.plotRect.bottom) / 2);
    const QString before = chart->ShowReadoutAt(mouse);
    ASSERT_EQ(chart->Readout()->pointIndex, 25); // 0.2 + 25 steps of 0.05
    ExpectReadoutOfTableLine(before, form->MemoLines()[5 + 25]);

    // 900 -> 920 by the entry's arrow key, then by the keyboard's own cycle on Enter.
    Press(temperature, Qt::Key_Down);
    ASSERT_EQ(temperature->currentText(), QStringLiteral("920"));
    ASSERT_EQ(form->CycleCount(), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->ShownReadoutText() != before; }));
    EXPECT_EQ(chart->Readout()->pointIndex, 25);
    ExpectReadoutOfTableLine(chart->ShownReadoutText(), form->MemoLines()[5 + 25]);
    // Just what a new mouse move to the same place shows.
    EXPECT_EQ(chart->ShownReadoutText(), chart->ShowReadoutAt(mouse));

    // Another view changes every value; the readout follows once more.
    const QString dry = chart->ShownReadoutText();
    Choose("RadioGroupAxisY", 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->ShownReadoutText() != dry; }));
    ExpectReadoutOfTableLine(chart->ShownReadoutText(), form->MemoLines()[5 + 25]);
    chart->HideReadout();
    EXPECT_TRUE(chart->ShownReadoutText().isEmpty());
}

TEST_F(MainFormTest, TheChartTakesTheFocusByKeyboardAndItsArrowsStepTheReadout) {
    Open();
    auto* chart = form->findChild<quorvel::TChart*>(QStringLiteral("Chart"));
    auto* memo = form->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    EXPECT_EQ(chart->focusPolicy(), Qt::TabFocus); // a click leaves the focus where it is
    memo->setFocus(Qt::TabFocusReason);
    chart->grab(); // a drawing pass at this size has settled the label bands
    const QImage unfocused = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTest::keyClick(memo, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), chart);

    // The focus shows as a frame along the edge; inside it the chart is unchanged.
    const QImage focused = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb highlight = chart->palette().color(QPalette::Highlight).rgb();
    auto highlighted = [highlight](const QImage& image, int y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == highlight;
        return count;
    };
    EXPECT_GT(highlighted(focused, 1), chart->width() / 4); // dotted
    EXPECT_GT(highlighted(focused, chart->height() - 2), chart->width() / 4);
    EXPECT_EQ(highlighted(unfocused, 1), 0);
    const QRect inside = chart->rect().adjusted(3, 3, -3, -3);
    EXPECT_EQ(focused.copy(inside), unfocused.copy(inside));
    EXPECT_FALSE(chart->Readout().has_value());

    const QStringList table = form->MemoLines();
    struct Step {
        Qt::Key key;
        int point;
    };
    for (const Step step : {Step{Qt::Key_Right, 0}, Step{Qt::Key_Right, 1}, Step{Qt::Key_Left, 0},
                            Step{Qt::Key_Left, 0}, Step{Qt::Key_End, 76}, Step{Qt::Key_Right, 76},
                            Step{Qt::Key_Left, 75}, Step{Qt::Key_Home, 0}, Step{Qt::Key_End, 76},
                            Step{Qt::Key_Left, 75}, Step{Qt::Key_Left, 74}}) {
        QTest::keyClick(chart, step.key);
        ASSERT_TRUE(chart->Readout().has_value());
        EXPECT_EQ(chart->Readout()->pointIndex, step.point);
        ExpectReadoutOfTableLine(chart->ShownReadoutText(), table[5 + step.point]);
    }
    // Every point can be reached, one step each.
    QTest::keyClick(chart, Qt::Key_Home);
    for (int i = 1; i <= 76; ++i) {
        QTest::keyClick(chart, Qt::Key_Right);
        ASSERT_EQ(chart->Readout()->pointIndex, i);
    }
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(chart, Qt::Key_Left);

    // A cycle that leaves the focus on the chart keeps the readout on its point, with
    // the new values.
    const QString before = chart->ShownReadoutText();
    Choose("RadioGroupAxisY", 1);
    ASSERT_EQ(QApplication::focusWidget(), chart);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->ShownReadoutText() != before; }));
    EXPECT_EQ(chart->Readout()->pointIndex, 73);
    ExpectReadoutOfTableLine(chart->ShownReadoutText(), form->MemoLines()[5 + 73]);

    // Escape takes the readout away; leaving the chart does as well.
    QTest::keyClick(chart, Qt::Key_Escape);
    EXPECT_FALSE(chart->Readout().has_value());
    QTest::keyClick(chart, Qt::Key_Right);
    ASSERT_TRUE(chart->Readout().has_value());
    QTest::keyClick(chart, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), chart);
    EXPECT_FALSE(chart->Readout().has_value());
    EXPECT_TRUE(chart->ShownReadoutText().isEmpty());
}

TEST_F(MainFormTest, TheTableShowsWhenItHasTheFocus) {
    Open();
    auto* memo = form->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    const QImage unfocused = memo->grab().toImage();
    memo->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(memo->hasFocus());
    const QImage focused = memo->grab().toImage();
    // The frame's top edge takes the highlight colour; the text keeps its place.
    const QColor highlight = memo->palette().color(QPalette::Highlight);
    EXPECT_EQ(focused.pixelColor(memo->width() / 2, 0).rgb(), highlight.rgb());
    EXPECT_NE(unfocused.pixelColor(memo->width() / 2, 0).rgb(), highlight.rgb());
    const QRect viewport = memo->viewport()->geometry();
    memo->clearFocus();
    EXPECT_EQ(memo->viewport()->geometry(), viewport);
}

} // namespace
