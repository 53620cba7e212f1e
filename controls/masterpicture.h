#pragma once

#include <QImage>

namespace Skin {
struct MasterPicture;
}

namespace Controls {

/// Cuts the picture of `state` out of `master` as premultiplied ARGB: the mask's darkness
/// is the coverage (black shows the picture) and magenta pixels are transparent.
QImage cutStatePicture(const QImage &master, const Skin::MasterPicture &picture, int state);

} // namespace Controls
