#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ui/dialogs/FeedFieldParser.h"

using quorvel::ParseFeedField;

TEST(FeedFieldParser, ReadsCompleteNumbersWithBlanksAround) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" 100.00", 100.0}, {"   0.00", 0.0},   {"91.50", 91.5},   {"2.75 ", 2.75}, {"\t7\t", 7.0},
        {"+5", 5.0},        {"-5", -5.0},       {"5.", 5.0},       {".5", 0.5},     {"1e2", 100.0},
        {"1.5E-1", 0.15},   {"-2.5e+1", -25.0}, {"0012.50", 12.5}, {"1.36", 1.36},  {"-0", -0.0},
    };
    for (const auto& c : cases) {
        const auto value = ParseFeedField(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*value, c.value) << '"' << c.text << '"';
    }
}

TEST(FeedFieldParser, RefusesTextsThatAreNotACompleteNumber) {
    // The plain conversion used to turn these into wrong numbers without a word.
    const char* const cases[] = {
        "",    "   ", "+",    "-",      ".",      "12,5", "91,50", "-5x",  "1.5e",
        "1e+", "e5",  "1 2",  "2.75 5", "5-",     "--5",  "+-5",   "1..5", "1.5.",
        "inf", "nan", "0x10", "1e400",  "-1e400", "１２", "5%",
    };
    for (const char* text : cases)
        EXPECT_FALSE(ParseFeedField(text).has_value()) << '"' << text << '"';
}

TEST(FeedFieldParser, SaysWhetherACommaOrLettersMakeAFieldNoNumber) {
    using quorvel::FeedFieldFault;
    const struct {
        const char* text;
        FeedFieldFault fault;
    } cases[] = {
        {"12,5", FeedFieldFault::DecimalComma},   {" 91,50 ", FeedFieldFault::DecimalComma},
        {"-1,5e2", FeedFieldFault::DecimalComma}, {"пять", FeedFieldFault::Letters},
        {"-5x", FeedFieldFault::Letters},         {"12,5 %abc", FeedFieldFault::Letters},
        {"e5", FeedFieldFault::Letters},          {"nan", FeedFieldFault::Letters},
        {"0x10", FeedFieldFault::Letters},        {"1.5e", FeedFieldFault::NotANumber},
        {"", FeedFieldFault::NotANumber},         {"1,2,3", FeedFieldFault::NotANumber},
        {"2.75 5", FeedFieldFault::NotANumber},   {"1e400", FeedFieldFault::NotANumber},
        {"5%", FeedFieldFault::NotANumber},       {"1..5", FeedFieldFault::NotANumber},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(ParseFeedField(c.text).has_value()) << '"' << c.text << '"';
        EXPECT_EQ(quorvel::FeedFieldFaultOf(QString::fromUtf8(c.text)), c.fault)
            << '"' << c.text << '"';
    }
}
