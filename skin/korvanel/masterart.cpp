#include "masterart.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

namespace Korvanel {
namespace {

using Art::Glass;
using Art::withAlpha;

// One palette for every picture, so edges, highlights and hot colours agree across controls.
const QColor cyanEdge(0x4F, 0xB6, 0xDD);
const QColor cardEdge(0x5C, 0x9C, 0xC8);
const QColor deepNavy(0x01, 0x12, 0x1C);
const QColor glowCyan(0x7F, 0xE0, 0xFF);
const QColor markBlue(0x0D, 0x4F, 0x80);

enum State { Normal = 0, Hot = 1, Pressed = 2 };

Glass azureGlass(int state)
{
    switch (state) {
    case Hot:
        return { QColor(0xB4, 0xE4, 0xFF), QColor(0x78, 0xC0, 0xF8), QColor(0x52, 0xA2, 0xEE),
            QColor(0x3E, 0x90, 0xE0), QColor(0x1F, 0x5C, 0x96), 120 };
    case Pressed:
        return { QColor(0x2A, 0x6A, 0xAA), QColor(0x2C, 0x72, 0xB6), QColor(0x2F, 0x7C, 0xC4),
            QColor(0x4A, 0x9A, 0xDE), QColor(0x12, 0x3A, 0x60), 30 };
    default:
        return { QColor(0x92, 0xCF, 0xF6), QColor(0x5C, 0xA8, 0xE6), QColor(0x36, 0x88, 0xD2),
            QColor(0x2C, 0x76, 0xBE), QColor(0x18, 0x4A, 0x7C), 90 };
    }
}

Glass greenGlass(int state)
{
    switch (state) {
    case Hot:
        return { QColor(0xA8, 0xF2, 0x9E), QColor(0x66, 0xD6, 0x5C), QColor(0x3C, 0xBE, 0x36),
            QColor(0x2A, 0x9C, 0x28), QColor(0x12, 0x55, 0x14), 120 };
    case Pressed:
        return { QColor(0x1E, 0x70, 0x20), QColor(0x22, 0x7E, 0x24), QColor(0x26, 0x8A, 0x26),
            QColor(0x38, 0xA6, 0x34), QColor(0x0C, 0x40, 0x0E), 30 };
    default:
        return { QColor(0x86, 0xDE, 0x7E), QColor(0x4C, 0xBA, 0x44), QColor(0x2E, 0xA0, 0x2A),
            QColor(0x1F, 0x80, 0x20), QColor(0x10, 0x4E, 0x12), 90 };
    }
}

Glass redGlass(int state)
{
    switch (state) {
    case Hot:
        return { QColor(0xFF, 0xB0, 0xA0), QColor(0xF4, 0x6C, 0x5A), QColor(0xE4, 0x40, 0x30),
            QColor(0xC8, 0x2C, 0x20), QColor(0x62, 0x10, 0x0A), 120 };
    case Pressed:
        return { QColor(0x8A, 0x1E, 0x16), QColor(0x9A, 0x24, 0x1A), QColor(0xA8, 0x2A, 0x1E),
            QColor(0xC4, 0x3C, 0x2E), QColor(0x4A, 0x0A, 0x06), 30 };
    default:
        return { QColor(0xF2, 0x92, 0x84), QColor(0xDC, 0x56, 0x46), QColor(0xC8, 0x34, 0x26),
            QColor(0xA8, 0x22, 0x18), QColor(0x5A, 0x0E, 0x08), 90 };
    }
}

// Dark translucent glass of the window's caption buttons and scroll buttons at rest.
Glass smokeGlass()
{
    return { withAlpha(QColor(0x3A, 0x8C, 0xB8), 150), withAlpha(QColor(0x1F, 0x6A, 0x93), 150),
        withAlpha(QColor(0x0E, 0x4B, 0x6C), 175), withAlpha(QColor(0x12, 0x58, 0x7E), 175),
        withAlpha(QColor(0x02, 0x20, 0x2F), 210), 60 };
}

QImage glassButton(QSize size, const Glass &glass, qreal radius, qreal split,
    const QRectF &inset = QRectF(0.5, 0.5, -1, -1))
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const QRectF body(
        inset.left(), inset.top(), size.width() + inset.width(), size.height() + inset.height());
    Art::paintGlass(
        painter, Art::roundedRect(body, radius, radius, radius, radius), body, glass, split);
    return image;
}

// Small buttons keep their gloss in the fixed top rows: the single centre row is stretched.
QImage smallButton(QSize size, int state)
{
    return glassButton(size, azureGlass(state), 4, 7.0 / 15.0);
}

QImage actionButton(QSize size, int state, Glass (*palette)(int))
{
    return glassButton(size, palette(state), 5, 14.0 / 31.0);
}

QImage toolButton(QSize size, int state)
{
    QImage image = Art::canvas(size);
    if (state == Normal)
        return image;
    QPainter painter(&image);
    const int w = size.width();
    const int h = size.height();
    // Rows are stretched to the toolbar's height, so only vertical gradients are drawn here.
    QLinearGradient centre(0, 0, 0, h);
    QLinearGradient side(0, 0, 0, h);
    if (state == Hot) {
        centre.setColorAt(0, QColor(255, 255, 255, 10));
        centre.setColorAt(0.55, QColor(200, 245, 255, 40));
        centre.setColorAt(1, QColor(127, 224, 255, 110));
        side.setColorAt(0, QColor(255, 255, 255, 0));
        side.setColorAt(0.5, QColor(255, 255, 255, 190));
        side.setColorAt(1, QColor(255, 255, 255, 40));
    } else {
        centre.setColorAt(0, withAlpha(deepNavy, 150));
        centre.setColorAt(0.6, withAlpha(QColor(0x03, 0x32, 0x4A), 110));
        centre.setColorAt(1, withAlpha(QColor(0x0E, 0x6A, 0x94), 90));
        side.setColorAt(0, withAlpha(deepNavy, 60));
        side.setColorAt(0.5, withAlpha(deepNavy, 200));
        side.setColorAt(1, withAlpha(deepNavy, 80));
    }
    painter.fillRect(QRect(1, 0, w - 2, h), centre);
    painter.fillRect(QRect(0, 0, 1, h), side);
    painter.fillRect(QRect(w - 1, 0, 1, h), side);
    if (state == Hot) {
        QLinearGradient inner(0, 0, 0, h);
        inner.setColorAt(0, QColor(0, 40, 60, 0));
        inner.setColorAt(0.5, QColor(0, 40, 60, 90));
        inner.setColorAt(1, QColor(0, 40, 60, 0));
        painter.fillRect(QRect(1, 0, 1, h), inner);
        painter.fillRect(QRect(w - 2, 0, 1, h), inner);
    }
    return image;
}

enum class TitleTop { Edge, Separator };
enum class TitleBottom { Open, Rounded };

// Light glass bar of the card titles and accordion headers; black captions sit on it.
QImage titleBar(
    QSize size, int glossEnd, TitleTop top, TitleBottom bottom, bool sides, qreal topRadius)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal bottomRadius = bottom == TitleBottom::Rounded ? 4 : 0;
    const QRectF bodyRect(0, 0, w, h);
    const QPainterPath body
        = Art::roundedRect(bodyRect, topRadius, topRadius, bottomRadius, bottomRadius);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(0xFB, 0xFE, 0xFF));
    fill.setColorAt(glossEnd / h, QColor(0xDD, 0xF1, 0xFF));
    fill.setColorAt((glossEnd + 0.01) / h, QColor(0xC6, 0xE7, 0xFD));
    fill.setColorAt(1, QColor(0xAE, 0xDA, 0xF8));
    painter.fillPath(body, fill);

    painter.setRenderHint(QPainter::Antialiasing, false);
    if (bottom == TitleBottom::Open) {
        painter.fillRect(QRectF(0, h - 2, w, 1), QColor(0x6F, 0xA6, 0xCF));
        painter.fillRect(QRectF(0, h - 1, w, 1), QColor(0xC9, 0xEB, 0xFF));
    }
    if (top == TitleTop::Separator) {
        painter.fillRect(QRectF(0, 0, w, 1), QColor(255, 255, 255, 230));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath edge;
    if (top == TitleTop::Edge && sides) {
        edge.moveTo(0.5, h);
        edge.lineTo(0.5, topRadius);
        edge.arcTo(0.5, 0.5, 2 * topRadius - 1, 2 * topRadius - 1, 180, -90);
        edge.lineTo(w - topRadius, 0.5);
        edge.arcTo(w - 2 * topRadius + 0.5, 0.5, 2 * topRadius - 1, 2 * topRadius - 1, 90, -90);
        edge.lineTo(w - 0.5, h);
    } else if (top == TitleTop::Edge) {
        edge.moveTo(0, 0.5);
        edge.lineTo(w, 0.5);
    }
    if (bottom == TitleBottom::Rounded) {
        const qreal r = bottomRadius;
        edge.moveTo(0.5, h - r - 2);
        edge.arcTo(0.5, h - 2 * r - 0.5, 2 * r - 1, 2 * r - 1, 180, 90);
        edge.lineTo(w - r, h - 0.5);
        edge.arcTo(w - 2 * r + 0.5, h - 2 * r - 0.5, 2 * r - 1, 2 * r - 1, 270, 90);
        edge.lineTo(w - 0.5, h - r - 2);
    }
    painter.strokePath(edge, QPen(cardEdge, 1.0));
    return image;
}

QImage cardBody(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF rect(0.5, -6, w - 1, h + 5.5);
    const QPainterPath body = Art::roundedRect(rect, 0, 0, 5, 5);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(0xAD, 0xDE, 0xFF));
    fill.setColorAt(0.45, QColor(0xAD, 0xDE, 0xFF));
    fill.setColorAt(1, QColor(0x9C, 0xD0, 0xF5));
    painter.fillPath(body, fill);
    painter.setClipPath(body);
    painter.strokePath(body, QPen(QColor(0xD2, 0xEE, 0xFF), 3.0));
    painter.setClipping(false);
    painter.strokePath(body, QPen(cardEdge, 1.0));
    return image;
}

// Dark translucent glass of panels and pages; `squareBottomLeft` joins the first bottom tab.
QImage glassPanel(QSize size, bool squareBottomLeft)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF rect(0.5, 0.5, w - 1, h - 1);
    const QPainterPath body = Art::roundedRect(rect, 6, 6, 6, squareBottomLeft ? 0 : 6);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, withAlpha(QColor(0x0C, 0x52, 0x72), 205));
    fill.setColorAt(10.0 / 24, withAlpha(QColor(0x05, 0x34, 0x4C), 195));
    fill.setColorAt(1, withAlpha(QColor(0x03, 0x28, 0x3C), 210));
    painter.fillPath(body, fill);
    painter.setClipPath(body);
    QLinearGradient shine(0, 0, 0, h);
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(0.5, QColor(255, 255, 255, 12));
    shine.setColorAt(1, QColor(127, 224, 255, 30));
    painter.strokePath(body, QPen(QBrush(shine), 3.0));
    painter.setClipping(false);
    painter.strokePath(body, QPen(withAlpha(cyanEdge, 200), 1.0));
    return image;
}

enum class TabPlace { First, Middle, Last };

// Bottom tabs hang from the page: inactive ones start 7 rows down (under the page's edge), the
// active one reaches up into the page so that the two read as one piece.
QImage bottomTab(QSize size, int state, TabPlace place)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const bool first = place == TabPlace::First;
    const bool last = place == TabPlace::Last;

    if (state == Pressed) {
        const QRectF rect(0.5, -2, w - 1, h + 1.5);
        const QPainterPath body = Art::roundedRect(rect, 0, 0, 7, 7);
        QLinearGradient fill(0, 0, 0, h);
        fill.setColorAt(0, withAlpha(QColor(0x06, 0x38, 0x52), 235));
        fill.setColorAt(6.0 / 24, withAlpha(QColor(0x10, 0x6A, 0x98), 240));
        fill.setColorAt(13.0 / 24, withAlpha(QColor(0x1A, 0x86, 0xBC), 245));
        fill.setColorAt(1, withAlpha(QColor(0x12, 0x70, 0xA2), 245));
        painter.fillPath(body, fill);
        painter.setClipPath(body);
        QLinearGradient gloss(0, 6, 0, 14);
        gloss.setColorAt(0, QColor(255, 255, 255, 70));
        gloss.setColorAt(1, QColor(255, 255, 255, 8));
        painter.fillRect(QRectF(0, 6, w, 8), gloss);
        painter.strokePath(body, QPen(withAlpha(QColor(0xB8, 0xF2, 0xFF), 150), 3.0));
        painter.setClipping(false);
        QLinearGradient edgeFade(0, 0, 0, h);
        edgeFade.setColorAt(0, withAlpha(glowCyan, 0));
        edgeFade.setColorAt(6.0 / 24, withAlpha(glowCyan, 230));
        edgeFade.setColorAt(1, withAlpha(glowCyan, 240));
        painter.strokePath(body, QPen(QBrush(edgeFade), 1.0));
        return image;
    }

    const qreal top = 7;
    const QRectF rect(0.5, top, w - 1, h - top - 0.5);
    const QPainterPath body = Art::roundedRect(rect, 0, 0, last ? 7 : 0, first ? 7 : 0);
    QLinearGradient fill(0, top, 0, h);
    if (state == Hot) {
        fill.setColorAt(0, withAlpha(QColor(0x0A, 0x4E, 0x74), 225));
        fill.setColorAt(0.45, withAlpha(QColor(0x12, 0x66, 0x92), 230));
        fill.setColorAt(1, withAlpha(QColor(0x1A, 0x7E, 0xAE), 235));
    } else {
        fill.setColorAt(0, withAlpha(QColor(0x02, 0x1C, 0x2A), 220));
        fill.setColorAt(0.45, withAlpha(QColor(0x05, 0x30, 0x46), 215));
        fill.setColorAt(1, withAlpha(QColor(0x08, 0x40, 0x5C), 215));
    }
    painter.fillPath(body, fill);

    painter.setClipPath(body);
    if (state == Hot) {
        painter.fillRect(QRectF(0, h - 3, w, 1), withAlpha(glowCyan, 150));
        QLinearGradient gloss(0, top, 0, top + 7);
        gloss.setColorAt(0, QColor(255, 255, 255, 45));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(0, top, w, 7), gloss);
    }
    // The page's shadow on the tab strip.
    painter.fillRect(QRectF(0, top, w, 1), withAlpha(deepNavy, 170));
    // Grooves between neighbours: dark on the right of a tab, light on the left of the next.
    if (!last)
        painter.fillRect(QRectF(w - 1, top, 1, h - top), withAlpha(deepNavy, 200));
    if (!first)
        painter.fillRect(QRectF(0, top, 1, h - top), withAlpha(QColor(0x2F, 0x86, 0xA8), 150));
    painter.setClipping(false);

    QPainterPath outline;
    outline.moveTo(first ? 0.5 : w, h - 0.5 - (first ? 7 : 0));
    if (first) {
        outline.moveTo(0.5, top);
        outline.lineTo(0.5, h - 7.5);
        outline.arcTo(0.5, h - 14.5, 14, 14, 180, 90);
    } else {
        outline.moveTo(0, h - 0.5);
    }
    if (last) {
        outline.lineTo(w - 7.5, h - 0.5);
        outline.arcTo(w - 14.5, h - 14.5, 14, 14, 270, 90);
        outline.lineTo(w - 0.5, top);
    } else {
        outline.lineTo(w, h - 0.5);
    }
    painter.strokePath(outline, QPen(withAlpha(cyanEdge, state == Hot ? 220 : 160), 1.0));
    return image;
}

QImage mirroredTab(QSize size, int state)
{
    return bottomTab(size, state, TabPlace::Middle).mirrored(false, true);
}

QImage rotatedTab(QSize size, int state, int degrees)
{
    const QImage top = mirroredTab(size.transposed(), state);
    return top.transformed(QTransform().rotate(degrees));
}

QImage toolbarLines(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int h = size.height();
    painter.fillRect(QRect(0, 0, size.width(), 1), QColor(0xB8, 0xF6, 0xFF, 230));
    painter.fillRect(QRect(0, h - 1, size.width(), 1), QColor(0x01, 0x24, 0x33, 240));
    return image;
}

QImage formFrame(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0x1B, 0x6E, 0x8F));
    // The centre stays empty so the background picture shows through.
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRect(1, 1, size.width() - 2, size.height() - 2), Qt::transparent);
    return image;
}

QImage formTitle(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QPainterPath body = Art::roundedRect(QRectF(0, 0, w, h - 2), 6, 6, 0, 0);
    QLinearGradient fill(0, 0, 0, h - 2);
    fill.setColorAt(0, withAlpha(QColor(0x5C, 0xC4, 0xEC), 215));
    fill.setColorAt(0.48, withAlpha(QColor(0x1C, 0x72, 0x9C), 225));
    fill.setColorAt(0.49, withAlpha(QColor(0x0B, 0x4E, 0x70), 235));
    fill.setColorAt(1, withAlpha(QColor(0x07, 0x3A, 0x56), 240));
    painter.fillPath(body, fill);
    painter.setClipPath(body);
    painter.strokePath(body, QPen(QColor(255, 255, 255, 70), 3.0));
    painter.setClipping(false);
    painter.strokePath(body, QPen(withAlpha(QColor(0x02, 0x20, 0x2F), 200), 1.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(0, h - 3, w, 1), withAlpha(glowCyan, 200));
    painter.fillRect(QRectF(0, h - 2, w, 1), withAlpha(deepNavy, 130));
    painter.fillRect(QRectF(0, h - 1, w, 1), withAlpha(deepNavy, 55));
    return image;
}

QImage editFrame(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int w = size.width();
    const int h = size.height();
    painter.fillRect(QRect(0, 0, w, h), QColor(0x8F, 0xC8, 0xE4));
    painter.fillRect(QRect(0, 0, w, 1), QColor(0x0B, 0x35, 0x50));
    painter.fillRect(QRect(0, 0, 1, h), QColor(0x0B, 0x35, 0x50));
    painter.fillRect(QRect(1, 1, w - 2, 1), QColor(0xC8, 0xD8, 0xE4));
    painter.fillRect(QRect(1, 1, 1, h - 2), QColor(0xC8, 0xD8, 0xE4));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRect(2, 2, w - 3, h - 3), Qt::transparent);
    return image;
}

// Frame of a progress track; the fill (the section's gradient) shows through its middle.
QImage progressTrack(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF rect(0.5, 0.5, w - 1, h - 1);
    const QPainterPath body = Art::roundedRect(rect, 5, 5, 5, 5);
    painter.setClipPath(body);
    QLinearGradient gloss(0, 0, 0, h);
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(0.46, QColor(255, 255, 255, 30));
    gloss.setColorAt(0.47, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.53, QColor(0, 0, 0, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, 50));
    painter.fillRect(QRectF(0, 0, w, h), gloss);
    painter.strokePath(body, QPen(QColor(255, 255, 255, 60), 3.0));
    painter.setClipping(false);
    painter.strokePath(body, QPen(withAlpha(QColor(0x0B, 0x35, 0x50), 230), 1.0));
    // Outside the rounded frame the corners must vanish entirely, not show the fill.
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, w, h));
    outside = outside.subtracted(Art::roundedRect(QRectF(0, 0, w, h), 5.5, 5.5, 5.5, 5.5));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside, Qt::transparent);
    return image;
}

QImage progressChunk(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int w = size.width();
    const int h = size.height();
    // No mask here: every pixel is either colour or the magenta key, so keep the shape square.
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(0xFF, 0xF2, 0x9A));
    fill.setColorAt(0.45, QColor(0xFF, 0xD8, 0x40));
    fill.setColorAt(0.5, QColor(0xF8, 0xC0, 0x20));
    fill.setColorAt(1, QColor(0xE0, 0x90, 0x10));
    painter.fillRect(QRect(0, 0, w, h), fill);
    painter.fillRect(QRect(0, 0, w, 1), QColor(0xFF, 0xFA, 0xD0));
    painter.fillRect(QRect(0, h - 1, w, 1), QColor(0x9A, 0x5A, 0x08));
    painter.fillRect(QRect(0, 0, 1, h), QColor(0xC8, 0x80, 0x10));
    painter.fillRect(QRect(w - 1, 0, 1, h), QColor(0xC8, 0x80, 0x10));
    return image;
}

QImage icoLine(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int w = size.width();
    painter.fillRect(QRect(0, 0, w - 1, size.height()), withAlpha(QColor(0x03, 0x32, 0x4A), 130));
    painter.fillRect(QRect(w - 1, 0, 1, size.height()), withAlpha(cyanEdge, 170));
    return image;
}

enum class Glyph { Close, Minimise, Maximise, Restore };

void drawGlyph(
    QPainter &painter, Glyph glyph, const QPointF &centre, qreal scale, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int pass = 0; pass < 2; ++pass) {
        const QColor ink = pass == 0 ? QColor(0, 0, 0, 110) : color;
        const QPointF c = centre + (pass == 0 ? QPointF(0, 1) : QPointF(0, 0));
        const qreal s = scale;
        switch (glyph) {
        case Glyph::Close: {
            QPen pen(ink, 2.0 * s, Qt::SolidLine, Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(c + QPointF(-3.5, -3) * s, c + QPointF(3.5, 3) * s);
            painter.drawLine(c + QPointF(-3.5, 3) * s, c + QPointF(3.5, -3) * s);
            break;
        }
        case Glyph::Minimise:
            painter.fillRect(QRectF(c + QPointF(-4, 1.5) * s, QSizeF(8, 2.5) * s), ink);
            break;
        case Glyph::Maximise:
            painter.setPen(QPen(ink, 1.3 * s));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(c + QPointF(-4, -3) * s, QSizeF(8, 6.5) * s));
            painter.fillRect(QRectF(c + QPointF(-4, -3.5) * s, QSizeF(8, 2) * s), ink);
            break;
        case Glyph::Restore:
            painter.setPen(QPen(ink, 1.2 * s));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(c + QPointF(-1.5, -4) * s, QSizeF(6, 4.5) * s));
            painter.drawRect(QRectF(c + QPointF(-4.5, -1) * s, QSizeF(6, 5) * s));
            break;
        }
    }
    painter.restore();
}

Glass captionGlass(int state, bool close)
{
    if (close) {
        if (state == Normal)
            return { withAlpha(QColor(0xE0, 0x8A, 0x7C), 215),
                withAlpha(QColor(0xC2, 0x50, 0x40), 220), withAlpha(QColor(0xA4, 0x34, 0x28), 230),
                withAlpha(QColor(0xB8, 0x48, 0x3A), 230), withAlpha(QColor(0x3A, 0x0E, 0x08), 210),
                80 };
        return redGlass(state);
    }
    if (state == Normal)
        return smokeGlass();
    return azureGlass(state);
}

// Caption buttons hang from the top edge of the window: their top is open.
QImage captionButton(QSize size, int state, Glyph glyph, qreal bottomLeft, qreal bottomRight)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF rect(0.5, -4, w - 1, h + 3.5);
    const bool close = glyph == Glyph::Close;
    Art::paintGlass(painter, Art::roundedRect(rect, 0, 0, bottomRight, bottomLeft), rect,
        captionGlass(state, close), 0.5);
    drawGlyph(painter, glyph, QPointF(w / 2, h / 2 - 0.5), 1.0,
        state == Normal && !close ? QColor(0xE6, 0xFB, 0xFF) : QColor(255, 255, 255));
    return image;
}

QImage smallCaptionButton(QSize size, int state, Glyph glyph)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const qreal w = size.width();
    const qreal h = size.height();
    if (state != Normal) {
        const QRectF rect(0.5, 0.5, w - 1, h - 1);
        Art::paintGlass(painter, Art::roundedRect(rect, 3, 3, 3, 3), rect,
            captionGlass(state, glyph == Glyph::Close), 0.5);
    }
    drawGlyph(painter, glyph, QPointF(w / 2, h / 2 - 0.5), 0.75,
        state == Normal ? QColor(0xC7, 0xF8, 0xFF) : QColor(255, 255, 255));
    return image;
}

enum class Mark { None, Check, Grayed, Dot };

QImage checkBox(QSize size, int state, Mark mark, bool round)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = size.width() - 3;
    const QRectF box(1.5, 1.5, side, side);
    const qreal radius = round ? side / 2 : (side > 10 ? 2.5 : 2);
    const QPainterPath path = Art::roundedRect(box, radius, radius, radius, radius);
    if (state == Hot) {
        painter.strokePath(path, QPen(withAlpha(QColor(0x5A, 0xA5, 0xF1), 110), 3.0));
    }
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    if (state == Pressed) {
        fill.setColorAt(0, QColor(0xB8, 0xD6, 0xEC));
        fill.setColorAt(1, QColor(0xE6, 0xF4, 0xFD));
    } else {
        fill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
        fill.setColorAt(1, state == Hot ? QColor(0xC2, 0xE6, 0xFF) : QColor(0xD2, 0xEA, 0xF8));
    }
    painter.fillPath(path, fill);
    const QColor border = state == Hot ? QColor(0x3A, 0x8A, 0xD8)
        : state == Pressed             ? QColor(0x14, 0x4E, 0x78)
                                       : QColor(0x2A, 0x6F, 0x99);
    painter.strokePath(path, QPen(border, 1.0));
    const qreal s = side / 12.0;
    const QPointF o = box.topLeft();
    switch (mark) {
    case Mark::Check: {
        QPainterPath tick;
        tick.moveTo(o + QPointF(2.6, 6.2) * s);
        tick.lineTo(o + QPointF(5.0, 8.8) * s);
        tick.lineTo(o + QPointF(9.6, 3.0) * s);
        painter.strokePath(tick,
            QPen(markBlue, 2.0 * std::max(s, 0.8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        break;
    }
    case Mark::Grayed:
        painter.fillPath(
            Art::roundedRect(box.adjusted(3.5 * s, 3.5 * s, -3.5 * s, -3.5 * s), 1, 1, 1, 1),
            QColor(0x6F, 0x9D, 0xC0));
        break;
    case Mark::Dot: {
        QRadialGradient dot(box.center() - QPointF(0.8, 0.8), 3.2 * s);
        dot.setColorAt(0, QColor(0x6F, 0xC0, 0xF4));
        dot.setColorAt(1, markBlue);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        painter.drawEllipse(box.center(), 2.8 * s, 2.8 * s);
        break;
    }
    case Mark::None:
        break;
    }
    return image;
}

QImage checkMark(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size.width() / 9.0;
    QPainterPath tick;
    tick.moveTo(QPointF(1.5, 4.6) * s);
    tick.lineTo(QPointF(3.6, 6.8) * s);
    tick.lineTo(QPointF(7.6, 2.0) * s);
    painter.strokePath(tick, QPen(markBlue, 1.8 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return image;
}

void dot(QPainter &painter, qreal x, qreal y)
{
    painter.fillRect(QRectF(x + 1, y + 1, 1, 1), QColor(0, 0, 0, 130));
    painter.fillRect(QRectF(x, y, 1, 1), withAlpha(glowCyan, 220));
}

QImage sizeGrip(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int w = size.width();
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j <= i; ++j)
            dot(painter, w - 3 - 3 * j, w - 9 + 3 * i);
    }
    return image;
}

QImage dragDots(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    for (int y = 4; y < size.height() - 3; y += 5) {
        dot(painter, 2, y);
        dot(painter, 5, y);
    }
    return image;
}

QImage gripDots(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    for (int x = 1; x < size.width(); x += 3)
        dot(painter, x, 2);
    return image;
}

QImage etchedLine(QSize size, bool vertical)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int length = vertical ? size.height() : size.width();
    QLinearGradient dark(0, 0, vertical ? 0 : length, vertical ? length : 0);
    dark.setColorAt(0, withAlpha(deepNavy, 60));
    dark.setColorAt(0.2, withAlpha(deepNavy, 170));
    dark.setColorAt(0.8, withAlpha(deepNavy, 170));
    dark.setColorAt(1, withAlpha(deepNavy, 60));
    QLinearGradient light(0, 0, vertical ? 0 : length, vertical ? length : 0);
    light.setColorAt(0, withAlpha(glowCyan, 30));
    light.setColorAt(0.2, withAlpha(glowCyan, 90));
    light.setColorAt(0.8, withAlpha(glowCyan, 90));
    light.setColorAt(1, withAlpha(glowCyan, 30));
    painter.fillRect(vertical ? QRect(1, 0, 1, length) : QRect(0, 1, length, 1), dark);
    painter.fillRect(vertical ? QRect(2, 0, 1, length) : QRect(0, 2, length, 1), light);
    return image;
}

QImage statusLine(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width(), 1), withAlpha(cyanEdge, 200));
    painter.fillRect(QRect(0, 1, size.width(), 1), QColor(255, 255, 255, 40));
    return image;
}

QImage groupFrame(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(0.5, 6.5, size.width() - 1, size.height() - 7);
    const QPainterPath path = Art::roundedRect(rect, 5, 5, 5, 5);
    painter.fillPath(path, withAlpha(QColor(0x02, 0x1E, 0x2E), 50));
    painter.strokePath(path, QPen(withAlpha(cyanEdge, 170), 1.0));
    painter.setClipPath(path);
    painter.strokePath(path.translated(1, 1), QPen(QColor(255, 255, 255, 30), 1.0));
    return image;
}

QImage sunkenPanel(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF rect(0.5, 0.5, w - 1, h - 1);
    const QPainterPath path = Art::roundedRect(rect, 4, 4, 4, 4);
    painter.fillPath(path, withAlpha(deepNavy, 120));
    painter.setClipPath(path);
    QLinearGradient shade(0, 0, 0, 5);
    shade.setColorAt(0, QColor(0, 0, 0, 90));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(0, 0, w, 5), shade);
    painter.setClipping(false);
    QLinearGradient edge(0, 0, 0, h);
    edge.setColorAt(0, withAlpha(deepNavy, 200));
    edge.setColorAt(0.7, withAlpha(QColor(0x2F, 0x86, 0xA8), 120));
    edge.setColorAt(1, withAlpha(glowCyan, 140));
    painter.strokePath(path, QPen(QBrush(edge), 1.0));
    return image;
}

QImage scrollTrack(QSize size, int state)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(0.5, 0.5, size.width() - 1, size.height() - 1);
    const QPainterPath path = Art::roundedRect(rect, 3, 3, 3, 3);
    const int alpha[] = { 110, 150, 190 };
    painter.fillPath(path, withAlpha(deepNavy, alpha[std::clamp(state, 0, 2)]));
    painter.strokePath(path, QPen(withAlpha(QColor(0x2F, 0x86, 0xA8), 100), 1.0));
    return image;
}

QImage scrollThumb(QSize size, int state, bool vertical)
{
    const QRectF inset = vertical ? QRectF(1.5, 0.5, -3, -1) : QRectF(0.5, 1.5, -1, -3);
    return glassButton(size, azureGlass(state), 4, 0.5, inset);
}

enum class Arrow { Left, Right, Up, Down };

QImage scrollButton(QSize size, int state, Arrow arrow)
{
    QImage image = glassButton(size, state == Normal ? smokeGlass() : azureGlass(state), 3, 0.5);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    QPolygonF triangle({ QPointF(-2, -3.5), QPointF(2, 0), QPointF(-2, 3.5) });
    const qreal angle = arrow == Arrow::Right ? 0
        : arrow == Arrow::Left                ? 180
        : arrow == Arrow::Down                ? 90
                                              : 270;
    triangle = QTransform().rotate(angle).map(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 100));
    painter.drawPolygon(triangle.translated(c + QPointF(0.5, 1)));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPolygon(triangle.translated(c));
    return image;
}

QImage columnHeader(QSize size, int state)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    const int w = size.width();
    const int h = size.height();
    QLinearGradient fill(0, 0, 0, h);
    if (state == Pressed) {
        fill.setColorAt(0, QColor(0x9E, 0xCE, 0xF0));
        fill.setColorAt(1, QColor(0xC0, 0xE2, 0xFA));
    } else {
        fill.setColorAt(0, QColor(0xFB, 0xFE, 0xFF));
        fill.setColorAt(0.5, state == Hot ? QColor(0xE6, 0xF6, 0xFF) : QColor(0xDD, 0xF1, 0xFF));
        fill.setColorAt(0.51, state == Hot ? QColor(0xCE, 0xEC, 0xFF) : QColor(0xC6, 0xE7, 0xFD));
        fill.setColorAt(1, QColor(0xAE, 0xDA, 0xF8));
    }
    painter.fillRect(QRect(0, 0, w, h), fill);
    painter.fillRect(QRect(w - 1, 2, 1, h - 4), QColor(0x6F, 0xA6, 0xCF));
    painter.fillRect(QRect(0, h - 1, w, 1), cardEdge);
    if (state == Hot)
        painter.fillRect(QRect(0, h - 3, w, 2), QColor(0x5A, 0xA5, 0xF1));
    return image;
}

QImage speedButton(QSize size, int state)
{
    if (state == Normal) {
        const Glass faint { QColor(255, 255, 255, 40), QColor(255, 255, 255, 14),
            QColor(255, 255, 255, 6), QColor(127, 224, 255, 24), withAlpha(cyanEdge, 90), 40 };
        return glassButton(size, faint, 5, 0.5);
    }
    return glassButton(size, azureGlass(state), 5, 0.5);
}

QImage selection(QSize size, int)
{
    return glassButton(size, azureGlass(Hot), 3, 0.5);
}

QImage menuItem(QSize size, int state)
{
    if (state == Normal)
        return Art::canvas(size);
    return glassButton(size, azureGlass(Hot), 3, 0.5);
}

QImage hintFrame(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0x1B, 0x6E, 0x8F));
    painter.fillRect(image.rect().adjusted(1, 1, -1, -1), QColor(0xFF, 0xFF, 0xFF));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(image.rect().adjusted(2, 2, -2, -2), Qt::transparent);
    return image;
}

QImage sliderChannel(QSize size, int)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(0.5, 1.5, size.width() - 1, size.height() - 3);
    const QPainterPath path = Art::roundedRect(rect, 1.5, 1.5, 1.5, 1.5);
    painter.fillPath(path, withAlpha(deepNavy, 200));
    painter.strokePath(path, QPen(withAlpha(QColor(0x2F, 0x86, 0xA8), 120), 1.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(1, size.height() - 1, size.width() - 2, 1), withAlpha(glowCyan, 90));
    return image;
}

QImage tick(QSize size, bool vertical)
{
    QImage image = Art::canvas(size);
    QPainter painter(&image);
    painter.fillRect(vertical ? QRect(0, 1, size.width(), 1) : QRect(1, 0, 1, size.height()),
        withAlpha(glowCyan, 170));
    return image;
}

QHash<QByteArray, StateArt> buildArt()
{
    QHash<QByteArray, StateArt> art;
    const auto fixed = [](QImage (*f)(QSize, int)) { return StateArt(f); };

    art.insert("FORM", fixed(formFrame));
    art.insert("FORMTITLE", fixed(formTitle));
    art.insert("TOOLBAR", fixed(toolbarLines));
    art.insert("TOOLBUTTON", fixed(toolButton));
    art.insert("EDIT", fixed(editFrame));
    art.insert("ICOLINE", fixed(icoLine));
    art.insert("SPEEDBUTTON_SMALL", fixed(smallButton));
    art.insert("BUTTON_GREEN", [](QSize s, int st) { return actionButton(s, st, greenGlass); });
    art.insert("BUTTON_RED", [](QSize s, int st) { return actionButton(s, st, redGlass); });
    art.insert(
        "BUTTON_BIG", [](QSize s, int st) { return glassButton(s, azureGlass(st), 6, 0.5); });
    art.insert(
        "BUTTON_HUGE", [](QSize s, int st) { return glassButton(s, azureGlass(st), 7, 0.5); });
    art.insert("SPEEDBUTTON", fixed(speedButton));
    art.insert("UPDOWNBTN", [](QSize s, int st) { return glassButton(s, azureGlass(st), 2, 0.5); });
    art.insert("SELECTION", fixed(selection));
    art.insert("MENUITEM", fixed(menuItem));
    art.insert("HINT", fixed(hintFrame));

    art.insert("BARTITLE",
        [](QSize s, int) { return titleBar(s, 18, TitleTop::Edge, TitleBottom::Open, true, 5); });
    art.insert("PANEL_HEADER",
        [](QSize s, int) { return titleBar(s, 21, TitleTop::Edge, TitleBottom::Open, true, 5); });
    art.insert("HEADER_MIDDLE", [](QSize s, int) {
        return titleBar(s, 18, TitleTop::Separator, TitleBottom::Open, false, 0);
    });
    art.insert("HEADER_BOTTOM", [](QSize s, int) {
        return titleBar(s, 18, TitleTop::Separator, TitleBottom::Rounded, false, 0);
    });
    art.insert("BARPANEL", fixed(cardBody));
    art.insert("PANEL", [](QSize s, int) { return glassPanel(s, false); });
    art.insert("PAGEL", [](QSize s, int) { return glassPanel(s, true); });
    art.insert("TABL", [](QSize s, int st) { return bottomTab(s, st, TabPlace::First); });
    art.insert("TABBOTTOM", [](QSize s, int st) { return bottomTab(s, st, TabPlace::Middle); });
    art.insert("TABR", [](QSize s, int st) { return bottomTab(s, st, TabPlace::Last); });
    art.insert("TABTOP", fixed(mirroredTab));
    art.insert("TABLEFT", [](QSize s, int st) { return rotatedTab(s, st, -90); });
    art.insert("TABRIGHT", [](QSize s, int st) { return rotatedTab(s, st, 90); });

    art.insert("PROGRESSH", fixed(progressTrack));
    art.insert("PROGRESSH.LRGN", fixed(progressChunk));
    art.insert("GAUGE", fixed(progressTrack));
    art.insert("PROGRESSV", [](QSize s, int st) {
        return progressTrack(s.transposed(), st).transformed(QTransform().rotate(90));
    });

    art.insert("DRAGBAR", fixed(dragDots));
    art.insert("GRIPH", fixed(gripDots));
    art.insert("GRIPIMAGE", fixed(sizeGrip));
    art.insert("DIVIDER", [](QSize s, int) { return etchedLine(s, false); });
    art.insert("DIVIDERV", [](QSize s, int) { return etchedLine(s, true); });
    art.insert("STATUSBAR", fixed(statusLine));
    art.insert("GROUPBOX", fixed(groupFrame));
    art.insert("PANEL_LOW", fixed(sunkenPanel));
    art.insert("COLHEADER", fixed(columnHeader));

    art.insert("SCROLLBAR1H", fixed(scrollTrack));
    art.insert("SCROLLBAR1V", fixed(scrollTrack));
    art.insert("SCROLLSLIDERH", [](QSize s, int st) { return scrollThumb(s, st, false); });
    art.insert("SCROLLSLIDERV", [](QSize s, int st) { return scrollThumb(s, st, true); });
    art.insert("SCROLLBTNLEFT", [](QSize s, int st) { return scrollButton(s, st, Arrow::Left); });
    art.insert("SCROLLBTNRIGHT", [](QSize s, int st) { return scrollButton(s, st, Arrow::Right); });
    art.insert("SCROLLBTNTOP", [](QSize s, int st) { return scrollButton(s, st, Arrow::Up); });
    art.insert("SCROLLBTNBOTTOM", [](QSize s, int st) { return scrollButton(s, st, Arrow::Down); });

    art.insert("TRACKBAR.SLIDERCHANNEL", fixed(sliderChannel));
    art.insert("TRACKBAR.SLIDERMASK",
        [](QSize s, int st) { return glassButton(s, azureGlass(st), 3, 0.5); });
    art.insert("TRACKBAR.SLIDERVMASK",
        [](QSize s, int st) { return glassButton(s, azureGlass(st), 3, 0.5); });
    art.insert("TRACKBAR.TICKHORZ", [](QSize s, int) { return tick(s, false); });
    art.insert("TRACKBAR.TICKVERT", [](QSize s, int) { return tick(s, true); });

    const auto box = [](Mark mark, bool round) {
        return [mark, round](QSize s, int st) { return checkBox(s, st, mark, round); };
    };
    art.insert("BOXCHECKED", box(Mark::Check, false));
    art.insert("BOXUNCHECKED", box(Mark::None, false));
    art.insert("BOXGRAYED", box(Mark::Grayed, false));
    art.insert("SMALLCHECKED", box(Mark::Check, false));
    art.insert("SMALLUNCHECKED", box(Mark::None, false));
    art.insert("SMALLGRAYED", box(Mark::Grayed, false));
    art.insert("RADIOCHECKED", box(Mark::Dot, true));
    art.insert("RADIOUNCHECKED", box(Mark::None, true));
    art.insert("CHECK", fixed(checkMark));

    // The caption buttons sit in a row: minimise rounds the row's left end, close its right end.
    art.insert(
        "BICONCLOSE", [](QSize s, int st) { return captionButton(s, st, Glyph::Close, 0, 4); });
    art.insert(
        "BICLOSEALONE", [](QSize s, int st) { return captionButton(s, st, Glyph::Close, 4, 4); });
    art.insert(
        "BICONMIN", [](QSize s, int st) { return captionButton(s, st, Glyph::Minimise, 4, 0); });
    art.insert(
        "BICONMAX", [](QSize s, int st) { return captionButton(s, st, Glyph::Maximise, 0, 0); });
    art.insert(
        "BICONNORM", [](QSize s, int st) { return captionButton(s, st, Glyph::Restore, 0, 0); });
    art.insert(
        "SICONCLOSE", [](QSize s, int st) { return smallCaptionButton(s, st, Glyph::Close); });
    art.insert(
        "SICONMIN", [](QSize s, int st) { return smallCaptionButton(s, st, Glyph::Minimise); });
    art.insert(
        "SICONMAX", [](QSize s, int st) { return smallCaptionButton(s, st, Glyph::Maximise); });
    art.insert(
        "SICONNORM", [](QSize s, int st) { return smallCaptionButton(s, st, Glyph::Restore); });
    return art;
}

} // namespace

const QHash<QByteArray, StateArt> &masterArt()
{
    static const QHash<QByteArray, StateArt> art = buildArt();
    return art;
}

} // namespace Korvanel
