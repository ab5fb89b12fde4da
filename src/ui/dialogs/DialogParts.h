#pragma once

class QBoxLayout;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QWidget;

namespace quorvel {

// Parts the program's dialogs share, so that they look and behave alike.

// The hidden red line under a dialog's fields that says why its input was refused; its
// object name is "Message". Added to layout, owned by parent.
QLabel* AddRefusalMessage(QWidget* parent, QBoxLayout* layout);

// The OK and Cancel buttons with their English captions; Cancel rejects the dialog, OK is
// for the caller to connect (it checks the fields first). Not yet added to a layout, so
// that a dialog may add its own buttons to the box.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

} // namespace quorvel
