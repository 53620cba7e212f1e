#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace Controls {

/// The time source of every animation: milliseconds and a tick per display frame while
/// anyone needs it. Tests install a ManualClock instead.
class AnimationClock : public QObject
{
    Q_OBJECT
public:
    explicit AnimationClock(QObject *parent = nullptr);
    ~AnimationClock() override;
    Q_DISABLE_COPY(AnimationClock)

    /// The clock animations read; a default one is created on first use.
    static AnimationClock *instance();
    /// Replaces the clock (not owned); nullptr restores the default.
    static void setInstance(AnimationClock *clock);

    /// Milliseconds since an arbitrary start.
    virtual qint64 now() const;
    /// Starts ticking for one more user.
    void acquire();
    /// Stops ticking when the last user is done.
    void release();

Q_SIGNALS:
    /// One display frame has passed.
    void ticked();

protected:
    /// Called when the first user arrives or the last one leaves.
    virtual void setTicking(bool on);

private:
    QElapsedTimer m_elapsed;
    QTimer m_timer;
    int m_users = 0;
};

} // namespace Controls
