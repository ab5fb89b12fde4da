// The recalculation cycle: what starts it, what does not, and the editing protocol of
// the three parameter entries.

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "MainFormTestSupport.h"
#include "chart/TChart.h"
#include "ui/TAboutBox.h"
#include "ui/TDataForm.h"

namespace {

const QString ConversionError = QStringLiteral("Ошибка преобразования строк (Ошибка ввода числа)");

} // namespace

TEST_F(MainFormTest, FirstDisplayRunsOneCycleAndShowsTheTable) {
    Create();
    auto* memo = form->findChild<QPlainTextEdit*>("Memo");
    EXPECT_FALSE(memo->isVisibleTo(form.get()));
    EXPECT_EQ(form->CycleCount(), 0);
    // The window's creation has set the feed to pure methane.
    EXPECT_EQ(engine->feedComposition.CH4, 100.0);

    form->show();
    ASSERT_TRUE(Activate(form.get()));
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_TRUE(memo->isVisible());
    EXPECT_EQ(engine->InputRatio, 2.5);
    EXPECT_EQ(engine->InputTemperature, 860.0);
    EXPECT_EQ(engine->processConditions.InputPressure, 25.0);
    const QStringList lines = form->MemoLines();
    ASSERT_EQ(lines.size(), 5 + 77);
    EXPECT_EQ(lines[0], QStringLiteral("Температура, град. С: 860"));
    auto* chart = form->findChild<quorvel::TChart*>("Chart");
    EXPECT_EQ(chart->Series(0).Count(), 77);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, RadioGroupChoiceRunsACycleButTheChosenItemAgainDoesNot) {
    Open();
    auto* button = Group("RadioGroupAxisX")->Button(2);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(form->XAxisMode(), 2);
    EXPECT_EQ(form->MemoLines()[1], QStringLiteral("Температура, град. С         : 860"));

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    EXPECT_EQ(form->CycleCount(), 2);

    Choose("RadioGroupAxisY", 2);
    EXPECT_EQ(form->CycleCount(), 3);
    EXPECT_EQ(form->MemoLines()[3], QStringLiteral("Соотношение продуктов реакции, мол. д."));
}

TEST_F(MainFormTest, TypingDoesNotRecalculateEnterDoesAndEscapeRestores) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Type(temperature, "900");
    EXPECT_EQ(temperature->currentText(), "900");
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_EQ(form->EntryTag(temperature), 1);
    EXPECT_FALSE(form->EntryChangeBound(temperature));
    EXPECT_EQ(form->SavedEntryText(), "860");

    Press(temperature, Qt::Key_Escape);
    EXPECT_EQ(temperature->currentText(), "860");
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_EQ(form->EntryTag(temperature), 0);
    EXPECT_TRUE(form->EntryChangeBound(temperature));

    Type(temperature, "900");
    Press(temperature, Qt::Key_Return);
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(engine->InputTemperature, 900.0);
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 900"));
    EXPECT_EQ(form->EntryTag(temperature), 0);
    // Enter is not handed on: no list item is added and the text stays as typed.
    EXPECT_EQ(temperature->count(), 17);
    EXPECT_EQ(temperature->currentText(), "900");

    Press(temperature, Qt::Key_Enter); // the keypad's Enter works the same way
    EXPECT_EQ(form->CycleCount(), 3);
}

TEST_F(MainFormTest, SavedEntryTextIsSharedByTheThreeEntries) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Type(ratio, "3");
    Type(temperature, "9");
    EXPECT_EQ(form->SavedEntryText(), "860");
    Press(ratio, Qt::Key_Escape);
    EXPECT_EQ(ratio->currentText(), "860");
    EXPECT_EQ(form->CycleCount(), 1);
    // A second key in an entry already being edited does not overwrite the saved text.
    Type(temperature, "5");
    EXPECT_EQ(form->SavedEntryText(), "860");
}

TEST_F(MainFormTest, ChoosingFromTheListRunsACycleWhateverTheEntryState) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    // The arrow key first counts as an edit key, then the list choice confirms.
    Press(temperature, Qt::Key_Down);
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(engine->InputTemperature, 720.0);
    EXPECT_EQ(form->EntryTag(temperature), 0);
    EXPECT_TRUE(form->EntryChangeBound(temperature));

    Type(temperature, "9");
    EXPECT_EQ(form->EntryTag(temperature), 1);
    Press(temperature, Qt::Key_Down);
    EXPECT_EQ(form->CycleCount(), 3);
    EXPECT_EQ(engine->InputTemperature, 740.0);
    EXPECT_TRUE(form->EntryChangeBound(temperature));

    // By the mouse, from the open list.
    QComboBox* pressure = Entry("ComboBoxPressure");
    pressure->showPopup();
    QAbstractItemView* view = pressure->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(3, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_COMPARE(form->CycleCount(), 4);
    EXPECT_EQ(pressure->currentText(), "18");
    EXPECT_EQ(engine->processConditions.InputPressure, 18.0);
}

TEST_F(MainFormTest, AChangeWithoutAKeyRecalculatesOnlyAnIdleEntry) {
    Open();
    QComboBox* pressure = Entry("ComboBoxPressure");
    QGuiApplication::clipboard()->setText(QStringLiteral("20"));
    pressure->lineEdit()->selectAll();
    pressure->lineEdit()->paste();
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(engine->processConditions.InputPressure, 20.0);

    Type(pressure, "1");
    pressure->lineEdit()->selectAll();
    pressure->lineEdit()->paste();
    EXPECT_EQ(form->CycleCount(), 2);
}

TEST_F(MainFormTest, LeavingAnEditedEntryKeepsTheTextAndStartsNothing) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    QComboBox* pressure = Entry("ComboBoxPressure");
    temperature->setFocus();
    // "900" is one of the list's items; leaving the entry must not pick it by itself.
    Type(temperature, "900");
    pressure->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->CycleCount(), 1);
    EXPECT_EQ(temperature->currentText(), "900");
    EXPECT_EQ(engine->InputTemperature, 860.0);
    // The next cycle, started by anything, reads the typed text.
    Choose("RadioGroupAxisY", 1);
    EXPECT_EQ(engine->InputTemperature, 900.0);
}

TEST_F(MainFormTest, ClampsApplyToEveryEntryIncludingTheHiddenOne) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    QComboBox* pressure = Entry("ComboBoxPressure");
    ASSERT_FALSE(ratio->isVisible()); // the swept parameter's entry

    Type(ratio, "0,1");
    Type(temperature, "1200");
    Type(pressure, "0,5");
    Press(pressure, Qt::Key_Return);
    EXPECT_EQ(engine->InputRatio, 0.2);
    EXPECT_EQ(ratio->currentText(), "0,2");
    EXPECT_EQ(engine->InputTemperature, 980.0);
    EXPECT_EQ(temperature->currentText(), "980");
    EXPECT_EQ(engine->processConditions.InputPressure, 1.0);
    EXPECT_EQ(pressure->currentText(), "1");

    Type(ratio, "7");
    Type(temperature, "250");
    Type(pressure, "40");
    Press(temperature, Qt::Key_Return);
    EXPECT_EQ(ratio->currentText(), "5");
    EXPECT_EQ(temperature->currentText(), "300");
    EXPECT_EQ(pressure->currentText(), "30");
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 300"));
    EXPECT_EQ(form->MemoLines()[1], QStringLiteral("Давление, атм       : 30"));
    // Setting the texts from the program started no cycle of its own.
    EXPECT_EQ(form->CycleCount(), 3);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, AConversionErrorLeavesTheLaterEntriesUnread) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Type(ratio, "2.5"); // a point under the comma separator
    Type(temperature, "1200");
    Press(temperature, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].first, "Error");
    EXPECT_EQ(messages[0].second, ConversionError);
    EXPECT_EQ(engine->InputRatio, 2.5);            // the last good value
    EXPECT_EQ(engine->InputTemperature, 860.0);    // not read at all...
    EXPECT_EQ(temperature->currentText(), "1200"); // ...so not clamped either
    EXPECT_EQ(ratio->currentText(), "2.5");
    // The cycle went on with the values as they stood.
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 860"));

    // The empty items at the end of the temperature list are conversion errors too.
    Type(ratio, "3");
    temperature->setCurrentIndex(15);
    emit temperature->activated(15);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(engine->InputRatio, 3.0);
    EXPECT_EQ(engine->InputTemperature, 860.0);
}

TEST_F(MainFormTest, APointDesktopReadsItsOwnInitialTexts) {
    Open(QLocale::c());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(engine->InputRatio, 2.5);
    EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), "2.5");
    EXPECT_EQ(Entry("ComboBoxRatio")->itemText(0), "0.2");
    Type(Entry("ComboBoxRatio"), "0.1");
    Press(Entry("ComboBoxRatio"), Qt::Key_Return);
    EXPECT_EQ(Entry("ComboBoxRatio")->currentText(), "0.2");
    Choose("RadioGroupAxisX", 1);
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Соотношение пар/метан, мол.д.: 0.2"));
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
}

TEST_F(MainFormTest, TheFeedDialogsOkRecalculatesWithTheNewFeed) {
    Open();
    TAboutBox about(form.get());
    TDataForm feed(*engine, form.get());
    form->AttachDialogs(&about, &feed);
    const QString before = form->MemoLines()[5];
    form->findChild<QAction*>("EditStructureConvertibleGasItem")->trigger();
    ASSERT_TRUE(WaitForFocus(&feed));
    EXPECT_EQ(form->CycleCount(), 1);
    feed.Edit(0)->setText(QStringLiteral("90"));
    feed.Edit(4)->setText(QStringLiteral("10"));
    feed.ButtonOkClick();
    ASSERT_TRUE(WaitForFocus(form.get()));
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(engine->feedComposition.N2, 10.0);
    EXPECT_NE(form->MemoLines()[5], before); // nitrogen now dilutes the product

    // Cancel is a return from the dialog as well.
    form->EditStructureConvertibleGasItemClick();
    ASSERT_TRUE(WaitForFocus(&feed));
    feed.ButtonCancelClick();
    ASSERT_TRUE(WaitForFocus(form.get()));
    EXPECT_EQ(form->CycleCount(), 3);
}

TEST_F(MainFormTest, ClosingTheAboutBoxOrAMessageBoxStartsNoCycle) {
    Open();
    TAboutBox about(form.get());
    form->AttachDialogs(&about, nullptr);
    QTimer::singleShot(50, &about, [&about] { about.accept(); });
    form->HelpAbout();
    // The focus comes back from the closed box (the off-screen platform has no window
    // manager to hand it back, so the test does).
    ASSERT_TRUE(Activate(form.get()));
    QTest::qWait(20);
    EXPECT_EQ(form->CycleCount(), 1);

    // A real message box this time: a conversion error, closed by the user.
    form->SetMessageHook({});
    bool closed = false;
    QTimer::singleShot(100, [&closed] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
            closed = true;
        }
    });
    Type(Entry("ComboBoxPressure"), "x");
    Press(Entry("ComboBoxPressure"), Qt::Key_Return);
    EXPECT_TRUE(closed);
    ASSERT_TRUE(Activate(form.get()));
    QTest::qWait(20);
    EXPECT_EQ(form->CycleCount(), 2);
}

TEST_F(MainFormTest, AFloatingPointFaultKeepsThePreviousTableAndCurves) {
    Open();
    const QStringList before = form->MemoLines();
    auto* chart = form->findChild<quorvel::TChart*>("Chart");
    const double firstY = chart->Series(0).YValues().Value(0);
    // A feed of pure steam leaves the model nothing to divide by.
    for (int i = 0; i < quorvel::FeedComponentCount; ++i) {
        engine->feedComposition[i] = 0;
    }
    engine->feedComposition.H2O = 100;
    quorvel::PreparationVar(*engine);
    Choose("RadioGroupAxisX", 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].second.startsWith(QStringLiteral("Floating point")) ||
                messages[0].second == QStringLiteral("Invalid floating point operation"))
        << messages[0].second.toStdString();
    EXPECT_EQ(form->MemoLines(), before);
    EXPECT_EQ(chart->Series(0).Count(), 77);
    EXPECT_EQ(chart->Series(0).YValues().Value(0), firstY);
    // The chart texts of the new view are already set.
    EXPECT_EQ(chart->BottomAxis().Title().Caption, QStringLiteral("Температура, град. С"));

    // The next cycle starts afresh.
    quorvel::InitialSetData(*engine);
    Choose("RadioGroupAxisX", 0);
    EXPECT_EQ(messages.size(), 1);
    ASSERT_EQ(form->MemoLines().size(), 82);
    EXPECT_EQ(form->MemoLines()[3], QStringLiteral("Состав сухого синтез-газа, мол. д."));
}
