#include "syntheticskin.h"

#include "skin/bmpcodec.h"
#include "skin/jpegcodec.h"
#include "skin/packedcontainer.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

QByteArray options()
{
    QByteArray text
        = "[GLOBALINFO]\r\nVERSION=8.00\r\nMASTERBITMAP=MASTER COPY.BMP\r\nCOLOR=9663761\r\n";
    for (int i = 0; i < 75; ++i) {
        const int left = (i % 12) * 48;
        const int top = (i / 12) * 48;
        text += "\r\n[SECTION" + QByteArray::number(i)
            + "]\r\nSTATES=3\r\nTRANSPARENCY=40\r\nHOTTRANSPARENCY=0\r\n"
            + "COLOR=16768685\r\nHOTCOLOR=15836762\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\n"
            + "GRADIENTDATA=16777088;10196557;43;0;0;10196557;9666629;1;0;0;9666629;16776960;53;0;"
              "0\r\n"
            + "GRADIENTPERCENT=60\r\nHOTGRADIENTDATA=N/"
              "A\r\nHOTGRADIENTPERCENT=0\r\nIMAGEPERCENT=0\r\n"
            + "HOTIMAGEPERCENT=0\r\nPATTERN=N/A\r\nHOTPATTERN=N/"
              "A\r\nFADINGENABLED=TRUE\r\nFADINGITERATIONS=10\r\n"
            + "GIVEOWNFONT=FALSE\r\nSHOWFOCUS=TRUE\r\nRESERVEDBOOLEAN=FALSE\r\nPARENTCLASS=\r\n"
            + QByteArray("BORDERSMASK=^%1^%2^%3^%4^0005^0005^0005^0005^3^1^5^1\r\n")
                  .replace("%1", QByteArray::number(left).rightJustified(4, '0'))
                  .replace("%2", QByteArray::number(top).rightJustified(4, '0'))
                  .replace("%3", QByteArray::number(left + 45).rightJustified(4, '0'))
                  .replace("%4", QByteArray::number(top + 30).rightJustified(4, '0'));
    }
    return text;
}

QImage master()
{
    QImage image(600, 320, QImage::Format_RGB32);
    image.fill(0xFFFF00FF);
    QPainter painter(&image);
    for (int i = 0; i < 75; ++i) {
        const QRect cell((i % 12) * 48, (i / 12) * 48, 45, 15);
        QLinearGradient gradient(cell.topLeft(), cell.bottomLeft());
        gradient.setColorAt(0, QColor::fromHsv(i * 4, 120, 250));
        gradient.setColorAt(1, QColor::fromHsv(i * 4, 200, 140));
        painter.fillRect(cell, gradient);
        painter.fillRect(cell.translated(0, 15), Qt::black);
    }
    return image;
}

QImage background()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient field(0, 0, 1920, 1080);
    field.setColorAt(0, QColor(0x1a, 0x6f, 0xb0));
    field.setColorAt(1, QColor(0x06, 0x2a, 0x5c));
    painter.fillRect(image.rect(), field);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(7);
    for (int i = 0; i < 40; ++i) {
        painter.setPen(QPen(QColor(0, 20, 60, 60 + random.bounded(80)), 4 + random.bounded(30)));
        QPainterPath streak(QPointF(-100, random.bounded(1080)));
        streak.cubicTo(
            600, random.bounded(1080), 1300, random.bounded(1080), 2000, random.bounded(1080));
        painter.drawPath(streak);
    }
    return image;
}

QByteArray png(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(80, 160, 255, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray syntheticSkin()
{
    const QList<Skin::ContainerEntry> entries = {
        { "Options.dat", options() },
        { "Master copy.bmp", Skin::encodeBmpCore(master()) },
        { "GlowClose.png", png({ 63, 38 }) },
        { "GlowMin.png", png({ 46, 38 }) },
        { "bg.jpg", Skin::encodeJpeg(background(), 85).value() },
    };
    return Skin::writePackedContainer(entries).value();
}
