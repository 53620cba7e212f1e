#pragma once

#include <QObject>

class QWidget;

namespace App {

/// Tells when a window has painted its first frame: once the paint that first reaches it
/// has been flushed to the screen.
class FirstFrame : public QObject
{
    Q_OBJECT
public:
    explicit FirstFrame(QWidget *window);
    ~FirstFrame() override;
    Q_DISABLE_COPY(FirstFrame)

    /// True once the first frame is out.
    bool isPainted() const { return m_painted; }

Q_SIGNALS:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_seen = false;
    bool m_painted = false;
};

} // namespace App
