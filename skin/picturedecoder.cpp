#include "picturedecoder.h"

#include "bmpcodec.h"
#include "jpegcodec.h"

#include <QBuffer>
#include <QImageReader>

namespace Skin {

namespace {

constexpr int maxPngSide = 16384;

} // namespace

Result<QImage> decodePng(QByteArrayView bytes)
{
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid())
        return Error { QStringLiteral("PNG: %1").arg(reader.errorString()) };
    if (size.width() > maxPngSide || size.height() > maxPngSide)
        return Error { QStringLiteral("PNG: dimensions %1 × %2 are out of range")
                           .arg(size.width())
                           .arg(size.height()) };
    QImage image = reader.read();
    if (image.isNull())
        return Error { QStringLiteral("PNG: %1").arg(reader.errorString()) };
    return image;
}

Result<QImage> decodePicture(QByteArrayView bytes)
{
    if (bytes.startsWith("BM"))
        return decodeBmp(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        return decodeJpeg(bytes);
    if (bytes.startsWith("\x89PNG"))
        return decodePng(bytes);
    return Error { QStringLiteral("not a BMP, JPEG or PNG picture") };
}

} // namespace Skin
