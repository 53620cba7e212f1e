#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

class QPainter;

namespace Art {

/// A transparent premultiplied canvas of `size`.
QImage canvas(QSize size);

/// A rounded rectangle with its own radius per corner (top-left, top-right, bottom-right,
/// bottom-left).
QPainterPath roundedRect(const QRectF &rect, qreal tl, qreal tr, qreal br, qreal bl);

/// `color` with its alpha replaced by `alpha` (0…255).
QColor withAlpha(QColor color, int alpha);

/// Linear blend of two colours, t = 0 gives `a`.
QColor mix(const QColor &a, const QColor &b, qreal t);

/// Colours of one glass body: top and bottom of the upper (glossy) half, top and bottom of the
/// lower half, the outline, and the strength of the inner highlight.
struct Glass
{
    QColor upperTop;
    QColor upperBottom;
    QColor lowerTop;
    QColor lowerBottom;
    QColor outline;
    int highlight = 70;
};

/// Fills `path` (bounded by `rect`) as glass: two-part vertical gradient split at `split`
/// (fraction of the height), an inner highlight line and the outline.
void paintGlass(QPainter &painter, const QPainterPath &path, const QRectF &rect, const Glass &glass,
    qreal split = 0.5);

/// Box-blurs the alpha and colour of a premultiplied image three times (close to a gaussian).
QImage blurred(const QImage &image, int radius);

/// A tiny deterministic generator, so the art is byte-identical on every run.
class Lcg
{
public:
    explicit Lcg(std::uint32_t seed)
        : m_state(seed)
    { }
    /// Next value in [0, 1).
    double next();
    /// Next value in [low, high).
    double range(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

} // namespace Art
