#include <gtest/gtest.h>

#include "ui/LayoutRule.h"

using quorvel::ComputeMainLayout;
using quorvel::MainLayout;
using quorvel::RoundHalfToEven;

TEST(LayoutRule, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfToEven(219.5), 220);
    EXPECT_EQ(RoundHalfToEven(218.5), 218);
    EXPECT_EQ(RoundHalfToEven(245.5), 246);
    EXPECT_EQ(RoundHalfToEven(246.5), 246);
    EXPECT_EQ(RoundHalfToEven(246.4), 246);
    EXPECT_EQ(RoundHalfToEven(246.6), 247);
    EXPECT_EQ(RoundHalfToEven(-1.5), -2);
    EXPECT_EQ(RoundHalfToEven(-2.5), -2);
    EXPECT_EQ(RoundHalfToEven(0.0), 0);
}

TEST(LayoutRule, DesignSizeGivesTheDesignedGeometry) {
    const MainLayout l = ComputeMainLayout(668, 388);
    EXPECT_EQ(l.memoWidth, 230);
    EXPECT_EQ(l.memoHeight, 294);
    EXPECT_EQ(l.chartLeft, 230);
    EXPECT_EQ(l.chartWidth, 438);
    EXPECT_EQ(l.chartHeight, 269);
    EXPECT_EQ(l.reactionLeft, 230);
    EXPECT_EQ(l.reactionWidth, 438);
    EXPECT_EQ(l.axisYLeft, 230);
    EXPECT_EQ(l.axisYWidth, 232);
    EXPECT_EQ(l.axisXLeft, 462);
    EXPECT_EQ(l.axisXWidth, 218);
}

TEST(LayoutRule, SevenHundredFiftyIsStillNarrowAndOneMoreIsWide) {
    const MainLayout narrow = ComputeMainLayout(750, 400);
    EXPECT_EQ(narrow.memoWidth, 230);
    EXPECT_EQ(narrow.chartWidth, 520);
    EXPECT_EQ(narrow.axisYWidth, 260 + 13);
    EXPECT_EQ(narrow.axisXWidth, 260 + 13 - 14);
    EXPECT_EQ(narrow.axisXLeft, 230 + 273);
    // The narrow pair runs 12 pixels past the chart's width.
    EXPECT_EQ(narrow.axisYWidth + narrow.axisXWidth, narrow.chartWidth + 12);

    const MainLayout wide = ComputeMainLayout(751, 400);
    EXPECT_EQ(wide.memoWidth, 310);
    EXPECT_EQ(wide.chartLeft, 310);
    EXPECT_EQ(wide.chartWidth, 441);
    EXPECT_EQ(wide.axisYLeft, 310);
    EXPECT_EQ(wide.axisYWidth, 220); // 220.5 goes to the even 220
    EXPECT_EQ(wide.axisXWidth, wide.axisYWidth);
    EXPECT_EQ(wide.axisXLeft, 530);
}

TEST(LayoutRule, WideWidthsRoundTheHalfChartToEven) {
    struct Case {
        int clientWidth;
        int chartWidth;
        int groupWidth;
    };
    for (const Case c :
         {Case{800, 490, 245}, Case{801, 491, 246}, Case{803, 493, 246}, Case{1280, 970, 485}}) {
        SCOPED_TRACE(c.clientWidth);
        const MainLayout l = ComputeMainLayout(c.clientWidth, 500);
        EXPECT_EQ(l.chartWidth, c.chartWidth);
        EXPECT_EQ(l.axisYWidth, c.groupWidth);
        EXPECT_EQ(l.axisXWidth, c.groupWidth);
        EXPECT_EQ(l.axisXLeft, 310 + c.groupWidth);
    }
}

TEST(LayoutRule, HeightsFollowTheClientHeightEvenWhenTiny) {
    EXPECT_EQ(ComputeMainLayout(668, 600).memoHeight, 506);
    EXPECT_EQ(ComputeMainLayout(668, 600).chartHeight, 481);
    // At 119 and below the chart's height is no longer positive; the rule reports it as
    // computed and the window clamps it.
    EXPECT_EQ(ComputeMainLayout(668, 119).chartHeight, 0);
    EXPECT_EQ(ComputeMainLayout(668, 100).chartHeight, -19);
}
