#pragma once

#include "hoverfade.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace Controls {

class SkinManager;

/// Base of the skinned controls: renders what lies behind it plus its skin section in the
/// current state into a cache picture, which paintEvent blits and children paint over.
/// State changes fade over the section's FADINGITERATIONS display frames.
class SkinnedWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString skinSection READ skinSection WRITE setSkinSection)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)

public:
    explicit SkinnedWidget(QWidget *parent = nullptr);
    ~SkinnedWidget() override;
    Q_DISABLE_COPY(SkinnedWidget)

    QString skinSection() const { return m_section; }
    /// Names the section the control is drawn with; repaints it.
    void setSkinSection(const QString &section);
    int fontPixelSize() const;
    void setFontPixelSize(int px);

    /// The state drawn (or being faded to): 0 normal, 1 hot, 2 active.
    int skinState() const { return m_state; }
    /// Index of the section in the active skin; -1 when absent or no skin is active.
    int sectionIndex() const;
    /// The text colour of the current state: the section's, else the nearest skinned
    /// ancestor's, else the palette's.
    QColor fontColor() const { return fontColor(m_state); }
    /// The control's whole picture as shown now (background, section and content).
    const QImage &cachePicture() const;
    /// True while a state fade runs.
    bool isFading() const { return m_fade.isRunning(); }
    /// True when the control draws nothing of its own: it shows what lies behind it and
    /// keeps no picture, so big transparent hosts cost no memory.
    bool isClear() const;
    /// Drops the cache pictures of this control and of the skinned controls inside it.
    void invalidateSkin();

    /// What lies behind `widget`: the nearest skinned ancestor's or the window's picture,
    /// and the point of it under the widget's top-left corner; null picture when none.
    static std::pair<const QImage *, QPoint> backgroundOf(const QWidget *widget);

protected:
    /// Sets the state; fades when the section asks for it and the control is visible.
    void setSkinState(int state);
    /// Draws the control's own content (glyphs, captions) over its section in `state`.
    virtual void paintContent(QPainter &painter, int state) const;
    /// True when paintContent() draws something.
    virtual bool hasContent() const { return false; }
    /// The section colour of `state` when the section names one, else an invalid colour.
    QColor sectionFontColor(int state) const;
    /// The text colour of `state`, found as fontColor() says.
    QColor fontColor(int state) const;
    /// The skin manager the control draws with; nullptr when there is none.
    SkinManager *manager() const;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QImage renderState(int state) const;
    void attachManager();
    void onTick();

    QString m_section;
    int m_state = 0;
    QPointer<SkinManager> m_manager;
    mutable QImage m_cache;
    mutable bool m_dirty = true;
    HoverFade m_fade;
    bool m_ticking = false;
};

} // namespace Controls
