#include "titlebarlayout.h"

#include <algorithm>

namespace Controls {

TitleBarLayout::TitleBarLayout(
    const QRect &bar, const QList<std::pair<Button, QSize>> &buttons, const Placement &placement)
    : m_bar(bar)
    , m_placement(placement)
{
    int right = bar.right() + 1 - placement.right;
    for (const auto &[button, size] : buttons) {
        int top = bar.top() + placement.top;
        if (placement.align == Centre)
            top = bar.top() + (bar.height() - size.height()) / 2;
        else if (placement.align == Bottom)
            top = bar.bottom() + 1 - size.height() - placement.top;
        const QRect rect(right - size.width(), top, size.width(), size.height());
        m_buttons.append({ button, rect });
        right = rect.left() - placement.space;
    }
}

QRect TitleBarLayout::buttonRect(Button button) const
{
    for (const auto &[b, rect] : m_buttons) {
        if (b == button)
            return rect;
    }
    return {};
}

TitleBarLayout::Button TitleBarLayout::buttonAt(const QPoint &pos) const
{
    // Neighbours may overlap by a pixel; the one drawn last (leftmost) is on top.
    for (auto it = m_buttons.crbegin(); it != m_buttons.crend(); ++it) {
        if (it->second.contains(pos))
            return it->first;
    }
    return NoButton;
}

QRect TitleBarLayout::captionRect() const
{
    int right = m_bar.right() + 1;
    for (const auto &entry : m_buttons)
        right = std::min(right, entry.second.left());
    const int left = m_bar.left() + m_placement.left;
    return QRect(left, m_bar.top(), std::max(0, right - left), m_bar.height());
}

bool TitleBarLayout::isDragArea(const QPoint &pos) const
{
    return m_bar.contains(pos) && buttonAt(pos) == NoButton;
}

} // namespace Controls
