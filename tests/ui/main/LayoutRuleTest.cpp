#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ui/main/LayoutRule.h"

using quorvel::ComputeMainLayout;

TEST(LayoutRule, NarrowUpToSevenHundredFiftyWideAboveHalvesToEven) {
    struct Case {
        int width, memo, chart, groupY, groupX;
    };
    for (const Case c : {Case{668, 230, 438, 232, 218}, Case{750, 230, 520, 273, 259},
                         Case{751, 310, 441, 220, 220}, Case{800, 310, 490, 245, 245},
                         Case{801, 310, 491, 246, 246}, Case{803, 310, 493, 246, 246}}) {
        SCOPED_TRACE(c.width);
        const quorvel::MainLayout l = ComputeMainLayout(c.width, 388);
        EXPECT_EQ(l.memoWidth, c.memo);
        EXPECT_EQ(l.chartLeft, c.memo);
        EXPECT_EQ(l.reactionLeft, c.memo);
        EXPECT_EQ(l.axisYLeft, c.memo);
        EXPECT_EQ(l.chartWidth, c.chart);
        EXPECT_EQ(l.reactionWidth, c.chart);
        EXPECT_EQ(l.axisYWidth, c.groupY);
        EXPECT_EQ(l.axisXWidth, c.groupX);
        EXPECT_EQ(l.axisXLeft, c.memo + c.groupY);
        EXPECT_EQ(l.memoHeight, 294);
        EXPECT_EQ(l.chartHeight, 269);
    }
    // Below 120 the chart's height is no longer positive; the window clamps it.
    EXPECT_EQ(ComputeMainLayout(668, 100).chartHeight, -19);
}
