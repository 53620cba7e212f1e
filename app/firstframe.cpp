#include "firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace App {

FirstFrame::FirstFrame(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

FirstFrame::~FirstFrame() = default;

bool FirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        m_window->removeEventFilter(this);
        // The children's paints and the flush finish within the same event; the timer
        // fires right after them.
        QTimer::singleShot(0, this, [this] {
            m_painted = true;
            Q_EMIT painted();
        });
    }
    return false;
}

} // namespace App
