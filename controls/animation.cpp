#include "animation.h"

#include "animationcover.h"

#include <QWidget>

namespace Controls {

AnimationCover *coverOf(const QWidget *control)
{
    if (!control || !control->parentWidget())
        return nullptr;
    const auto covers
        = control->parentWidget()->findChildren<AnimationCover *>(Qt::FindDirectChildrenOnly);
    for (AnimationCover *cover : covers) {
        if (cover->control() == control && !cover->isHidden())
            return cover;
    }
    return nullptr;
}

void prepareForAnimation(QWidget *control, int)
{
    if (!control || !control->parentWidget())
        return;
    if (AnimationCover *cover = coverOf(control)) {
        cover->freeze();
        return;
    }
    new AnimationCover(control, control->grab().toImage());
}

void animShowControl(QWidget *control, int durationMs, int maxOpacity, int)
{
    if (!control)
        return;
    control->show();
    AnimationCover *cover = coverOf(control);
    if (!cover)
        return;
    cover->fadeTo(control->grab().toImage(), durationMs, maxOpacity);
}

} // namespace Controls
