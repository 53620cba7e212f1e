#pragma once

#include <QByteArrayView>

namespace Skin {

/// Name of the skin carried inside the program.
inline constexpr char korvanelSkinName[] = "Korvanel (internal)";

/// The packed container of the internal skin, straight from the program's resources (no copy).
QByteArrayView korvanelSkin();

} // namespace Skin
