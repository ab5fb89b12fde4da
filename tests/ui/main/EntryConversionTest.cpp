#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/InputLimits.h"
#include "ui/main/EntryConversion.h"

using quorvel::ParseEntryNumber;

namespace {
const QLocale Russian(QLocale::Russian, QLocale::Russia);
} // namespace

TEST(EntryConversion, ReadsNumbersWithTheLocalesSeparator) {
    EXPECT_EQ(ParseEntryNumber("2,5", Russian), 2.5);
    EXPECT_EQ(ParseEntryNumber("2.5", QLocale::c()), 2.5);
    EXPECT_EQ(ParseEntryNumber("  860  ", Russian), 860.0);
    EXPECT_EQ(ParseEntryNumber("-3", Russian), -3.0);
    EXPECT_EQ(ParseEntryNumber("+3", Russian), 3.0);
    EXPECT_EQ(ParseEntryNumber(",5", Russian), 0.5);
    EXPECT_EQ(ParseEntryNumber("5,", Russian), 5.0);
    EXPECT_EQ(ParseEntryNumber("2,5E1", Russian), 25.0);
    EXPECT_EQ(ParseEntryNumber("25e-1", Russian), 2.5);
}

TEST(EntryConversion, RefusesEverythingThatIsNotACompleteNumber) {
    for (const char* text : {"", "   ", "2.5", "1 000", "2,5,", "-", ",", "e5", "1e", "1e+", "5x",
                             "--1", "0x10", "inf", "nan", "1e400"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseEntryNumber(QString::fromUtf8(text), Russian).has_value());
    }
    EXPECT_FALSE(ParseEntryNumber("2,5", QLocale::c()).has_value());
    EXPECT_FALSE(ParseEntryNumber(QString::fromUtf8("٣"), QLocale::c()).has_value());
}

TEST(EntryConversion, BoundsThemselvesPassAndClampTextsFollowTheLocale) {
    const auto ratio = quorvel::RatioBounds();
    EXPECT_FALSE(quorvel::ClampEntryValue(0.2, ratio, Russian).replacementText);
    EXPECT_FALSE(quorvel::ClampEntryValue(5, ratio, Russian).replacementText);
    // "0,2" read back is not below the bound it stands for.
    EXPECT_FALSE(quorvel::ClampEntryValue(*ParseEntryNumber("0,2", Russian), ratio, Russian)
                     .replacementText);
    const auto low = quorvel::ClampEntryValue(0.1, ratio, QLocale::c());
    EXPECT_EQ(low.value, 0.2);
    EXPECT_EQ(low.replacementText.value_or("-"), "0.2");
    EXPECT_EQ(quorvel::ClampEntryValue(-1e300, quorvel::PressureBounds(), Russian).value, 1.0);

    // Every entry clamps to the engine's limits and shows them as the entry would.
    const struct {
        quorvel::EntryBounds bounds;
        double above, below;
        const char* upper;
        const char* lower;
    } entries[] = {{quorvel::RatioBounds(), 7, 0.1, "5", "0,2"},
                   {quorvel::TemperatureBounds(), 1000, 20, "980", "300"},
                   {quorvel::PressureBounds(), 31, 0.5, "30", "1"}};
    for (const auto& e : entries) {
        const auto high = quorvel::ClampEntryValue(e.above, e.bounds, Russian);
        EXPECT_EQ(high.value, e.bounds.upper);
        EXPECT_EQ(high.replacementText.value_or("-"), QString::fromUtf8(e.upper));
        const auto under = quorvel::ClampEntryValue(e.below, e.bounds, Russian);
        EXPECT_EQ(under.value, e.bounds.lower);
        EXPECT_EQ(under.replacementText.value_or("-"), QString::fromUtf8(e.lower));
    }
    EXPECT_EQ(quorvel::RatioBounds().upper, quorvel::RatioLimits.upper);
    EXPECT_EQ(quorvel::TemperatureBounds().lower, quorvel::TemperatureLimits.lower);
}

TEST(EntryConversion, NumbersTooSmallForADoubleReadAsZeroTooLargeOnesAreRefused) {
    for (const char* text :
         {"1e-400", "0,0001e-320", "-1E-999999999999", "123e-400", "0,000e-5000"}) {
        SCOPED_TRACE(text);
        const auto value = ParseEntryNumber(QString::fromUtf8(text), Russian);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, 0.0);
    }
    EXPECT_TRUE(std::signbit(*ParseEntryNumber("-1e-400", Russian)));
    EXPECT_EQ(ParseEntryNumber("1.5e-400", QLocale::c()), 0.0);
    // The smallest subnormals still carry their value.
    EXPECT_GT(*ParseEntryNumber("5e-324", QLocale::c()), 0.0);
    for (const char* text : {"1e309", "-1e309", "1000e306", "0,001e312", "1e999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseEntryNumber(QString::fromUtf8(text), Russian).has_value());
    }
    // Underflow is clamped like any other small value.
    const auto clamped = quorvel::ClampEntryValue(*ParseEntryNumber("1e-400", Russian),
                                                  quorvel::RatioBounds(), Russian);
    EXPECT_EQ(clamped.value, 0.2);
    EXPECT_EQ(clamped.replacementText.value_or("-"), "0,2");
}
