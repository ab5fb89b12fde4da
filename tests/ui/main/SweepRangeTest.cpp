// Options, "Sweep range...": a chosen range gives quorvel-sweep's table with --from, --to
// and --step (both decimal separators, a clamped start and end), a refused range leaves
// the sweep as it was, the choice survives a restart, and a range kept in other units
// gives way to the design's grid.

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include "MainFormTestSupport.h"
#include "engine/InputLimits.h"
#include "ui/dialogs/SweepRangeDialog.h"
#include "ui/main/SweepRangeSettings.h"

namespace {

class SweepRangeTest : public MainFormWithSettingsTest {
protected:
    void Forget() override {
        for (const quorvel::SweptParameter swept : quorvel::AllSweptParameters)
            quorvel::SaveSweepRange(swept, {});
    }
    quorvel::SweepRangeDialog* OpenDialog() {
        form->findChild<QAction*>("OptionsSweepRangeItem")->trigger();
        return form->SweepRangeChoice();
    }
    static void Type(quorvel::SweepRangeDialog* dialog, const QStringList& texts) {
        dialog->OwnRange()->setChecked(true);
        for (int i = 0; i < 3; ++i)
            dialog->Field(i)->setText(texts[i]);
    }
};

TEST_F(SweepRangeTest, ChosenRangeGivesTheCommandLinesTableRefusesBadRangesAndIsRemembered) {
    for (const QLocale& locale :
         {RussianLocale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const QString sep = locale.decimalPoint();
        const QString other = sep == "," ? "." : ",";
        const QStringList separator{"--decimal-separator", sep};
        OpenWithMenus(locale);
        const QStringList design = form->MemoLines();
        ASSERT_EQ(design, SweepProgramLines(separator));

        quorvel::SweepRangeDialog* dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        // Nothing chosen: the design's grid is offered, the fields are closed.
        EXPECT_FALSE(dialog->OwnRange()->isChecked());
        EXPECT_FALSE(dialog->Field(0)->isEnabled());
        EXPECT_EQ(dialog->Field(0)->text(), "0" + sep + "2");
        EXPECT_EQ(dialog->Field(1)->text(), "4");
        EXPECT_EQ(dialog->Field(2)->text(), "0" + sep + "05");

        // Refused ranges: the dialog stays open with the reason, nothing changes.
        const quorvel::SweepRange before = engine->sweepRange;
        const struct {
            QStringList texts;
            QString message;
        } refused[] = {
            {{"0" + other + "5", "3", "1"},
             "Поле «начало диапазона» не прочитано: «0" + other + "5» не число."},
            {{"1", "3", ""}, "Поле «шаг диапазона» не прочитано: «» не число."},
            {{"1", "3", "0"}, "Шаг диапазона должен быть больше нуля."},
            {{"1", "3", "-0" + sep + "5"}, "Шаг диапазона должен быть больше нуля."},
            {{"3", "1", "0" + sep + "1"}, "Конец диапазона (1) меньше начала (3)."},
            {{"0" + sep + "2", "4", "0" + sep + "01"},
             "Число точек диапазона (от 0" + sep + "2 до 4 с шагом 0" + sep +
                 "01) было бы 381, а допускается не более 101: увеличьте шаг."},
        };
        for (const auto& input : refused) {
            Type(dialog, input.texts);
            dialog->ButtonOkClick();
            EXPECT_TRUE(dialog->isVisible()) << input.message.toStdString();
            EXPECT_EQ(dialog->Message(), input.message);
            EXPECT_EQ(form->CycleCount(), 1);
            EXPECT_EQ(engine->sweepRange.count, before.count);
            EXPECT_EQ(engine->sweepRange.chosen, before.chosen);
            EXPECT_FALSE(quorvel::LoadSweepRange(quorvel::SweptParameter::Ratio).chosen);
        }
        dialog->reject();

        // Beyond the limits: clamped as the entries are, shown, and taken by a second OK;
        // the table then is quorvel-sweep's with the same range, line for line.
        dialog = OpenDialog();
        Type(dialog, {"0" + sep + "1", "6", "0" + sep + "25"});
        dialog->ButtonOkClick();
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->Message().startsWith("Начало диапазона 0" + sep + "1 вне пределов 0" +
                                                 sep + "2..5, принято 0" + sep + "2"))
            << dialog->Message().toStdString();
        EXPECT_EQ(dialog->Field(0)->text(), "0" + sep + "2");
        EXPECT_EQ(dialog->Field(1)->text(), "5");
        dialog->ButtonOkClick();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(form->CycleCount(), 2);
        const QStringList chosen = SweepProgramLines(
            separator + QStringList{"--from", "0.1", "--to", "6", "--step", "0.25"});
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(form->MemoLines(), chosen);
        EXPECT_NE(chosen, design);
        EXPECT_TRUE(engine->sweepRange.chosen);
        EXPECT_EQ(engine->sweepRange.count, 20);

        // The next run sweeps the same range, and the dialog offers it again.
        CloseWindow();
        OpenWithMenus(locale);
        EXPECT_EQ(form->MemoLines(), chosen);
        dialog = OpenDialog();
        EXPECT_TRUE(dialog->OwnRange()->isChecked());
        EXPECT_EQ(dialog->Field(2)->text(), "0" + sep + "25");
        dialog->reject();

        // Each swept parameter has its own range: the temperature sweep keeps the design's
        // grid until it is given one, and the steam ratio's range comes back with it.
        Choose("RadioGroupAxisX", 1);
        const QStringList byTemperature = separator + QStringList{"--sweep", "temperature"};
        EXPECT_EQ(form->MemoLines(), SweepProgramLines(byTemperature));
        dialog = OpenDialog();
        EXPECT_FALSE(dialog->OwnRange()->isChecked());
        EXPECT_EQ(dialog->Field(0)->text(), "750");
        Type(dialog, {"400", "550", "7" + sep + "5"});
        dialog->ButtonOkClick();
        EXPECT_FALSE(dialog->isVisible()) << dialog->Message().toStdString();
        EXPECT_EQ(form->MemoLines(),
                  SweepProgramLines(byTemperature +
                                    QStringList{"--from", "400", "--to", "550", "--step", "7.5"}));
        Choose("RadioGroupAxisX", 0);
        EXPECT_EQ(form->MemoLines(), chosen);

        // "По умолчанию" gives the design's table back, and is remembered too.
        dialog = OpenDialog();
        dialog->UseDesignGrid();
        dialog->ButtonOkClick();
        EXPECT_EQ(form->MemoLines(), design);
        CloseWindow();
        OpenWithMenus(locale);
        EXPECT_EQ(form->MemoLines(), design);
        TearDown();
    }
}

TEST_F(SweepRangeTest, RangeKeptInOtherUnitsOrBeyondTodaysLimitsGivesWayToTheDesignGrid) {
    using quorvel::SweptParameter;
    quorvel::Engine model;
    quorvel::InitialSetData(model);
    const quorvel::RememberedRange inBar{true, 20, 30, 1, "bar"};
    EXPECT_FALSE(quorvel::UsableSweepRange(inBar, model, SweptParameter::Pressure));
    quorvel::RememberedRange inAtm = inBar;
    inAtm.units = "atm";
    const auto usable = quorvel::UsableSweepRange(inAtm, model, SweptParameter::Pressure);
    ASSERT_TRUE(usable);
    EXPECT_EQ(usable->count, 11);
    EXPECT_TRUE(usable->chosen);
    // Kept under standard data (up to 100 atm), swept with the builtin constants: the end
    // is clamped to 30 atm as an entry would be.
    const auto clamped =
        quorvel::UsableSweepRange({true, 20, 80, 1, "atm"}, model, SweptParameter::Pressure);
    ASSERT_TRUE(clamped);
    EXPECT_EQ(clamped->last, quorvel::PressureLimits.upper);
    EXPECT_EQ(clamped->count, 11);
    // Beyond the limits altogether it shrinks to the limit, as quorvel-sweep's range does;
    // one that cannot be swept (a settings file edited by hand) gives the design's grid.
    const auto single =
        quorvel::UsableSweepRange({true, 40, 80, 1, "atm"}, model, SweptParameter::Pressure);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->count, 1);
    EXPECT_EQ(single->first, quorvel::PressureLimits.upper);
    for (const quorvel::RememberedRange& bad : {quorvel::RememberedRange{true, 20, 30, 0, "atm"},
                                                {true, 30, 20, 1, "atm"},
                                                {true, 1, 30, 0.1, "atm"},
                                                {false, 20, 30, 1, "atm"}})
        EXPECT_FALSE(quorvel::UsableSweepRange(bad, model, SweptParameter::Pressure))
            << bad.from << " " << bad.to << " " << bad.step;

    // The dialog does not offer a range of other units, and says why.
    quorvel::SweepRangeDialog dialog(RussianLocale);
    dialog.Present(model, SweptParameter::Pressure, inBar);
    EXPECT_FALSE(dialog.OwnRange()->isChecked());
    EXPECT_TRUE(dialog.UnitsNote().contains("в других единицах (bar)"))
        << dialog.UnitsNote().toStdString();
    EXPECT_EQ(dialog.Field(0)->text(), "15");
    EXPECT_EQ(dialog.Field(2)->text(), "0,5");
    dialog.Present(model, SweptParameter::Pressure, inAtm);
    EXPECT_TRUE(dialog.OwnRange()->isChecked());
    EXPECT_TRUE(dialog.UnitsNote().isEmpty());
    EXPECT_EQ(dialog.Field(1)->text(), "30");
}

} // namespace
