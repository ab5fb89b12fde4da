#include "engine/InputLimits.h"

#include <gtest/gtest.h>
#include <limits>

using namespace quorvel;

TEST(InputLimits, EntriesAreKeptWithinTheirLimitsWithBoundsPassing) {
    EXPECT_EQ(ClampEntry(0.1, RatioLimits), 0.2);
    EXPECT_EQ(ClampEntry(7, RatioLimits), 5);
    EXPECT_EQ(ClampEntry(0.2, RatioLimits), 0.2);
    EXPECT_EQ(ClampEntry(5, RatioLimits), 5);
    EXPECT_EQ(ClampEntry(250, TemperatureLimits), 300);
    EXPECT_EQ(ClampEntry(1200, TemperatureLimits), 980);
    EXPECT_EQ(ClampEntry(0.5, PressureLimits), 1);
    EXPECT_EQ(ClampEntry(40, PressureLimits), 30);
    EXPECT_EQ(ClampEntry(-1e300, PressureLimits), 1);
    EXPECT_EQ(ClampEntry(17.25, PressureLimits), 17.25);
}

TEST(InputLimits, FeedTotalsWithinTheMarginOf100AreAccepted) {
    EXPECT_TRUE(FeedTotalIsAccepted(100));
    EXPECT_TRUE(FeedTotalIsAccepted(1.36 + 31.85 + 66.79)); // 100.00000000000001
    EXPECT_TRUE(FeedTotalIsAccepted(100 - 5e-10));
    EXPECT_FALSE(FeedTotalIsAccepted(100 + 2e-9));
    EXPECT_FALSE(FeedTotalIsAccepted(99.99));
    EXPECT_FALSE(FeedTotalIsAccepted(std::numeric_limits<double>::quiet_NaN()));
}
