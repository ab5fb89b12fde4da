#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include "cli/BatchInput.h"
#include "cli/ShownValue.h"

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

TEST(BatchInput, LinesAreCountedWhateverTheirEndsAndAByteOrderMarkIsSkipped) {
    // The same cases with LF, CR LF and CR-only ends, blank lines before the header, and
    // a UTF-8 byte-order mark at the start: every line counts, the header's too.
    for (const char* end : {"\n", "\r\n", "\r"}) {
        for (const char* mark : {"", "\xEF\xBB\xBF"}) {
            const std::string text =
                std::string(mark) + end + end + "ratio" + end + "3" + end + end + "bad" + end + "4";
            const auto input = ReadBatchInput(text);
            ASSERT_EQ(input.error, "") << text;
            ASSERT_EQ(input.cases.size(), 3u) << text;
            EXPECT_EQ(input.cases[0].line, 4);
            EXPECT_EQ(input.cases[0].number, 1);
            EXPECT_EQ(input.cases[1].line, 6);
            EXPECT_EQ(input.cases[1].number, 3);
            EXPECT_EQ(input.cases[1].arguments, (Arguments{"--ratio", "bad"}));
            EXPECT_EQ(input.cases[2].line, 7);
            EXPECT_EQ(input.cases[2].arguments, (Arguments{"--ratio", "4"}));
        }
    }
    // A mark anywhere else is part of the text.
    EXPECT_NE(ReadBatchInput("\n\xEF\xBB\xBFratio\n3\n").error, "");
}

TEST(BatchInput, ALongLineIsRefusedAndMessagesShowAShortEscapedValue) {
    const std::string huge(3 * quorvel::BatchLineLimit, '7');
    const auto input = ReadBatchInput("ratio\n" + huge + "\n5\n");
    ASSERT_EQ(input.cases.size(), 2u);
    EXPECT_NE(input.cases[0].error, "");
    EXPECT_TRUE(input.cases[0].arguments.empty());
    EXPECT_EQ(input.cases[1].arguments, (Arguments{"--ratio", "5"}));

    const std::string column = "ratio" + std::string(100, 'x') + std::string("\0\x01", 2);
    const std::string error = ReadBatchInput(column + "\n3\n").error;
    EXPECT_NE(error.find("«ratio" + std::string(55, 'x') + "…»"), std::string::npos) << error;
    EXPECT_LT(error.size(), 300u);
    EXPECT_EQ(quorvel::ShownValue(std::string("a\0b\x1b\x7f\xff", 6) + "ж"),
              "a\\x00b\\x1B\\x7F\\xFFж");
    EXPECT_EQ(quorvel::ShownValue(std::string(59, 'a') + "жж"), std::string(59, 'a') + "ж…");
    EXPECT_EQ(quorvel::ShownValue(std::string(60, 'a')), std::string(60, 'a'));
}

} // namespace
