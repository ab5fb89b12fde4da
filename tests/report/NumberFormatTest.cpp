#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>

#include "report/NumberFormat.h"

using quorvel::FormatFixed;
using quorvel::FormatGeneral;

namespace {

const QChar Comma = QLocale(QLocale::Russian, QLocale::Russia).decimalPoint().at(0);
const QChar Point = QLocale::c().decimalPoint().at(0);

TEST(GeneralFormat, PrintsEnteredValuesShortestWithTheGivenSeparator) {
    EXPECT_EQ(FormatGeneral(860, Comma), "860");
    EXPECT_EQ(FormatGeneral(2.5, Comma), "2,5");
    EXPECT_EQ(FormatGeneral(2.5, Point), "2.5");
    EXPECT_EQ(FormatGeneral(0.2, Comma), "0,2");
    EXPECT_EQ(FormatGeneral(100, Comma), "100");
    EXPECT_EQ(FormatGeneral(0, Comma), "0");
    EXPECT_EQ(FormatGeneral(-0.5, Comma), "-0,5");
    EXPECT_EQ(FormatGeneral(1020.75, Point), "1020.75");
}

TEST(GeneralFormat, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(FormatGeneral(0.1 + 0.2, Comma), "0,3");
    EXPECT_EQ(FormatGeneral(3.999999999999994, Comma), "3,99999999999999");
    EXPECT_EQ(FormatGeneral(2.0 / 3.0, Point), "0.666666666666667");
    EXPECT_EQ(FormatGeneral(123456789012345.0, Point), "123456789012345");
}

TEST(GeneralFormat, SwitchesToScientificOutsideTheFixedRange) {
    // The smallest value still printed in fixed notation.
    EXPECT_EQ(FormatGeneral(0.00001, Comma), "0,00001");
    EXPECT_EQ(FormatGeneral(0.000012, Comma), "0,000012");
    EXPECT_EQ(FormatGeneral(0.0000099, Comma), "9,9E-6");
    EXPECT_EQ(FormatGeneral(-0.0000099, Point), "-9.9E-6");
    // Sixteen integer digits, also when rounding carries into the sixteenth.
    EXPECT_EQ(FormatGeneral(1234567890123456.0, Comma), "1,23456789012346E15");
    EXPECT_EQ(FormatGeneral(999999999999999.9, Point), "1E15");
    EXPECT_EQ(FormatGeneral(1e20, Point), "1E20");
}

TEST(FixedFormat, RightAlignsAndRoundsTheExactBinaryValue) {
    EXPECT_EQ(FormatFixed(0.2, 2, 8, Comma), "    0,20");
    EXPECT_EQ(FormatFixed(3.999999999999994, 2, 8, Comma), "    4,00");
    EXPECT_EQ(FormatFixed(1000, 2, 8, Point), " 1000.00");
    EXPECT_EQ(FormatFixed(0.12345, 4, 9, Point), "   0.1235");
    // 2.675 is stored a little below itself, so it rounds down as printf would.
    EXPECT_EQ(FormatFixed(2.675, 2, 8, Point), "    2.67");
    EXPECT_EQ(FormatFixed(-1.5, 4, 8, Comma), " -1,5000");
}

TEST(FixedFormat, NumbersWiderThanTheFieldPrintInFull) {
    EXPECT_EQ(FormatFixed(1000, 4, 8, Comma), "1000,0000");
    EXPECT_EQ(FormatFixed(-100, 4, 8, Comma), "-100,0000");
    EXPECT_EQ(FormatFixed(-99.99994, 4, 8, Point), "-99.9999");
    EXPECT_EQ(FormatFixed(12345678.0, 2, 8, Point), "12345678.00");
    EXPECT_EQ(FormatFixed(1e300, 4, 8, Point).size(), 301 + 5);
}

TEST(FixedFormat, ZeroAndNonFiniteValues) {
    EXPECT_EQ(FormatFixed(-0.00001, 4, 8, Comma), "  0,0000");
    EXPECT_EQ(FormatFixed(-0.0, 2, 8, Comma), "    0,00");
    EXPECT_EQ(FormatFixed(-0.00005001, 4, 8, Comma), " -0,0001");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 4, 8, Comma), "     NAN");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 4, 8, Comma), "    -INF");
}

} // namespace
