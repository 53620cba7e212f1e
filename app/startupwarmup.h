#pragma once

#include <thread>

namespace App {

/// Start-up work that runs on the second core while the main thread creates the application
/// and builds the window: fontconfig's set-up, which the first text drawn would otherwise wait
/// for, and the unpacking of the internal skin. Create it first thing in main().
class StartupWarmUp
{
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

private:
    std::thread m_fonts;
};

} // namespace App
