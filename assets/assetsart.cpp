#include "assetsart.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace Assets {

namespace {

// Line weight of the pictograms at full size; they are shown at half size, where it is 3 px.
constexpr qreal stroke = 6.5;

QPen linePen(qreal width = stroke)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Drops a soft dark shadow under white line art so it reads on light and dark toolbars alike.
QImage withShadow(const QImage &art)
{
    QImage shadow = Art::canvas(art.size());
    {
        QPainter painter(&shadow);
        painter.drawImage(0, 3, art);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(shadow.rect(), QColor(0, 0x10, 0x20, 170));
    }
    shadow = Art::blurred(shadow, 2);
    QPainter painter(&shadow);
    painter.drawImage(0, 0, art);
    painter.end();
    return shadow;
}

// Clears `path` so that a shape drawn next appears in front of what is already there.
void knockOut(QPainter &painter, const QPainterPath &path, qreal margin)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(path, Qt::transparent);
    painter.strokePath(path, QPen(Qt::transparent, margin));
    painter.restore();
}

QPainterPath person(const QPointF &head, qreal headRadius, qreal shoulderWidth, qreal bottom)
{
    QPainterPath path;
    path.addEllipse(head, headRadius, headRadius);
    const qreal top = head.y() + headRadius + headRadius * 0.45;
    const qreal half = shoulderWidth / 2;
    QPainterPath body;
    body.moveTo(head.x() - half, bottom);
    body.cubicTo(
        head.x() - half, top + (bottom - top) * 0.1, head.x() - half * 0.55, top, head.x(), top);
    body.cubicTo(head.x() + half * 0.55, top, head.x() + half, top + (bottom - top) * 0.1,
        head.x() + half, bottom);
    body.closeSubpath();
    return path.united(body);
}

void people(QPainter &painter)
{
    const QPainterPath left = person(QPointF(60, 58), 12, 50, 116);
    const QPainterPath right = person(QPointF(136, 58), 12, 50, 116);
    const QPainterPath middle = person(QPointF(98, 50), 15, 64, 118);
    painter.strokePath(left, linePen());
    painter.strokePath(right, linePen());
    knockOut(painter, middle, stroke * 3);
    painter.strokePath(middle, linePen());
}

void house(QPainter &painter)
{
    QPainterPath roof;
    roof.moveTo(42, 80);
    roof.lineTo(98, 32);
    roof.lineTo(154, 80);
    QPainterPath walls;
    walls.moveTo(60, 68);
    walls.lineTo(60, 120);
    walls.lineTo(136, 120);
    walls.lineTo(136, 68);
    QPainterPath door;
    door.moveTo(86, 120);
    door.lineTo(86, 94);
    door.lineTo(110, 94);
    door.lineTo(110, 120);
    QPainterPath chimney;
    chimney.moveTo(124, 56);
    chimney.lineTo(124, 40);
    chimney.lineTo(136, 40);
    chimney.lineTo(136, 66);
    for (const QPainterPath *path : { &roof, &walls, &door, &chimney })
        painter.strokePath(*path, linePen());
}

void openBox(QPainter &painter)
{
    const QPolygonF front(
        { QPointF(56, 78), QPointF(140, 78), QPointF(140, 124), QPointF(56, 124) });
    const QPolygonF back({ QPointF(56, 78), QPointF(72, 62), QPointF(124, 62), QPointF(140, 78) });
    const QPolygonF leftFlap(
        { QPointF(56, 78), QPointF(32, 62), QPointF(50, 46), QPointF(72, 62) });
    const QPolygonF rightFlap(
        { QPointF(140, 78), QPointF(164, 62), QPointF(146, 46), QPointF(124, 62) });
    const QPolygonF backFlap(
        { QPointF(72, 62), QPointF(80, 38), QPointF(116, 38), QPointF(124, 62) });
    for (const QPolygonF *shape : { &backFlap, &leftFlap, &rightFlap, &back, &front }) {
        QPainterPath path;
        path.addPolygon(*shape);
        path.closeSubpath();
        painter.strokePath(path, linePen());
    }
    painter.setPen(linePen(stroke * 0.8));
    painter.drawLine(QPointF(98, 78), QPointF(98, 96));
}

void dollarReturn(QPainter &painter)
{
    // The arrow sweeps over the sign from right to left, its head pointing left.
    QPainterPath arc;
    arc.moveTo(146, 66);
    arc.cubicTo(140, 28, 62, 22, 54, 52);
    painter.strokePath(arc, linePen());
    QPainterPath head;
    head.moveTo(40, 40);
    head.lineTo(54, 56);
    head.lineTo(70, 44);
    painter.strokePath(head, linePen());

    const QPointF c(98, 96);
    QPainterPath s;
    s.moveTo(c + QPointF(16, -17));
    s.cubicTo(c + QPointF(12, -25), c + QPointF(-18, -26), c + QPointF(-18, -12));
    s.cubicTo(c + QPointF(-18, 0), c + QPointF(18, -2), c + QPointF(18, 12));
    s.cubicTo(c + QPointF(18, 27), c + QPointF(-14, 27), c + QPointF(-18, 17));
    painter.strokePath(s, linePen());
    painter.setPen(linePen());
    painter.drawLine(c + QPointF(0, -32), c + QPointF(0, 32));
}

QPainterPath spannerShape()
{
    // Built pointing right from the origin, then turned into place by the caller.
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-58, -7, 100, 14), 7, 7);
    QPainterPath head;
    head.addEllipse(QPointF(46, 0), 19, 19);
    QPainterPath jaw;
    jaw.addRect(QRectF(44, -8, 30, 16));
    QPainterPath ring;
    ring.addEllipse(QPointF(-56, 0), 14, 14);
    QPainterPath hole;
    hole.addEllipse(QPointF(-56, 0), 6, 6);
    return handle.united(head).united(ring).subtracted(jaw).subtracted(hole);
}

QPainterPath hammerShape()
{
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-60, -6, 100, 12), 6, 6);
    QPainterPath head;
    head.addRoundedRect(QRectF(36, -24, 20, 48), 3, 3);
    QPainterPath face;
    face.addRoundedRect(QRectF(54, -14, 8, 28), 2, 2);
    QPainterPath claw;
    claw.moveTo(36, -20);
    claw.cubicTo(24, -26, 18, -30, 14, -36);
    claw.lineTo(22, -38);
    claw.cubicTo(28, -30, 34, -28, 38, -26);
    claw.closeSubpath();
    return handle.united(head).united(face).united(claw);
}

void tools(QPainter &painter)
{
    const QPointF centre(98, 80);
    const QPainterPath spanner
        = QTransform().translate(centre.x(), centre.y()).rotate(-45).map(spannerShape());
    const QPainterPath hammer
        = QTransform().translate(centre.x(), centre.y()).rotate(-135).map(hammerShape());
    painter.strokePath(spanner, linePen(stroke * 0.85));
    knockOut(painter, hammer, stroke * 2.5);
    painter.strokePath(hammer, linePen(stroke * 0.85));
}

} // namespace

QImage toolbarPicture(int index)
{
    QImage art = Art::canvas(toolbarPictureSize);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:
        people(painter);
        break;
    case 1:
        house(painter);
        break;
    case 2:
        openBox(painter);
        break;
    case 3:
        dollarReturn(painter);
        break;
    case 4:
        tools(painter);
        break;
    default:
        break;
    }
    painter.end();
    return withShadow(art);
}

QImage userBadgeGlyph()
{
    QImage image = Art::canvas(QSize(32, 32));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(QPointF(12, 9), 22);
    disc.setColorAt(0, QColor(0x7F, 0xD8, 0xF8, 230));
    disc.setColorAt(1, QColor(0x0E, 0x5E, 0x88, 230));
    painter.setPen(QPen(QColor(0xE6, 0xFB, 0xFF, 220), 1.2));
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setClipPath([] {
        QPainterPath circle;
        circle.addEllipse(QRectF(2, 2, 28, 28));
        return circle;
    }());
    const QPainterPath figure = person(QPointF(16, 12.5), 5.2, 20, 32);
    painter.fillPath(figure.translated(0, 1), QColor(0, 0x20, 0x30, 110));
    QLinearGradient fill(0, 6, 0, 30);
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(0xC7, 0xF8, 0xFF));
    painter.fillPath(figure, fill);
    return image;
}

QImage weatherPicture()
{
    QImage image = Art::canvas(QSize(48, 48));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF sun(30, 17);
    painter.setPen(QPen(QColor(0xFF, 0xB0, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * M_PI / 4 + M_PI / 8;
        const QPointF dir(std::cos(angle), std::sin(angle));
        painter.drawLine(sun + dir * 11.5, sun + dir * 15.5);
    }
    QRadialGradient disc(sun - QPointF(3, 3), 12);
    disc.setColorAt(0, QColor(0xFF, 0xF6, 0x9A));
    disc.setColorAt(0.6, QColor(0xFF, 0xD0, 0x30));
    disc.setColorAt(1, QColor(0xF5, 0x98, 0x10));
    painter.setPen(QPen(QColor(0xD8, 0x7A, 0x08), 1));
    painter.setBrush(disc);
    painter.drawEllipse(sun, 9, 9);

    const auto circle = [](QPointF centre, qreal radius) {
        QPainterPath path;
        path.addEllipse(centre, radius, radius);
        return path;
    };
    QPainterPath base;
    base.addRoundedRect(QRectF(6, 30, 36, 11), 5.5, 5.5);
    const QPainterPath cloud = base.united(circle(QPointF(14, 33), 8))
                                   .united(circle(QPointF(24, 27), 10.5))
                                   .united(circle(QPointF(34, 33), 8));
    painter.fillPath(cloud.translated(0.5, 1.5), QColor(0x10, 0x40, 0x60, 70));
    QLinearGradient body(0, 16, 0, 41);
    body.setColorAt(0, QColor(255, 255, 255));
    body.setColorAt(1, QColor(0xCF, 0xDD, 0xE8));
    painter.fillPath(cloud, body);
    painter.strokePath(cloud, QPen(QColor(0x7A, 0x96, 0xAC), 1));
    return image;
}

namespace {

void phoneFront(QPainter &painter, const QRectF &body)
{
    const qreal radius = 30;
    // Metal band, then the black glass set into it.
    QLinearGradient band(body.topLeft(), body.bottomRight());
    band.setColorAt(0, QColor(0xC8, 0xCA, 0xCE));
    band.setColorAt(0.35, QColor(0x5A, 0x5C, 0x60));
    band.setColorAt(0.6, QColor(0xA0, 0xA2, 0xA6));
    band.setColorAt(1, QColor(0x3A, 0x3C, 0x40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(body, radius, radius);
    const QRectF glass = body.adjusted(3, 3, -3, -3);
    QLinearGradient black(glass.topLeft(), glass.bottomLeft());
    black.setColorAt(0, QColor(0x1C, 0x1C, 0x1F));
    black.setColorAt(1, QColor(0x08, 0x08, 0x0A));
    painter.setBrush(black);
    painter.drawRoundedRect(glass, radius - 3, radius - 3);

    const QRectF screen(
        glass.left() + 14, glass.top() + 62, glass.width() - 28, glass.height() - 124);
    QLinearGradient dark(screen.topLeft(), screen.bottomRight());
    dark.setColorAt(0, QColor(0x14, 0x1A, 0x24));
    dark.setColorAt(1, QColor(0x04, 0x05, 0x08));
    painter.setBrush(dark);
    painter.drawRect(screen);

    painter.setBrush(QColor(0x30, 0x32, 0x36));
    painter.drawRoundedRect(QRectF(body.center().x() - 22, glass.top() + 30, 44, 6), 3, 3);
    QRadialGradient lens(QPointF(body.center().x() - 1, glass.top() + 16), 5);
    lens.setColorAt(0, QColor(0x40, 0x50, 0x70));
    lens.setColorAt(1, QColor(0x0C, 0x0C, 0x10));
    painter.setBrush(lens);
    painter.drawEllipse(QPointF(body.center().x(), glass.top() + 17), 4.5, 4.5);

    const QPointF button(body.center().x(), glass.bottom() - 31);
    QRadialGradient ring(button - QPointF(0, 6), 22);
    ring.setColorAt(0, QColor(0x2A, 0x2A, 0x2E));
    ring.setColorAt(1, QColor(0x0C, 0x0C, 0x0E));
    painter.setBrush(ring);
    painter.setPen(QPen(QColor(0x44, 0x46, 0x4A), 1.5));
    painter.drawEllipse(button, 19, 19);
    painter.setPen(QPen(QColor(0x70, 0x72, 0x76), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(button.x() - 6, button.y() - 6, 12, 12), 3, 3);

    // The glare: a broad diagonal sheen across the glass, brightest at the top.
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(glass, radius - 3, radius - 3);
    painter.setClipPath(clip);
    QPainterPath sheen;
    sheen.moveTo(glass.left(), glass.top());
    sheen.lineTo(glass.right(), glass.top());
    sheen.lineTo(glass.right(), glass.top() + glass.height() * 0.18);
    sheen.lineTo(glass.left(), glass.top() + glass.height() * 0.62);
    sheen.closeSubpath();
    QLinearGradient light(glass.topLeft(),
        QPointF(glass.left() + glass.width() * 0.6, glass.top() + glass.height() * 0.5));
    light.setColorAt(0, QColor(255, 255, 255, 70));
    light.setColorAt(1, QColor(255, 255, 255, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(sheen);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void phoneSide(QPainter &painter, const QRectF &body)
{
    QLinearGradient metal(body.topLeft(), body.topRight());
    metal.setColorAt(0, QColor(0x2A, 0x2C, 0x30));
    metal.setColorAt(0.25, QColor(0xD8, 0xDA, 0xDE));
    metal.setColorAt(0.5, QColor(0x80, 0x82, 0x86));
    metal.setColorAt(0.75, QColor(0xB8, 0xBA, 0xBE));
    metal.setColorAt(1, QColor(0x30, 0x32, 0x36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x70, 0x72, 0x76));
    painter.drawRoundedRect(QRectF(body.left() - 3, body.top() + 60, 5, 22), 2, 2);
    painter.drawRoundedRect(QRectF(body.left() - 3, body.top() + 96, 5, 22), 2, 2);
    painter.drawRoundedRect(QRectF(body.right() - 2, body.top() + 36, 5, 16), 2, 2);
    painter.setBrush(metal);
    painter.drawRoundedRect(body, body.width() / 2.2, 24);
    QLinearGradient glassEdge(body.topLeft(), body.topRight());
    glassEdge.setColorAt(0, QColor(0x05, 0x05, 0x07));
    glassEdge.setColorAt(1, QColor(0x20, 0x20, 0x24));
    painter.setBrush(glassEdge);
    painter.drawRoundedRect(QRectF(body.left() + body.width() * 0.38, body.top() + 3,
                                body.width() * 0.24, body.height() - 6),
        2, 20);
}

} // namespace

QImage productPhoto()
{
    const QSize size(500, 571);
    QImage scene(size, QImage::Format_RGB32);
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, size.height());
    ground.setColorAt(0, QColor(0x3A, 0x3B, 0x3E));
    ground.setColorAt(0.82, QColor(0x26, 0x27, 0x29));
    ground.setColorAt(0.821, QColor(0x1E, 0x1F, 0x21));
    ground.setColorAt(1, QColor(0x2A, 0x2B, 0x2D));
    painter.fillRect(scene.rect(), ground);
    QRadialGradient spot(QPointF(220, 230), 300);
    spot.setColorAt(0, QColor(255, 255, 255, 40));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(scene.rect(), spot);

    // Both views are drawn on a layer of their own so the floor can mirror them.
    QImage layer = Art::canvas(size);
    {
        QPainter views(&layer);
        views.setRenderHint(QPainter::Antialiasing);
        phoneFront(views, QRectF(70, 60, 218, 408));
        phoneSide(views, QRectF(372, 60, 26, 408));
    }
    QImage shadow = Art::canvas(size);
    {
        QPainter soft(&shadow);
        soft.setRenderHint(QPainter::Antialiasing);
        soft.setPen(Qt::NoPen);
        soft.setBrush(QColor(0, 0, 0, 150));
        soft.drawEllipse(QRectF(80, 458, 200, 18));
        soft.drawEllipse(QRectF(360, 460, 50, 14));
    }
    painter.drawImage(0, 0, Art::blurred(shadow, 6));

    QImage reflection = layer.mirrored(false, true);
    {
        QPainter fade(&reflection);
        fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient mask(0, 0, 0, size.height());
        const qreal floor = 468.0 / size.height();
        mask.setColorAt(0, QColor(0, 0, 0, 0));
        mask.setColorAt(1 - floor, QColor(0, 0, 0, 70));
        mask.setColorAt(1 - floor + 0.12, QColor(0, 0, 0, 0));
        mask.setColorAt(1, QColor(0, 0, 0, 0));
        fade.fillRect(reflection.rect(), mask);
    }
    painter.drawImage(0, 2 * 468 - size.height(), reflection);
    painter.drawImage(0, 0, layer);
    painter.end();
    return scene;
}

} // namespace Assets
