#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/dialogs/AboutPicture.h"
#include "ui/dialogs/AlignedValueLabel.h"
#include "ui/dialogs/JpegPicture.h"
#include "ui/dialogs/TAboutBox.h"

namespace {

// Colours of the flat areas of the picture as drawn; JPEG keeps them within a few units.
struct Spot {
    int x, y;
    QRgb colour;
};
const Spot PictureSpots[] = {
    {5, 40, qRgb(0xDC, 0xEB, 0xF5)},  // sky
    {30, 35, qRgb(0xA0, 0x18, 0x18)}, // reforming tube
    {50, 20, qRgb(0x70, 0x70, 0x70)}, // outlet pipe
    {30, 66, qRgb(0xF0, 0x8C, 0x00)}, // burner flame
    {30, 82, qRgb(0x2E, 0x8B, 0x57)}, // ground, in the rows the box cuts off
};

bool Near(QRgb a, QRgb b, int tolerance = 10) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString Describe(QRgb c) {
    return QColor(c).name();
}

} // namespace

TEST(TAboutBox, PictureDecodesTo61By89WithItsColours) {
    const QImage picture = quorvel::DecodeJpeg(quorvel::AboutPictureData());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(61, 89));
    for (const Spot& s : PictureSpots)
        EXPECT_TRUE(Near(picture.pixel(s.x, s.y), s.colour))
            << s.x << "," << s.y << " " << Describe(picture.pixel(s.x, s.y)).toStdString();
}

TEST(TAboutBox, ShowsItsTextsAndThePictureCutTo73Rows) {
    quorvel::TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.size(), QSize(298, 218));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.windowType(), Qt::Dialog);
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(box.findChild<QLabel*>("ProductName")->text(), "Product Name         Quorvel");
    EXPECT_EQ(box.findChild<QLabel*>("Version")->text(), "Version      1.0");
    EXPECT_EQ(box.findChild<QLabel*>("Copyright")->text().count('\n'), 0);
    EXPECT_EQ(box.findChild<QLabel*>("Comments")->text().count('\n'), 2);
    for (const char* name : {"ProductName", "Version", "Copyright"}) {
        const QLabel* label = box.findChild<QLabel*>(name);
        EXPECT_GE(label->width(), label->sizeHint().width()) << name << " is clipped";
    }
    EXPECT_EQ(box.Picture().size(), QSize(61, 89));
    EXPECT_TRUE(box.OkButton()->isDefault());

    // Drawn from the top-left of the picture area (panel 8,8 + area 8,8), cut below row 72.
    box.show();
    const QImage shot = box.grab().toImage();
    const QPoint origin(16, 16);
    for (const Spot& s : PictureSpots) {
        const QRgb shown = shot.pixel(origin + QPoint(s.x, s.y));
        if (s.y < 73) {
            EXPECT_TRUE(Near(shown, s.colour))
                << s.x << "," << s.y << " " << Describe(shown).toStdString();
        } else {
            EXPECT_FALSE(Near(shown, s.colour, 40)) << "row " << s.y << " should be cut off";
        }
    }
    if (const char* dir = std::getenv("QUORVEL_SCREENSHOT_DIR"))
        shot.save(QString::fromLocal8Bit(dir) + "/about.png");
}

TEST(TAboutBox, EscapeLeavesItOpenEnterClosesWithOk) {
    quorvel::TAboutBox box;
    box.open();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_TRUE(box.isVisible());
    QTest::keyClick(box.OkButton(), Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);

    // Opened again, it is centred on the screen wherever it was moved to.
    box.move(0, 0);
    box.open();
    const QPoint centre = box.screen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - centre).manhattanLength(), 4);
    box.close();
    EXPECT_FALSE(box.isVisible());
}

TEST(JpegPicture, DamagedDataGivesNoPictureAndNoCrash) {
    const QByteArray good = quorvel::AboutPictureData();
    ASSERT_GT(good.size(), 200);
    EXPECT_TRUE(quorvel::DecodeJpeg({}).isNull());
    EXPECT_TRUE(quorvel::DecodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(quorvel::DecodeJpeg(good.left(2)).isNull());               // only the start marker
    EXPECT_TRUE(quorvel::DecodeJpeg(good.left(good.size() / 2)).isNull()); // truncated scan
    QByteArray badHeader = good;
    badHeader[3] = '\x00'; // first segment's marker type destroyed
    badHeader[2] = '\x00';
    EXPECT_TRUE(quorvel::DecodeJpeg(badHeader).isNull());

    // Damage anywhere in the data must never crash; whatever decodes has the right size.
    for (int i = 2; i < good.size(); i += 7) {
        QByteArray damaged = good;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
        const QImage image = quorvel::DecodeJpeg(damaged);
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(61, 89)) << i;
        }
    }
    // The decoder is left in a usable state after all those failures.
    EXPECT_EQ(quorvel::DecodeJpeg(good).size(), QSize(61, 89));
}

// The first column, from x on, that holds a dark (text) pixel; -1 if none.
static int FirstInkColumn(const QImage& image, int from) {
    for (int x = std::max(0, from); x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 96)
                return x;
    return -1;
}

TEST(TAboutBox, ProductNameAndVersionValuesStartAtOneColumn) {
    quorvel::TAboutBox box;
    box.show();
    auto* product = box.findChild<quorvel::AlignedValueLabel*>("ProductName");
    auto* version = box.findChild<quorvel::AlignedValueLabel*>("Version");
    ASSERT_NE(product, nullptr);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(product->Value(), "Quorvel");
    EXPECT_EQ(version->Value(), "1.0");
    EXPECT_EQ(product->x(), version->x());
    EXPECT_EQ(product->ValueLeft(), version->ValueLeft());
    EXPECT_GT(product->ValueLeft(), product->CaptionWidth());

    // As drawn: the first ink past each caption begins at the same column, and the
    // whole value is inside the label.
    const QImage productShot = product->grab().toImage();
    const QImage versionShot = version->grab().toImage();
    const int productValue = FirstInkColumn(productShot, product->CaptionWidth() + 1);
    const int versionValue = FirstInkColumn(versionShot, version->CaptionWidth() + 1);
    ASSERT_GT(productValue, 0);
    EXPECT_NEAR(productValue, versionValue, 1);
    EXPECT_GE(productValue, product->ValueLeft());
    EXPECT_GE(product->width(), product->sizeHint().width());
    EXPECT_GE(version->width(), version->sizeHint().width());
}
