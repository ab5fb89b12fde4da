#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace quorvel {

// Shows a modal message box with one OK button, centred on the screen, and waits until
// it is closed. The box takes its final size only as it is shown, so it is centred then,
// not before; placed earlier, its top-left corner would stay and the box would sit off
// the centre. Without a parent the box blocks the whole program.
void ShowCenteredMessage(QMessageBox::Icon icon, const QString& caption, const QString& text,
                         QWidget* parent = nullptr);

} // namespace quorvel
