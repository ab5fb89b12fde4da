// Steam as S/C and the pressure unit in the main window: the entries, the table and the
// chart in the entered units give quorvel-sweep's tables, switching back restores the
// table byte for byte, the choices are remembered, and S/C is refused for a feed without
// hydrocarbons.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

#include "MainFormTestSupport.h"
#include "chart/widget/TChart.h"
#include "engine/Engine.h"
#include "report/NumberFormat.h"
#include "ui/dialogs/MapWindow.h"
#include "ui/main/ExportActions.h"
#include "ui/main/MainMenu.h"

namespace {

// A natural gas with some water, so that S/C differs from the ratio.
const int FeedShares[9] = {85, 6, 2, 1, 3, 0, 1, 0, 2};
const QString FeedArgument = QStringLiteral("85,6,2,1,3,0,1,0,2");

const QString SteamToCarbonName = QStringLiteral("Отношение пар/углерод (S/C)");
const QString Refusal = QStringLiteral("В исходном газе нет углеводородов: отношение "
                                       "пар/углерод (S/C) не определено. Пар задается "
                                       "соотношением пар/метан.");

class EntryUnitsTest : public MainFormWithSettingsTest {
protected:
    void Forget() override {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                           QStringLiteral("quorvel"));
        settings.remove(quorvel::MainMenu::SteamToCarbonKey());
        settings.remove(quorvel::MainMenu::PressureUnitKey());
    }
    QAction* Item(const QString& name) const { return form->findChild<QAction*>(name); }
    QAction* SteamToCarbonItem() const { return Item("OptionsSteamToCarbonItem"); }
    QAction* UnitItem(const char* word) const {
        return Item(QStringLiteral("OptionsPressureUnit_") + QLatin1String(word));
    }
    QString LabelText(const char* name) const { return form->findChild<QLabel*>(name)->text(); }
    QString BottomAxisTitle() const {
        return form->findChild<quorvel::TChart*>("Chart")
            ->Model()
            .Axis(quorvel::TChartAxisId::Bottom)
            .Title()
            .Caption;
    }
    void SetFeed(const int (&shares)[9]) {
        for (int i = 0; i < 9; ++i)
            engine->feedComposition[i] = shares[i];
        quorvel::PreparationVar(*engine);
    }
};

TEST_F(EntryUnitsTest, EnteredUnitsGiveTheCommandLinesTablesAndSwitchingBackRestoresTheTable) {
    for (const QLocale& locale :
         {RussianLocale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const QString sep = locale.decimalPoint();
        OpenWithMenus(locale);
        SetFeed(FeedShares);
        Choose("RadioGroupAxisX", 1); // a temperature sweep: the steam entry is shown
        const QStringList common{"--decimal-separator", sep, "--feed", FeedArgument};
        const QStringList seed = form->MemoLines();
        ASSERT_EQ(seed, SweepProgramLines(common + QStringList{"--sweep", "temperature"}));

        // S/C: the entry restates 2.5 mol steam per mol feed gas as S/C of this feed.
        SteamToCarbonItem()->trigger();
        ASSERT_TRUE(engine->units.steamToCarbon);
        const QString steamToCarbon = quorvel::FormatGeneral(
            quorvel::SteamToCarbonOfRatio(engine->feedTotals, 2.5), sep.front());
        EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), steamToCarbon);
        EXPECT_EQ(LabelText("LabelRatio"), QStringLiteral("Пар/углерод (S/C)"));
        QString point = steamToCarbon;
        point.replace(sep, ".");
        const QStringList inSteamToCarbon = {"--steam-to-carbon", point};
        EXPECT_EQ(form->MemoLines(), SweepProgramLines(common + inSteamToCarbon +
                                                       QStringList{"--sweep", "temperature"}));

        // bar on top: 25 atm is 25.33125 bar.
        UnitItem("bar")->trigger();
        EXPECT_EQ(Entry("ComboBoxPressure")->currentText(), "25" + sep + "33125");
        EXPECT_EQ(LabelText("LabelPressure"), QStringLiteral("Давление, бар"));
        const QStringList inBar = {"--pressure-unit", "bar", "--pressure", "25.33125"};
        EXPECT_EQ(form->MemoLines(), SweepProgramLines(common + inSteamToCarbon + inBar +
                                                       QStringList{"--sweep", "temperature"}));
        // Swept in both units: S/C along the axis, the grid of bar along the other.
        Choose("RadioGroupAxisX", 0);
        EXPECT_EQ(BottomAxisTitle(), SteamToCarbonName);
        EXPECT_EQ(form->MemoLines(), SweepProgramLines(common + inSteamToCarbon + inBar));
        // The exported CSV, after its comments, is the command line's (column s_c).
        QTemporaryDir dir;
        const QString csvFile = dir.filePath("units.csv");
        ASSERT_TRUE(form->Exports().ExportCsvToFile(csvFile));
        QFile csv(csvFile);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        QStringList rows;
        for (const QString& line :
             QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts))
            if (!line.startsWith(u'#'))
                rows << line;
        EXPECT_TRUE(rows.value(0).startsWith("s_c,")) << rows.value(0).toStdString();
        EXPECT_EQ(rows, SweepProgramLines(QStringList{"--feed", FeedArgument, "--format", "csv"} +
                                          inSteamToCarbon + inBar));
        Choose("RadioGroupAxisX", 2);
        EXPECT_EQ(BottomAxisTitle(), QStringLiteral("Давление, бар"));
        EXPECT_EQ(form->MemoLines(), SweepProgramLines(common + inSteamToCarbon + inBar +
                                                       QStringList{"--sweep", "pressure"}));

        // A value beyond the limits is clamped in the entered units: S/C 9 is at most the
        // S/C of the ratio 5.
        Choose("RadioGroupAxisX", 1);
        Type(Entry("ComboBoxRatio"), "9");
        Press(Entry("ComboBoxRatio"), Qt::Key_Return);
        EXPECT_EQ(Entry("ComboBoxRatio")->currentText(),
                  quorvel::FormatGeneral(quorvel::SteamToCarbonOfRatio(engine->feedTotals, 5),
                                         sep.front()));
        EXPECT_NEAR(engine->InputRatio, 5.0, 1e-14);
        Type(Entry("ComboBoxRatio"), steamToCarbon);
        Press(Entry("ComboBoxRatio"), Qt::Key_Return);

        // Back to the ratio and atm: the texts and the table are the start's own.
        SteamToCarbonItem()->trigger();
        UnitItem("atm")->trigger();
        EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), "2" + sep + "5");
        EXPECT_EQ(Entry("ComboBoxPressure")->currentText(), "25");
        EXPECT_EQ(LabelText("LabelRatio"), QStringLiteral("Соотношение пар/метан"));
        EXPECT_EQ(form->MemoLines(), seed);
        EXPECT_TRUE(messages.isEmpty());
        CloseWindow();
    }
}

TEST_F(EntryUnitsTest, ChoicesAreRememberedAndSteamToCarbonNeedsHydrocarbons) {
    OpenWithMenus();
    EXPECT_FALSE(SteamToCarbonItem()->isChecked());
    EXPECT_TRUE(UnitItem("atm")->isChecked());
    SteamToCarbonItem()->trigger();
    UnitItem("mpa")->trigger();
    CloseWindow();

    // The next run starts in S/C and MPa; the start-up methane has S/C equal to the ratio.
    OpenWithMenus();
    EXPECT_TRUE(SteamToCarbonItem()->isChecked());
    EXPECT_TRUE(UnitItem("mpa")->isChecked());
    EXPECT_FALSE(UnitItem("atm")->isChecked());
    EXPECT_EQ(engine->units.pressure, quorvel::PressureUnit::MPa);
    EXPECT_EQ(LabelText("LabelPressure"), QStringLiteral("Давление, МПа"));
    EXPECT_EQ(Entry("ComboBoxPressure")->currentText(), "2,533125");
    EXPECT_NEAR(engine->processConditions.InputPressure, 25.0, 1e-13);
    EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), "2,5");
    // The map window's first grid, written in atm, opens restated in MPa and computed, and
    // follows a later change of the unit.
    Item("OptionsMapsItem")->trigger();
    ASSERT_NE(form->Maps(), nullptr);
    EXPECT_TRUE(form->Maps()->HasMap()) << form->Maps()->Message().toStdString();
    EXPECT_EQ(form->Maps()->Field(3)->text(), "1,519875");
    EXPECT_EQ(form->Maps()->Field(4)->text(), "3,03975");
    UnitItem("atm")->trigger();
    EXPECT_EQ(form->Maps()->Field(3)->text(), "15");
    EXPECT_EQ(form->Maps()->Field(5)->text(), "1");
    UnitItem("mpa")->trigger();
    form->Maps()->close();

    // A feed without hydrocarbons: the next cycle goes back to the ratio for this run,
    // with the value the entry stood for, and says why.
    const int hydrogen[9] = {0, 0, 0, 0, 20, 10, 10, 60, 0};
    SetFeed(hydrogen);
    Choose("RadioGroupAxisY", 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].second, Refusal);
    EXPECT_FALSE(SteamToCarbonItem()->isChecked());
    EXPECT_FALSE(engine->units.steamToCarbon);
    EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), "2,5");
    EXPECT_EQ(engine->InputRatio, 2.5);
    EXPECT_EQ(LabelText("LabelRatio"), QStringLiteral("Соотношение пар/метан"));

    // Choosing S/C now is refused outright: no cycle, the item and the choice stay off.
    const int cycles = form->CycleCount();
    SteamToCarbonItem()->trigger();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].second, Refusal);
    EXPECT_FALSE(SteamToCarbonItem()->isChecked());
    EXPECT_EQ(form->CycleCount(), cycles);
    CloseWindow();
    OpenWithMenus();
    EXPECT_FALSE(SteamToCarbonItem()->isChecked());
}

} // namespace
