// quorvel-train run as a process: its JSON keys and figures, the output file, and the
// exit statuses of bad command lines and case files.

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "engine/TrainExamples.h"
#include "report/TrainCaseFile.h"

namespace {

struct TrainRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

TrainRun Train(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVEL_TRAIN_PROGRAM), arguments);
    TrainRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool Write(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(TrainProcess, SolvesTheExampleIntoEveryFormat) {
    QTemporaryDir dir;
    const QString caseName = dir.filePath("ammonia.json");
    ASSERT_TRUE(
        Write(caseName, quorvel::WriteTrainCase({"Аммиак", quorvel::AmmoniaFrontEndExample()})));

    const TrainRun json = Train({caseName, "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(json.out).object();
    const QJsonArray stages = root["stages"].toArray();
    ASSERT_EQ(stages.size(), 5);
    const char* kinds[] = {"prereformer", "reformer", "secondary", "shift", "shift"};
    double previousOutlet = 0;
    for (int i = 0; i < 5; ++i) {
        const QJsonObject s = stages[i].toObject();
        EXPECT_EQ(s["kind"].toString(), QLatin1String(kinds[i]));
        for (const char* key :
             {"inlet_temperature_c", "outlet_temperature_c", "pressure_bar", "duty_kw",
              "duty_kj_per_mol_feed", "exchanger_duty_kw", "carbon_activity"}) {
            EXPECT_TRUE(s[key].isDouble()) << i << key;
        }
        EXPECT_TRUE(s["carbon_forms"].isBool()) << i;
        EXPECT_EQ(s.contains("oxidant_mol_per_mol_feed"), i == 2) << i;
        for (const char* basis : {"dry_mole_fractions", "wet_mole_fractions"}) {
            double sum = 0;
            for (const char* key : {"CH4", "CO", "CO2", "H2", "N2", "Ar", "H2O"}) {
                sum += s[basis].toObject()[key].toDouble();
            }
            EXPECT_NEAR(sum, 1, 1e-12) << i << basis;
        }
        // The exchanger takes the gas from the last outlet to this inlet.
        if (i > 0 && s["exchanger_duty_kw"].toDouble() != 0) {
            EXPECT_NE(s["inlet_temperature_c"].toDouble(), previousOutlet);
        }
        previousOutlet = s["outlet_temperature_c"].toDouble();
    }
    const QJsonObject secondary = stages[2].toObject();
    const QJsonObject flows = secondary["flows_kmol_h"].toObject();
    EXPECT_NEAR((flows["H2"].toDouble() + flows["CO"].toDouble()) / flows["N2"].toDouble(), 3,
                1e-9);
    EXPECT_EQ(root["totals"].toObject()["feed_kmol_h"].toDouble(), 1000.0);
    EXPECT_NEAR(root["totals"].toObject()["hydrogen_nm3_h"].toDouble(),
                stages[4].toObject()["flows_kmol_h"].toObject()["H2"].toDouble() *
                    quorvel::NormalCubicMetresPerKmol,
                1e-6);

    // --output writes what standard output shows; CSV has a row per stage.
    const QString outName = dir.filePath("out.json");
    const TrainRun toFile = Train({caseName, "--format", "json", "--output", outName});
    EXPECT_EQ(toFile.exitCode, 0) << toFile.err.toStdString();
    QFile written(outName);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), json.out);
    const TrainRun csv = Train({caseName, "--format", "csv"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_TRUE(csv.out.split('\n')[5].startsWith("5,shift,ok,"));
    const TrainRun table = Train({caseName});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(table.out.contains("Ступень 3: вторичный риформинг (secondary)"));
    // A result that cannot be written: status 1, nothing on standard output.
    const TrainRun unwritable = Train({caseName, "--output", dir.filePath("no/such/folder.txt")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.out.isEmpty());
}

TEST(TrainProcess, BadCommandLinesAndCaseFilesExitWithTwo) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.json");
    const QString bad = dir.filePath("bad.json");
    ASSERT_TRUE(Write(good, quorvel::WriteTrainCase({"", quorvel::HydrogenPlantExample()})));
    QByteArray spoilt = quorvel::WriteTrainCase({"", quorvel::HydrogenPlantExample()});
    spoilt.replace("\"pressure_bar\": 26", "\"pressure_bar\": 0.5");
    ASSERT_TRUE(Write(bad, spoilt));
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{}, "не задан файл схемы"},
        {{good, "--format", "xml"}, "неизвестный формат"},
        {{good, "--frobnicate"}, "неизвестный параметр"},
        {{good, good}, "один раз"},
        {{dir.filePath("missing.json")}, "не удалось прочитать"},
        {{bad}, "stages[1].pressure_bar: значение 0.5 вне допустимого диапазона"},
    };
    for (const auto& c : cases) {
        const TrainRun run = Train(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
