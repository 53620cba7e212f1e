#pragma once

namespace App {

/// What must be settled before the application object exists: geometry in device pixels,
/// never scaled for the screen's DPI.
void prepareApplication();

} // namespace App
