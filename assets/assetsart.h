#pragma once

#include <QImage>

namespace Assets {

/// Size at which the toolbar pictograms are stored (they are shown at half this size).
inline constexpr QSize toolbarPictureSize(196, 148);

/// Toolbar pictogram `index` (0 people, 1 house, 2 open box, 3 dollar with return arrow, 4 tools).
QImage toolbarPicture(int index);
/// The 32 × 32 person glyph of the user badge.
QImage userBadgeGlyph();
/// The 48 × 48 sun behind a cloud.
QImage weatherPicture();
/// The 500 × 571 product shot of a black smartphone, front and side.
QImage productPhoto();

} // namespace Assets
