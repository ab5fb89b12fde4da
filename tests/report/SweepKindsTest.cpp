#include <gtest/gtest.h>

#include <QString>
#include <set>
#include <string>
#include <type_traits>

#include "report/CsvExport.h"
#include "report/CsvLines.h"
#include "report/ResultsTable.h"
#include "report/SweepCaptions.h"

using namespace quorvel;

// The swept parameter comes first, the view second, and neither is an integer: a call
// with the two swapped, or with radio indices, does not compile.
static_assert(std::is_invocable_v<decltype(&RunSweep), Engine&, SweptParameter, ResultView>);
static_assert(!std::is_invocable_v<decltype(&RunSweep), Engine&, ResultView, SweptParameter>);
static_assert(!std::is_invocable_v<decltype(&RunSweep), Engine&, int, int>);
static_assert(!std::is_invocable_v<decltype(&ResultsTableLines), const Engine&, ResultView,
                                   SweptParameter, QChar>);
static_assert(
    !std::is_invocable_v<decltype(&CsvExportLines), const Engine&, ResultView, SweptParameter>);
// CsvLines has two forms (with and without the view); both refuse integers and swaps.
constexpr auto CallCsvLines = [](const auto&... arguments) -> decltype(CsvLines(arguments...)) {
    return CsvLines(arguments...);
};
static_assert(std::is_invocable_v<decltype(CallCsvLines), const Engine&, SweptParameter>);
static_assert(!std::is_invocable_v<decltype(CallCsvLines), const Engine&, int>);
static_assert(
    !std::is_invocable_v<decltype(CallCsvLines), const Engine&, ResultView, SweptParameter>);
static_assert(!std::is_invocable_v<decltype(CallCsvLines), const Engine&, int, int>);

TEST(SweepKinds, AnIndexNamesAKindOnlyWithinTheList) {
    for (int i = 0; i < SweptParameterCount; ++i) {
        ASSERT_TRUE(SweptParameterAt(i));
        EXPECT_EQ(IndexOf(*SweptParameterAt(i)), i);
    }
    for (int i = 0; i < ResultViewCount; ++i) {
        ASSERT_TRUE(ResultViewAt(i));
        EXPECT_EQ(IndexOf(*ResultViewAt(i)), i);
    }
    for (const int outside : {-1, 3, 100, -2147483647 - 1}) {
        EXPECT_FALSE(SweptParameterAt(outside)) << outside;
        EXPECT_FALSE(ResultViewAt(outside)) << outside;
    }
}

TEST(SweepKinds, EveryKindHasItsOwnWordsAndTheTableHeadingFitsTheFirstColumn) {
    std::set<std::string> words;
    std::set<std::string> columns;
    for (const SweptParameter kind : AllSweptParameters) {
        const SweptParameterCaptions& c = CaptionsOf(kind);
        words.insert(c.word);
        columns.insert(c.csvColumn);
        // The point lines print the swept value in 8 characters, the first value in 9:
        // the heading above them is 11 wide.
        EXPECT_EQ(QString::fromUtf8(c.columnHeading).size(), 11) << c.word;
        EXPECT_EQ(QString::fromUtf8(c.lowerName).toLower(), QString::fromUtf8(c.name).toLower());
    }
    for (const ResultView kind : AllResultViews)
        words.insert(CaptionsOf(kind).word);
    EXPECT_EQ(words.size(), std::size_t(SweptParameterCount + ResultViewCount));
    EXPECT_EQ(columns.size(), std::size_t(SweptParameterCount));
}
