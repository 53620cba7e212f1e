#pragma once

#include "result.h"

#include <QByteArray>
#include <QImage>

namespace Skin {

/// Decodes an uncompressed 24-bit BMP with a 12-byte (OS/2) or 40-byte information header.
Result<QImage> decodeBmp(QByteArrayView bytes);

/// Encodes an image as an uncompressed 24-bit BMP with the 12-byte (OS/2) information header.
QByteArray encodeBmpCore(const QImage &image);

} // namespace Skin
