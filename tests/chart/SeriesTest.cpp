#include "chart/ChartModel.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace {
std::vector<double> Xs(const TFastLineSeries& s) {
    return s.XValues().Values();
}
std::vector<double> Ys(const TFastLineSeries& s) {
    return s.YValues().Values();
}
} // namespace

TEST(AddPoint, OutOfOrderXIsStoredSortedWithItsYLabelAndColour) {
    ChartModel model;
    TFastLineSeries& s = model.AddSeries("S", Qt::red);
    EXPECT_EQ(s.AddPoint(3, 30, "c"), 0);
    EXPECT_EQ(s.AddPoint(1, 10, "a", 0x123456u), 0);
    EXPECT_EQ(s.AddPoint(2, 20, "b"), 1);
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(s.Label(0), "a");
    EXPECT_EQ(s.Label(2), "c");
    EXPECT_EQ(s.PointColour(0), 0x123456u);
    EXPECT_EQ(s.PointColour(1), DefaultPointColour);
    // Appending in order goes to the end.
    EXPECT_EQ(s.AddPoint(4, 40), 3);
}

TEST(AddPoint, EqualXKeepTheirOrderOfArrival) {
    ChartModel model;
    TFastLineSeries& s = model.AddSeries("S", Qt::red);
    s.AddPoint(1, 1);
    s.AddPoint(2, 2);
    s.AddPoint(3, 3);
    EXPECT_EQ(s.AddPoint(2, 22), 2);  // after the existing 2
    EXPECT_EQ(s.AddPoint(0, 0), 0);   // before everything
    EXPECT_EQ(s.AddPoint(2, 222), 4); // after both 2s
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2, 2, 2, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{0, 1, 2, 22, 222, 3}));
}

TEST(AddPoint, UnorderedAndDescendingLists) {
    ChartModel model;
    TFastLineSeries& none = model.AddSeries("N", Qt::red);
    none.XValues().SetOrder(TChartListOrder::loNone);
    none.AddPoint(3, 0);
    none.AddPoint(1, 0);
    none.AddPoint(2, 0);
    EXPECT_EQ(Xs(none), (std::vector<double>{3, 1, 2}));

    TFastLineSeries& down = model.AddSeries("D", Qt::red);
    down.XValues().SetOrder(TChartListOrder::loDescending);
    down.AddPoint(1, 1);
    down.AddPoint(3, 3);
    down.AddPoint(2, 2);
    down.AddPoint(3, 33);
    EXPECT_EQ(Xs(down), (std::vector<double>{3, 3, 2, 1}));
    EXPECT_EQ(Ys(down), (std::vector<double>{3, 33, 2, 1}));
}

TEST(ValueList, MinimumAndMaximumFollowChanges) {
    ChartModel model;
    TFastLineSeries& s = model.AddSeries("S", Qt::red);
    EXPECT_EQ(s.YValues().MinValue(), 0);
    EXPECT_EQ(s.YValues().MaxValue(), 0);
    s.AddPoint(1, 5);
    s.AddPoint(2, -3);
    EXPECT_EQ(s.YValues().MinValue(), -3);
    EXPECT_EQ(s.YValues().MaxValue(), 5);
    s.AddPoint(0, 9);
    EXPECT_EQ(s.YValues().MaxValue(), 9);
    EXPECT_EQ(s.XValues().MinValue(), 0);
    s.ClearPoints();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.YValues().MaxValue(), 0);
    s.AddPoint(7, 7);
    EXPECT_EQ(s.YValues().MinValue(), 7);
}

TEST(ChartChanges, EveryVisibleChangeRequestsARepaintAndEqualValuesNothing) {
    ChartModel model;
    int requests = 0;
    model.SetChangeHandler([&] { ++requests; });
    TFastLineSeries& s = model.AddSeries("S", Qt::red);
    requests = 0;

    s.SetTitle("Метан");
    s.SetTitle("Метан");
    EXPECT_EQ(requests, 1);
    s.SetShowInLegend(false);
    s.SetShowInLegend(false);
    EXPECT_EQ(requests, 2);
    model.LeftAxis().SetTitleCaption("A");
    model.LeftAxis().SetTitleCaption("A");
    EXPECT_EQ(requests, 3);
    s.AddPoint(1, 1);
    EXPECT_EQ(requests, 4);
    s.ClearPoints();
    EXPECT_EQ(requests, 5);
    model.Title().ClearText(); // already empty
    EXPECT_EQ(requests, 5);
    model.Title().AddLine("x");
    model.Title().AddLine("");
    EXPECT_EQ(requests, 7);
    model.LeftAxis().SetIncrement(model.LeftAxis().Increment());
    EXPECT_EQ(requests, 7);
    model.SetClipPoints(true);
    model.SetMargins(3, 4, 3, 4);
    model.SetLabelLocale(model.LabelLocale());
    EXPECT_EQ(requests, 7);
    model.SetMargins(3, 4, 3, 5);
    EXPECT_EQ(requests, 8);
}
