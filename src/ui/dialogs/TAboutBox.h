#pragma once

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;

namespace quorvel {

// The modal "About" box: a picture, the product name, the version, a copyright line
// and a contact block. The main window creates it once and calls exec() on each About
// command. It is centred on the screen whenever it is shown; OK, Enter and the close box
// close it, Escape does not.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The decoded picture (61 x 89), or a null image when it could not be decoded.
    const QImage& Picture() const { return picture_; }
    QPushButton* OkButton() const { return OKButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QImage picture_;

    QFrame* Panel = nullptr;
    QPushButton* OKButton = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
};

} // namespace quorvel
