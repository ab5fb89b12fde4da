// The goal seek dialog and the map window: their answers are the engine's own search and
// map, the answer applied becomes the entry, and a grid that must be refused computes
// nothing. Both run under a comma and a point locale.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "chart/widget/TChart.h"
#include "engine/Engine.h"
#include "engine/InputLimits.h"
#include "engine/ReformingMap.h"
#include "engine/TargetSearch.h"
#include "report/EnvelopeReport.h"
#include "report/NumberFormat.h"
#include "report/ShownParameters.h"
#include "tests/support/QtPrinters.h"
#include "ui/dialogs/GoalSeekDialog.h"
#include "ui/dialogs/MapWindow.h"
#include "ui/main/MainWindow.h"

namespace {

using quorvel::SweptParameter;

const QLocale Locales[] = {QLocale(QLocale::Russian, QLocale::Russia), QLocale::c()};

// A text written with a point, in the locale's decimal separator.
QString InLocale(const char* text, const QLocale& locale) {
    return QString::fromLatin1(text).replace(u'.', locale.decimalPoint());
}

// The same value, or both without one.
bool SameCell(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

QChar Separator(const QLocale& locale) {
    return locale.decimalPoint().front();
}

TEST(GoalSeekDialogTest, AnswerIsTheSearchOfTheMainWindowAndApplyingSetsTheEntry) {
    struct Case {
        quorvel::PointFigureKind figure;
        SweptParameter solveFor;
        double known; // the target is the figure here, so the answer must come back to it
        const char* entry;
        quorvel::EntryUnits units{};
        const char* answerName = "";
    };
    // One case per parameter, and steam and pressure again in S/C and bar; each figure is
    // monotonic in its parameter.
    const Case cases[] = {
        {quorvel::PointFigureKind::H2toCO, SweptParameter::Ratio, 3.0, "ComboBoxRatio"},
        {quorvel::PointFigureKind::MethaneDryPercent, SweptParameter::Temperature, 800,
         "ComboBoxTemperature"},
        {quorvel::PointFigureKind::MethaneDryPercent, SweptParameter::Pressure, 20,
         "ComboBoxPressure"},
        {quorvel::PointFigureKind::H2toCO,
         SweptParameter::Ratio,
         3.0,
         "ComboBoxRatio",
         {true, quorvel::PressureUnit::Atm},
         "Ответ: отношение пар/углерод (S/C) = "},
        {quorvel::PointFigureKind::MethaneDryPercent,
         SweptParameter::Pressure,
         20,
         "ComboBoxPressure",
         {false, quorvel::PressureUnit::Bar},
         "Ответ: давление, бар = "},
    };
    for (const QLocale& locale : Locales) {
        for (const Case& c : cases) {
            SCOPED_TRACE(locale.name().toStdString() + " " + c.entry);
            quorvel::Engine engine;
            quorvel::MainWindow form(engine, locale);
            if (c.units.steamToCarbon) {
                // A natural gas with water, whose S/C differs from the ratio.
                const double shares[9] = {85, 6, 2, 1, 3, 0, 1, 0, 2};
                for (int i = 0; i < 9; ++i)
                    engine.feedComposition[i] = shares[i];
                quorvel::PreparationVar(engine);
                form.OptionsSteamToCarbonClick(true);
            }
            if (c.units.pressure != quorvel::PressureUnit::Atm)
                form.OptionsPressureUnitClick(c.units.pressure);
            form.FormActivate();
            const quorvel::Engine before = engine;
            quorvel::Engine reference = before;
            const QString targetText = quorvel::FormatGeneral(
                quorvel::FigureAtParameter(reference, c.figure, c.solveFor, c.known),
                Separator(locale));
            const double target = locale.toDouble(targetText);

            form.OptionsGoalSeekClick();
            quorvel::GoalSeekDialog* dialog = form.GoalSeek();
            ASSERT_NE(dialog, nullptr);
            dialog->SetChoice(c.figure, c.solveFor);
            dialog->TargetField()->setText(targetText);
            dialog->CalculateButton()->click();
            ASSERT_TRUE(dialog->Answer().has_value()) << qPrintable(dialog->Message());
            EXPECT_TRUE(dialog->ApplyButton()->isEnabled());

            // The engine's own search on an untouched copy, within the entries' limits.
            reference = before;
            const quorvel::TargetResult expected =
                quorvel::SearchTarget(reference, c.figure, target, c.solveFor,
                                      quorvel::EntryLimitsOf(c.solveFor, reference.constants));
            ASSERT_EQ(expected.outcome, quorvel::TargetOutcome::Found);
            EXPECT_EQ(dialog->Answer()->value, expected.value);
            EXPECT_EQ(dialog->Answer()->achieved, expected.achieved);
            EXPECT_NEAR(expected.value, c.known, 1e-6 * c.known);
            // The dialog speaks in the entered units.
            const double shown = quorvel::ShownFromModel(engine, c.solveFor, expected.value);
            EXPECT_TRUE(dialog->Message().contains(
                QString::fromUtf8(c.answerName) + quorvel::FormatGeneral(shown, Separator(locale))))
                << qPrintable(dialog->Message());
            // The search left the main window's conditions as they were.
            EXPECT_EQ(engine.InputRatio, before.InputRatio);
            EXPECT_EQ(engine.InputTemperature, before.InputTemperature);
            EXPECT_EQ(engine.processConditions.InputPressure,
                      before.processConditions.InputPressure);

            const int cycles = form.CycleCount();
            dialog->ApplyButton()->click();
            EXPECT_EQ(form.CycleCount(), cycles + 1);
            const double applied = c.solveFor == SweptParameter::Ratio ? engine.InputRatio
                                   : c.solveFor == SweptParameter::Temperature
                                       ? engine.InputTemperature
                                       : engine.processConditions.InputPressure;
            EXPECT_NEAR(applied, expected.value, 1e-13 * expected.value);
            const auto* entry = form.findChild<QComboBox*>(c.entry);
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(
                quorvel::ModelFromShown(engine, c.solveFor, locale.toDouble(entry->currentText())),
                applied);
        }
    }
}

TEST(GoalSeekDialogTest, TargetOutOfReachOrUnreadableIsRefusedWithNothingToApply) {
    for (const QLocale& locale : Locales) {
        quorvel::Engine engine;
        quorvel::MainWindow form(engine, locale);
        form.FormActivate();
        form.OptionsGoalSeekClick();
        quorvel::GoalSeekDialog* dialog = form.GoalSeek();
        dialog->SetChoice(quorvel::PointFigureKind::H2toCO, SweptParameter::Ratio);
        quorvel::Engine reference = engine;
        dialog->TargetField()->setText(quorvel::FormatGeneral(
            quorvel::FigureAtParameter(reference, quorvel::PointFigureKind::H2toCO,
                                       SweptParameter::Ratio, 2.5),
            Separator(locale)));
        dialog->CalculateButton()->click();
        ASSERT_TRUE(dialog->ApplyButton()->isEnabled()) << qPrintable(dialog->Message());
        // H2/CO cannot reach 1000 at any ratio: the span is named, nothing may be applied.
        reference = engine;
        const quorvel::TargetResult far =
            quorvel::SearchTarget(reference, quorvel::PointFigureKind::H2toCO, 1000,
                                  SweptParameter::Ratio, quorvel::RatioLimits);
        ASSERT_EQ(far.outcome, quorvel::TargetOutcome::OutOfReach);
        dialog->TargetField()->setText(QStringLiteral("1000"));
        dialog->CalculateButton()->click();
        EXPECT_FALSE(dialog->Answer().has_value());
        EXPECT_FALSE(dialog->ApplyButton()->isEnabled());
        const QString message = dialog->Message();
        EXPECT_TRUE(message.contains(QStringLiteral("не достигает"))) << qPrintable(message);
        EXPECT_TRUE(message.contains(quorvel::FormatGeneral(far.lowest, Separator(locale))));
        EXPECT_TRUE(message.contains(quorvel::FormatGeneral(far.highest, Separator(locale))));
        // The other locale's separator does not read.
        dialog->TargetField()->setText(locale.decimalPoint() == QStringLiteral(",")
                                           ? QStringLiteral("4.5")
                                           : QStringLiteral("4,5"));
        EXPECT_FALSE(dialog->Calculate(engine));
        EXPECT_FALSE(dialog->Answer().has_value());
        EXPECT_TRUE(dialog->Message().contains(QStringLiteral("не прочитано")));
    }
}

TEST(GoalSeekDialogTest, WorkedExampleOfTheHelpComesOutOfTheWindow) {
    // 70 % CH4 and 30 % CO2 at 950 degrees C and 20 atm: H2/CO = 2 at the ratio 0.76076(49).
    for (const QLocale& locale : Locales) {
        quorvel::Engine engine;
        quorvel::MainWindow form(engine, locale);
        engine.feedComposition.CH4() = 70;
        engine.feedComposition.CO2() = 30;
        quorvel::PreparationVar(engine);
        form.findChild<QComboBox*>("ComboBoxTemperature")->setEditText(QStringLiteral("950"));
        form.findChild<QComboBox*>("ComboBoxPressure")->setEditText(QStringLiteral("20"));
        form.FormActivate();
        ASSERT_EQ(engine.InputTemperature, 950);
        form.OptionsGoalSeekClick();
        quorvel::GoalSeekDialog* dialog = form.GoalSeek();
        dialog->SetChoice(quorvel::PointFigureKind::H2toCO, SweptParameter::Ratio);
        dialog->TargetField()->setText(QStringLiteral("2"));
        ASSERT_TRUE(dialog->Calculate(engine)) << qPrintable(dialog->Message());
        EXPECT_NEAR(dialog->Answer()->value, 0.7607649, 1e-7);
        EXPECT_NEAR(dialog->Answer()->achieved, 2, 1e-8);
    }
}

// Fills the six grid fields, texts written with a point.
void SetGrid(quorvel::MapWindow& window, const QLocale& locale, const char* const (&texts)[6]) {
    for (int i = 0; i < quorvel::MapWindow::FieldCount; ++i)
        window.Field(i)->setText(InLocale(texts[i], locale));
}

TEST(MapWindowTest, CellsAreTheEngineMapOfThatGridAndTheCsvIsItsOwn) {
    const char* const grid[6] = {"800", "900", "50", "10", "20", "2.5"};
    for (const QLocale& locale : Locales) {
        for (const quorvel::MapFigure figure :
             {quorvel::MapFigure::CarbonLimit, quorvel::MapFigure::MethaneSlip,
              quorvel::MapFigure::H2toCO}) {
            SCOPED_TRACE(locale.name().toStdString() + " " +
                         std::to_string(static_cast<int>(figure)));
            quorvel::Engine engine;
            quorvel::InitialSetData(engine);
            engine.InputRatio = 1.5; // carbon forms below the limit somewhere on this grid
            quorvel::MapWindow window(locale);
            window.SetFigure(figure);
            SetGrid(window, locale, grid);
            ASSERT_TRUE(window.Calculate(engine)) << window.Message().toStdString();

            auto expected = std::make_unique<quorvel::ReformingMap>();
            expected->temperatureCount = 3;
            expected->pressureCount = 5;
            for (int t = 0; t < 3; ++t)
                expected->temperatures[t] = 800 + 50 * t;
            for (int p = 0; p < 5; ++p)
                expected->pressures[p] = 10 + 2.5 * p;
            quorvel::Engine reference = engine;
            quorvel::ComputeReformingMap(reference, figure, *expected);

            const quorvel::ReformingMap& map = window.Map();
            ASSERT_EQ(map.temperatureCount, 3);
            ASSERT_EQ(map.pressureCount, 5);
            const quorvel::MapGrid& shown = window.Grid();
            ASSERT_EQ(shown.value.size(), 15u);
            int defined = 0;
            for (int t = 0; t < 3; ++t) {
                EXPECT_EQ(map.temperatures[t], expected->temperatures[t]);
                EXPECT_EQ(shown.temperatureC[static_cast<size_t>(t)], expected->temperatures[t]);
                for (int p = 0; p < 5; ++p) {
                    const int cell = t * 5 + p;
                    EXPECT_TRUE(SameCell(map.values[cell], expected->values[cell])) << cell;
                    // The chart holds the cells pressure by pressure, as the map shows them.
                    EXPECT_TRUE(
                        SameCell(shown.value[static_cast<size_t>(p * 3 + t)],
                                 quorvel::MapCellValue(reference, figure, *expected, cell)));
                    defined += std::isfinite(map.values[cell]) ? 1 : 0;
                }
            }
            EXPECT_GT(defined, 0);
            EXPECT_EQ(window.CsvLines(), quorvel::MapCsvLines(reference, figure, *expected));

            // The readout under the mouse names the cell with the locale's separator.
            window.Chart()->resize(600, 400);
            window.Chart()->grab();
            const QString readout = window.Chart()->ShowMapReadoutAt(QPoint(300, 200));
            EXPECT_TRUE(readout.contains(locale.decimalPoint())) << qPrintable(readout);

            // File, Export CSV writes those lines.
            QTemporaryDir dir;
            const QString name = dir.filePath(QStringLiteral("map.csv"));
            QString error;
            ASSERT_TRUE(window.ExportCsvFile(name, &error)) << qPrintable(error);
            QFile file(name);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromUtf8(file.readAll()), window.CsvLines().join(u'\n') + u'\n');
        }
    }
}

TEST(MapWindowTest, BadGridIsRefusedWithAMessageAndTheLastMapKept) {
    const char* const good[6] = {"800", "900", "50", "10", "20", "5"};
    const char* const bad[][6] = {
        {"800", "x", "50", "10", "20", "5"},     // unreadable
        {"800", "900", "50", "10", "20", ""},    // empty
        {"250", "900", "50", "10", "20", "5"},   // below the temperature limit
        {"800", "1000", "50", "10", "20", "5"},  // above it (builtin constants)
        {"800", "900", "50", "0.5", "20", "5"},  // below the pressure limit
        {"900", "800", "50", "10", "20", "5"},   // end below start
        {"800", "900", "0", "10", "20", "5"},    // no step
        {"800", "900", "-10", "10", "20", "5"},  // negative step
        {"300", "980", "1", "10", "20", "5"},    // 681 temperatures
        {"800", "900", "50", "1", "30", "0.25"}, // 117 pressures
    };
    for (const QLocale& locale : Locales) {
        quorvel::Engine engine;
        quorvel::InitialSetData(engine);
        quorvel::MapWindow window(locale);
        window.SetFigure(quorvel::MapFigure::MethaneSlip);
        SetGrid(window, locale, good);
        ASSERT_TRUE(window.Calculate(engine));
        const QStringList lines = window.CsvLines();
        for (const auto& texts : bad) {
            SCOPED_TRACE(std::string(texts[0]) + " " + texts[1] + " " + texts[2] + " " + texts[3] +
                         " " + texts[4] + " " + texts[5]);
            SetGrid(window, locale, texts);
            EXPECT_FALSE(window.Calculate(engine));
            EXPECT_FALSE(window.Message().isEmpty());
            EXPECT_EQ(window.CsvLines(), lines);
            EXPECT_EQ(window.Map().temperatureCount, 3);
        }
        // 101 points is allowed, and standard data widens the limits to 1000 degrees C.
        const char* const widest[6] = {"300", "980", "6.8", "10", "20", "5"};
        SetGrid(window, locale, widest);
        EXPECT_TRUE(window.Calculate(engine)) << qPrintable(window.Message());
        EXPECT_EQ(window.Map().temperatureCount, 101);
        EXPECT_TRUE(window.Message().isEmpty());
        engine.constants = quorvel::ConstantsSource::Standard;
        SetGrid(window, locale, bad[3]);
        EXPECT_TRUE(window.Calculate(engine)) << qPrintable(window.Message());
        EXPECT_EQ(window.Map().temperatureCount, 5);
        EXPECT_EQ(window.Map().temperatures[4], 1000);
    }
}

} // namespace
