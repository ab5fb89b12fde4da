// The train's case file: the example text reads as the example case, a written case
// reads back to the same results, and every kind of bad file is refused with its JSON
// path and reason, leaving nothing half-read.

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

#include "engine/TrainExamples.h"
#include "report/TrainCaseFile.h"
#include "report/TrainReport.h"

namespace quorvel {
namespace {

const char* const ExampleText = R"({"name": "Ammonia front end",
 "capacity": {"feed_kmol_h": 1000},
 "feed": {"composition": [91.5, 2.75, 2.5, 1.25, 0.5, 0, 1.5, 0, 0], "temperature_c": 380},
 "steam": {"steam_to_carbon": 3.5, "temperature_c": 380},
 "stages": [
   {"kind": "prereformer", "inlet_temperature_c": 490, "pressure_bar": 33, "adiabatic": true},
   {"kind": "reformer", "inlet_temperature_c": 620, "outlet_temperature_c": 800, "pressure_bar": 32, "approach_reforming_k": 10},
   {"kind": "secondary", "pressure_bar": 31, "adiabatic": true,
    "oxidant": {"kind": "air", "temperature_c": 550, "target": {"h2_co_to_n2": 3.0}}},
   {"kind": "shift", "inlet_temperature_c": 340, "pressure_bar": 30, "adiabatic": true},
   {"kind": "shift", "inlet_temperature_c": 200, "pressure_bar": 29, "adiabatic": true}]})";

QByteArray ResultsJson(const TrainCaseFile& file) {
    auto workspace = std::make_unique<TrainWorkspace>();
    auto result = std::make_unique<TrainResult>();
    SolveTrain(file.train, *workspace, *result);
    return TrainJson(file, *result);
}

TEST(TrainCaseFile, ExampleReadsAsTheExampleAndWrittenCasesReadBackIdentical) {
    const TrainCaseReading example = ReadTrainCase(ExampleText);
    ASSERT_TRUE(example.ok) << example.message().toStdString();
    EXPECT_EQ(example.file.name, QStringLiteral("Ammonia front end"));
    const QByteArray expected =
        ResultsJson({QStringLiteral("Ammonia front end"), AmmoniaFrontEndExample()});
    EXPECT_EQ(ResultsJson(example.file), expected);

    // Every writer branch: a duty, oxygen to a temperature, a composition by amount,
    // Nm3 and hydrogen capacities, steam as a ratio, approaches that are not round.
    TrainCaseFile variants[3] = {{QStringLiteral("Водород"), HydrogenPlantExample()},
                                 {QString(), AmmoniaFrontEndExample()},
                                 {QStringLiteral("x"), AmmoniaFrontEndExample()}};
    TrainCase& oxygen = variants[1].train;
    oxygen.capacityKind = CapacityKind::FeedNm3H;
    oxygen.capacity = 22414.0 / 3;
    oxygen.stages[1].thermal = ThermalKind::Duty;
    oxygen.stages[1].dutyKw = 12345.678;
    oxygen.stages[2].oxidant.kind = OxidantKind::Oxygen;
    for (int c = 0; c < OxidantCount; ++c) {
        oxygen.stages[2].oxidant.percent[c] = OxygenPercent[c];
    }
    oxygen.stages[2].oxidant.amountKind = OxidantAmountKind::OutletTemperature;
    oxygen.stages[2].oxidant.value = 1000.1;
    oxygen.stages[3].approach.Shift = 0.1 + 0.2;
    TrainCase& mixture = variants[2].train;
    mixture.steamKind = SteamAmountKind::MolPerMolFeed;
    mixture.steamValue = 2.7;
    mixture.stages[0].inletGiven = false;
    OxidantStream& ox = mixture.stages[2].oxidant;
    ox.kind = OxidantKind::Composition;
    const double percent[OxidantCount] = {35, 60.5, 0.5, 1, 3};
    for (int c = 0; c < OxidantCount; ++c) {
        ox.percent[c] = percent[c];
    }
    ox.amountKind = OxidantAmountKind::MolPerMolFeed;
    ox.value = 1.1;
    for (const TrainCaseFile& file : variants) {
        const QByteArray text = WriteTrainCase(file);
        const TrainCaseReading back = ReadTrainCase(text);
        ASSERT_TRUE(back.ok) << back.message().toStdString() << text.toStdString();
        EXPECT_EQ(WriteTrainCase(back.file), text);
        EXPECT_EQ(back.file.name, file.name);
        EXPECT_EQ(ResultsJson(back.file), ResultsJson(file)) << text.toStdString();
    }
}

TEST(TrainCaseFile, BadFilesAreRefusedWithTheirPathAndReason) {
    struct Bad {
        const char* what;
        const char* from; // replaced in the example text
        const char* to;
        const char* path;
        const char* reason; // a part of the reason
    };
    const Bad bad[] = {
        {"not JSON", "\"stages\": [", "\"stages\": [[", "", "JSON"},
        {"not an object", "", "", "", "объект"}, // wrapped in [ ] below
        {"unknown key", R"("name": "Ammonia)", R"("colour": 1, "name": "Ammonia)", "colour",
         "неизвестный ключ"},
        {"key of another kind", R"("approach_reforming_k": 10)", R"("approach_k": 10)",
         "stages[1].approach_k", "неизвестный ключ"},
        {"wrong type", R"("pressure_bar": 33)", R"("pressure_bar": "33")", "stages[0].pressure_bar",
         "ожидается число"},
        {"missing value", R"(, "pressure_bar": 32)", "", "stages[1].pressure_bar", "обязательно"},
        {"missing section", R"("steam": {"steam_to_carbon": 3.5, "temperature_c": 380},)", "",
         "steam", "обязательно"},
        {"out of range", R"("pressure_bar": 29)", R"("pressure_bar": 150)",
         "stages[4].pressure_bar", "диапазона"},
        {"unknown kind", R"("kind": "prereformer")", R"("kind": "furnace")", "stages[0].kind",
         "«furnace»"},
        {"feed not 100", "91.5, 2.75", "92.5, 2.75", "feed.composition", "сумма"},
        {"feed of eight", "0, 1.5, 0, 0]", "0, 1.5, 0]", "feed.composition", "девяти"},
        {"two capacities", R"({"feed_kmol_h": 1000})", R"({"feed_kmol_h": 1000, "feed_nm3_h": 5})",
         "capacity.feed_nm3_h", "только одно"},
        {"no thermal", R"("outlet_temperature_c": 800, )", "", "stages[1]", "нужно задать одно из"},
        {"adiabatic false", R"("pressure_bar": 30, "adiabatic": true)",
         R"("pressure_bar": 30, "adiabatic": false)", "stages[3].adiabatic", "false"},
        {"oxidant without O2", R"("kind": "air",)",
         R"("kind": "composition", "composition": {"N2": 100},)",
         "stages[2].oxidant.composition.O2", "кислорода"},
        {"duty with hydrogen capacity", R"({"feed_kmol_h": 1000})", R"({"hydrogen_nm3_h": 1000})",
         "", ""}, // refused below, once a duty is there
        {"no stages", R"("stages": [)", "", "stages", "от 1 до"}, // cut below
        {"no steam left", "1.5, 0, 0]", "1.5, 0, 50]", "steam.steam_to_carbon", "пара не остаётся"},
    };
    int refused = 0;
    for (Bad b : bad) {
        QByteArray text(ExampleText);
        ASSERT_TRUE(text.contains(b.from)) << b.what;
        text.replace(b.from, b.to);
        if (QByteArray(b.what) == "not an object") {
            text = "[" + text + "]";
        }
        if (QByteArray(b.what) == "no steam left") {
            // Half the feed is water: at S/C 0.5 the feed's own water is more than enough.
            text.replace("91.5, 2.75", "41.5, 2.75").replace("3.5", "0.5");
        }
        if (QByteArray(b.what) == "no stages") {
            text = QByteArray(ExampleText).left(QByteArray(ExampleText).indexOf(b.from)) +
                   R"("stages": []})";
        }
        if (QByteArray(b.what) == "duty with hydrogen capacity") {
            text.replace(R"("outlet_temperature_c": 800)", R"("duty_kw": 40000)");
            b = Bad{b.what, "", "", "stages[1].duty_kw", "производительности"};
        }
        const TrainCaseReading reading = ReadTrainCase(text);
        EXPECT_FALSE(reading.ok) << b.what;
        EXPECT_EQ(reading.path, QString::fromUtf8(b.path))
            << b.what << ": " << reading.message().toStdString();
        EXPECT_TRUE(reading.reason.contains(QString::fromUtf8(b.reason)))
            << b.what << ": " << reading.message().toStdString();
        EXPECT_EQ(reading.file.train.stageCount, 0) << b.what; // nothing half-read
        refused += !reading.ok;
    }
    EXPECT_EQ(refused, static_cast<int>(std::size(bad)));
}

} // namespace
} // namespace quorvel
