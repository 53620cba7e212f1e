#pragma once

#include "animationclock.h"

namespace Controls {

/// A clock that moves only when told to: each advance() is one display frame.
class ManualClock : public AnimationClock
{
    Q_OBJECT
public:
    explicit ManualClock(QObject *parent = nullptr);
    ~ManualClock() override;
    Q_DISABLE_COPY(ManualClock)

    qint64 now() const override { return m_now; }
    /// Moves time on by `ms` and ticks once.
    void advance(qint64 ms);
    /// True while some animation is waiting for ticks.
    bool isTicking() const { return m_ticking; }

protected:
    void setTicking(bool on) override { m_ticking = on; }

private:
    qint64 m_now = 0;
    bool m_ticking = false;
};

} // namespace Controls
