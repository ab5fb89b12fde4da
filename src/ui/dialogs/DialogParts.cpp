#include "ui/dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

QLabel* AddRefusalMessage(QWidget* parent, QBoxLayout* layout) {
    auto* message = new QLabel(parent);
    message->setObjectName(QStringLiteral("Message"));
    message->setWordWrap(true);
    message->setStyleSheet(QStringLiteral("color: #b00000;"));
    message->hide();
    layout->addWidget(message);
    return message;
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    // The captions stay English whatever language Qt would give them.
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace quorvel
