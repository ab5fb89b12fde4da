#include "ui/main/RadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>

namespace quorvel {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, static_cast<int>(i));
        buttons_.append(button);
    }
    if (!buttons_.isEmpty()) {
        buttons_.front()->setChecked(true);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            emit ItemChosen(id);
        }
    });
    PlaceButtons();
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    PlaceButtons();
}

void RadioGroup::PlaceButtons() {
    if (buttons_.isEmpty()) {
        return;
    }
    // Below the caption, the buttons share the rest of the frame in equal rows.
    const int top = fontMetrics().height() + 2;
    const int available = std::max(0, height() - top - 4);
    const int rowHeight = available / static_cast<int>(buttons_.size());
    const int buttonHeight = std::min(rowHeight, buttons_.front()->sizeHint().height());
    for (qsizetype i = 0; i < buttons_.size(); ++i) {
        const int rowTop = top + static_cast<int>(i) * rowHeight;
        buttons_[i]->setGeometry(8, rowTop + (rowHeight - buttonHeight) / 2,
                                 std::max(0, width() - 12), buttonHeight);
    }
}

} // namespace quorvel
