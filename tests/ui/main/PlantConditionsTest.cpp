// The plant conditions of the Options menu: the inlet temperatures and the approach to
// equilibrium from their dialogs (both decimal separators, refused values, remembered
// between runs), checked against quorvel-sweep, and the read-back window of a gas
// analysis with its messages.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "MainFormTestSupport.h"
#include "ui/dialogs/ApproachReadBackWindow.h"
#include "ui/dialogs/ValuePairDialog.h"
#include "ui/main/PlantSettings.h"
#include "ui/main/ReadoutFigures.h"

namespace {

class PlantConditionsTest : public MainFormWithSettingsTest {
protected:
    void Forget() override {
        quorvel::SaveInletTemperatures({});
        quorvel::SaveApproach({});
    }
    void Trigger(const char* item) { form->findChild<QAction*>(item)->trigger(); }
    static QString Sep(const QLocale& locale) { return locale.decimalPoint(); }
};

TEST_F(PlantConditionsTest, DialogsSetTheSweepAsTheCommandLineDoesAndAreRemembered) {
    for (const QLocale& locale :
         {RussianLocale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        OpenWithMenus(locale);
        Trigger("OptionsApproachItem");
        quorvel::ValuePairDialog* approach = form->ApproachDialog();
        ASSERT_TRUE(approach->isVisible());
        EXPECT_EQ(approach->Edit(0)->text(), "0");
        approach->Edit(0)->setText("15" + Sep(locale) + "5");
        approach->Edit(1)->setText("250"); // out of range: refused, nothing changes
        approach->ButtonOkClick();
        EXPECT_TRUE(approach->isVisible());
        EXPECT_TRUE(approach->Message().startsWith("Конверсия CO, ΔT2: 250 вне пределов"))
            << approach->Message().toStdString();
        EXPECT_EQ(form->CycleCount(), 1);
        approach->Edit(1)->setText("5");
        approach->ButtonOkClick();
        EXPECT_FALSE(approach->isVisible());
        EXPECT_EQ(form->CycleCount(), 2);

        Trigger("OptionsInletTemperaturesItem");
        quorvel::ValuePairDialog* inlet = form->InletDialog();
        ASSERT_TRUE(inlet->isVisible());
        EXPECT_EQ(inlet->Edit(0)->text(), ""); // not given: the point's temperature
        // The other locale's separator is not a number here.
        inlet->Edit(0)->setText(QStringLiteral("520") + (Sep(locale) == "," ? "." : ",") + "5");
        inlet->ButtonOkClick();
        EXPECT_TRUE(inlet->Message().contains("не число")) << inlet->Message().toStdString();
        inlet->Edit(0)->setText("520" + Sep(locale) + "5");
        inlet->Edit(1)->setText("600");
        inlet->ButtonOkClick();
        EXPECT_EQ(form->CycleCount(), 3);

        // The table and every heat duty are those of quorvel-sweep with the same options.
        const QStringList options{"--approach-reforming", "15.5",  "--approach-shift",    "5",
                                  "--feed-temperature",   "520.5", "--steam-temperature", "600"};
        EXPECT_EQ(form->MemoLines(),
                  SweepProgramLines(options + QStringList{"--decimal-separator", Sep(locale)}));
        const QStringList csv = SweepProgramLines(options + QStringList{"--format", "csv"});
        ASSERT_FALSE(csv.isEmpty());
        const int column = csv.front().split(u',').indexOf("heat_duty_kj_per_mol");
        ASSERT_GE(column, 0);
        ASSERT_EQ(csv.size() - 1, engine->resultSeries.LastIndex + 1);
        for (int i = 0; i + 1 < csv.size(); ++i) {
            EXPECT_EQ(csv[i + 1].split(u',')[column].toDouble(), engine->figures.HeatDuty[i])
                << "point " << i;
        }
        EXPECT_EQ(quorvel::HeatDutyCaption(engine->inlet, Sep(locale).front()),
                  "Теплота процесса от входа (газ 520" + Sep(locale) +
                      "5 °C, пар 600 °C), кДж/моль");

        // The next run starts with the same conditions.
        CloseWindow();
        OpenWithMenus(locale);
        EXPECT_EQ(engine->approach.Reforming, 15.5);
        EXPECT_EQ(engine->approach.Shift, 5);
        EXPECT_TRUE(engine->inlet.feedGiven && engine->inlet.steamGiven);
        EXPECT_EQ(engine->inlet.feedCelsius, 520.5);
        EXPECT_EQ(form->MemoLines()[2], "Приближение к равновесию: конверсия метана 15" +
                                            Sep(locale) + "5 K, конверсия CO 5 K");
        Trigger("OptionsInletTemperaturesItem");
        EXPECT_EQ(form->InletDialog()->Edit(0)->text(), "520" + Sep(locale) + "5");
        form->InletDialog()->Edit(0)->clear(); // back to the point's own temperature
        form->InletDialog()->ButtonOkClick();
        EXPECT_FALSE(engine->inlet.feedGiven);
        TearDown();
    }
}

TEST_F(PlantConditionsTest, ReadBackWindowGivesTheCommandLinesResultAndRefusesBadAnalyses) {
    for (const QLocale& locale :
         {RussianLocale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        OpenWithMenus(locale);
        const QString sep = Sep(locale);
        auto enter = [this](const char* entry, const QString& text) {
            Type(Entry(entry), text);
            Press(Entry(entry), Qt::Key_Return);
        };
        enter("ComboBoxRatio", "3");
        enter("ComboBoxTemperature", "880");
        enter("ComboBoxPressure", "24" + sep + "673");
        Trigger("OptionsApproachReadBackItem");
        quorvel::ApproachReadBackWindow* window = form->ApproachReadBack();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->windowTitle(), "Приближение к равновесию по анализу газа");
        auto analysis = [window](const QStringList& values) {
            for (int i = 0; i < 5; ++i)
                window->Field(i)->setText(values[i]);
            window->findChild<QPushButton*>("CalculateButton")->click();
        };
        analysis({"4" + sep + "5", "14" + sep + "1", "7" + sep + "8", "73" + sep + "6", ""});
        EXPECT_EQ(window->Message(), "");
        EXPECT_EQ(window->ResultLines(),
                  SweepProgramLines({"--approach-from", "CH4=4.5,CO=14.1,CO2=7.8,H2=73.6",
                                     "--ratio", "3", "--temperature", "880", "--pressure", "24.673",
                                     "--decimal-separator", sep}));
        ASSERT_FALSE(window->ResultLines().isEmpty());

        analysis({"4" + sep + "5", "14" + sep + "1", "7" + sep + "8", "73" + sep + "6", "1"});
        EXPECT_TRUE(window->Message().startsWith("Анализ газа в сумме дает 101" + sep + "00 % об."))
            << window->Message().toStdString();
        EXPECT_TRUE(window->ResultLines().isEmpty());
        analysis({"4,5.", "14", "8", "73", ""});
        EXPECT_TRUE(window->Message().contains("CH4")) << window->Message().toStdString();
        analysis({"0", "14", "8", "73", ""});
        EXPECT_TRUE(window->Message().contains("вне пределов"));

        // Far too much oxygen in the dry gas for the little steam fed: negative water.
        enter("ComboBoxRatio", "0" + sep + "2");
        analysis({"1", "1", "60", "38", ""});
        EXPECT_TRUE(window->Message().startsWith("Анализ газа противоречит исходному газу"))
            << window->Message().toStdString();
        EXPECT_TRUE(window->ResultLines().isEmpty());
        TearDown();
    }
}

} // namespace
