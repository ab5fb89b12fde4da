#include "chart/AxisLabelFormat.h"

#include "tests/support/QtPrinters.h"
#include <QLocale>

#include <gtest/gtest.h>

using quorvel::FormatAxisLabel;

TEST(AxisLabelFormat, PointAndCommaGroupsAndDecimals) {
    const QLocale c = QLocale::c();
    EXPECT_EQ(FormatAxisLabel(0.1, c), "0.1");
    EXPECT_EQ(FormatAxisLabel(0, c), "0");
    EXPECT_EQ(FormatAxisLabel(1000, c), "1,000");
    EXPECT_EQ(FormatAxisLabel(1234567.25, c), "1,234,567.25");
    EXPECT_EQ(FormatAxisLabel(0.12345, c), "0.123");
    EXPECT_EQ(FormatAxisLabel(0.0006, c), "0.001");
    EXPECT_EQ(FormatAxisLabel(2.5, c), "2.5");
    EXPECT_EQ(FormatAxisLabel(-3.75, c), "-3.75");
    EXPECT_EQ(FormatAxisLabel(999.9999, c), "1,000");
    // Accumulated subtraction leaves tiny values of either sign: both are "0".
    EXPECT_EQ(FormatAxisLabel(5.5e-17, c), "0");
    EXPECT_EQ(FormatAxisLabel(-2.7e-17, c), "0");
    EXPECT_EQ(FormatAxisLabel(0.7000000000000001, c), "0.7");
}

TEST(AxisLabelFormat, RussianDesktopUsesCommaAndItsGroupSeparator) {
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QString group = ru.groupSeparator();
    ASSERT_FALSE(group.isEmpty());
    EXPECT_NE(group, ",");
    EXPECT_EQ(FormatAxisLabel(0.1, ru), "0,1");
    EXPECT_EQ(FormatAxisLabel(1000, ru), "1" + group + "000");
    EXPECT_EQ(FormatAxisLabel(12500.5, ru), "12" + group + "500,5");
    EXPECT_EQ(FormatAxisLabel(0.75, ru), "0,75");
    EXPECT_EQ(FormatAxisLabel(3, ru), "3");
}

TEST(AxisLabelFormat, LocalesThatOmitGroupsStillGroup) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(FormatAxisLabel(1000, c), "1,000");
}
