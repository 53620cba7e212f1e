#pragma once

#include "skin/bmpcodec.h"
#include "skin/packedcontainer.h"

#include <QImage>
#include <QPainter>

// A tiny skin: BOX has three 10×10 state pictures (red, green, blue bodies with yellow 2 px
// corners) over masks that hide only each picture's top-left pixel; GHOST is fully transparent;
// HALF fills with blue at 50 %; GRAD is red above blue; PATTERNED tiles the master bitmap.
namespace TestSkin {

inline constexpr QRgb red = 0xFFFF0000;
inline constexpr QRgb green = 0xFF00FF00;
inline constexpr QRgb blue = 0xFF0000FF;
inline constexpr QRgb yellow = 0xFFFFFF00;

inline QImage masterBitmap()
{
    QImage master(40, 20, QImage::Format_RGB32);
    master.fill(0xFFFF00FF);
    QPainter painter(&master);
    const QRgb bodies[] = { red, green, blue };
    for (int state = 0; state < 3; ++state) {
        const QRect picture(state * 10, 0, 10, 10);
        painter.fillRect(picture, QColor::fromRgb(bodies[state]));
        for (const QPoint corner : { picture.topLeft(), picture.topRight() - QPoint(1, 0),
                 picture.bottomLeft() - QPoint(0, 1), picture.bottomRight() - QPoint(1, 1) })
            painter.fillRect(QRect(corner, QSize(2, 2)), QColor::fromRgb(yellow));
        const QRect mask = picture.translated(0, 10);
        painter.fillRect(mask, Qt::black);
        painter.fillRect(QRect(mask.topLeft(), QSize(1, 1)), Qt::white);
    }
    return master;
}

inline QByteArray options()
{
    return "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=8421504\r\nVENDOR=kept\r\n\r\n"
           "[BOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
           "BORDERSMASK=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^5^1\r\n\r\n"
           "[GHOST]\r\nSTATES=2\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nFADINGENABLED="
           "TRUE\r\n"
           "FADINGITERATIONS=20\r\n\r\n"
           "[HALF]\r\nSTATES=1\r\nCOLOR=16711680\r\nTRANSPARENCY=50\r\nFUTUREKEY=anything\r\n\r\n"
           "[TABBOTTOM]\r\nSTATES=3\r\nTRANSPARENCY=0\r\n\r\n"
           "[GRAD]\r\nTRANSPARENCY=0\r\nGRADIENTPERCENT=100\r\n"
           "GRADIENTDATA=255;255;50;0;0;16711680;16711680;0;0;0\r\n\r\n"
           "[PATTERNED]\r\nTRANSPARENCY=0\r\nPATTERN=MASTER.BMP\r\nIMAGEPERCENT=100\r\n";
}

inline QList<Skin::ContainerEntry> entries()
{
    return { { "Options.dat", options() }, { "Master.bmp", Skin::encodeBmpCore(masterBitmap()) },
        { "Ex.png", "not referred to" } };
}

inline QByteArray container()
{
    return Skin::writePackedContainer(entries()).value();
}

} // namespace TestSkin
