#pragma once

namespace Inspect {

/// With no display to show on, selects the offscreen platform with a 1920 x 1080 screen at
/// 96 dpi, so the window fits and is centred as on a desktop. Call before the application.
void chooseScreen();

} // namespace Inspect
