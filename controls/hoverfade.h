#pragma once

#include <QImage>

namespace Controls {

/// A blend from one picture to another in a fixed number of steps. Restarting it mid-way
/// starts from the blend shown at that moment, so an interrupted fade never jumps.
class HoverFade
{
public:
    /// Starts fading from `from` to `to` in `steps` steps (at least one).
    void start(const QImage &from, const QImage &to, int steps);
    /// Restarts towards `to` from what is shown now.
    void retarget(const QImage &to, int steps);
    /// Moves one step on; returns true when the fade has reached its end.
    bool step();
    /// Ends the fade at once.
    void stop();
    /// True between start() and the last step.
    bool isRunning() const { return m_running; }
    /// Share of the target in the picture shown, 0…1.
    qreal progress() const { return m_steps > 0 ? qreal(m_step) / m_steps : 1.0; }
    /// The picture shown now.
    QImage current() const;

private:
    QImage m_from;
    QImage m_to;
    int m_step = 0;
    int m_steps = 0;
    bool m_running = false;
};

/// `from` with `to` drawn over it at `opacity` 0…1.
QImage blendPictures(const QImage &from, const QImage &to, qreal opacity);

} // namespace Controls
