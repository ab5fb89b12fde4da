#include "ui/dialogs/ValuePairDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DialogParts.h"
#include "ui/main/EntryConversion.h"

namespace quorvel {

ValuePairDialog::ValuePairDialog(const QString& title, const std::array<Field, 2>& fields,
                                 const QString& hint, const QLocale& locale, QWidget* parent)
    : QDialog(parent), fields_(fields), locale_(locale) {
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (size_t i = 0; i < fields_.size(); ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(QStringLiteral("Field%1").arg(i));
        form->addRow(QStringLiteral("%1, %2:").arg(fields_[i].caption, fields_[i].unit), edits_[i]);
    }
    layout->addLayout(form);
    auto* hintLabel = new QLabel(hint, this);
    hintLabel->setWordWrap(true);
    layout->addWidget(hintLabel);
    message_ = AddRefusalMessage(this, layout);
    QDialogButtonBox* buttons = OkCancelButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ValuePairDialog::ButtonOkClick);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

QString ValuePairDialog::Text(double value) const {
    return locale_.toString(value, 'g', 15).remove(locale_.groupSeparator());
}

void ValuePairDialog::SetValues(const Values& values) {
    for (size_t i = 0; i < edits_.size(); ++i) {
        edits_[i]->setText(values[i] ? Text(*values[i]) : QString());
    }
    message_->hide();
}

QString ValuePairDialog::Message() const {
    return message_->isHidden() ? QString() : message_->text();
}

void ValuePairDialog::ButtonOkClick() {
    Values read;
    for (size_t i = 0; i < edits_.size(); ++i) {
        const Field& field = fields_[i];
        const QString text = edits_[i]->text().trimmed();
        QString problem;
        if (text.isEmpty()) {
            if (field.mayBeEmpty) {
                continue;
            }
            problem = QStringLiteral("не задано");
        } else if (const std::optional<double> number = ParseEntryNumber(text, locale_); !number) {
            problem = QStringLiteral("«%1» не число").arg(text);
        } else if (!(*number >= field.lowest && *number <= field.highest)) {
            problem = QStringLiteral("%1 вне пределов").arg(text);
        } else {
            read[i] = *number;
            continue;
        }
        message_->setText(
            QStringLiteral("%1: %2; нужно число от %3 до %4 %5.")
                .arg(field.caption, problem, Text(field.lowest), Text(field.highest), field.unit));
        message_->show();
        edits_[i]->setFocus();
        edits_[i]->selectAll();
        return;
    }
    accepted_ = read;
    message_->hide();
    accept();
}

} // namespace quorvel
