#pragma once

#include <QByteArray>

namespace quorvel {

// The JPEG picture of the About box (61 x 89 pixels: a reforming tube over its burner),
// as stored in the program.
QByteArray AboutPictureData();

} // namespace quorvel
