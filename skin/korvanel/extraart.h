#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace Korvanel {

/// A soft halo for a caption button of `size` minus the glow margin on every side.
QImage glowPicture(QSize size, int margin, const QColor &color);

/// The window background: a blue field with dark blue sweeping streaks.
QImage backgroundPicture(QSize size);

/// A small sample of the skin: a window with a caption, a toolbar and a card.
QImage samplePicture(QSize size);

} // namespace Korvanel
