// The Options menu: its place and item, the recalculation a choice starts, the table
// header of standard runs, and the choice remembered in the (test-only) settings.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>

#include "MainFormTestSupport.h"
#include "ui/dialogs/MapWindow.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"
#include "ui/main/MainMenu.h"
#include "ui/train/TrainWindow.h"

namespace {

const QString StandardLine = QStringLiteral("Константы равновесия: стандартные данные NASA");

QSettings TestSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                     QStringLiteral("quorvel"));
}

class OptionsMenuTest : public MainFormWithDialogsTest {
protected:
    void SetUp() override { TestSettings().remove(quorvel::MainMenu::StandardDataKey()); }
    void TearDown() override {
        MainFormWithDialogsTest::TearDown();
        TestSettings().remove(quorvel::MainMenu::StandardDataKey());
    }

    QAction* Item() const { return form->findChild<QAction*>("OptionsStandardDataItem"); }
    QStringList Table() const {
        return form->findChild<QPlainTextEdit*>("Memo")->toPlainText().split(u'\n');
    }
};

TEST_F(OptionsMenuTest, SitsBetweenEditAndHelpWithOneCheckableItemOffAtFirst) {
    OpenWithMenus();
    QStringList captions;
    for (const QAction* action : form->menuBar()->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"&File", "&Edit", "&Options", "&Help"}));
    const QMenu* menu = form->findChild<QMenu*>("OptionsMenu");
    ASSERT_NE(menu, nullptr);
    // The data item and the plant conditions first; the carbon items follow after a
    // separator, the picture caption last.
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"&Standard thermodynamic data (NASA)", "S&weep range...",
                                  "St&eam as S/C", "Pressure &unit", "-", "&Inlet temperatures...",
                                  "&Approach to equilibrium...", "Approach from gas a&nalysis...",
                                  "Process &train...", "&Goal seek...", "&Maps...", "-",
                                  "Mark &carbon formation", "Carbon &limit...",
                                  "Ca&ption under chart pictures"}));
    // The train window opens non-modal, once, on the main window's feed.
    QAction* train = menu->findChild<QAction*>("OptionsProcessTrainItem");
    ASSERT_NE(train, nullptr);
    train->trigger();
    train->trigger();
    ASSERT_NE(form->ProcessTrain(), nullptr);
    EXPECT_EQ(form->findChildren<quorvel::TrainWindow*>().size(), 1);
    EXPECT_TRUE(form->ProcessTrain()->isVisible());
    EXPECT_FALSE(form->ProcessTrain()->isModal());
    EXPECT_TRUE(
        form->ProcessTrain()->windowTitle().startsWith(QString::fromUtf8("Технологическая схема")));
    form->ProcessTrain()->close();
    // The map window opens on the map of its default grid, not on an empty chart.
    QAction* maps = menu->findChild<QAction*>("OptionsMapsItem");
    ASSERT_NE(maps, nullptr);
    maps->trigger();
    ASSERT_NE(form->Maps(), nullptr);
    EXPECT_TRUE(form->Maps()->isVisible());
    EXPECT_TRUE(form->Maps()->HasMap());
    form->Maps()->close();
    ASSERT_EQ(menu->actions().front(), Item());
    EXPECT_EQ(Item()->text(), QStringLiteral("&Standard thermodynamic data (NASA)"));
    EXPECT_TRUE(Item()->isCheckable());
    EXPECT_FALSE(Item()->isChecked());
    EXPECT_EQ(engine->constants, quorvel::ConstantsSource::Builtin);
    EXPECT_FALSE(Table().contains(StandardLine));
    // The settings live in the tests' own folder, never the user's.
    EXPECT_TRUE(TestSettings().fileName().startsWith(QDir::tempPath()))
        << TestSettings().fileName().toStdString();
}

TEST_F(OptionsMenuTest, ChoosingRecalculatesAndTheHeaderNamesTheData) {
    for (const QLocale& locale : {RussianLocale, QLocale::c()}) {
        OpenWithMenus(locale);
        const QStringList seedTable = Table();
        ASSERT_EQ(seedTable.size(), 5 + 77);

        Item()->trigger();
        EXPECT_EQ(form->CycleCount(), 2);
        EXPECT_TRUE(Item()->isChecked());
        EXPECT_EQ(engine->constants, quorvel::ConstantsSource::Standard);
        const QStringList standardTable = Table();
        ASSERT_EQ(standardTable.size(), 6 + 77);
        EXPECT_EQ(standardTable.mid(0, 2), seedTable.mid(0, 2));
        EXPECT_EQ(standardTable[2], StandardLine);
        EXPECT_EQ(standardTable.mid(3, 3), seedTable.mid(2, 3));
        // The start-up point (ratio 2.5): 6.50 % methane on the standard data, 7.07 %
        // on the correlation.
        const QString decimal = locale.decimalPoint();
        EXPECT_TRUE(
            standardTable[6 + 46].startsWith("    2" + decimal + "50   0" + decimal + "0650"))
            << standardTable[6 + 46].toStdString();
        EXPECT_TRUE(seedTable[5 + 46].startsWith("    2" + decimal + "50   0" + decimal + "0707"));
        // Other views carry the line too.
        Choose("RadioGroupAxisX", 1);
        EXPECT_EQ(Table()[2], StandardLine);

        Item()->trigger();
        EXPECT_EQ(form->CycleCount(), 4);
        EXPECT_EQ(engine->constants, quorvel::ConstantsSource::Builtin);
        EXPECT_FALSE(Table().contains(StandardLine));
        Choose("RadioGroupAxisX", 0);
        EXPECT_EQ(Table(), seedTable); // back to the correlation, byte for byte
        CloseWindow();
    }
}

TEST_F(OptionsMenuTest, TheChoiceIsRememberedForTheNextRun) {
    OpenWithMenus();
    Item()->trigger();
    EXPECT_TRUE(TestSettings().value(quorvel::MainMenu::StandardDataKey()).toBool());
    CloseWindow();

    // The next run starts with the item checked and its first table on the standard data.
    OpenWithMenus();
    EXPECT_TRUE(Item()->isChecked());
    EXPECT_EQ(engine->constants, quorvel::ConstantsSource::Standard);
    EXPECT_EQ(Table()[2], StandardLine);
    Item()->trigger();
    EXPECT_FALSE(TestSettings().value(quorvel::MainMenu::StandardDataKey()).toBool());
    CloseWindow();

    OpenWithMenus();
    EXPECT_FALSE(Item()->isChecked());
    EXPECT_TRUE(Table()[2].isEmpty());
}

} // namespace
