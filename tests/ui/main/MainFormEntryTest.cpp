// The parameter entries beyond the basic editing protocol: the wheel, the arrow keys
// and the opened list, the hidden entry of the swept parameter, and what a cycle leaves
// of the user's place in the window (focus, table scroll positions).

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "MainFormTestSupport.h"
#include "ui/main/ParameterEntry.h"

namespace {

const QStringList Temperatures = {"700", "720", "740", "760", "780", "800", "820", "840", "860",
                                  "880", "900", "920", "940", "960", "980", "",    ""};

// Turns the wheel over the entry by notches (negative: towards the user). The desktop
// gives it to the text field under the pointer, which passes it up to the entry.
void Wheel(QComboBox* entry, int notches) {
    QWidget* target = entry;
    const QPointF position(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(position, target->mapToGlobal(position), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST(ParameterEntryList, StepsFromAnItemOrFromANumberBetweenItems) {
    using quorvel::NeighbourItem;
    EXPECT_EQ(NeighbourItem(Temperatures, "900", +1, false, RussianLocale), 11);
    EXPECT_EQ(NeighbourItem(Temperatures, "900", -1, false, RussianLocale), 9);
    EXPECT_EQ(NeighbourItem(Temperatures, "900,0", +1, false, RussianLocale), 11);
    EXPECT_EQ(NeighbourItem(Temperatures, "905", +1, false, RussianLocale), 11);
    EXPECT_EQ(NeighbourItem(Temperatures, "905", -1, false, RussianLocale), 10);
    EXPECT_EQ(NeighbourItem(Temperatures, "300", +1, false, RussianLocale), 0);
    EXPECT_EQ(NeighbourItem(Temperatures, "300", -1, false, RussianLocale), -1);
    EXPECT_EQ(NeighbourItem(Temperatures, "700", -1, false, RussianLocale), -1);
    // Past the last number: the empty items are list items for the keys, not the wheel.
    EXPECT_EQ(NeighbourItem(Temperatures, "980", +1, false, RussianLocale), 15);
    EXPECT_EQ(NeighbourItem(Temperatures, "980", +1, true, RussianLocale), -1);
    EXPECT_EQ(NeighbourItem(Temperatures, "", -1, true, RussianLocale), 14);
    EXPECT_EQ(NeighbourItem(Temperatures, "abc", +1, true, RussianLocale), 0);
    EXPECT_EQ(NeighbourItem(Temperatures, "abc", -1, true, RussianLocale), 14);
    const QStringList ratios = {"0.2", "0.4", "2.4", "2.6", "4.0"};
    EXPECT_EQ(NeighbourItem(ratios, "2.5", +1, false, QLocale::c()), 3);
    EXPECT_EQ(NeighbourItem(ratios, "2.5", -1, false, QLocale::c()), 2);
    EXPECT_EQ(quorvel::ItemEqualTo(ratios, "4", QLocale::c()), 4);
    EXPECT_EQ(quorvel::ItemEqualTo(ratios, "2.5", QLocale::c()), -1);
}

TEST_F(MainFormTest, TheWheelActsOnlyOnTheFocusedEntryAndNeverOnEmptyItems) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    EXPECT_NE(temperature->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus);
    ASSERT_FALSE(temperature->hasFocus());
    Wheel(temperature, -3);
    Wheel(temperature, 2);
    EXPECT_EQ(temperature->currentText(), "860");
    EXPECT_EQ(form->CycleCount(), 1);

    temperature->setFocus();
    ASSERT_TRUE(temperature->hasFocus());
    Wheel(temperature, -1); // towards the user: down the list
    EXPECT_EQ(temperature->currentText(), "880");
    EXPECT_EQ(engine->InputTemperature, 880.0);
    EXPECT_EQ(form->CycleCount(), 2);
    Wheel(temperature, 2);
    EXPECT_EQ(temperature->currentText(), "840");
    EXPECT_EQ(engine->InputTemperature, 840.0);
    EXPECT_EQ(form->CycleCount(), 4);

    // A typed, unconfirmed text is a list choice away from the confirmed one, and the
    // choice ends the edit.
    Type(temperature, "9");
    Wheel(temperature, -1);
    EXPECT_EQ(temperature->currentText(), "860");
    EXPECT_TRUE(form->Entries().EntryChangeBound(temperature));

    Type(temperature, "980");
    Press(temperature, Qt::Key_Return);
    const int cycles = form->CycleCount();
    Wheel(temperature, -3);
    EXPECT_EQ(temperature->currentText(), "980");
    EXPECT_EQ(form->CycleCount(), cycles);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, ArrowKeysStepFromTheConfirmedValueAndTheListShowsIt) {
    Open();
    QComboBox* temperature = Entry("ComboBoxTemperature");
    temperature->setFocus();
    Type(temperature, "900");
    Press(temperature, Qt::Key_Return);
    Press(temperature, Qt::Key_Down);
    EXPECT_EQ(temperature->currentText(), "920");
    EXPECT_EQ(engine->InputTemperature, 920.0);
    Press(temperature, Qt::Key_Up);
    Press(temperature, Qt::Key_Up);
    EXPECT_EQ(temperature->currentText(), "880");

    Type(temperature, "905");
    Press(temperature, Qt::Key_Return);
    Press(temperature, Qt::Key_Up);
    EXPECT_EQ(temperature->currentText(), "900");
    Type(temperature, "905");
    Press(temperature, Qt::Key_Return);
    Press(temperature, Qt::Key_PageDown);
    EXPECT_EQ(temperature->currentText(), "920");

    // The opened list marks the item equal to the text, or none.
    temperature->showPopup();
    EXPECT_EQ(temperature->view()->currentIndex().row(), 11);
    temperature->hidePopup();
    Type(temperature, "905");
    temperature->showPopup();
    EXPECT_FALSE(temperature->view()->currentIndex().isValid());
    temperature->hidePopup();

    // The initial ratio 2,5 lies between two items.
    Choose("RadioGroupAxisX", 1);
    QComboBox* ratio = Entry("ComboBoxRatio");
    ratio->setFocus();
    Press(ratio, Qt::Key_Down);
    EXPECT_EQ(ratio->currentText(), "2,6");
    EXPECT_EQ(engine->InputRatio, 2.6);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainFormTest, AHiddenEntryThatCannotBeReadGetsItsLastGoodTextBackSilently) {
    Open();
    QComboBox* ratio = Entry("ComboBoxRatio");
    QComboBox* temperature = Entry("ComboBoxTemperature");
    Choose("RadioGroupAxisX", 1);
    Type(ratio, "abc");
    Choose("RadioGroupAxisX", 0); // the ratio is swept now, its entry hidden
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(ratio->currentText(), "2,5");
    EXPECT_EQ(form->Entries().EntryTag(ratio), 0);
    EXPECT_EQ(engine->InputRatio, 2.5);

    // The entries after it are read again, so a new temperature takes effect.
    Type(temperature, "900");
    Press(temperature, Qt::Key_Return);
    EXPECT_EQ(engine->InputTemperature, 900.0);
    EXPECT_EQ(form->MemoLines()[0], QStringLiteral("Температура, град. С: 900"));

    // The last good text is the one a clamp left.
    Choose("RadioGroupAxisX", 2);
    Type(ratio, "7");
    Press(ratio, Qt::Key_Return);
    EXPECT_EQ(ratio->currentText(), "5");
    Type(ratio, "");
    Choose("RadioGroupAxisX", 0);
    EXPECT_EQ(ratio->currentText(), "5");
    EXPECT_EQ(engine->InputRatio, 5.0);
    EXPECT_TRUE(messages.isEmpty());

    // A shown entry still reports its error; hidden afterwards, it gets its last good
    // text back, even when the bad text came from the list's empty item.
    Type(temperature, "x");
    Press(temperature, Qt::Key_Return);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(temperature->currentText(), "x");
    Choose("RadioGroupAxisX", 1);
    EXPECT_EQ(temperature->currentText(), "900");
    Choose("RadioGroupAxisX", 0);
    Type(temperature, "980");
    Press(temperature, Qt::Key_Return);
    Press(temperature, Qt::Key_Down); // the first empty item
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(temperature->currentText(), "");
    Choose("RadioGroupAxisX", 1);
    EXPECT_EQ(temperature->currentText(), "980");
    EXPECT_EQ(engine->InputTemperature, 980.0);
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(MainFormTest, ACycleKeepsTheFocusAndBothScrollPositionsOfTheTable) {
    Open();
    auto* memo = form->findChild<QPlainTextEdit*>("Memo");
    memo->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), memo);
    QScrollBar* horizontal = memo->horizontalScrollBar();
    QScrollBar* vertical = memo->verticalScrollBar();
    ASSERT_GT(horizontal->maximum(), 40); // the narrow layout cuts the table's columns
    ASSERT_GT(vertical->maximum(), 30);
    horizontal->setValue(40);
    vertical->setValue(30);

    // A cycle of the same sweep and view keeps the table's columns, and the place in it.
    Type(Entry("ComboBoxTemperature"), QStringLiteral("900"));
    Press(Entry("ComboBoxTemperature"), Qt::Key_Return);
    memo->setFocus();
    EXPECT_EQ(form->CycleCount(), 2);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(horizontal->value(), 40);
    EXPECT_EQ(vertical->value(), 30);

    // Another view or swept parameter brings other columns: the table starts at the
    // left, where the swept value stands, and keeps its line and the focus.
    for (const auto& [group, item] : {std::pair{"RadioGroupAxisY", 1},
                                      {"RadioGroupAxisX", 1},
                                      {"RadioGroupAxisY", 2},
                                      {"RadioGroupAxisX", 0}}) {
        horizontal->setValue(40);
        vertical->setValue(10);
        const int cycles = form->CycleCount();
        Choose(group, item);
        ASSERT_EQ(form->CycleCount(), cycles + 1);
        EXPECT_EQ(QApplication::focusWidget(), memo) << group << item;
        EXPECT_EQ(horizontal->value(), 0) << group << item;
        EXPECT_EQ(memo->textCursor().positionInBlock(), 0) << group << item;
        EXPECT_EQ(vertical->value(), 10) << group << item;
    }

    // The arrow keys then still act on the table, not on a radio group.
    QTest::keyClick(memo, Qt::Key_Down);
    EXPECT_EQ(Group("RadioGroupAxisX")->ItemIndex(), 0);
    EXPECT_EQ(Group("RadioGroupAxisY")->ItemIndex(), 2);
}

TEST_F(MainFormTest, TabFollowsTheWindowsTabOrderFromTheFirstPress) {
    Open();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QList<QWidget*> visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget());
    }
    auto* memo = form->findChild<QPlainTextEdit*>("Memo");
    auto* chart = form->findChild<QWidget*>("Chart");
    const QList<QWidget*> expected = {Group("RadioGroupAxisY")->Button(0),
                                      Group("RadioGroupAxisX")->Button(0),
                                      Entry("ComboBoxTemperature"),
                                      Entry("ComboBoxPressure"),
                                      memo,
                                      chart,
                                      Group("RadioGroupAxisY")->Button(0)};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        QWidget* widget = visited[i];
        // An entry's focus lands on its text field.
        if (widget != nullptr && qobject_cast<QLineEdit*>(widget) != nullptr &&
            qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) {
            widget = widget->parentWidget();
        }
        EXPECT_EQ(widget, expected[i]) << (widget ? widget->objectName().toStdString() : "none");
    }
    EXPECT_EQ(form->CycleCount(), 1);
}
