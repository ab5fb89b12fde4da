#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include "cli/NumberArgument.h"
#include "cli/SweepOptions.h"

using namespace quorvel;

namespace {

ParsedOptions Parse(std::vector<std::string> arguments) {
    return ParseSweepOptions(arguments);
}

TEST(NumberArgument, AcceptsWholeNumbersWithAPointOnly) {
    EXPECT_EQ(ParseNumberArgument("2.5").value, 2.5);
    EXPECT_EQ(ParseNumberArgument("+7").value, 7);
    EXPECT_EQ(ParseNumberArgument("-1e3").value, -1000);
    EXPECT_EQ(ParseNumberArgument(".5").value, 0.5);
    for (const char* bad : {"", "2,5", "3x", " 3", "3 ", "+-5", "inf", "nan", "0x10", "e5", "--1"})
        EXPECT_EQ(ParseNumberArgument(bad).status, NumberStatus::NotANumber) << bad;
    EXPECT_EQ(ParseNumberArgument("1e400").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseNumberArgument("-1e400").status, NumberStatus::OutOfRange);
}

TEST(NumberArgument, PictureSizeNeedsTwoWholeNumbers) {
    const auto size = ParsePictureSize("800x600");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 800);
    EXPECT_EQ(size->height, 600);
    for (const char* bad : {"800", "800x", "x600", "800x600x2", "8.5x600", "800X600", "a x b"})
        EXPECT_FALSE(ParsePictureSize(bad)) << bad;
}

TEST(SweepOptions, ReadsEveryOptionInBothSpellings) {
    const ParsedOptions parsed =
        Parse({"--sweep", "pressure", "--view=ratios", "--ratio", "3.5", "--temperature=900",
               "--pressure", "-4", "--feed", "90,5,0,0,5,0,0,0,0", "--decimal-separator=,",
               "--format", "csv", "--output", "out.txt", "--chart=c.png", "--size", "800x600"});
    ASSERT_EQ(parsed.error, "");
    const SweepOptions& o = parsed.options;
    EXPECT_EQ(o.XAxisMode, SweptParameter::Pressure);
    EXPECT_EQ(o.YAxisMode, ResultView::ProductRatios);
    EXPECT_EQ(o.ratio, 3.5);
    EXPECT_EQ(o.temperature, 900);
    EXPECT_EQ(o.pressure, -4);
    EXPECT_TRUE(o.ratioGiven && o.temperatureGiven && o.pressureGiven);
    ASSERT_TRUE(o.feed);
    EXPECT_EQ((*o.feed)[0], 90);
    EXPECT_EQ((*o.feed)[1], 5);
    EXPECT_EQ((*o.feed)[4], 5);
    EXPECT_EQ(o.decimalSeparator, ',');
    EXPECT_EQ(o.format, OutputFormat::Csv);
    EXPECT_EQ(o.outputFile, "out.txt");
    EXPECT_EQ(o.chartFile, "c.png");
    EXPECT_EQ(o.chartWidth, 800);
    EXPECT_EQ(o.chartHeight, 600);

    EXPECT_EQ(o.constants, ConstantsSource::Builtin);
    EXPECT_EQ(Parse({"--constants", "standard"}).options.constants, ConstantsSource::Standard);
    EXPECT_EQ(Parse({"--constants=standard", "--constants=builtin"}).options.constants,
              ConstantsSource::Builtin);
    // The old word is refused with the new one named.
    EXPECT_NE(Parse({"--constants", "seed"}).error.find("--constants builtin"), std::string::npos);
    EXPECT_NE(Parse({"--constants", "Standard"}).error, "");
    EXPECT_EQ(o.solver, SolverPath::Designed);
    EXPECT_EQ(Parse({"--solver", "direct"}).options.solver, SolverPath::Direct);
    EXPECT_EQ(Parse({"--solver=direct", "--solver=designed"}).options.solver, SolverPath::Designed);
    for (const char* word : {"Direct", "", "fast"})
        EXPECT_EQ(Parse({"--solver", word})
                      .error.find("параметр --solver принимает designed или "
                                  "direct, получено «" +
                                  std::string(word) + "»"),
                  0u)
            << word;

    EXPECT_EQ(Parse({"--sweep", "temperature", "--view", "wet"}).options.XAxisMode,
              SweptParameter::Temperature);
    EXPECT_EQ(Parse({"--sweep", "temperature", "--view", "wet"}).options.YAxisMode,
              ResultView::Wet);
    EXPECT_EQ(Parse({"--ratio", "1", "--ratio", "2"}).options.ratio, 2);
    EXPECT_TRUE(Parse({"-h"}).options.help);
    EXPECT_FALSE(Parse({}).options.carbonLimit);
    const ParsedOptions limit =
        Parse({"--carbon-limit", "--pressure", "10", "--feed", "90,5,0,0,5,0,0,0,0"});
    EXPECT_EQ(limit.error, "");
    EXPECT_TRUE(limit.options.carbonLimit);
    EXPECT_EQ(limit.options.pressure, 10);
    for (const char* sweepOnly : {"--sweep=ratio", "--view=wet", "--ratio=2", "--temperature=800"})
        EXPECT_NE(Parse({"--carbon-limit", sweepOnly}).error, "") << sweepOnly;
}

TEST(SweepOptions, RefusesBadCommandLinesWithOneLineSayingWhy) {
    struct Case {
        std::vector<std::string> arguments;
        const char* mentioned; // a part of the message that names the fault
    };
    const Case cases[] = {
        {{"--colour", "red"}, "--colour"},
        {{"extra"}, "extra"},
        {{"-x"}, "-x"},
        {{"--ratio"}, "--ratio"},
        {{"--ratio", "2,5"}, "2,5"},
        {{"--temperature", "900C"}, "900C"},
        {{"--pressure="}, "--pressure"},
        {{"--pressure", "1e999"}, "1e999"},
        {{"--sweep", "time"}, "time"},
        {{"--view", "DRY"}, "DRY"},
        {{"--format", "json"}, "json"},
        {{"--decimal-separator", ";"}, ";"},
        {{"--feed", "100,0,0,0,0,0,0,0"}, "получено 8"},
        {{"--feed", "100,0,0,0,0,0,0,0,0,0"}, "получено 10"},
        {{"--feed", "100,0,0,0,0,0,0,0,x"}, "«x»"},
        {{"--feed", "100,0,0,0,,0,0,0,0"}, "«»"},
        {{"--output", ""}, "--output"},
        {{"--chart", "c.png", "--size", "10x10"}, "10x10"},
        {{"--chart", "c.png", "--size", "438*269"}, "438*269"},
        {{"--size", "800x600"}, "--chart"},
        {{"--feed-temperature", "1000.5"}, "0..1000"},
        {{"--steam-temperature", "-1"}, "0..1000"},
        {{"--approach-reforming", "200.01"}, "-200..200"},
        {{"--approach-shift", "5K"}, "«5K»"},
        {{"--approach-from", "CH4=4,CO=10,CO2=8"}, "нет H2"},
        {{"--approach-from", "CH4=4,CO=10,CO2=8,H2=70,N2=7.4"}, "99.4"},
        {{"--approach-from", "CH4=4,CO=10,CO2=8,H2=79"}, "101"},
        {{"--approach-from", "CH4=4,CO=10,CO2=8,H2=70,Ar=8"}, "«Ar=8»"},
        {{"--approach-from", "CH4=4,CO=10,CO=8,H2=78"}, "CO указан дважды"},
        {{"--approach-from", "CH4=0,CO=10,CO2=10,H2=80"}, "CH4 = 0"},
        {{"--approach-from", "CH4=4,CO=10,CO2=8,H2=7o"}, "«7o»"},
        {{"--approach-from", "CH4=4,CO=10,CO2=8,H2=78", "--sweep", "ratio"}, "--sweep"},
        {{"--carbon-limit", "--approach-shift", "5"}, "--approach-shift"},
    };
    for (const Case& c : cases) {
        const ParsedOptions parsed = ParseSweepOptions(c.arguments);
        EXPECT_NE(parsed.error.find(c.mentioned), std::string::npos)
            << c.arguments.front() << ": " << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

} // namespace
