#pragma once

#include <QByteArray>

/// A packed skin shaped like the internal one: about 16 KB of options, a 600 × 320 master
/// bitmap, PNG glows and a 1920 × 1080 JPEG background (about 900 KB inflated).
QByteArray syntheticSkin();
