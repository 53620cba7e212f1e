#include "panel.h"

#include <QPainter>

namespace Controls {

Panel::Panel(QWidget *parent)
    : SkinnedWidget(parent)
{ }

Panel::~Panel() = default;

void Panel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    invalidateSkin();
}

void Panel::paintContent(QPainter &painter, int state) const
{
    if (m_caption.isEmpty())
        return;
    painter.setPen(fontColor(state));
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

} // namespace Controls
