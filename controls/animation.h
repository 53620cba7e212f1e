#pragma once

class QWidget;

namespace Controls {

class AnimationCover;

/// Freezes `control`: covers it with the picture it shows now, so later changes to it stay
/// unseen. A control already covered keeps its cover, stopped at the picture it shows.
/// `mode` 0 is the only mode.
void prepareForAnimation(QWidget *control, int mode = 0);

/// Fades from the frozen picture to the control's current one over `durationMs`, up to
/// `maxOpacity` (255: fully opaque), then uncovers it. `kind` 0 is a fade, the only kind.
/// Without a frozen picture the control is simply shown.
void animShowControl(QWidget *control, int durationMs, int maxOpacity = 255, int kind = 0);

/// The cover over `control`, or nullptr.
AnimationCover *coverOf(const QWidget *control);

} // namespace Controls
