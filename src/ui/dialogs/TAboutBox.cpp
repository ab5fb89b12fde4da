#include "ui/dialogs/TAboutBox.h"

#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "QuorvelVersion.h"
#include "ui/dialogs/AboutPicture.h"
#include "ui/dialogs/AlignedValueLabel.h"
#include "ui/dialogs/JpegPicture.h"

namespace quorvel {

namespace {

constexpr int ClientWidth = 298;
constexpr int ClientHeight = 218;

QLabel* PlaceLabel(QLabel* label, const char* name, QRect geometry) {
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The label grows to its text, as a one-line label should: the substitute font may be
    // wider than the one the box was laid out for, and a clipped "1.0" reads as "1.".
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return PlaceLabel(new QLabel(text, parent), name, geometry);
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    // A dialog border: the dialog window type (Qt::Dialog) and no minimise or maximise
    // button.
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setSizeGripEnabled(false);
    setFixedSize(ClientWidth, ClientHeight);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel->setLineWidth(1);
    Panel->setGeometry(8, 8, 281, 161);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(120, 178, 65, 33);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // The picture is shown at its natural size from the top-left corner of a smaller
    // area, so its lowest rows are cut off; a picture that fails to decode leaves the
    // area empty.
    picture_ = quorvel::DecodeJpeg(quorvel::AboutPictureData());
    ProgramIcon = new QLabel(Panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 61, 73);
    ProgramIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProgramIcon->setScaledContents(false);
    if (!picture_.isNull())
        ProgramIcon->setPixmap(QPixmap::fromImage(picture_));

    // The values of these two follow their captions after blanks; in the substitute font
    // the blanks do not line them up, so the values are drawn at one column.
    auto* productName =
        new AlignedValueLabel(QStringLiteral("Product Name         Quorvel"), Panel);
    // The version comes from the build, so the box and quorvel-sweep --version agree.
    auto* version =
        new AlignedValueLabel(QString::fromLatin1("Version      " QUORVEL_VERSION), Panel);
    AlignedValueLabel::AlignValues({productName, version});
    ProductName = PlaceLabel(productName, "ProductName", QRect(88, 16, 146, 13));
    Version = PlaceLabel(version, "Version", QRect(88, 40, 68, 13));
    Copyright = MakeLabel(Panel, "Copyright", QStringLiteral("Copyright © 2026 Quorvel"),
                          QRect(88, 64, 158, 13));
    Comments = MakeLabel(Panel, "Comments",
                         QStringLiteral("Quorvel: равновесие паровой конверсии метана.\n"
                                        "Замечания и предложения по программе\n"
                                        "направляйте ее разработчикам."),
                         QRect(3, 108, 262, 39));
    Comments->setWordWrap(true);
    Comments->setGeometry(3, 108, 262, 39);

    OKButton->setFocus();
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // There is no cancel button: Escape leaves the box open. Enter presses OK.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event) {
    // Centred on the screen every time it is shown, wherever the main window is.
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OKButton->setFocus();
    QDialog::showEvent(event);
}

} // namespace quorvel
