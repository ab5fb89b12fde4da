// Carbon formation in the reports: the CSV columns, the table marks and the minimum
// steam ratio table.

#include "tests/report/ReportTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <charconv>
#include <memory>

#include "engine/CarbonLimit.h"
#include "report/CarbonLimitReport.h"
#include "report/CarbonMarks.h"
#include "report/ConditionLines.h"
#include "report/CsvExport.h"
#include "report/CsvLines.h"
#include "report/ResultsTable.h"
#include "report/SweepCaptions.h"

namespace quorvel {
namespace {

using testing::StartUpEngine;
using testing::ToDouble;

const QChar Comma = QLocale(QLocale::Russian, QLocale::Russia).decimalPoint().at(0);
const QChar Point = QLocale::c().decimalPoint().at(0);

bool FormsCarbon(const Engine& engine, int i) {
    const CarbonSeries& c = engine.carbonSeries;
    return c.Known[i] && std::max(c.Cracking[i], c.Boudouard[i]) > 1;
}

TEST(CarbonReport, CsvEndsWithBothActivitiesAndTheFlag) {
    auto engine = StartUpEngine();
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    engine->carbonSeries.Known[20] = false; // as where a point has no physical gas
    const QStringList lines = CsvLines(*engine, quorvel::SweptParameter::Ratio);
    ASSERT_EQ(lines.size(), 78);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(
        ",heat_duty_kj_per_mol,carbon_activity_cracking,carbon_activity_boudouard,carbon_forms")));
    int forming = 0;
    for (int i = 0; i <= 76; ++i) {
        const QStringList fields = lines[i + 1].split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 18);
        if (i == 20) {
            EXPECT_TRUE(fields[15].isEmpty() && fields[16].isEmpty() && fields[17].isEmpty());
            continue;
        }
        EXPECT_EQ(ToDouble(fields[15]), engine->carbonSeries.Cracking[i]);
        EXPECT_EQ(ToDouble(fields[16]), engine->carbonSeries.Boudouard[i]);
        EXPECT_EQ(fields[17], FormsCarbon(*engine, i) ? "1" : "0");
        forming += fields[17] == "1";
    }
    EXPECT_EQ(forming, 14);
}

TEST(CarbonReport, MarksExactlyThePointsWhoseActivityExceedsOne) {
    auto engine = StartUpEngine();
    for (int x = 0; x < 3; ++x) {
        RunSweep(*engine, quorvel::AllSweptParameters[x], quorvel::ResultView::Dry);
        const QStringList plain = ResultsTableLines(*engine, quorvel::AllSweptParameters[x],
                                                    quorvel::ResultView::Dry, Comma);
        QStringList marked = plain;
        const int count = MarkCarbonFormation(*engine, marked);
        const int points = engine->resultSeries.LastIndex + 1;
        const int first = static_cast<int>(plain.size()) - points;
        // The start-up view: ratios 0.20 to 0.85; the temperature and pressure sweeps at
        // ratio 2.5 form no carbon, and then the table is left exactly as it was.
        ASSERT_EQ(count, x == 0 ? 14 : 0) << x;
        if (count == 0) {
            EXPECT_EQ(marked, plain) << x;
            continue;
        }
        ASSERT_EQ(marked.size(), plain.size() + 2);
        EXPECT_EQ(marked.back(),
                  QStringLiteral("C — возможно выпадение углерода (активность углерода > 1)"));
        EXPECT_TRUE(marked[marked.size() - 2].isEmpty());
        EXPECT_EQ(marked.mid(0, first), plain.mid(0, first)); // header untouched
        for (int i = 0; i < points; ++i) {
            // A mark replaces the first space only: every column stays where it was.
            const QString expected = FormsCarbon(*engine, i)
                                         ? QStringLiteral("C") + plain[first + i].mid(1)
                                         : plain[first + i];
            EXPECT_EQ(marked[first + i], expected) << x << " " << i;
        }
    }
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    QStringList marked =
        ResultsTableLines(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry, Comma);
    MarkCarbonFormation(*engine, marked);
    EXPECT_EQ(marked[5],
              QStringLiteral("C   0,20   0,5319  0,1137  0,0026  0,3517  0,0000  1,5426"))
        << marked[5].toStdString();
    EXPECT_TRUE(marked[19].startsWith(QStringLiteral("    0,90"))); // 0.90 unmarked

    // A line without a leading space keeps its text and gets the mark at its end.
    QStringList odd = {QStringLiteral("x"), QStringLiteral("1,00")};
    engine->resultSeries.LastIndex = 0;
    engine->carbonSeries.Known[0] = true;
    engine->carbonSeries.Cracking[0] = 2;
    EXPECT_EQ(MarkCarbonFormation(*engine, odd), 1);
    EXPECT_EQ(odd[1], QStringLiteral("1,00  C"));
}

TEST(CarbonReport, LimitTableOfTheStartUpFeedWithEitherSeparator) {
    auto engine = StartUpEngine();
    CarbonLimitTable table{};
    ComputeCarbonLimitTable(*engine, table);
    const QStringList comma = CarbonLimitTableLines(*engine, table, Comma);
    ASSERT_EQ(comma.size(), 5 + 69);
    EXPECT_EQ(comma[0], QStringLiteral("Давление, атм: 25"));
    EXPECT_TRUE(comma[1].isEmpty());
    EXPECT_EQ(comma[2], QStringLiteral("Минимальное соотношение пар/метан,"));
    EXPECT_EQ(comma[3], QStringLiteral("выше которого углерод не выпадает"));
    EXPECT_EQ(comma[4], QStringLiteral("Температура  пар/метан  пар/углерод"));
    for (const QString& line : comma)
        EXPECT_LE(line.size(), 35) << line.toStdString(); // fits the limit window's table
    EXPECT_EQ(comma[5], QStringLiteral("        300     0,1989       0,1989"));
    EXPECT_EQ(comma[5 + 56].left(11), QStringLiteral("        860"));
    EXPECT_TRUE(comma[5 + 56].contains(QStringLiteral("0,8950")));
    const QStringList point = CarbonLimitTableLines(*engine, table, Point);
    EXPECT_EQ(point[5], QStringLiteral("        300     0.1989       0.1989"));

    const QStringList csv = CarbonLimitCsvLines(table);
    ASSERT_EQ(csv.size(), 70);
    EXPECT_EQ(csv[0], QStringLiteral("temperature_c,min_ratio,min_steam_to_carbon"));
    const QStringList at860 = csv[57].split(QLatin1Char(','));
    EXPECT_EQ(at860[0], "860");
    EXPECT_EQ(ToDouble(at860[1]), table.rows[56].limit.ratio);
    EXPECT_EQ(ToDouble(at860[2]), table.rows[56].steamToCarbon);

    engine->constants = ConstantsSource::Standard;
    ComputeCarbonLimitTable(*engine, table);
    EXPECT_EQ(CarbonLimitTableLines(*engine, table, Comma)[1],
              QStringLiteral("Константы равновесия: стандартные данные NASA"));
}

TEST(CarbonReport, LimitWindowHeaderAndPictureCaptionNameTheFeedLikeTheCsvExport) {
    auto engine = StartUpEngine({91.5, 2.75, 2.5, 1.25, 0.5, 1.5, 0, 0, 0});
    CarbonLimitTable table{};
    ComputeCarbonLimitTable(*engine, table);
    const QStringList plain = CarbonLimitTableLines(*engine, table, Comma);
    const QStringList withFeed =
        CarbonLimitTableLines(*engine, table, Comma, CarbonLimitHeader::PressureAndFeed);
    // The feed's ten lines follow the pressure; the rest is the plain table.
    ASSERT_EQ(withFeed.size(), plain.size() + 10);
    EXPECT_EQ(withFeed.mid(0, 1), plain.mid(0, 1));
    EXPECT_EQ(withFeed.mid(11), plain.mid(1));
    EXPECT_EQ(withFeed[3], QStringLiteral("Этан: 2,75"));

    // With a point the feed lines are the CSV export's comment lines without their "# ".
    QStringList comments;
    for (const QString& line :
         CsvExportLines(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry))
        if (line.startsWith(QStringLiteral("# ")))
            comments << line.mid(2);
    const QStringList feed = FeedLines(*engine, Point);
    ASSERT_EQ(feed.size(), 10);
    EXPECT_EQ(comments.mid(comments.size() - 10), feed);

    // The caption names the two fixed parameters, the feed's components other than zero
    // and the data set, and leaves out the swept parameter.
    for (const SweptParameter swept : AllSweptParameters) {
        const QStringList caption = ChartCaptionLines(*engine, swept, Comma);
        ASSERT_EQ(caption.size(), 3);
        for (const SweptParameter kind : AllSweptParameters)
            EXPECT_EQ(caption[0].contains(QString::fromUtf8(CaptionsOf(kind).label)),
                      kind != swept);
        EXPECT_EQ(caption[1], QStringLiteral("Исходный газ, % об.: Метан 91,5; Этан 2,75; Пропан "
                                             "2,5; Бутан 1,25; Азот (ин. газы) 0,5; Оксид "
                                             "углерода 1,5"));
        EXPECT_EQ(caption[2], QStringLiteral("Константы равновесия: корреляция программы"));
    }
    EXPECT_EQ(ChartCaptionLines(*engine, SweptParameter::Ratio, Comma)[0],
              QStringLiteral("Температура, град. С: 860; Давление, атм: 25"));
    engine->constants = ConstantsSource::Standard;
    EXPECT_EQ(ChartCaptionLines(*engine, SweptParameter::Ratio, Comma)[2],
              QStringLiteral("Константы равновесия: стандартные данные NASA"));
}

TEST(CarbonReport, LimitTableWritesNoneAboveRangeAndMissingSteamToCarbon) {
    auto wet = StartUpEngine({40, 0, 0, 0, 0, 0, 0, 0, 60});
    CarbonLimitTable table{};
    ComputeCarbonLimitTable(*wet, table);
    EXPECT_EQ(CarbonLimitTableLines(*wet, table, Comma)[5],
              QStringLiteral("        300          0       1,5000"));
    const QStringList wetRow = CarbonLimitCsvLines(table)[1].split(QLatin1Char(','));
    EXPECT_EQ(wetRow.mid(0, 2), (QStringList{"300", "0"}));
    EXPECT_DOUBLE_EQ(ToDouble(wetRow[2]), 1.5);

    auto butane = StartUpEngine({0, 0, 0, 100, 0, 0, 0, 0, 0});
    butane->processConditions.InputPressure = 1;
    ComputeCarbonLimitTable(*butane, table);
    EXPECT_EQ(CarbonLimitTableLines(*butane, table, Comma)[5],
              QStringLiteral("        300        > 5     > 1,2500"));
    EXPECT_EQ(CarbonLimitCsvLines(table)[1], QStringLiteral("300,inf,inf"));

    auto monoxide = StartUpEngine({0, 0, 0, 0, 0, 100, 0, 0, 0});
    ComputeCarbonLimitTable(*monoxide, table);
    EXPECT_TRUE(CarbonLimitTableLines(*monoxide, table, Comma)[5].endsWith(QStringLiteral(" —")));
    EXPECT_TRUE(CarbonLimitCsvLines(table)[1].endsWith(QLatin1Char(',')));
}

TEST(CarbonReport, EveryLimitNumberFitsItsColumnAndAFeedWithoutCarbonSaysSo) {
    // Trace feeds give steam-to-carbon ratios of 80 digits and more.
    const double feeds[][FeedComponentCount] = {{100},
                                                {90, 5, 0, 0, 5, 0, 0, 0, 0},
                                                {1e-80, 0, 0, 0, 100, 0, 0, 0, 0},
                                                {1e-300, 0, 0, 0, 100, 0, 0, 0, 0},
                                                {0, 0, 0, 1e-20, 0, 0, 0, 0, 100}};
    for (const auto& feed : feeds) {
        auto engine = StartUpEngine(feed);
        CarbonLimitTable table{};
        ComputeCarbonLimitTable(*engine, table);
        for (const QChar separator : {Comma, Point}) {
            const QStringList lines = CarbonLimitTableLines(*engine, table, separator);
            ASSERT_EQ(lines.size(), 5 + table.count);
            for (int i = 5; i < lines.size(); ++i) {
                // Three right-aligned fields of 11, 11 and 13 characters, each with
                // at least two blanks before it.
                const QString& line = lines[i];
                ASSERT_EQ(line.size(), 35) << line.toStdString();
                for (const int start : {0, 11, 22})
                    ASSERT_EQ(line.mid(start, 2), QStringLiteral("  ")) << line.toStdString();
            }
        }
    }
    // Without carbon in the feed, one line instead of a table of "> 5".
    for (const int component : {4, 7, 8}) { // nitrogen, hydrogen, water
        double feed[FeedComponentCount] = {};
        feed[component] = 100;
        auto engine = StartUpEngine(feed);
        EXPECT_FALSE(FeedHasCarbon(*engine));
        CarbonLimitTable table{};
        EXPECT_EQ(CarbonLimitTableLines(*engine, table, Comma),
                  QStringList{QStringLiteral("в газе нет углерода: углерод не выпадает")});
    }
    for (const int component : {0, 1, 2, 3, 5, 6}) {
        double feed[FeedComponentCount] = {0, 0, 0, 0, 50, 0, 0, 0, 0};
        feed[component] = 1e-300;
        EXPECT_TRUE(FeedHasCarbon(*StartUpEngine(feed))) << component;
    }
}

} // namespace
} // namespace quorvel
