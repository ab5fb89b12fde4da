#include <gtest/gtest.h>

#include "ui/EntryConversion.h"

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
}
