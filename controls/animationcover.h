#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace Controls {

/// A borderless cover over a control showing a frozen picture of it, then a fade from that
/// picture to the control's new one; it removes itself when the fade ends.
class AnimationCover : public QWidget
{
    Q_OBJECT
public:
    /// Covers `control` (a child widget) with `frozen`, as a sibling stacked just above it.
    AnimationCover(QWidget *control, const QImage &frozen);
    ~AnimationCover() override;
    Q_DISABLE_COPY(AnimationCover)

    /// The covered control.
    QWidget *control() const { return m_control; }
    /// The picture shown now.
    QImage currentPicture() const;
    /// Stops a running fade where it is; the cover keeps showing that picture.
    void freeze();
    /// Fades to `target` over `durationMs` up to `maxOpacity` (0…255), then removes itself.
    void fadeTo(const QImage &target, int durationMs, int maxOpacity);
    /// True while a fade runs.
    bool isFading() const { return m_fading; }
    /// Share of the target shown now, 0…1.
    qreal opacity() const;

Q_SIGNALS:
    /// The fade reached its end; the cover is about to go.
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onTick();
    void stopTicking();
    void finish();

    QPointer<QWidget> m_control;
    QImage m_from;
    QImage m_to;
    qint64 m_start = 0;
    int m_duration = 0;
    int m_maxOpacity = 255;
    bool m_fading = false;
    bool m_ticking = false;
};

} // namespace Controls
