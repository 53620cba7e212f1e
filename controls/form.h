#pragma once

#include <QColor>
#include <QWidget>

namespace Controls {

/// A top-level window with the settings its layout gives: border kind and buttons, colour,
/// pixel-sized font and where it opens. A WindowSkinProvider child draws its frame.
class Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool resizable READ isResizable WRITE setResizable)
    Q_PROPERTY(bool minimizeBox READ hasMinimizeBox WRITE setMinimizeBox)
    Q_PROPERTY(bool maximizeBox READ hasMaximizeBox WRITE setMaximizeBox)
    Q_PROPERTY(bool centerOnScreen READ centersOnScreen WRITE setCenterOnScreen)
    Q_PROPERTY(bool scaled READ isScaled WRITE setScaled)
    Q_PROPERTY(bool showHint READ showsHint WRITE setShowHint)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(QSize clientSize READ clientSize WRITE setClientSize)

public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;
    Q_DISABLE_COPY(Form)

    bool isResizable() const { return m_resizable; }
    void setResizable(bool on);
    bool hasMinimizeBox() const { return m_minimizeBox; }
    void setMinimizeBox(bool on);
    bool hasMaximizeBox() const { return m_maximizeBox; }
    void setMaximizeBox(bool on);
    bool centersOnScreen() const { return m_centerOnScreen; }
    void setCenterOnScreen(bool on) { m_centerOnScreen = on; }
    /// Off: geometry stays in device pixels whatever the screen's DPI.
    bool isScaled() const { return m_scaled; }
    void setScaled(bool on) { m_scaled = on; }
    bool showsHint() const { return m_showHint; }
    void setShowHint(bool on) { m_showHint = on; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    int fontPixelSize() const;
    void setFontPixelSize(int px);
    /// Size of the client area (the window without its frame).
    QSize clientSize() const { return m_clientSize; }
    void setClientSize(const QSize &size);
    /// Frame widths around the client area: left, title bar plus top, right, bottom.
    QMargins frameMargins() const { return m_frame; }
    /// Sets the frame widths; the outer size follows.
    void setFrameMargins(const QMargins &margins);

Q_SIGNALS:
    /// The outer or client geometry changed.
    void frameChanged();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyWindowFlags();
    void applySize();

    bool m_resizable = true;
    bool m_minimizeBox = true;
    bool m_maximizeBox = true;
    bool m_centerOnScreen = false;
    bool m_scaled = true;
    bool m_showHint = false;
    bool m_centred = false;
    QColor m_color;
    QSize m_clientSize;
    QMargins m_frame;
};

} // namespace Controls
