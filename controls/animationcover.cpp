#include "animationcover.h"

#include "animationclock.h"
#include "hoverfade.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace Controls {

AnimationCover::AnimationCover(QWidget *control, const QImage &frozen)
    : QWidget(control->parentWidget())
    , m_control(control)
    , m_from(frozen)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(control->geometry());
    // Just above the control, not above siblings that overlap it.
    stackUnder(control);
    control->stackUnder(this);
    connect(control, &QObject::destroyed, this, &QObject::deleteLater);
    show();
}

AnimationCover::~AnimationCover()
{
    stopTicking();
}

qreal AnimationCover::opacity() const
{
    if (!m_fading)
        return 0;
    if (m_duration <= 0)
        return 1;
    const qint64 elapsed = AnimationClock::instance()->now() - m_start;
    return std::clamp(qreal(elapsed) / m_duration, 0.0, 1.0) * m_maxOpacity / 255.0;
}

QImage AnimationCover::currentPicture() const
{
    return m_fading ? blendPictures(m_from, m_to, opacity()) : m_from;
}

void AnimationCover::freeze()
{
    if (!m_fading)
        return;
    m_from = currentPicture();
    m_to = {};
    m_fading = false;
    stopTicking();
    update();
}

void AnimationCover::fadeTo(const QImage &target, int durationMs, int maxOpacity)
{
    freeze();
    m_to = target;
    m_duration = durationMs;
    m_maxOpacity = std::clamp(maxOpacity, 0, 255);
    AnimationClock *clock = AnimationClock::instance();
    m_start = clock->now();
    m_fading = true;
    if (durationMs <= 0) {
        finish();
        return;
    }
    m_ticking = true;
    connect(clock, &AnimationClock::ticked, this, &AnimationCover::onTick);
    clock->acquire();
    update();
}

void AnimationCover::onTick()
{
    if (AnimationClock::instance()->now() - m_start >= m_duration)
        finish();
    else
        update();
}

void AnimationCover::stopTicking()
{
    if (!m_ticking)
        return;
    m_ticking = false;
    AnimationClock *clock = AnimationClock::instance();
    disconnect(clock, &AnimationClock::ticked, this, &AnimationCover::onTick);
    clock->release();
}

void AnimationCover::finish()
{
    stopTicking();
    m_fading = false;
    m_from = m_to;
    hide();
    Q_EMIT finished();
    deleteLater();
}

void AnimationCover::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_from, event->rect());
    if (m_fading && !m_to.isNull()) {
        painter.setOpacity(opacity());
        painter.drawImage(event->rect().topLeft(), m_to, event->rect());
    }
}

} // namespace Controls
