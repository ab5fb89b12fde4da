#include "ui/dialogs/AboutPicture.h"

#include <QFile>

// AboutPicture.jpg was drawn once with ImageMagick and is kept as it is:
//   convert -size 61x89 xc:'#DCEBF5' -fill '#707070' -draw 'rectangle 28,0 32,10'
//     -draw 'rectangle 40,18 60,22' -fill '#A01818' -draw 'roundrectangle 18,8 42,60 4,4'
//     -fill '#F08C00' -draw 'ellipse 30,66 11,5 0,360' -fill '#2E8B57'
//     -draw 'rectangle 0,73 60,88' -sampling-factor 1x1 -quality 95 -strip AboutPicture.jpg

// A resource in a static library must be registered by hand, at global scope.
static void RegisterAboutPicture() {
    Q_INIT_RESOURCE(AboutPicture);
}

namespace quorvel {

QByteArray AboutPictureData() {
    static const bool registered = (RegisterAboutPicture(), true);
    (void)registered;
    QFile file(QStringLiteral(":/about/AboutPicture.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace quorvel
