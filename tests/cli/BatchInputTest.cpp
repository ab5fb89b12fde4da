#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include "cli/BatchInput.h"

using quorvel::ReadBatchInput;

namespace {

using Arguments = std::vector<std::string>;

TEST(BatchInput, FieldsBecomeOptionsInHeaderOrderAndEmptyFieldsKeepTheirDefaults) {
    const auto input = ReadBatchInput("sweep, ratio ,feed,temperature\r\n"
                                      "temperature,3,90;5;0;0;5;0;0;0;0,\r\n"
                                      "\r\n"
                                      ",,,700\n");
    ASSERT_EQ(input.error, "");
    ASSERT_EQ(input.cases.size(), 2u);
    EXPECT_EQ(input.cases[0].number, 1);
    EXPECT_EQ(input.cases[0].arguments, (Arguments{"--sweep", "temperature", "--ratio", "3",
                                                   "--feed", "90,5,0,0,5,0,0,0,0"}));
    // The blank line is skipped but counted: the case keeps its line's number.
    EXPECT_EQ(input.cases[1].number, 3);
    EXPECT_EQ(input.cases[1].arguments, (Arguments{"--temperature", "700"}));
    EXPECT_EQ(input.cases[1].error, "");
}

TEST(BatchInput, AHeaderThatNamesNoOptionOrRepeatsOneIsRefusedWhole) {
    EXPECT_NE(ReadBatchInput("ratio,--pressure\n3,20\n").error, "");
    EXPECT_NE(ReadBatchInput("ratio,chart\n3,x.png\n").error, "");
    EXPECT_NE(ReadBatchInput("ratio,ratio\n3,4\n").error, "");
    EXPECT_NE(ReadBatchInput("\n\n").error, "");
    EXPECT_TRUE(ReadBatchInput("ratio,chart\n3,x.png\n").cases.empty());
}

TEST(BatchInput, ALineWithTheWrongNumberOfFieldsIsRefusedAloneAndTheOthersStay) {
    const auto input = ReadBatchInput("ratio,pressure\n3\n2,20,1\n4,25");
    ASSERT_EQ(input.error, "");
    ASSERT_EQ(input.cases.size(), 3u);
    EXPECT_NE(input.cases[0].error, "");
    EXPECT_NE(input.cases[1].error, "");
    EXPECT_EQ(input.cases[2].error, "");
    EXPECT_EQ(input.cases[2].arguments, (Arguments{"--ratio", "4", "--pressure", "25"}));
}

TEST(BatchInput, AHeaderAloneHasNoCases) {
    const auto input = ReadBatchInput("sweep,view\n");
    EXPECT_EQ(input.error, "");
    EXPECT_TRUE(input.cases.empty());
}

} // namespace
