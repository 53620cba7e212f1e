#pragma once

#include "controls/internalskin.h"
#include "controls/skinmanager.h"

#include "skin/bmpcodec.h"
#include "skin/packedcontainer.h"

#include <QImage>
#include <QPainter>

// A small skin whose pictures have plain colours the tests can look for.
namespace TestSkin {

inline constexpr QRgb frameColor = 0xFF102030;
inline constexpr QRgb formColor = 0xFF204060; // FORM COLOR 6307872
inline constexpr QRgb titleColor = 0xFF30C030;
inline constexpr QRgb buttonColors[3] = { 0xFFC00000, 0xFF00C000, 0xFF0000C0 };
inline constexpr QRgb toolbarColor = 0xFF808000; // TOOLBAR COLOR 32896
inline constexpr int titleHeight = 20;
inline constexpr int closeWidth = 10;
inline constexpr int minWidth = 8;

inline QImage master()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(0xFFFF00FF);
    QPainter p(&image);
    // FORM: a 3 x 3 frame picture with a transparent (magenta) centre.
    p.fillRect(0, 0, 3, 3, frameColor);
    p.fillRect(1, 1, 1, 1, 0xFFFF00FF);
    // FORMTITLE: one 6 x 20 picture over a black (opaque) mask.
    p.fillRect(4, 0, 6, 20, titleColor);
    p.fillRect(4, 20, 6, 20, Qt::black);
    // BICONCLOSE and BICONMIN: three states side by side over black masks.
    for (int state = 0; state < 3; ++state) {
        p.fillRect(12 + state * closeWidth, 0, closeWidth, 10, buttonColors[state]);
        p.fillRect(12 + state * closeWidth, 10, closeWidth, 10, Qt::black);
        p.fillRect(12 + state * minWidth, 20, minWidth, 10, buttonColors[state]);
        p.fillRect(12 + state * minWidth, 30, minWidth, 10, Qt::black);
        // TOOLBUTTON: 3 x 3 state pictures.
        p.fillRect(44 + state * 3, 0, 3, 3, buttonColors[state]);
        p.fillRect(44 + state * 3, 3, 3, 3, Qt::black);
    }
    return image;
}

inline QByteArray options()
{
    return QByteArrayLiteral(
        "[GLOBALINFO]\r\n"
        "MASTERBITMAP=MASTER COPY.BMP\r\n"
        "BICONCLOSE=@0012@0000@0042@0020@3@1\r\n"
        "BICONMIN=@0012@0020@0036@0040@3@1\r\n"
        "BILEFT=2\r\nBIRIGHT=0\r\nBITOP=0\r\nBISPACE=-1\r\nBIVALIGN=1\r\n"
        "\r\n[FORM]\r\nSTATES=2\r\nTRANSPARENCY=0\r\nCOLOR=6307872\r\n"
        "HOTCOLOR=6307872\r\nFONTCOLOR=16777215\r\nHOTFONTCOLOR=16777215\r\n"
        "BORDERSMASK=^0000^0000^0003^0003^0001^0001^0001^0001^1^0^1^1\r\n"
        "\r\n[FORMTITLE]\r\nSTATES=1\r\nTRANSPARENCY=100\r\n"
        "BORDERSMASK=^0004^0000^0010^0040^0002^0002^0002^0002^1^1^5^1\r\n"
        "\r\n[TOOLBAR]\r\nSTATES=1\r\nTRANSPARENCY=0\r\nCOLOR=32896\r\n"
        "\r\n[TOOLBUTTON]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
        "FONTCOLOR=65535\r\nHOTFONTCOLOR=16777215\r\n"
        "BORDERSMASK=^0044^0000^0053^0006^0001^0001^0001^0001^3^1^5^1\r\n"
        "FADINGENABLED=TRUE\r\nFADINGITERATIONS=4\r\n"
        "\r\n[CHECKBOX]\r\nSTATES=2\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
        "FADINGENABLED=TRUE\r\nFADINGITERATIONS=20\r\n");
}

inline QByteArray container()
{
    const auto bytes = Skin::writePackedContainer({
        { "Options.dat", options() },
        { "Master copy.bmp", Skin::encodeBmpCore(master()) },
    });
    return bytes.ok() ? bytes.value() : QByteArray();
}

inline Controls::InternalSkin internalSkin(const QString &name = QStringLiteral("Test"))
{
    return { name, Qt::black, 0, 0, container() };
}

/// Activates the test skin on `manager`.
inline void activate(Controls::SkinManager &manager)
{
    manager.setSkinName(QStringLiteral("Test"));
    manager.setInternalSkins({ internalSkin() });
}

} // namespace TestSkin
