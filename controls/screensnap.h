#pragma once

#include <QPoint>
#include <QRect>

namespace Controls {

/// Where a window of geometry `frame` lands when each of its edges that lies within `buffer`
/// pixels of the same edge of `area` sticks to it.
QPoint snapToEdges(const QRect &frame, const QRect &area, int buffer);

} // namespace Controls
