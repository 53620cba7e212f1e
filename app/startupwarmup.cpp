#include "startupwarmup.h"

#include "internalskins.h"

#include "controls/skinpreloader.h"

#include <fontconfig/fontconfig.h>

namespace App {

StartupWarmUp::StartupWarmUp()
    : m_fonts([] { FcInit(); })
{
    // The window with its frame and title bar fits in this area, so its background picture
    // is decoded ahead for it.
    constexpr QSize windowArea(1280, 800);
    Controls::SkinPreloader::start(internalSkins().constFirst().data, windowArea);
}

StartupWarmUp::~StartupWarmUp()
{
    m_fonts.join();
}

} // namespace App
