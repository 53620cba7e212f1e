#include "form.h"

#include "formclient.h"

#include <QEvent>
#include <QScreen>

namespace Controls {

Form::Form(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    applyWindowFlags();
}

Form::~Form() = default;

void Form::setResizable(bool on)
{
    if (on == m_resizable)
        return;
    m_resizable = on;
    applySize();
}

void Form::setMinimizeBox(bool on)
{
    if (on == m_minimizeBox)
        return;
    m_minimizeBox = on;
    applyWindowFlags();
}

void Form::setMaximizeBox(bool on)
{
    if (on == m_maximizeBox)
        return;
    m_maximizeBox = on;
    applyWindowFlags();
}

void Form::setColor(const QColor &color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

int Form::fontPixelSize() const
{
    return QFontInfo(font()).pixelSize();
}

void Form::setFontPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
}

void Form::setClientSize(const QSize &size)
{
    if (size == m_clientSize)
        return;
    m_clientSize = size;
    applySize();
}

void Form::setFrameMargins(const QMargins &margins)
{
    if (margins == m_frame)
        return;
    m_frame = margins;
    applySize();
}

void Form::showEvent(QShowEvent *event)
{
    // Centred once, on the first show, so a later restore keeps where the user moved it.
    if (m_centerOnScreen && !m_centred) {
        m_centred = true;
        if (const QScreen *s = screen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(s->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::ChildPolished || event->type() == QEvent::ChildAdded)
        applySize();
    return QWidget::event(event);
}

void Form::applyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, m_minimizeBox);
    flags.setFlag(Qt::WindowMaximizeButtonHint, m_maximizeBox);
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void Form::applySize()
{
    if (!m_clientSize.isValid())
        return;
    const QSize outer = m_clientSize.grownBy(m_frame);
    if (m_resizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(outer);
    } else {
        setFixedSize(outer);
    }
    if (auto *client = findChild<FormClient *>(QString(), Qt::FindDirectChildrenOnly))
        client->setGeometry(QRect(QPoint(m_frame.left(), m_frame.top()), m_clientSize));
    Q_EMIT frameChanged();
}

} // namespace Controls
