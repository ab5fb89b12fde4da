// The limit window's chart: one curve over the whole temperature range, and the
// temperatures without a limit in range shaded.
#include "views/CarbonLimitChartView.h"
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/TextMeasurer.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(CarbonLimitChartView, DrawsFoundRatiosAndShadesTheRestOfTheTemperatureAxis) {
    double t[69];
    double ratio[69];
    bool above[69];
    for (int i = 0; i < 69; ++i) {
        t[i] = 300 + 10 * i;
        above[i] = i < 20; // 300..490 C: carbon even at the top of the range
        ratio[i] = above[i] ? 5 : 4 - 0.05 * i;
    }
    ChartModel model;
    ConfigureCarbonLimitChart(model);
    CarbonLimitChartDisplay(model, {t, ratio, above, 69});

    EXPECT_EQ(model.Title().Text(), (QStringList{"Граница выпадения углерода", ""}));
    EXPECT_FALSE(model.Legend().Visible());
    ASSERT_TRUE(model.Series(0).Active());
    for (int i = 1; i < model.SeriesCount(); ++i)
        EXPECT_FALSE(model.Series(i).Active());
    EXPECT_EQ(model.Series(0).Count(), 49);
    EXPECT_EQ(model.Series(0).XValues()[0], 500);
    ASSERT_EQ(model.XBands().size(), 1u);
    EXPECT_EQ(model.XBands()[0], (ChartXBand{300, 495}));

    FontTextMeasurer measure;
    ChartLayoutMemory memory;
    ComputeChartLayout(model, QSize(500, 300), measure, memory);
    const ChartLayout layout = ComputeChartLayout(model, QSize(500, 300), measure, memory);
    const AxisLayout& bottom = layout.Axis(TChartAxisId::Bottom);
    EXPECT_EQ(bottom.minimum, 300); // the axis spans the table, not only the drawn points
    EXPECT_EQ(bottom.maximum, 980);
    ASSERT_EQ(layout.xBands.size(), 1u);
    EXPECT_EQ(layout.xBands[0].left, layout.plotRect.left + 1);
    EXPECT_LT(layout.xBands[0].right, layout.series[0].polyline.front().x());

    // Redisplayed with a limit everywhere, the shading goes.
    bool none[69] = {};
    CarbonLimitChartDisplay(model, {t, ratio, none, 69});
    EXPECT_TRUE(model.XBands().empty());
    EXPECT_EQ(model.Series(0).Count(), 69);
}
