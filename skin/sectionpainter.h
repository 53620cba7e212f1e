#pragma once

#include <QCache>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>

namespace Skin {

class SkinData;

/// What lies behind a painted section: a source picture and the point of it under the
/// destination's top-left corner, or a fill colour where there is no source.
struct ParentBackground
{
    const QImage *source = nullptr;
    QPoint offset;
    QRgb fillColor = 0xFFFF00FF;

    /// The record for (bitmap, x, y).
    static ParentBackground at(const QImage *bitmap, int x, int y) { return { bitmap, { x, y } }; }
};

/// Paints skin sections. The rules:
/// - fill: the state's colour, gradient and pattern picture weighed by their percentages
///   (colour takes what the other two leave), blended by (100 - transparency)% over the
///   background; hot and active states use the HOT values.
/// - then the state picture of BORDERSMASK as a 9-slice: corners fixed, edges and centre
///   stretched (tiled for drawing mode 1); the mask's darkness is the picture's coverage
///   (black shows the picture, white the background) and magenta pixels are transparent.
/// - a section with neither fill nor picture leaves the background untouched.
/// The section's own layer is cached by (section, state, size, filling).
class SectionPainter
{
public:
    explicit SectionPainter(const SkinData &skin, qint64 cacheBytes = 48 * 1024 * 1024);
    ~SectionPainter();
    Q_DISABLE_COPY(SectionPainter)

    /// Paints section `index` in `state` into `rect` of `dest` over `background`.
    void paint(int index, int state, QImage &dest, const QRect &rect,
        const ParentBackground &background, bool filling = true);
    /// The section's own layer (premultiplied ARGB), painted over transparency.
    QImage layer(int index, int state, QSize size, bool filling = true);
    /// True when the section draws nothing of its own in `state`.
    bool isInvisible(int index, int state, bool filling = true) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Skin
