#include "manualclock.h"

namespace Controls {

ManualClock::ManualClock(QObject *parent)
    : AnimationClock(parent)
{ }

ManualClock::~ManualClock() = default;

void ManualClock::advance(qint64 ms)
{
    m_now += ms;
    Q_EMIT ticked();
}

} // namespace Controls
