#include "ui/dialogs/CenteredMessageBox.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

namespace quorvel {

namespace {

class CenteredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        // The message box sizes itself here; the window is mapped only afterwards, so
        // moving it now places it without a visible jump.
        QMessageBox::showEvent(event);
        QScreen* screen = this->screen();
        if (screen == nullptr) {
            screen = QGuiApplication::primaryScreen();
        }
        if (screen != nullptr) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
};

} // namespace

void ShowCenteredMessage(QMessageBox::Icon icon, const QString& caption, const QString& text,
                         QWidget* parent) {
    CenteredMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    if (parent == nullptr) {
        box.setWindowModality(Qt::ApplicationModal);
    }
    box.exec();
}

} // namespace quorvel
