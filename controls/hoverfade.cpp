#include "hoverfade.h"

#include <QPainter>

#include <algorithm>

namespace Controls {

void HoverFade::start(const QImage &from, const QImage &to, int steps)
{
    m_from = from;
    m_to = to;
    m_step = 0;
    m_steps = std::max(1, steps);
    m_running = true;
}

void HoverFade::retarget(const QImage &to, int steps)
{
    start(current(), to, steps);
}

bool HoverFade::step()
{
    if (!m_running)
        return true;
    if (++m_step >= m_steps) {
        stop();
        return true;
    }
    return false;
}

void HoverFade::stop()
{
    m_running = false;
    m_step = m_steps;
    m_from = {};
}

QImage HoverFade::current() const
{
    if (!m_running || m_from.isNull())
        return m_to;
    return blendPictures(m_from, m_to, progress());
}

QImage blendPictures(const QImage &from, const QImage &to, qreal opacity)
{
    if (opacity <= 0 || to.isNull())
        return from;
    if (opacity >= 1 || from.isNull())
        return to;
    QImage out = from.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    painter.setOpacity(opacity);
    painter.drawImage(0, 0, to);
    return out;
}

} // namespace Controls
