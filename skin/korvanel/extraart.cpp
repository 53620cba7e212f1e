#include "extraart.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Korvanel {

namespace {

// Signed distance from p to a rounded rectangle (negative inside).
double roundedRectDistance(double px, double py, const QRectF &rect, double radius)
{
    const double cx = rect.center().x();
    const double cy = rect.center().y();
    const double hx = rect.width() / 2 - radius;
    const double hy = rect.height() / 2 - radius;
    const double qx = std::abs(px - cx) - hx;
    const double qy = std::abs(py - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// One dark ribbon sweeping across the field, thick in the middle and tapering at both ends.
QPolygonF streak(double width, double baseY, double amplitude, double frequency, double phase,
    double slope, double thickness)
{
    QPolygonF upper;
    QPolygonF lower;
    const double start = -0.1 * width;
    const double end = 1.1 * width;
    for (double x = start; x <= end; x += width / 160) {
        const double t = (x - start) / (end - start);
        const double centre = baseY + amplitude * std::sin(x * frequency + phase) + slope * x;
        const double half = thickness * std::pow(std::sin(std::numbers::pi * t), 1.6) / 2;
        const double skew = 0.35 * half * std::cos(x * frequency * 1.7 + phase);
        upper.append(QPointF(x, centre - half + skew));
        lower.prepend(QPointF(x, centre + half + skew));
    }
    return upper + lower;
}

} // namespace

QImage glowPicture(QSize size, int margin, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    const QRectF button(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
    const double peak = 215;
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double d = roundedRectDistance(x + 0.5, y + 0.5, button, 4);
            double alpha;
            if (d <= 0)
                alpha = peak * (1.0 - 0.15 * std::min(1.0, -d / 8));
            else
                alpha = peak * std::exp(-(d / 4.2) * (d / 4.2));
            // Light pools below the button more than above it, as from a lamp inside the glass.
            const double lift = 0.85 + 0.15 * (y + 0.5) / size.height();
            line[x] = qRgba(color.red(), color.green(), color.blue(),
                std::clamp(int(alpha * lift + 0.5), 0, 255));
        }
    }
    return image;
}

QImage backgroundPicture(QSize size)
{
    const double w = size.width();
    const double h = size.height();
    QImage field(size, QImage::Format_RGB32);
    {
        QPainter painter(&field);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient base(0, 0, w, h);
        base.setColorAt(0, QColor(0x17, 0x86, 0xC4));
        base.setColorAt(0.45, QColor(0x0B, 0x67, 0xA6));
        base.setColorAt(1, QColor(0x05, 0x44, 0x7C));
        painter.fillRect(field.rect(), base);
        QRadialGradient light(QPointF(0.3 * w, 0.22 * h), 0.5 * w);
        light.setColorAt(0, QColor(0x5C, 0xCC, 0xF4, 110));
        light.setColorAt(1, QColor(0x5C, 0xCC, 0xF4, 0));
        painter.fillRect(field.rect(), light);
    }

    // Streaks are drawn small and enlarged, which softens their edges like motion blur.
    const QSize small(size.width() / 4, size.height() / 4);
    QImage streaks = Art::canvas(small);
    Art::Lcg random(0x6B6F7276u);
    {
        QPainter painter(&streaks);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const double sw = small.width();
        const double sh = small.height();
        for (int i = 0; i < 15; ++i) {
            const double baseY = random.range(-0.15, 1.0) * sh;
            const QPolygonF ribbon = streak(sw, baseY, random.range(0.05, 0.22) * sh,
                random.range(1.2, 3.0) / sw, random.range(0, 2 * std::numbers::pi),
                random.range(0.1, 0.45), random.range(0.04, 0.2) * sh);
            QLinearGradient tone(0, 0, sw, 0);
            const int alpha = int(random.range(60, 140));
            tone.setColorAt(0, QColor(0x02, 0x18, 0x3A, alpha / 3));
            tone.setColorAt(0.5, QColor(0x02, 0x18, 0x3A, alpha));
            tone.setColorAt(1, QColor(0x02, 0x18, 0x3A, alpha / 2));
            painter.setBrush(tone);
            painter.drawPolygon(ribbon);
        }
    }
    streaks = Art::blurred(streaks, 1);
    {
        QPainter painter(&field);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, w, h), streaks);

        // A few fine light sweeps catch the eye along the streaks.
        painter.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 7; ++i) {
            const double baseY = random.range(0.0, 1.0) * h;
            const double amplitude = random.range(0.05, 0.2) * h;
            const double frequency = random.range(1.2, 3.0) / w;
            const double phase = random.range(0, 2 * std::numbers::pi);
            const double slope = random.range(0.1, 0.45);
            QPainterPath path;
            for (double x = -0.1 * w; x <= 1.1 * w; x += w / 200) {
                const QPointF p(x, baseY + amplitude * std::sin(x * frequency + phase) + slope * x);
                if (path.isEmpty())
                    path.moveTo(p);
                else
                    path.lineTo(p);
            }
            QLinearGradient fade(0, 0, w, 0);
            fade.setColorAt(0, QColor(0x9F, 0xE4, 0xFF, 0));
            fade.setColorAt(0.5, QColor(0x9F, 0xE4, 0xFF, int(random.range(20, 45))));
            fade.setColorAt(1, QColor(0x9F, 0xE4, 0xFF, 0));
            painter.strokePath(path, QPen(QBrush(fade), random.range(1.0, 2.5)));
        }

        QRadialGradient vignette(QPointF(0.45 * w, 0.4 * h), 0.75 * w);
        vignette.setColorAt(0.6, QColor(0, 0x10, 0x28, 0));
        vignette.setColorAt(1, QColor(0, 0x10, 0x28, 120));
        painter.fillRect(field.rect(), vignette);
    }

    // Fine grain keeps the wide gradients from banding once compressed.
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(field.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(random.range(-2.0, 2.0));
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return field;
}

QImage samplePicture(QSize size)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    const QPainterPath window = Art::roundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5, 2, 2);

    QImage field = backgroundPicture(QSize(int(w) * 4, int(h) * 4))
                       .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.setClipPath(window);
    painter.drawImage(0, 0, field);

    QLinearGradient title(0, 0, 0, 10);
    title.setColorAt(0, QColor(0x5C, 0xC4, 0xEC, 230));
    title.setColorAt(0.48, QColor(0x1C, 0x72, 0x9C, 235));
    title.setColorAt(0.5, QColor(0x0B, 0x4E, 0x70, 240));
    title.setColorAt(1, QColor(0x07, 0x3A, 0x56, 240));
    painter.fillRect(QRectF(0, 0, w, 10), title);
    painter.fillRect(QRectF(w - 17, 0, 14, 7), QColor(0xC8, 0x34, 0x26));
    painter.fillRect(QRectF(w - 27, 0, 9, 7), QColor(0x12, 0x58, 0x7E));

    QLinearGradient toolbar(0, 10, 0, 20);
    toolbar.setColorAt(0, QColor(0x9E, 0xE6, 0xF0, 150));
    toolbar.setColorAt(0.43, QColor(0x8B, 0xAE, 0xC4, 140));
    toolbar.setColorAt(1, QColor(0x60, 0xE0, 0xF0, 140));
    painter.fillRect(QRectF(0, 10, w, 10), toolbar);
    painter.fillRect(QRectF(0, 10, w, 1), QColor(0xB8, 0xF6, 0xFF));
    for (int i = 0; i < 5; ++i)
        painter.fillRect(QRectF(34 + 13 * i, 13, 7, 4), QColor(255, 255, 255, 210));

    const QRectF card(6, 25, 50, 28);
    painter.fillPath(Art::roundedRect(card, 3, 3, 3, 3), QColor(0xAD, 0xDE, 0xFF));
    painter.fillPath(Art::roundedRect(QRectF(6, 25, 50, 7), 3, 3, 0, 0), QColor(0xE6, 0xF5, 0xFF));
    painter.strokePath(Art::roundedRect(card, 3, 3, 3, 3), QPen(QColor(0x5C, 0x9C, 0xC8), 1));

    const QRectF panel(62, 25, 58, 28);
    painter.fillPath(Art::roundedRect(panel, 3, 3, 3, 3), QColor(0x05, 0x34, 0x4C, 200));
    painter.strokePath(Art::roundedRect(panel, 3, 3, 3, 3), QPen(QColor(0x4F, 0xB6, 0xDD), 1));
    painter.fillPath(Art::roundedRect(QRectF(90, 44, 12, 6), 2, 2, 2, 2), QColor(0x2E, 0xA0, 0x2A));
    painter.fillPath(
        Art::roundedRect(QRectF(104, 44, 12, 6), 2, 2, 2, 2), QColor(0xC8, 0x34, 0x26));

    painter.setClipping(false);
    painter.strokePath(window, QPen(QColor(0x1B, 0x6E, 0x8F), 1));
    return image;
}

} // namespace Korvanel
