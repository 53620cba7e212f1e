#pragma once

#include <QImage>

namespace Skin {
class SkinData;
}

/// A grey checkerboard, the ground that shows transparency in renders.
QImage checkerboard(QSize size);

/// Renders one section in `state` at `size` over a checkerboard.
QImage renderSection(const Skin::SkinData &skin, int index, int state, QSize size);

/// A named picture of every section in every state. Needs a QGuiApplication for text.
QImage contactSheet(const Skin::SkinData &skin);
