#pragma once

#include "result.h"

#include <QByteArray>
#include <QImage>

namespace Skin {

/// Decodes a PNG.
Result<QImage> decodePng(QByteArrayView bytes);

/// Decodes a skin picture by the kind its content shows (BMP, JPEG or PNG).
Result<QImage> decodePicture(QByteArrayView bytes);

} // namespace Skin
