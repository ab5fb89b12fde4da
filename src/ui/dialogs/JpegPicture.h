#pragma once

#include <QByteArray>
#include <QImage>

namespace quorvel {

// Decodes a baseline or progressive JPEG held in memory with libjpeg into an RGB image.
// Damaged or truncated data, and pictures too large to be sensible, give a null image;
// libjpeg never ends the process and never leaves a half-grey picture behind.
QImage DecodeJpeg(const QByteArray& data);

} // namespace quorvel
