#include "animationclock.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace Controls {

namespace {
QPointer<AnimationClock> s_installed;

int frameIntervalMs()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    return std::max(1, int(std::lround(1000.0 / rate)));
}
} // namespace

AnimationClock::AnimationClock(QObject *parent)
    : QObject(parent)
{
    m_elapsed.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AnimationClock::ticked);
}

AnimationClock::~AnimationClock() = default;

AnimationClock *AnimationClock::instance()
{
    if (!s_installed) {
        static AnimationClock *fallback = nullptr;
        if (!fallback)
            fallback = new AnimationClock(qApp);
        return fallback;
    }
    return s_installed;
}

void AnimationClock::setInstance(AnimationClock *clock)
{
    s_installed = clock;
}

qint64 AnimationClock::now() const
{
    return m_elapsed.elapsed();
}

void AnimationClock::acquire()
{
    if (m_users++ == 0)
        setTicking(true);
}

void AnimationClock::release()
{
    if (m_users > 0 && --m_users == 0)
        setTicking(false);
}

void AnimationClock::setTicking(bool on)
{
    if (on)
        m_timer.start(frameIntervalMs());
    else
        m_timer.stop();
}

} // namespace Controls
