#include "ui/main/ParameterEntry.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include <optional>

#include "ui/main/EntryConversion.h"

namespace quorvel {

int ItemEqualTo(const QStringList& items, const QString& text, const QLocale& locale) {
    const int exact = static_cast<int>(items.indexOf(text));
    if (exact >= 0) {
        return exact;
    }
    const std::optional<double> number = ParseEntryNumber(text, locale);
    if (!number) {
        return -1;
    }
    for (int i = 0; i < items.size(); ++i) {
        if (ParseEntryNumber(items[i], locale) == number) {
            return i;
        }
    }
    return -1;
}

int NeighbourItem(const QStringList& items, const QString& text, int direction, bool skipEmpty,
                  const QLocale& locale) {
    const int count = static_cast<int>(items.size());
    auto usable = [&](int i) { return !skipEmpty || !items[i].trimmed().isEmpty(); };
    // The first usable item at or beyond start, going in direction.
    auto from = [&](int start) {
        for (int i = start; i >= 0 && i < count; i += direction) {
            if (usable(i)) {
                return i;
            }
        }
        return -1;
    };

    const int equal = ItemEqualTo(items, text, locale);
    if (equal >= 0) {
        return from(equal + direction);
    }
    const std::optional<double> number = ParseEntryNumber(text, locale);
    if (!number) {
        return from(direction > 0 ? 0 : count - 1);
    }
    // A number between items: the nearest item past it in the list's order, taking the
    // list as ordered by the numbers of its items.
    if (direction > 0) {
        for (int i = 0; i < count; ++i) {
            const std::optional<double> item = ParseEntryNumber(items[i], locale);
            if (item && *item > *number) {
                return i;
            }
        }
        return -1;
    }
    for (int i = count - 1; i >= 0; --i) {
        const std::optional<double> item = ParseEntryNumber(items[i], locale);
        if (item && *item < *number) {
            return i;
        }
    }
    return -1;
}

ParameterEntry::ParameterEntry(const QLocale& locale, QWidget* parent)
    : QComboBox(parent), locale_(locale) {
    // The wheel over the entry does not take the focus to it.
    setFocusPolicy(Qt::StrongFocus);
}

QStringList ParameterEntry::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i) {
        items.append(itemText(i));
    }
    return items;
}

bool ParameterEntry::Step(int direction, bool skipEmpty) {
    const int item = quorvel::NeighbourItem(Items(), confirmedText_, direction, skipEmpty, locale_);
    if (item < 0) {
        return false;
    }
    setCurrentIndex(item);
    setEditText(itemText(item));
    confirmedText_ = itemText(item);
    emit activated(item);
    return true;
}

void ParameterEntry::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        if (plain) {
            Step(-1, false);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        if (plain) {
            Step(+1, false);
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void ParameterEntry::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    // One step per notch (120 units); a fine-grained wheel adds up to a notch first.
    // Turning the wheel away from the user moves up the list.
    wheelDelta_ += event->angleDelta().y();
    while (wheelDelta_ >= 120 || wheelDelta_ <= -120) {
        const int direction = wheelDelta_ > 0 ? -1 : +1;
        wheelDelta_ += direction * 120;
        if (!Step(direction, true)) {
            wheelDelta_ = 0;
            break;
        }
    }
    event->accept();
}

void ParameterEntry::showPopup() {
    QComboBox::showPopup();
    QAbstractItemView* list = view();
    const int item = quorvel::ItemEqualTo(Items(), currentText(), locale_);
    if (item >= 0) {
        const QModelIndex index = model()->index(item, modelColumn(), rootModelIndex());
        list->setCurrentIndex(index);
        list->scrollTo(index);
    } else {
        list->clearSelection();
        list->setCurrentIndex(QModelIndex());
    }
}

} // namespace quorvel
