#pragma once

#include "result.h"

#include <QByteArray>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QRgb>

namespace Skin {

/// "@left@top@right@bottom@states@mask": a picture cut from the master bitmap.
struct MasterPicture
{
    QRect rect; ///< right and bottom are exclusive in the notation
    int states = 1;
    bool masked = false;
};

/// "^…" twelve numbers: a section's picture, its fixed borders and how it is drawn.
struct BordersMask
{
    QRect rect;
    QMargins borders;
    int states = 1;
    bool masked = false;
    int drawMode = 0;
    int flag = 0;

    /// Size of one state picture.
    QSize stateSize() const;
    /// Rectangle of the picture of `state` (clamped to the pictures present).
    QRect statePicture(int state) const;
    /// Rectangle of the mask of `state`; empty when there is no mask.
    QRect stateMask(int state) const;
    /// True when edges and centre are tiled rather than stretched.
    bool tiled() const { return drawMode == 1; }
};

/// "!NAME!n!n…": a reference to another container entry with further fields.
struct EntryReference
{
    QByteArray name;
    QList<int> fields;
};

/// One group of a gradient: colours, share of the length and two mode numbers.
struct GradientSegment
{
    QRgb from = 0;
    QRgb to = 0;
    int share = 0;
    int mode = 0; ///< 0 top to bottom, 1 left to right
    int reserved = 0;
};
using Gradient = QList<GradientSegment>; ///< empty for "N/A"

/// A signed decimal number.
Result<int> parseNumber(QByteArrayView text);
/// A percentage 0…100.
Result<int> parsePercent(QByteArrayView text);
/// A decimal colour integer 0x00BBGGRR, as an opaque QRgb.
Result<QRgb> parseColor(QByteArrayView text);
/// "TRUE" or "FALSE" (any case); "1" and "0" are accepted too.
Result<bool> parseBool(QByteArrayView text);
/// The "@" notation.
Result<MasterPicture> parseMasterPicture(QByteArrayView text);
/// The "^" notation.
Result<BordersMask> parseBordersMask(QByteArrayView text);
/// The "!" notation.
Result<EntryReference> parseEntryReference(QByteArrayView text);
/// Groups of five numbers separated by ";", or "N/A".
Result<Gradient> parseGradient(QByteArrayView text);

} // namespace Skin
