#include "screensnap.h"

#include <cstdlib>

namespace Controls {

QPoint snapToEdges(const QRect &frame, const QRect &area, int buffer)
{
    QPoint pos = frame.topLeft();
    const int leftGap = frame.left() - area.left();
    const int rightGap = (area.right() + 1) - (frame.right() + 1);
    if (std::abs(leftGap) <= buffer)
        pos.setX(area.left());
    else if (std::abs(rightGap) <= buffer)
        pos.setX(area.right() + 1 - frame.width());
    const int topGap = frame.top() - area.top();
    const int bottomGap = (area.bottom() + 1) - (frame.bottom() + 1);
    if (std::abs(topGap) <= buffer)
        pos.setY(area.top());
    else if (std::abs(bottomGap) <= buffer)
        pos.setY(area.bottom() + 1 - frame.height());
    return pos;
}

} // namespace Controls
