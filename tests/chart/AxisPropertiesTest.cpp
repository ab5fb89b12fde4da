#include "chart/ChartError.h"
#include "chart/ChartModel.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace {
template <class F> std::string MessageOf(F f) {
    try {
        f();
    } catch (const ChartError& e) {
        return e.what();
    }
    return "no error";
}
} // namespace

TEST(AxisChecks, RefuseBadValuesWithTheirMessagesAndKeepTheOldValue) {
    ChartModel model;
    TChartAxis& axis = model.LeftAxis();
    axis.SetMaximum(10);
    axis.SetMinimum(2);
    axis.SetIncrement(0.5);

    EXPECT_EQ(MessageOf([&] { axis.SetIncrement(-0.1); }), "Axis increment must be >= 0");
    EXPECT_EQ(axis.Increment(), 0.5);
    EXPECT_EQ(MessageOf([&] { axis.SetMinimum(11); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(axis.Minimum(), 2);
    EXPECT_EQ(MessageOf([&] { axis.SetMaximum(1); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(axis.Maximum(), 10);
    // The boundaries themselves are allowed.
    EXPECT_EQ(MessageOf([&] { axis.SetMinimum(10); }), "no error");
    EXPECT_EQ(MessageOf([&] { axis.SetMaximum(10); }), "no error");
    EXPECT_EQ(MessageOf([&] { axis.SetIncrement(0); }), "no error");
    // NaN is not a range end or a step.
    EXPECT_NE(MessageOf([&] { axis.SetIncrement(std::nan("")); }), "no error");
    EXPECT_NE(MessageOf([&] { axis.SetMaximum(std::nan("")); }), "no error");
}

TEST(AxisChecks, LoadingSkipsTheRangeChecksButNotTheIncrementCheck) {
    ChartModel model;
    TChartAxis& axis = model.BottomAxis();
    model.BeginLoading();
    EXPECT_EQ(MessageOf([&] { axis.SetMinimum(5); }), "no error"); // above Maximum 0
    EXPECT_EQ(MessageOf([&] { axis.SetMaximum(9); }), "no error");
    EXPECT_EQ(MessageOf([&] { axis.SetIncrement(-1); }), "Axis increment must be >= 0");
    model.EndLoading();
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 9);
}

TEST(AxisAutomatic, SetsBothEndsExceptWhileLoading) {
    ChartModel model;
    TChartAxis& axis = model.LeftAxis();
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    axis.SetAutomatic(true);
    EXPECT_TRUE(axis.AutomaticMinimum());
    model.BeginLoading();
    axis.SetAutomatic(false);
    model.EndLoading();
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMinimum());
    EXPECT_TRUE(axis.AutomaticMaximum());
}

TEST(AxisDefaults, NewAxesCarryTheComponentDefaults) {
    ChartModel model;
    const TChartAxis& left = model.LeftAxis();
    const TChartAxis& bottom = model.BottomAxis();
    EXPECT_TRUE(left.Visible());
    EXPECT_TRUE(left.Automatic() && left.AutomaticMinimum() && left.AutomaticMaximum());
    EXPECT_EQ(left.Increment(), 0);
    EXPECT_EQ(left.LabelsFont().family, "Arial");
    EXPECT_EQ(left.LabelsFont().pixelSize, PointsToPixels(8));
    EXPECT_EQ(left.LabelsSeparation(), 10);
    EXPECT_TRUE(left.LabelsOnAxis() && left.RoundFirstLabel());
    EXPECT_EQ(left.TickLength(), 4);
    EXPECT_EQ(left.TickInnerLength(), 0);
    EXPECT_EQ(left.MinorTickLength(), 2);
    EXPECT_EQ(left.MinorTickCount(), 3);
    EXPECT_EQ(left.Axis(), (ChartPen{Qt::black, 2, ChartPen::Style::Solid, true}));
    EXPECT_EQ(left.Grid().color, QColor(128, 128, 128));
    EXPECT_EQ(left.Grid().style, ChartPen::Style::Dotted);
    EXPECT_FALSE(left.MinorGrid().visible);
    EXPECT_EQ(left.Title().Angle, 90);
    EXPECT_EQ(bottom.Title().Angle, 0);
    EXPECT_EQ(left.StartPosition(), 0);
    EXPECT_EQ(left.EndPosition(), 100);
    EXPECT_EQ(model.MarginLeft(), 3);
    EXPECT_EQ(model.MarginTop(), 4);
    const TChartLegend& legend = model.Legend();
    EXPECT_EQ(legend.Alignment(), TLegendAlignment::laRight);
    EXPECT_EQ(legend.ShadowSize(), 3);
    EXPECT_EQ(legend.ColorWidth(), 12);
    EXPECT_EQ(legend.MaxNumRows(), 10);
    EXPECT_EQ(legend.TopPos(), 10);
}
