#pragma once

#include "result.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

namespace Skin {

/// Decodes a JPEG; a non-empty `region` decodes only that part (the image is the region's size).
Result<QImage> decodeJpeg(QByteArrayView bytes, const QRect &region = {});

/// Size of a JPEG from its header alone.
Result<QSize> jpegSize(QByteArrayView bytes);

/// Encodes a baseline JFIF 1.01 JPEG, 3 components, at `dotsPerInch`.
Result<QByteArray> encodeJpeg(const QImage &image, int quality, int dotsPerInch = 72);

} // namespace Skin
