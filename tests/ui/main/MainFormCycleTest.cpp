// The recalculation cycle: what starts it, what does not, and the editing protocol of
// the three parameter entries.

#include <QClipboard>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTimer>

#include "MainFormTestSupport.h"
#include "chart/widget/TChart.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TDataForm.h"

TEST_F(MainFormTest, FirstDisplayRunsOneCycleAndShowsTheTable) {
    Create();
    auto* memo = form->findChild<QPlainTextEdit*>("Memo");
    EXPECT_FALSE(memo->isVisibleTo(form.get()));
    EXPECT_EQ(engine->feedComposition.CH4(), 100.0); // set by the window's creation
    form->show();
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_TRUE(memo->isVisible());
    EXPECT_EQ(engine->InputRatio, 2.5);
    EXPECT_EQ(engine->processConditions.InputPressure, 25.0);
    ASSERT_EQ(form->MemoLines().size(), 5 + 77);
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 860"));
    EXPECT_EQ(form->findChild<quorvel::TChart*>("Chart")->Series(0).Count(), 77);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, RadioGroupChoiceRunsACycleButTheChosenItemAgainDoesNot) {
    Open();
    auto* button = Group("RadioGroupAxisX")->Button(2);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(form->MemoLines()[1], QStringLiteral("Температура, град. С         : 860"));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    EXPECT_EQ(form->CycleCount(), 2);
}

TEST_F(MainFormTest, TypingDoesNotRecalculateEscapeRestoresEnterConfirms) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Type(temperature, "900");
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_FALSE(form->Entries().EntryChangeBound(temperature));
    Press(temperature, Qt::Key_Escape);
    EXPECT_EQ(temperature->currentText(), "860");
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_TRUE(form->Entries().EntryChangeBound(temperature));

    Type(temperature, "900");
    Press(temperature, Qt::Key_Return);
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 900"));
    EXPECT_EQ(temperature->count(), 17); // Enter adds no item to the list
    Press(temperature, Qt::Key_Enter);   // the keypad's Enter alike
    EXPECT_EQ(form->CycleCount(), 3);

    // Escape undoes only an edit of its own entry, with that entry's own former text,
    // though another entry's edit began later; a second key does not overwrite it.
    Type(ratio, "3");
    Type(temperature, "9");
    Type(temperature, "5");
    Press(ratio, Qt::Key_Escape);
    EXPECT_EQ(ratio->currentText(), "2,5");
    Press(temperature, Qt::Key_Escape);
    EXPECT_EQ(temperature->currentText(), "900");
    EXPECT_EQ(form->CycleCount(), 3);

    // Escape in an idle entry leaves its text alone, whatever the others were.
    QComboBox* pressure = Entry("ComboBoxPressure");
    Press(pressure, Qt::Key_Escape);
    EXPECT_EQ(pressure->currentText(), "25");
    Press(pressure, Qt::Key_Return);
    EXPECT_EQ(form->CycleCount(), 4);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, EscapeInAnUntouchedEntryAfterStartUpKeepsItsText) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    temperature->setFocus();
    Press(temperature, Qt::Key_Escape);
    EXPECT_EQ(temperature->currentText(), "860");
    Choose("RadioGroupAxisY", 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, TabbingThroughAnEntryDoesNotCountAsEditingIt) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Choose("RadioGroupAxisX", 2); // all of ratio and temperature shown
    Type(ratio, "3");
    QTest::keyClick(ratio, Qt::Key_Tab);
    QTest::keyClick(temperature, Qt::Key_Tab);
    QTest::keyClick(temperature, Qt::Key_Backtab);
    EXPECT_EQ(form->Entries().EntryTag(temperature), 0);
    EXPECT_TRUE(form->Entries().EntryChangeBound(temperature));
    Press(ratio, Qt::Key_Escape); // the ratio's own former text, not the temperature's
    EXPECT_EQ(ratio->currentText(), "2,5");
}

TEST_F(MainFormTest, ChoosingFromTheListRunsACycleWhateverTheEntryState) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Type(temperature, "9");
    Press(temperature, Qt::Key_Down); // an edit key first, then the list choice confirms
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(engine->InputTemperature, 880.0);
    EXPECT_EQ(form->Entries().EntryTag(temperature), 0);
    EXPECT_TRUE(form->Entries().EntryChangeBound(temperature));

    QComboBox* pressure = Entry("ComboBoxPressure");
    pressure->showPopup();
    QAbstractItemView* view = pressure->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(3, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_COMPARE(form->CycleCount(), 3);
    EXPECT_EQ(engine->processConditions.InputPressure, 18.0);
}

TEST_F(MainFormTest, OnlyAnIdleEntryRecalculatesOnAChangeWithoutKeysAndLeavingStartsNothing) {
    Open();
    QComboBox* pressure = Entry("ComboBoxPressure");
    QGuiApplication::clipboard()->setText(QStringLiteral("20"));
    pressure->lineEdit()->selectAll();
    pressure->lineEdit()->paste();
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(engine->processConditions.InputPressure, 20.0);

    // Being edited: neither a paste nor leaving the entry with a text that is one of the
    // list's items recalculates; the next cycle reads the text.
    QComboBox* temperature = Entry("ComboBoxTemperature");
    temperature->setFocus();
    Type(temperature, "900");
    temperature->lineEdit()->paste();
    Type(temperature, "900");
    pressure->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(temperature->currentText(), "900");
    Choose("RadioGroupAxisY", 1);
    EXPECT_EQ(engine->InputTemperature, 900.0);
}

TEST_F(MainFormTest, ClampsApplyToEveryEntryIncludingTheHiddenOne) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    QComboBox* pressure = Entry("ComboBoxPressure");
    ASSERT_FALSE(ratio->isVisible());
    Type(ratio, "0,1");
    Type(temperature, "250");
    Type(pressure, "40");
    Press(pressure, Qt::Key_Return);
    EXPECT_EQ(engine->InputRatio, 0.2);
    EXPECT_EQ(ratio->currentText(), "0,2");
    EXPECT_EQ(temperature->currentText(), "300");
    EXPECT_EQ(pressure->currentText(), "30");
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 300"));
    EXPECT_EQ(form->MemoLines()[1], QStringLiteral("Давление, атм       : 30"));

    Type(ratio, "7");
    Type(temperature, "1200");
    Type(pressure, "0,5");
    Choose("RadioGroupAxisX", 1); // now the temperature entry is the hidden one
    EXPECT_EQ(ratio->currentText(), "5");
    EXPECT_EQ(temperature->currentText(), "980");
    EXPECT_EQ(engine->InputTemperature, 980.0);
    EXPECT_EQ(pressure->currentText(), "1");
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Соотношение пар/метан, мол.д.: 5"));
    EXPECT_EQ(form->MemoLines()[1], QStringLiteral("Давление, атм                : 1"));
    EXPECT_EQ(form->CycleCount(), 3); // texts set by the program start no cycle

    // The standard data widen the bounds to 200 .. 1300 degrees C and 1 .. 100 atm, with the
    // same clamping; the correlation's bounds come back with it.
    engine->constants = quorvel::ConstantsSource::Standard;
    Type(temperature, "1200");
    Type(pressure, "40");
    Press(pressure, Qt::Key_Return);
    EXPECT_EQ(engine->InputTemperature, 1200.0);
    EXPECT_EQ(engine->processConditions.InputPressure, 40.0);
    EXPECT_EQ(pressure->currentText(), "40");
    Type(temperature, "150");
    Type(pressure, "150");
    Press(pressure, Qt::Key_Return);
    EXPECT_EQ(temperature->currentText(), "200");
    EXPECT_EQ(pressure->currentText(), "100");
    EXPECT_EQ(engine->processConditions.InputPressure, 100.0);
    engine->constants = quorvel::ConstantsSource::Builtin;
    Type(pressure, "40");
    Press(pressure, Qt::Key_Return);
    EXPECT_EQ(pressure->currentText(), "30");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, AConversionErrorLeavesTheLaterEntriesUnread) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Choose("RadioGroupAxisX", 2); // the ratio entry shown
    Type(ratio, "2.5");           // a point under the comma separator
    Type(temperature, "1200");
    Press(temperature, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].first, "Error");
    EXPECT_EQ(messages[0].second,
              QStringLiteral("Ошибка преобразования строк (Ошибка ввода числа)"));
    EXPECT_EQ(engine->InputRatio, 2.5);
    EXPECT_EQ(engine->InputTemperature, 860.0);
    EXPECT_EQ(temperature->currentText(), "1200"); // not read, so not clamped
    EXPECT_EQ(ratio->currentText(), "2.5");        // left as typed
    EXPECT_EQ(form->CycleCount(), 3);              // the cycle went on
    EXPECT_EQ(form->MemoLines()[1], QStringLiteral("Температура, град. С         : 860"));

    // The empty items at the end of the temperature list are conversion errors too.
    Type(ratio, "3");
    temperature->setCurrentIndex(15);
    emit temperature->activated(15);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(engine->InputRatio, 3.0);
}

TEST_F(MainFormTest, ReturningFromANonModalWindowRecalculatesAModalOneDoesNot) {
    Open();
    QDialog other(form.get());
    other.show();
    ASSERT_TRUE(Activate(&other));
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 2);
    other.hide();

    QDialog modal(form.get());
    modal.setModal(true);
    modal.show();
    ASSERT_TRUE(Activate(&modal));
    modal.hide();
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 2);

    // The help viewer counts as another application, as the desktop's help program does.
    form->AttachDialogs(nullptr, nullptr);
    form->HelpHowToUse();
    auto* help = form->findChild<quorvel::HelpViewer*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(Activate(help));
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 2);
}

TEST_F(MainFormTest, TheFeedDialogsOkAndCancelRecalculate) {
    Open();
    quorvel::TAboutBox about(form.get());
    quorvel::TDataForm feed(*engine, form.get());
    form->AttachDialogs(&about, &feed);
    const QString before = form->MemoLines()[5];
    form->findChild<QAction*>("EditStructureConvertibleGasItem")->trigger();
    ASSERT_TRUE(WaitForFocus(&feed));
    feed.Edit(0)->setText(QStringLiteral("90"));
    feed.Edit(4)->setText(QStringLiteral("10"));
    feed.ButtonOkClick();
    ASSERT_TRUE(WaitForFocus(form.get()));
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_NE(form->MemoLines()[5], before); // nitrogen now dilutes the product

    form->EditStructureConvertibleGasItemClick();
    ASSERT_TRUE(WaitForFocus(&feed));
    feed.ButtonCancelClick();
    ASSERT_TRUE(WaitForFocus(form.get()));
    EXPECT_EQ(form->CycleCount(), 3);
}

TEST_F(MainFormTest, TheFeedWindowIsAWindowOfItsOwnAndComesBackFromMinimised) {
    Open();
    quorvel::TDataForm feed(*engine);
    form->AttachDialogs(nullptr, &feed);
    QAction* item = form->findChild<QAction*>("EditStructureConvertibleGasItem");
    item->trigger();
    ASSERT_TRUE(WaitForFocus(&feed));
    EXPECT_EQ(feed.windowType(), Qt::Window);
    EXPECT_FALSE(feed.isModal());
    EXPECT_EQ(feed.windowHandle()->transientParent(), nullptr);
    EXPECT_FALSE(feed.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(feed.pos(), QPoint(251, 158));

    feed.showMinimized();
    ASSERT_TRUE(Activate(form.get()));
    const int cycles = form->CycleCount();
    item->trigger();
    EXPECT_FALSE(feed.isMinimized());
    EXPECT_TRUE(feed.isVisible());
    ASSERT_TRUE(WaitForFocus(&feed));
    EXPECT_EQ(form->CycleCount(), cycles);
    feed.ButtonCancelClick();
    ASSERT_TRUE(WaitForFocus(form.get()));
    EXPECT_EQ(form->CycleCount(), cycles + 1);
}

TEST_F(MainFormTest, ClosingTheAboutBoxOrAMessageBoxStartsNoCycle) {
    Open();
    quorvel::TAboutBox about(form.get());
    form->AttachDialogs(&about, nullptr);
    QTimer::singleShot(50, &about, [&about] { about.accept(); });
    form->HelpAbout();
    // The off-screen platform has no window manager to hand the focus back; the test does.
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 1);

    form->SetMessageHook({}); // a real message box, centred on the screen, closed by the user
    bool closed = false;
    QPoint offCentre(-1, -1);
    QTimer::singleShot(100, [&closed, &offCentre] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            offCentre = box->frameGeometry().center() - box->screen()->availableGeometry().center();
            closed = box->close();
        }
    });
    Type(Entry("ComboBoxPressure"), "x");
    Press(Entry("ComboBoxPressure"), Qt::Key_Return);
    EXPECT_TRUE(closed);
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << "," << offCentre.y();
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 2);
}

TEST_F(MainFormTest, AFloatingPointFaultKeepsThePreviousTableAndCurves) {
    Open();
    const QStringList before = form->MemoLines();
    auto* chart = form->findChild<quorvel::TChart*>("Chart");
    const double firstY = chart->Series(0).YValues().Value(0);
    // Methane with 1e300 mol of water per mole of feed gas: the designed solver's
    // partial pressures overflow. (Steam alone no longer faults: no composition of it has
    // every amount positive, so no solver runs and every point is marked.)
    quorvel::InitialSetData(*engine);
    engine->feedTotals.H2O = 1e300;
    Choose("RadioGroupAxisX", 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].second, QStringLiteral("Floating point overflow"));
    EXPECT_EQ(form->MemoLines(), before);
    EXPECT_EQ(chart->Series(0).Count(), 77);
    EXPECT_EQ(chart->Series(0).YValues().Value(0), firstY);
    // The chart texts of the new cycle are already set.
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Температура, град. С"));

    quorvel::InitialSetData(*engine); // the next cycle starts afresh
    Choose("RadioGroupAxisX", 0);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(form->MemoLines().size(), 82);
}
