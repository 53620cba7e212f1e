#pragma once

#include <QColor>

namespace Skin {

/// Converts a colour integer stored as 0x00BBGGRR (low byte red) to an opaque QRgb.
constexpr QRgb rgbFromColorInt(quint32 bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

/// Converts a colour integer stored as 0x00BBGGRR to a QColor.
inline QColor colorFromColorInt(quint32 bgr)
{
    return QColor::fromRgb(rgbFromColorInt(bgr));
}

/// Converts an RGB colour back to the 0x00BBGGRR integer form.
constexpr quint32 colorIntFromRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

} // namespace Skin
