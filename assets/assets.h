#pragma once

namespace Assets {

/// Resource paths of the pictures the window carries (library tamo_assets).
inline constexpr const char *toolbarPictures[5] = {
    ":/assets/toolbar0.png",
    ":/assets/toolbar1.png",
    ":/assets/toolbar2.png",
    ":/assets/toolbar3.png",
    ":/assets/toolbar4.png",
};
inline constexpr char userBadgePicture[] = ":/assets/userbadge.png";
inline constexpr char weatherPictureFile[] = ":/assets/weather.png";
inline constexpr char productPhotoFile[] = ":/assets/phone.jpg";

/// Registers the pictures' resources; call once before the first use (harmless when repeated).
void initResources();

} // namespace Assets
