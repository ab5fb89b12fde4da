#pragma once

#include <QComboBox>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace quorvel {

// The index of the list item that stands for text: the item with the same text, or else
// the first item whose number equals the text's number; -1 when there is none.
int ItemEqualTo(const QStringList& items, const QString& text, const QLocale& locale);

// The item one step from text in the list's order (direction +1 down the list, -1 up),
// or -1 when there is none. From an item the step goes to the next item; from a number
// between items, to the nearest item past it; from a text that is not a number, down to
// the first item or up to the last one. Empty items are stepped over when skipEmpty is
// set.
int NeighbourItem(const QStringList& items, const QString& text, int direction, bool skipEmpty,
                  const QLocale& locale);

// An editable drop-down entry of one process parameter. Beyond a plain combo box:
//  - the arrow and page keys choose the item next to the entry's confirmed text (the
//    text the last recalculation read from it), not the item chosen last;
//  - the mouse wheel acts only while the entry has the keyboard focus, then as a list
//    choice that never lands on an empty item; the wheel does not give the focus;
//  - an opened list highlights the item equal to the entry's text, if there is one.
// Every choice goes through the combo box's activated() signal, as a choice in the list.
class ParameterEntry : public QComboBox {
    Q_OBJECT

public:
    ParameterEntry(const QLocale& locale, QWidget* parent = nullptr);

    // The text the arrow keys and the wheel step from.
    const QString& ConfirmedText() const { return confirmedText_; }
    void SetConfirmedText(const QString& text) { confirmedText_ = text; }

    QStringList Items() const;

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Chooses the item one step from the confirmed text; false when there is none.
    bool Step(int direction, bool skipEmpty);

    QLocale locale_;
    QString confirmedText_;
    int wheelDelta_ = 0; // wheel movement not yet turned into steps
};

} // namespace quorvel
