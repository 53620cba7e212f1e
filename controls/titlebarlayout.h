#pragma once

#include <QList>
#include <QRect>

namespace Controls {

/// Where a skinned title bar's parts lie; no pixels, so tests reach it without a window.
class TitleBarLayout
{
public:
    enum Button { NoButton = -1, Close, Maximize, Minimize };
    enum VerticalAlign { Centre = 0, Top = 1, Bottom = 2 };

    /// Placement values of the skin's GLOBALINFO (BILEFT, BIRIGHT, BITOP, BISPACE, BIVALIGN).
    struct Placement
    {
        int left = 2;
        int right = 0;
        int top = 0;
        int space = 0;
        VerticalAlign align = Centre;
    };

    /// Lays out `buttons` (rightmost first, with their picture sizes) in a bar `bar`.
    TitleBarLayout(const QRect &bar, const QList<std::pair<Button, QSize>> &buttons,
        const Placement &placement);

    /// The bar.
    QRect bar() const { return m_bar; }
    /// The rectangle of `button`; empty when the bar has no such button.
    QRect buttonRect(Button button) const;
    /// The button under `pos`, or NoButton.
    Button buttonAt(const QPoint &pos) const;
    /// The caption's room: from the left inset to the leftmost button.
    QRect captionRect() const;
    /// True where a press starts a move: in the bar but on no button.
    bool isDragArea(const QPoint &pos) const;

private:
    QRect m_bar;
    QList<std::pair<Button, QRect>> m_buttons;
    Placement m_placement;
};

} // namespace Controls
