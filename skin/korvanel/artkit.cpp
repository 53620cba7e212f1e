#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace Art {

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath roundedRect(const QRectF &rect, qreal tl, qreal tr, qreal br, qreal bl)
{
    QPainterPath path;
    path.moveTo(rect.left() + tl, rect.top());
    path.lineTo(rect.right() - tr, rect.top());
    if (tr > 0)
        path.arcTo(rect.right() - 2 * tr, rect.top(), 2 * tr, 2 * tr, 90, -90);
    path.lineTo(rect.right(), rect.bottom() - br);
    if (br > 0)
        path.arcTo(rect.right() - 2 * br, rect.bottom() - 2 * br, 2 * br, 2 * br, 0, -90);
    path.lineTo(rect.left() + bl, rect.bottom());
    if (bl > 0)
        path.arcTo(rect.left(), rect.bottom() - 2 * bl, 2 * bl, 2 * bl, 270, -90);
    path.lineTo(rect.left(), rect.top() + tl);
    if (tl > 0)
        path.arcTo(rect.left(), rect.top(), 2 * tl, 2 * tl, 180, -90);
    path.closeSubpath();
    return path;
}

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(std::clamp(alpha, 0, 255));
    return color;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    const auto lerp = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
        lerp(a.alpha(), b.alpha()));
}

void paintGlass(QPainter &painter, const QPainterPath &path, const QRectF &rect, const Glass &glass,
    qreal split)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, glass.upperTop);
    body.setColorAt(split, glass.upperBottom);
    body.setColorAt(std::min(1.0, split + 0.001), glass.lowerTop);
    body.setColorAt(1, glass.lowerBottom);
    painter.fillPath(path, body);

    // The highlight runs just inside the outline and fades towards the bottom, as light from above.
    if (glass.highlight > 0) {
        QLinearGradient shine(rect.topLeft(), rect.bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, glass.highlight));
        shine.setColorAt(split, QColor(255, 255, 255, glass.highlight / 3));
        shine.setColorAt(1, QColor(255, 255, 255, glass.highlight / 6));
        painter.setClipPath(path);
        painter.strokePath(path, QPen(QBrush(shine), 3.0));
        painter.setClipping(false);
    }
    if (glass.outline.alpha() > 0)
        painter.strokePath(path, QPen(glass.outline, 1.0));
    painter.restore();
}

QImage blurred(const QImage &image, int radius)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return out;
    const int w = out.width();
    const int h = out.height();
    QList<int> line;
    const auto pass = [&](bool horizontal) {
        const int outer = horizontal ? h : w;
        const int inner = horizontal ? w : h;
        line.resize(qsizetype(inner) * 4);
        for (int o = 0; o < outer; ++o) {
            const auto pixel = [&](int i) -> QRgb & {
                const int x = horizontal ? i : o;
                const int y = horizontal ? o : i;
                return reinterpret_cast<QRgb *>(out.scanLine(y))[x];
            };
            for (int i = 0; i < inner; ++i) {
                const QRgb p = pixel(i);
                line[i * 4] = qAlpha(p);
                line[i * 4 + 1] = qRed(p);
                line[i * 4 + 2] = qGreen(p);
                line[i * 4 + 3] = qBlue(p);
            }
            const int span = 2 * radius + 1;
            for (int i = 0; i < inner; ++i) {
                int sum[4] = { 0, 0, 0, 0 };
                for (int k = i - radius; k <= i + radius; ++k) {
                    if (k < 0 || k >= inner)
                        continue;
                    for (int c = 0; c < 4; ++c)
                        sum[c] += line[k * 4 + c];
                }
                pixel(i) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    return out;
}

double Lcg::next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return double(m_state >> 8) / double(1u << 24);
}

} // namespace Art
