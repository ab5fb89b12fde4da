#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <memory>

#include "report/ResultsTable.h"

using quorvel::Engine;
using quorvel::ResultsTableLines;

namespace {

const QChar Comma = QLocale(QLocale::Russian, QLocale::Russia).decimalPoint().at(0);
const QChar Point = QLocale::c().decimalPoint().at(0);

// A sweep result filled by hand: point i has XValue 0.2 + 0.05 i (accumulated as the
// sweep does) and recognisable fractions, so each column can be told apart.
std::unique_ptr<Engine> HandFilledEngine(int pointCount) {
    auto engine = std::make_unique<Engine>();
    engine->InputRatio = 2.5;
    engine->InputTemperature = 860;
    engine->processConditions.InputPressure = 25;
    auto& r = engine->resultSeries;
    double x = 0.2;
    for (int i = 0; i < pointCount; ++i) {
        r.XValue[i] = x;
        r.CH4[i] = 0.1234;
        r.CO[i] = 0.05678;
        r.CO2[i] = 0.089;
        r.H2[i] = 0.7;
        r.N2[i] = 0;
        r.VolumeChange[i] = 2.5;
        r.H2toCO[i] = 12.3456;
        r.CO2toCO[i] = 1.5;
        engine->physicalRoot[i] = true;
        x += 0.05;
    }
    r.LastIndex = pointCount - 1;
    return engine;
}

TEST(ResultsTable, DryViewOfTheRatioSweepWithACommaReadsAsTheWindowShowsIt) {
    const auto engine = HandFilledEngine(77);
    const QStringList lines =
        ResultsTableLines(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry, Comma);
    ASSERT_EQ(lines.size(), 5 + 77);
    EXPECT_EQ(lines[0], QStringLiteral("Температура, град. С: 860"));
    EXPECT_EQ(lines[1], QStringLiteral("Давление, атм       : 25"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(lines[3], QStringLiteral("Состав сухого синтез-газа, мол. д."));
    EXPECT_EQ(lines[4],
              QStringLiteral(" пар/метан  CH4     CO      CO2     H2      N2   Изм. объема"));
    EXPECT_EQ(lines[5],
              QStringLiteral("    0,20   0,1234  0,0568  0,0890  0,7000  0,0000  2,5000"));
    // The accumulated 3.999999999999994 prints as 4,00.
    EXPECT_EQ(lines[81],
              QStringLiteral("    4,00   0,1234  0,0568  0,0890  0,7000  0,0000  2,5000"));
    for (int i = 5; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 57) << "line " << i;
}

TEST(ResultsTable, RatioViewOfTheTemperatureSweep) {
    auto engine = HandFilledEngine(26);
    for (int i = 0; i < 26; ++i)
        engine->resultSeries.XValue[i] = 750 + 10 * i;
    const QStringList lines = ResultsTableLines(*engine, quorvel::SweptParameter::Temperature,
                                                quorvel::ResultView::ProductRatios, Comma);
    ASSERT_EQ(lines.size(), 5 + 26);
    EXPECT_EQ(lines[0], QStringLiteral("Соотношение пар/метан, мол.д.: 2,5"));
    EXPECT_EQ(lines[1], QStringLiteral("Давление, атм                : 25"));
    EXPECT_EQ(lines[3], QStringLiteral("Соотношение продуктов реакции, мол. д."));
    EXPECT_EQ(lines[4], QStringLiteral("Температура H2/CO  CO2/CO"));
    EXPECT_EQ(lines[5], QStringLiteral("  750,00  12,3456  1,5000"));
    EXPECT_EQ(lines[30], QStringLiteral(" 1000,00  12,3456  1,5000"));
}

TEST(ResultsTable, WetViewOfThePressureSweepWithAPoint) {
    auto engine = HandFilledEngine(31);
    engine->InputRatio = 0.2;
    engine->InputTemperature = 979.5;
    for (int i = 0; i < 31; ++i)
        engine->resultSeries.XValue[i] = 15 + 0.5 * i;
    const QStringList lines = ResultsTableLines(*engine, quorvel::SweptParameter::Pressure,
                                                quorvel::ResultView::Wet, Point);
    ASSERT_EQ(lines.size(), 5 + 31);
    EXPECT_EQ(lines[0], QStringLiteral("Соотношение пар/метан, мол.д.: 0.2"));
    EXPECT_EQ(lines[1], QStringLiteral("Температура, град. С         : 979.5"));
    EXPECT_EQ(lines[3], QStringLiteral("Состав мокрого синтез-газа, мол. д."));
    EXPECT_EQ(lines[4],
              QStringLiteral(" Давление   CH4     CO      CO2     H2      N2   Изм. объема"));
    EXPECT_EQ(lines[6],
              QStringLiteral("   15.50   0.1234  0.0568  0.0890  0.7000  0.0000  2.5000"));
}

TEST(ResultsTable, APointWithoutAPhysicalCompositionShowsItsXValueAndTheWords) {
    auto engine = HandFilledEngine(3);
    engine->physicalRoot[1] = false;
    engine->resultSeries.XValue[2] = 1234.5;
    engine->physicalRoot[2] = false;
    for (int view = 0; view < 3; ++view) {
        const QStringList lines = ResultsTableLines(*engine, quorvel::SweptParameter::Ratio,
                                                    quorvel::AllResultViews[view], Point);
        ASSERT_EQ(lines.size(), 8);
        EXPECT_TRUE(lines[5].startsWith(QStringLiteral("    0.20  ")));
        EXPECT_EQ(lines[6], QStringLiteral("    0.25 нет физического решения"));
        EXPECT_EQ(lines[7], QStringLiteral(" 1234.50 нет физического решения"));
    }
}

TEST(ResultsTable, OversizedFieldsPushTheLineRightAndKeepABlankBeforeThem) {
    auto engine = HandFilledEngine(1);
    engine->resultSeries.CH4[0] = 1000;
    engine->resultSeries.CO[0] = -100;
    engine->resultSeries.XValue[0] = -1.25;
    const QStringList lines =
        ResultsTableLines(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry, Comma);
    // Only the overflowing fields widen the line; the ones after them keep their width.
    EXPECT_EQ(lines[5],
              QStringLiteral("   -1,25 1000,0000 -100,0000  0,0890  0,7000  0,0000  2,5000"));

    // The ratio view at 300 degrees C and 25 atm: a field that exactly fills its width
    // gets a blank too, and the line splits back into its three numbers.
    engine->resultSeries.XValue[0] = 0.2;
    engine->resultSeries.H2toCO[0] = 1960.54994;
    engine->resultSeries.CO2toCO[0] = 489.3875;
    const QString ratioLine = ResultsTableLines(*engine, quorvel::SweptParameter::Ratio,
                                                quorvel::ResultView::ProductRatios, Comma)[5];
    EXPECT_EQ(ratioLine, QStringLiteral("    0,20 1960,5499 489,3875"));
    EXPECT_EQ(ratioLine.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 3);
}

TEST(ResultsTable, PointLinesFollowLastIndexOnly) {
    // Entries above LastIndex hold an earlier run's values and are not printed.
    auto engine = HandFilledEngine(77);
    engine->resultSeries.LastIndex = 25;
    EXPECT_EQ(ResultsTableLines(*engine, quorvel::SweptParameter::Temperature,
                                quorvel::ResultView::Dry, Comma)
                  .size(),
              5 + 26);
    engine->resultSeries.LastIndex = -1;
    EXPECT_EQ(ResultsTableLines(*engine, quorvel::SweptParameter::Temperature,
                                quorvel::ResultView::Dry, Comma)
                  .size(),
              5);
    // A corrupt index never reads past the arrays.
    engine->resultSeries.LastIndex = 5000;
    EXPECT_EQ(ResultsTableLines(*engine, quorvel::SweptParameter::Temperature,
                                quorvel::ResultView::Dry, Comma)
                  .size(),
              5 + quorvel::ResultCapacity);
}

} // namespace
