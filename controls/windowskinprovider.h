#pragma once

#include "titlebarlayout.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPointer>

#include <array>

class QMouseEvent;
class QPaintEvent;

namespace Controls {

class Form;
class SkinManager;

/// Draws a Form's frame and title bar from the skin, works its minimise and close buttons,
/// moves the window by its title bar and keeps the picture of the whole window that the
/// controls of the client area paint over.
class WindowSkinProvider : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString skinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(QString titleSkinSection READ titleSkinSection WRITE setTitleSkinSection)
    Q_PROPERTY(bool screenSnap READ screenSnap WRITE setScreenSnap)
    Q_PROPERTY(int snapBuffer READ snapBuffer WRITE setSnapBuffer)
    Q_PROPERTY(QString addedTitleFontFamily READ addedTitleFontFamily WRITE setAddedTitleFontFamily)
    Q_PROPERTY(
        int addedTitleFontPixelSize READ addedTitleFontPixelSize WRITE setAddedTitleFontPixelSize)
    Q_PROPERTY(QColor addedTitleFontColor READ addedTitleFontColor WRITE setAddedTitleFontColor)
    Q_PROPERTY(int titleButtonCount READ titleButtonCount)

public:
    /// `parent` is the form it skins.
    explicit WindowSkinProvider(QObject *parent = nullptr);
    ~WindowSkinProvider() override;
    Q_DISABLE_COPY(WindowSkinProvider)

    /// The provider skinning `window`, or nullptr.
    static WindowSkinProvider *of(const QWidget *window);

    QString skinSection() const { return m_section; }
    void setSkinSection(const QString &section);
    QString titleSkinSection() const { return m_titleSection; }
    void setTitleSkinSection(const QString &section);
    bool screenSnap() const { return m_screenSnap; }
    void setScreenSnap(bool on) { m_screenSnap = on; }
    /// How near (px) to a screen edge the window snaps to it.
    int snapBuffer() const { return m_snapBuffer; }
    void setSnapBuffer(int px) { m_snapBuffer = px; }
    QString addedTitleFontFamily() const { return m_addedTitleFontFamily; }
    void setAddedTitleFontFamily(const QString &family) { m_addedTitleFontFamily = family; }
    int addedTitleFontPixelSize() const { return m_addedTitleFontPixelSize; }
    void setAddedTitleFontPixelSize(int px) { m_addedTitleFontPixelSize = px; }
    /// Invalid: the added title takes the caption's colour.
    QColor addedTitleFontColor() const { return m_addedTitleFontColor; }
    void setAddedTitleFontColor(const QColor &color) { m_addedTitleFontColor = color; }
    /// Extra title-bar buttons of the program's own; none are supported.
    int titleButtonCount() const { return 0; }

    /// Top-left of the client area in the window: frame width, title bar plus top frame.
    QPoint clientOffset() const;
    /// Picture of the whole window (frame, title bar, background), rendered on demand.
    const QImage &windowPicture() const;
    /// Where the title bar's parts lie now.
    TitleBarLayout titleBarLayout() const;
    /// State of a title-bar button: 0 normal, 1 hot, 2 pressed.
    int buttonState(TitleBarLayout::Button button) const;
    /// True while the window follows the pointer.
    bool isMoving() const { return m_moving; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TitleButton
    {
        std::array<QImage, 3> pictures;
        QImage glow;
    };

    void attachManager();
    void updateSkin();
    void renderPicture() const;
    void paintForm(QPaintEvent *event);
    void mousePress(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    void endMove();
    void setButtons(TitleBarLayout::Button hover, TitleBarLayout::Button pressed);
    void moveWindowTo(QPoint topLeft);

    Form *m_form = nullptr;
    QPointer<SkinManager> m_manager;
    QString m_section = QStringLiteral("FORM");
    QString m_titleSection = QStringLiteral("FORMTITLE");
    bool m_screenSnap = false;
    int m_snapBuffer = 10;
    QString m_addedTitleFontFamily;
    int m_addedTitleFontPixelSize = 0;
    QColor m_addedTitleFontColor;

    mutable QImage m_picture;
    mutable bool m_pictureDirty = true;
    int m_titleHeight = 0;
    QColor m_captionColor;
    TitleBarLayout::Placement m_placement;
    std::array<TitleButton, 3> m_buttons;

    TitleBarLayout::Button m_hover = TitleBarLayout::NoButton;
    TitleBarLayout::Button m_pressed = TitleBarLayout::NoButton;
    bool m_dragArmed = false;
    bool m_moving = false;
    QPoint m_pressGlobal;
    QPoint m_pressWindowPos;
};

} // namespace Controls
