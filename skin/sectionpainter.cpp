#include "sectionpainter.h"

#include "skindata.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>

namespace Skin {

namespace {

constexpr QRgb magenta = 0xFF00FF;
constexpr qint64 maxCachedLayerBytes = 512 * 1024;

// The look group (normal or hot) and the picture index together decide the layer's pixels.
quint64 layerKey(int index, int lookGroup, int picture, QSize size, bool filling)
{
    return quint64(index & 0xFFFF) | quint64(lookGroup & 1) << 16 | quint64(picture & 0x3F) << 17
        | quint64(filling) << 23 | quint64(size.width() & 0xFFFF) << 24
        | quint64(size.height() & 0xFFFF) << 40;
}

QImage gradientImage(const Gradient &gradient, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const bool horizontal = gradient.first().mode == 1;
    const int length = horizontal ? size.width() : size.height();
    QPainter painter(&image);
    int start = 0;
    int shares = 0;
    for (qsizetype i = 0; i < gradient.size() && start < length; ++i) {
        const GradientSegment &segment = gradient.at(i);
        shares += segment.share;
        // The last group takes whatever length the shares before it leave.
        const int end = i + 1 == gradient.size() ? length : std::min(length, shares * length / 100);
        if (end <= start)
            continue;
        const QRect band = horizontal ? QRect(start, 0, end - start, size.height())
                                      : QRect(0, start, size.width(), end - start);
        QLinearGradient linear(band.topLeft(), horizontal ? band.topRight() : band.bottomLeft());
        linear.setColorAt(0, QColor::fromRgb(segment.from));
        linear.setColorAt(1, QColor::fromRgb(segment.to));
        painter.fillRect(band, linear);
        start = end;
    }
    return image;
}

// Splits `total` into (first, middle, last) where first and last are fixed borders that
// shrink in proportion when the total is too small for both.
std::array<int, 3> spans(int total, int first, int last)
{
    if (first + last > total && first + last > 0) {
        const int scaledFirst = total * first / (first + last);
        return { scaledFirst, 0, total - scaledFirst };
    }
    return { first, total - first - last, last };
}

// True when every pixel of `area` is fully transparent; stretching such a slice (a frame's
// magenta centre over a whole window) would cost much and draw nothing.
bool isClear(const QImage &picture, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(row[x]) != 0)
                return false;
        }
    }
    return true;
}

void drawSlice(
    QPainter &painter, const QImage &picture, const QRect &source, const QRect &target, bool tiled)
{
    if (source.isEmpty() || target.isEmpty() || isClear(picture, source))
        return;
    if (source.size() == target.size()) {
        painter.drawImage(target.topLeft(), picture, source);
        return;
    }
    // A copy keeps smooth scaling from sampling pixels of the neighbouring slices.
    const QImage slice = picture.copy(source);
    if (tiled) {
        painter.setBrushOrigin(target.topLeft());
        painter.fillRect(target, QBrush(slice));
    } else {
        painter.drawImage(target.topLeft(),
            slice.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}

void drawNineSlice(
    QPainter &painter, const QImage &picture, const QMargins &borders, QSize size, bool tiled)
{
    const auto sourceColumns = spans(picture.width(), borders.left(), borders.right());
    const auto sourceRows = spans(picture.height(), borders.top(), borders.bottom());
    const auto targetColumns = spans(size.width(), borders.left(), borders.right());
    const auto targetRows = spans(size.height(), borders.top(), borders.bottom());
    int sourceY = 0;
    int targetY = 0;
    for (int row = 0; row < 3; ++row) {
        int sourceX = 0;
        int targetX = 0;
        for (int column = 0; column < 3; ++column) {
            drawSlice(painter, picture,
                QRect(sourceX, sourceY, sourceColumns[column], sourceRows[row]),
                QRect(targetX, targetY, targetColumns[column], targetRows[row]), tiled);
            sourceX += sourceColumns[column];
            targetX += targetColumns[column];
        }
        sourceY += sourceRows[row];
        targetY += targetRows[row];
    }
}

} // namespace

struct SectionPainter::Private
{
    explicit Private(const SkinData &skinData, qint64 cacheBytes)
        : skin(skinData)
        , layers(int(std::clamp<qint64>(cacheBytes / 1024, 1, INT_MAX)))
    { }

    int pictureIndex(const SkinSection &section, int state) const
    {
        return section.bordersMask ? std::clamp(state, 0, section.bordersMask->states - 1) : 0;
    }

    // The state picture cut from the master bitmap with its mask applied; null when the
    // section has none or its rectangle lies outside the bitmap.
    QImage statePicture(int index, int picture)
    {
        const quint64 key = quint64(index) << 8 | quint64(picture);
        if (auto found = pictures.constFind(key); found != pictures.constEnd())
            return *found;
        QImage result;
        const SkinSection &section = skin.section(index);
        const QImage &master = skin.masterBitmap();
        if (section.bordersMask && master.rect().contains(section.bordersMask->rect)) {
            const BordersMask &mask = *section.bordersMask;
            const QRect pictureRect = mask.statePicture(picture);
            const QRect maskRect = mask.stateMask(picture);
            result = QImage(pictureRect.size(), QImage::Format_ARGB32);
            for (int y = 0; y < pictureRect.height(); ++y) {
                const auto *in
                    = reinterpret_cast<const QRgb *>(master.constScanLine(pictureRect.top() + y))
                    + pictureRect.left();
                const QRgb *coverage = maskRect.isEmpty()
                    ? nullptr
                    : reinterpret_cast<const QRgb *>(master.constScanLine(maskRect.top() + y))
                        + maskRect.left();
                auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
                for (int x = 0; x < pictureRect.width(); ++x) {
                    const QRgb rgb = in[x] & 0xFFFFFF;
                    int alpha = rgb == magenta ? 0 : 255;
                    if (coverage && alpha)
                        alpha = 255 - qGray(coverage[x]);
                    out[x] = (rgb & 0xFFFFFF) | QRgb(alpha) << 24;
                }
            }
            result.convertTo(QImage::Format_ARGB32_Premultiplied);
        }
        pictures.insert(key, result);
        return result;
    }

    QImage fill(const SectionLook &look, QSize size) const
    {
        const bool patterned = !look.pattern.isEmpty() && look.imagePercent > 0;
        const QSize patternSize = patterned ? skin.pictureSize(look.pattern) : QSize();
        const int gradientShare = look.gradient.isEmpty() ? 0 : look.gradientPercent;
        const int imageShare = patternSize.isEmpty() ? 0 : look.imagePercent;
        const int total = std::max(100, gradientShare + imageShare);
        const int colorShare = total - gradientShare - imageShare;
        // A pattern as large as the area is drawn at its natural size: only that part is needed.
        const bool covers
            = patternSize.width() >= size.width() && patternSize.height() >= size.height();
        const QImage pattern = imageShare == 0 ? QImage()
            : covers ? skin.pictureRegion(look.pattern, QRect(QPoint(), size))
                     : skin.picture(look.pattern);

        if (imageShare == total && covers && pattern.size() == size) {
            QImage image = pattern;
            // Opaque 32-bit pixels are already premultiplied: no pass over them is needed.
            if (image.format() != QImage::Format_RGB32
                || !image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied))
                image.convertTo(QImage::Format_ARGB32_Premultiplied);
            return image;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor::fromRgb(look.color));
        QPainter painter(&image);
        if (gradientShare > 0) {
            painter.setOpacity(qreal(gradientShare) / (colorShare + gradientShare));
            painter.drawImage(0, 0, gradientImage(look.gradient, size));
        }
        if (!pattern.isNull()) {
            painter.setOpacity(qreal(imageShare) / total);
            painter.fillRect(image.rect(), QBrush(pattern));
        }
        return image;
    }

    const SkinData &skin;
    QCache<quint64, QImage> layers;
    QHash<quint64, QImage> pictures;
};

SectionPainter::SectionPainter(const SkinData &skin, qint64 cacheBytes)
    : d(std::make_unique<Private>(skin, cacheBytes))
{ }

SectionPainter::~SectionPainter() = default;

bool SectionPainter::isInvisible(int index, int state, bool filling) const
{
    if (index < 0 || index >= d->skin.sections().size())
        return true;
    const SkinSection &section = d->skin.section(index);
    const bool fills = filling && section.look(state).transparency < 100;
    return !fills && d->statePicture(index, d->pictureIndex(section, state)).isNull();
}

QImage SectionPainter::layer(int index, int state, QSize size, bool filling)
{
    if (index < 0 || index >= d->skin.sections().size() || size.isEmpty())
        return {};
    const SkinSection &section = d->skin.section(index);
    const int picture = d->pictureIndex(section, state);
    const quint64 key = layerKey(index, state >= 1, picture, size, filling);
    if (const QImage *cached = d->layers.object(key))
        return *cached;

    const SectionLook &look = section.look(state);
    QImage result;
    if (filling && look.transparency == 0) {
        result = d->fill(look, size);
    } else {
        result = QImage(size, QImage::Format_ARGB32_Premultiplied);
        result.fill(Qt::transparent);
    }
    QPainter painter(&result);
    if (filling && look.transparency > 0 && look.transparency < 100) {
        painter.setOpacity((100 - look.transparency) / 100.0);
        painter.drawImage(0, 0, d->fill(look, size));
        painter.setOpacity(1);
    }
    const QImage statePicture = d->statePicture(index, picture);
    if (!statePicture.isNull())
        drawNineSlice(painter, statePicture, section.bordersMask->borders, size,
            section.bordersMask->tiled());
    painter.end();

    // Large layers (a window, a page) are drawn once into their control's own cache picture;
    // keeping them here as well would only double their memory.
    if (result.sizeInBytes() <= maxCachedLayerBytes) {
        const qint64 kilobytes = std::max<qint64>(1, result.sizeInBytes() / 1024);
        d->layers.insert(key, new QImage(result), int(kilobytes));
    }
    return result;
}

void SectionPainter::paint(int index, int state, QImage &dest, const QRect &rect,
    const ParentBackground &background, bool filling)
{
    const QRect target = rect.intersected(dest.rect());
    if (target.isEmpty())
        return;
    // A shallow copy makes the painter detach `dest` when both are the same picture.
    const QImage source = background.source ? *background.source : QImage();
    QPainter painter(&dest);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(target, QColor::fromRgb(background.fillColor));
    if (!source.isNull()) {
        const QRect wanted(background.offset + (target.topLeft() - rect.topLeft()), target.size());
        const QRect available = wanted.intersected(source.rect());
        if (!available.isEmpty())
            painter.drawImage(
                target.topLeft() + (available.topLeft() - wanted.topLeft()), source, available);
    }
    if (isInvisible(index, state, filling))
        return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRect(target);
    painter.drawImage(rect.topLeft(), layer(index, state, rect.size(), filling));
}

} // namespace Skin
