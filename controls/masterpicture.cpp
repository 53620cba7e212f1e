#include "masterpicture.h"

#include "skin/optionvalues.h"

#include <algorithm>

namespace Controls {

QImage cutStatePicture(const QImage &master, const Skin::MasterPicture &picture, int state)
{
    const int states = std::max(1, picture.states);
    const int width = picture.rect.width() / states;
    const int height = picture.masked ? picture.rect.height() / 2 : picture.rect.height();
    if (width <= 0 || height <= 0)
        return {};
    const int column = std::clamp(state, 0, states - 1);
    const QPoint origin = picture.rect.topLeft() + QPoint(column * width, 0);
    const QImage source = master.convertToFormat(QImage::Format_RGB32);
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = 0; y < height; ++y) {
        const int sy = origin.y() + y;
        if (sy < 0 || sy >= source.height())
            continue;
        const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        const QRgb *maskRow = nullptr;
        if (picture.masked && sy + height < source.height())
            maskRow = reinterpret_cast<const QRgb *>(source.constScanLine(sy + height));
        auto *dest = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int sx = origin.x() + x;
            if (sx < 0 || sx >= source.width())
                continue;
            const QRgb pixel = row[sx] | 0xFF000000u;
            if (pixel == 0xFFFF00FFu)
                continue;
            const int alpha = maskRow ? 255 - qGray(maskRow[sx]) : 255;
            dest[x] = qPremultiply(qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha));
        }
    }
    return out;
}

} // namespace Controls
