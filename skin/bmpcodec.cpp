#include "bmpcodec.h"

namespace Skin {

namespace {

constexpr qint64 fileHeaderSize = 14;
constexpr qint64 coreHeaderSize = 12;
constexpr qint64 infoHeaderSize = 40;
constexpr qint64 maxSide = 16384;

quint32 u32(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}
quint16 u16(const uchar *p)
{
    return quint16(p[0] | p[1] << 8);
}

} // namespace

Result<QImage> decodeBmp(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qint64 size = bytes.size();
    if (size < fileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return Error { QStringLiteral("BMP: not a bitmap file (no 'BM' header)") };
    const qint64 pixelOffset = u32(data + 10);
    const qint64 headerSize = u32(data + fileHeaderSize);

    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    if (headerSize == coreHeaderSize) {
        if (size < fileHeaderSize + coreHeaderSize)
            return Error { QStringLiteral("BMP: truncated information header") };
        width = u16(data + 18);
        height = u16(data + 20);
        bitCount = u16(data + 24);
    } else if (headerSize >= infoHeaderSize) {
        if (size < fileHeaderSize + infoHeaderSize)
            return Error { QStringLiteral("BMP: truncated information header") };
        width = qint32(u32(data + 18));
        height = qint32(u32(data + 22));
        bitCount = u16(data + 28);
        const quint32 compression = u32(data + 30);
        if (compression != 0)
            return Error {
                QStringLiteral("BMP: compression %1 is not supported").arg(compression)
            };
    } else {
        return Error {
            QStringLiteral("BMP: unsupported information header of %1 bytes").arg(headerSize)
        };
    }
    if (bitCount != 24)
        return Error {
            QStringLiteral("BMP: %1 bits per pixel, only 24 are supported").arg(bitCount)
        };
    // A negative height marks rows stored top-down.
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return Error { QStringLiteral("BMP: bad dimensions %1 × %2").arg(width).arg(height) };
    const qint64 stride = (width * 3 + 3) & ~qint64(3);
    if (pixelOffset < fileHeaderSize + headerSize || pixelOffset > size
        || stride * height > size - pixelOffset) {
        return Error { QStringLiteral("BMP: pixel data of %1 × %2 does not fit in %3 bytes")
                           .arg(width)
                           .arg(height)
                           .arg(size) };
    }

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return Error { QStringLiteral("BMP: out of memory for %1 × %2").arg(width).arg(height) };
    for (qint64 y = 0; y < height; ++y) {
        const uchar *row = data + pixelOffset + stride * (topDown ? y : height - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < width; ++x, row += 3)
            out[x] = qRgb(row[2], row[1], row[0]);
    }
    return image;
}

QByteArray encodeBmpCore(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qint64 width = rgb.width();
    const qint64 height = rgb.height();
    const qint64 stride = (width * 3 + 3) & ~qint64(3);
    const qint64 offset = fileHeaderSize + coreHeaderSize;
    QByteArray out(offset + stride * height, '\0');
    auto *p = reinterpret_cast<uchar *>(out.data());
    auto put16 = [](uchar *at, quint32 v) {
        at[0] = uchar(v);
        at[1] = uchar(v >> 8);
    };
    auto put32 = [](uchar *at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            at[i] = uchar(v >> (8 * i));
    };
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, quint32(out.size()));
    put32(p + 10, quint32(offset));
    put32(p + 14, quint32(coreHeaderSize));
    put16(p + 18, quint32(width));
    put16(p + 20, quint32(height));
    put16(p + 22, 1);
    put16(p + 24, 24);
    for (qint64 y = 0; y < height; ++y) {
        uchar *row = p + offset + stride * (height - 1 - y);
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(int(y)));
        for (qint64 x = 0; x < width; ++x, row += 3) {
            row[0] = uchar(qBlue(in[x]));
            row[1] = uchar(qGreen(in[x]));
            row[2] = uchar(qRed(in[x]));
        }
    }
    return out;
}

} // namespace Skin
