// The table header and the CSV columns of runs on standard thermodynamic data, and the
// reformer figures in the CSV.

#include "tests/report/ReportTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <charconv>
#include <memory>

#include "report/CsvLines.h"
#include "report/ResultsTable.h"

namespace quorvel {
namespace {

using testing::StartUpEngine;
using testing::ToDouble;

TEST(StandardDataReport, TableHeaderNamesTheDataBeforeTheEmptyLine) {
    const QChar comma = QLocale(QLocale::Russian, QLocale::Russia).decimalPoint().at(0);
    auto engine = StartUpEngine();
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            engine->constants = ConstantsSource::Builtin;
            RunSweep(*engine, quorvel::AllSweptParameters[x], quorvel::AllResultViews[y]);
            const QStringList seed = ResultsTableLines(*engine, quorvel::AllSweptParameters[x],
                                                       quorvel::AllResultViews[y], comma);
            engine->constants = ConstantsSource::Standard;
            RunSweep(*engine, quorvel::AllSweptParameters[x], quorvel::AllResultViews[y]);
            const QStringList standard = ResultsTableLines(*engine, quorvel::AllSweptParameters[x],
                                                           quorvel::AllResultViews[y], comma);

            ASSERT_EQ(standard.size(), seed.size() + 1);
            EXPECT_EQ(standard.mid(0, 2), seed.mid(0, 2));
            EXPECT_EQ(standard[2], QStringLiteral("Константы равновесия: стандартные данные NASA"));
            EXPECT_EQ(standard.mid(3, 3), seed.mid(2, 3)); // empty line, title, heading
            EXPECT_TRUE(seed[2].isEmpty());
            // The points themselves differ: other constants, other composition.
            EXPECT_NE(standard.mid(6), seed.mid(5)) << x << " " << y;
        }
    }
}

TEST(StandardDataReport, CsvEndsWithTheFourFiguresAtFullPrecision) {
    auto engine = StartUpEngine();
    engine->constants = ConstantsSource::Standard;
    RunSweep(*engine, quorvel::SweptParameter::Temperature, quorvel::ResultView::Dry);
    const QStringList lines = CsvLines(*engine, quorvel::SweptParameter::Temperature);
    ASSERT_EQ(lines.size(), 1 + 26);
    // The three carbon columns follow the figures.
    EXPECT_TRUE(lines[0].startsWith(
        QStringLiteral("temperature_C,CH4,CO,CO2,H2,N2,VolumeChange,H2toCO,CO2toCO,"
                       "exact_root,physical,methane_conversion,h2_yield,steam_to_carbon,"
                       "heat_duty_kj_per_mol,")));
    const ReformerFigures& f = engine->figures;
    for (int i = 0; i < 26; ++i) {
        const QStringList fields = lines[i + 1].split(',');
        ASSERT_EQ(fields.size(), 15 + 3);
        EXPECT_EQ(ToDouble(fields[11]), f.MethaneConversion[i]);
        EXPECT_EQ(ToDouble(fields[12]), f.H2Yield[i]);
        EXPECT_EQ(ToDouble(fields[13]), f.SteamToCarbon[i]);
        EXPECT_EQ(ToDouble(fields[14]), f.HeatDuty[i]);
        EXPECT_GT(f.HeatDuty[i], 0);
    }
    EXPECT_EQ(lines[1].section(',', 13, 13), QStringLiteral("2.5"));
}

TEST(StandardDataReport, UndefinedFiguresAreEmptyFields) {
    auto engine = StartUpEngine();
    const double feed[9] = {0, 0, 0, 0, 10, 20, 10, 50, 10};
    for (int i = 0; i < FeedComponentCount; ++i)
        engine->feedComposition[i] = feed[i];
    PreparationVar(*engine);
    RunSweep(*engine, quorvel::SweptParameter::Pressure, quorvel::ResultView::Dry);
    const QStringList lines = CsvLines(*engine, quorvel::SweptParameter::Pressure);
    ASSERT_EQ(lines.size(), 1 + 31);
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(',');
        ASSERT_EQ(fields.size(), 15 + 3);
        EXPECT_TRUE(fields[11].isEmpty() && fields[12].isEmpty() && fields[13].isEmpty());
        EXPECT_EQ(ToDouble(fields[14]), engine->figures.HeatDuty[i - 1]);
    }
}

} // namespace
} // namespace quorvel
