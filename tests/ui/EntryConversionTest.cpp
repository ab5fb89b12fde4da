#include <gtest/gtest.h>

#include "ui/EntryConversion.h"

using quorvel::ClampEntryValue;
using quorvel::ParseEntryNumber;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale Point = QLocale::c();

} // namespace

TEST(EntryConversion, ReadsNumbersWithTheLocalesSeparator) {
    EXPECT_EQ(ParseEntryNumber("2,5", Russian), 2.5);
    EXPECT_EQ(ParseEntryNumber("2.5", Point), 2.5);
    EXPECT_EQ(ParseEntryNumber("  860  ", Russian), 860.0);
    EXPECT_EQ(ParseEntryNumber("-3", Russian), -3.0);
    EXPECT_EQ(ParseEntryNumber("+3", Russian), 3.0);
    EXPECT_EQ(ParseEntryNumber(",5", Russian), 0.5);
    EXPECT_EQ(ParseEntryNumber("5,", Russian), 5.0);
    EXPECT_EQ(ParseEntryNumber("2,5E1", Russian), 25.0);
    EXPECT_EQ(ParseEntryNumber("25e-1", Russian), 2.5);
    EXPECT_EQ(ParseEntryNumber("1e+2", Point), 100.0);
}

TEST(EntryConversion, RefusesEverythingThatIsNotACompleteNumber) {
    for (const char* text : {"", "   ", "2.5", "1 000", "2,5,", "-", "+", ",", "e5", "1e", "1e+",
                             "5x", "x5", "2,5 ;", "--1", "0x10", "inf", "nan", "1e400"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseEntryNumber(QString::fromUtf8(text), Russian).has_value());
    }
    // Under a point locale the comma is the stranger.
    EXPECT_FALSE(ParseEntryNumber("2,5", Point).has_value());
    // Digits other than ASCII are not read as numbers.
    EXPECT_FALSE(ParseEntryNumber(QString::fromUtf8("٣"), Point).has_value());
}

TEST(EntryConversion, TextsWrittenWithACommaFollowTheLocale) {
    EXPECT_EQ(quorvel::WithDecimalSeparator("0,2", Russian), "0,2");
    EXPECT_EQ(quorvel::WithDecimalSeparator("0,2", Point), "0.2");
    EXPECT_EQ(quorvel::WithDecimalSeparator("860", Point), "860");
}

TEST(EntryConversion, ClampsReplaceValueAndTextAndBoundsThemselvesPass) {
    struct Case {
        quorvel::EntryBounds bounds;
        double typed;
        double stored;
        const char* russianText; // nullptr: the text stays as typed
        const char* pointText;
    };
    const Case cases[] = {
        {quorvel::RatioBounds(), 0.1, 0.2, "0,2", "0.2"},
        {quorvel::RatioBounds(), 7, 5, "5", "5"},
        {quorvel::RatioBounds(), 0.2, 0.2, nullptr, nullptr},
        {quorvel::RatioBounds(), 5, 5, nullptr, nullptr},
        {quorvel::TemperatureBounds(), 250, 300, "300", "300"},
        {quorvel::TemperatureBounds(), 1200, 980, "980", "980"},
        {quorvel::TemperatureBounds(), 300, 300, nullptr, nullptr},
        {quorvel::PressureBounds(), 0.5, 1, "1", "1"},
        {quorvel::PressureBounds(), 40, 30, "30", "30"},
        {quorvel::PressureBounds(), -1e300, 1, "1", "1"},
        {quorvel::PressureBounds(), 17.25, 17.25, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto russian = ClampEntryValue(c.typed, c.bounds, Russian);
        EXPECT_EQ(russian.value, c.stored);
        const auto point = ClampEntryValue(c.typed, c.bounds, Point);
        if (c.russianText == nullptr) {
            EXPECT_FALSE(russian.replacementText.has_value());
            EXPECT_FALSE(point.replacementText.has_value());
        } else {
            EXPECT_EQ(russian.replacementText.value_or("-"), QString::fromUtf8(c.russianText));
            EXPECT_EQ(point.replacementText.value_or("-"), QString::fromUtf8(c.pointText));
        }
    }
    // The text "0,2" read back is not below the bound it came from.
    const auto lower = ParseEntryNumber("0,2", Russian);
    ASSERT_TRUE(lower.has_value());
    EXPECT_FALSE(ClampEntryValue(*lower, quorvel::RatioBounds(), Russian).replacementText);
}
