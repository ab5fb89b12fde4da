#include "chart/AxisScale.h"
#include "chart/AxisLabelFormat.h"
#include "chart/ChartRounding.h"

#include "tests/support/QtPrinters.h"
#include <QLocale>
#include <cmath>

#include <gtest/gtest.h>

using namespace quorvel;

TEST(Nearest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(1.5), 2);
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(-0.5), 0);
    EXPECT_EQ(Nearest(-1.5), -2);
    EXPECT_EQ(Nearest(1.4), 1);
    EXPECT_EQ(Nearest(-2.6), -3);
    EXPECT_EQ(Nearest(1e30), INT_MAX);
    EXPECT_EQ(Nearest(std::nan("")), 0);
    EXPECT_EQ(RoundHalfAway(13.5), 14);
    EXPECT_EQ(RoundHalfAway(-13.5), -14);
    EXPECT_EQ(RoundHalfAway(10.76), 11);
}

TEST(NextLabelStep, RunsThroughOneTwoFiveScaledByPowersOfTen) {
    const double expected[] = {0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200};
    double step = 0.1;
    for (double e : expected) {
        step = NextLabelStep(step);
        EXPECT_NEAR(step, e, e * 1e-12);
    }
    EXPECT_NEAR(NextLabelStep(3), 5, 1e-12);
    EXPECT_NEAR(NextLabelStep(7), 10, 1e-12);
    EXPECT_NEAR(NextLabelStep(0.003), 0.005, 1e-15);
    // Values that cannot grow come back unchanged instead of recursing for ever.
    EXPECT_TRUE(std::isinf(NextLabelStep(INFINITY)));
    EXPECT_EQ(NextLabelStep(0), 0);
}

TEST(LabelStep, LeftAxisOfTheWorkedExampleKeepsTheIncrement) {
    // Maximum 0.75 on a 200-pixel plot with labels 14 pixels high:
    // size' = 14 + nearest(1.4) = 15, M = nearest(200 / 15) = 13, nearest(0.75 / 0.1) = 8.
    EXPECT_EQ(MaxLabelCount(200, 14, 10), 13);
    // The gap is rounded, not cut: 16 -> 16 + nearest(1.6) = 18, M = nearest(11.1) = 11.
    EXPECT_EQ(MaxLabelCount(200, 16, 10), 11);
    EXPECT_EQ(MaxLabelCount(200, 16, 0), 12); // nearest(12.5)
    EXPECT_DOUBLE_EQ(LabelStep({200, 14, 10, 0.1, 0.75}), 0.1);

    // First label Trunc(0.75 / 0.1) x 0.1 = 0.7; eight labels down to 0, none at 0.75.
    const auto values = LabelValues(0, 0.75, 0.1, true);
    ASSERT_EQ(values.size(), 8u);
    const char* texts[] = {"0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1", "0"};
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(FormatAxisLabel(values[i], QLocale::c()), QString::fromLatin1(texts[i])) << i;
}

TEST(LabelStep, GrowsUntilTheLabelsFit) {
    // 750 to 1000, labels 25 pixels wide: size' = 25 + nearest(2.5) = 27.
    // 150 pixels: M = nearest(5.56) = 6; steps 1, 2, 5, 10, 20 give 250, 125, 50, 25,
    // nearest(12.5) = 12 labels, all above 6; 50 gives 5.
    EXPECT_EQ(MaxLabelCount(150, 25, 10), 6);
    EXPECT_DOUBLE_EQ(LabelStep({150, 25, 10, 1.0, 250}), 50);
    // Narrower still (M = 4): 50 gives 5 > 4, so 100 (nearest(2.5) = 2).
    EXPECT_DOUBLE_EQ(LabelStep({100, 25, 10, 1.0, 250}), 100);
    // Wide enough for 250 labels: the increment stays.
    EXPECT_DOUBLE_EQ(LabelStep({10000, 25, 10, 1.0, 250}), 1);
    // Without an increment: 1 for a range of at least 1, else 1e-12 grown to fit.
    EXPECT_DOUBLE_EQ(LabelStep({200, 14, 10, 0, 30}), 5);
    EXPECT_NEAR(LabelStep({200, 14, 10, 0, 0.5}), 0.05, 1e-15);
}

TEST(LabelStep, DegenerateAxes) {
    // No length (the first pass): M = 0, so the smallest step.
    EXPECT_DOUBLE_EQ(LabelStep({0, 14, 10, 0.1, 0.75}), 1e-12);
    // Label size 0 gives M = 1: one label's worth of step.
    EXPECT_DOUBLE_EQ(LabelStep({200, 0, 10, 0.1, 0.75}), 1);
    // No separation: the increment is taken as it is.
    EXPECT_DOUBLE_EQ(LabelStep({200, 14, 0, 0.1, 750}), 0.1);
    // A range too large to count or not finite ends instead of hanging.
    EXPECT_GT(LabelStep({200, 14, 10, 0.1, 1e300}), 1e297);
    EXPECT_TRUE(std::isinf(LabelStep({200, 14, 10, 0.1, INFINITY})) ||
                LabelStep({200, 14, 10, 0.1, INFINITY}) > 1e300);
    LabelStep({200, 14, 10, 0.1, std::nan("")});
}

TEST(LabelValues, BottomAxisFromPointTwoToFourStepOne) {
    const auto values = LabelValues(0.2, 4, 1, true);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_DOUBLE_EQ(values[0], 4);
    EXPECT_DOUBLE_EQ(values[3], 1);
    // Without rounding the labels start at the maximum itself.
    const auto unrounded = LabelValues(0.2, 3.5, 1, false);
    ASSERT_EQ(unrounded.size(), 4u);
    EXPECT_DOUBLE_EQ(unrounded[0], 3.5);
    EXPECT_NEAR(unrounded[3], 0.5, 1e-12);
}

TEST(LabelValues, ASweepEndReachedByRepeatedAdditionGetsItsLabel) {
    // The ratio sweep's last point: 0.2 plus 76 additions of 0.05 is 3.999999999999994.
    double ratio = 0.2;
    for (int i = 0; i < 76; ++i)
        ratio += 0.05;
    ASSERT_LT(ratio, 4.0);
    const auto values = LabelValues(0.2, ratio, 1, true);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0], 4);
    EXPECT_EQ(values[3], 1);

    // Over sweeps of every step from several starts: the top label is the largest whole
    // number of steps not above the end once a residue of 1e-9 of the step is forgiven,
    // and an end that falls short of a label by more than that does not get it.
    for (double step : {0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 50.0, 100.0}) {
        for (double increment : {0.05, 0.1, 0.3, 1.0, 2.5, 20.0}) {
            double end = 0.2;
            // As far as 5000 labels, well inside the 10000 that give none.
            for (int i = 0; i < 400 && end / step < 5000; ++i) {
                end += increment;
                const auto labels = LabelValues(0, end, step, true);
                ASSERT_FALSE(labels.empty()) << "step " << step << " end " << end;
                const double whole = std::round(end / step);
                const double expected =
                    std::fabs(end / step - whole) <= 1e-9 ? whole : std::floor(end / step);
                EXPECT_EQ(labels[0], expected * step) << "step " << step << " end " << end;
                ASSERT_LE(labels[0], end + 1e-9 * step) << "step " << step << " end " << end;
                ASSERT_GT(labels[0], end - step) << "step " << step << " end " << end;
            }
        }
        const double shortEnd = 4 * step * (1 - 1e-7);
        EXPECT_EQ(LabelValues(0, shortEnd, step, true)[0], 3 * step) << "step " << step;
    }
}

TEST(LabelValues, ZeroRangeGivesOneLabelAndBadStepsGiveNone) {
    const auto single = LabelValues(0, 0, 1e-12, true);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0], 0);
    EXPECT_TRUE(LabelValues(0, 1, 0, true).empty());
    EXPECT_TRUE(LabelValues(1, 0, 0.1, true).empty());
    // 10000 labels or more: none at all.
    EXPECT_TRUE(LabelValues(0, 10000, 1, true).empty());
    EXPECT_EQ(LabelValues(0, 9999, 1, true).size(), 10000u);
    // A step too small to move a large value does not loop for ever.
    EXPECT_LE(LabelValues(1e20 - 1e5, 1e20, 1e3, true).size(), 10001u);
}

TEST(ValuePixel, MapsTheRangeOntoTheAxisAndZeroRangeOntoTheCentre) {
    const AxisSpan bottom{0.2, 4, 50, 430, true};
    EXPECT_EQ(ValuePixel(bottom, 0.2), 50);
    EXPECT_EQ(ValuePixel(bottom, 4), 430);
    EXPECT_EQ(ValuePixel(bottom, 2.1), 240);
    const AxisSpan left{0, 0.75, 20, 220, false};
    EXPECT_EQ(ValuePixel(left, 0), 220);
    EXPECT_EQ(ValuePixel(left, 0.75), 20);
    EXPECT_EQ(ValuePixel(left, 0.7), 220 - Nearest(0.7 * 200 / 0.75));
    const AxisSpan flat{5, 5, 50, 431, true};
    EXPECT_EQ(ValuePixel(flat, 5), 240);
    EXPECT_EQ(ValuePixel(flat, 7), 240);
    // Far outside the int range: the centre, not an overflowed pixel.
    EXPECT_EQ(ValuePixel(bottom, 1e300), 240);
    // Just inside it, the offset plus the axis's start stays a valid pixel.
    const AxisSpan unit{0, 1, 100, 200, true};
    EXPECT_EQ(ValuePixel(unit, 21474836.0), INT_MAX);
    EXPECT_EQ(ValuePixel(AxisSpan{0, 1, 100, 200, false}, -21474836.0), INT_MAX);
    // The inverse agrees at the ends.
    EXPECT_DOUBLE_EQ(PixelValue(bottom, 50), 0.2);
    EXPECT_DOUBLE_EQ(PixelValue(bottom, 430), 4);
    EXPECT_DOUBLE_EQ(PixelValue(left, 20), 0.75);
}

TEST(MinorTicks, FillEveryIntervalAndRunBeyondTheOuterTicksInsideTheAxis) {
    // Bottom axis 0.2..4 on pixels 0..380 (100 pixels per unit): ticks at 4, 3, 2, 1.
    const std::vector<int> ticks{380, 280, 180, 80};
    const auto minor = MinorTickPositions(ticks, 4, 0, 380);
    // Four between each pair of ticks: 3 x 4; beyond 1: 60, 40, 20 (0 is the axis
    // start, not strictly inside); beyond 4: all past the end, none drawn.
    EXPECT_EQ(minor.size(), 15u);
    for (int p : {360, 340, 320, 300, 100, 60, 40, 20})
        EXPECT_NE(std::find(minor.begin(), minor.end(), p), minor.end()) << p;
    for (int p : minor) {
        EXPECT_GT(p, 0);
        EXPECT_LT(p, 380);
    }
    EXPECT_TRUE(MinorTickPositions({}, 4, 0, 380).empty());
    // A single tick has no interval to divide.
    EXPECT_TRUE(MinorTickPositions({100}, 4, 0, 380).empty());
}
