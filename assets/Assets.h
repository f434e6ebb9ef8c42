// The pictures compiled into the program as Qt resources. Any target that
// links corv_assets can load them by these paths, e.g. QPixmap(kTitlePicture),
// or, quicker, with readPicture.
#pragma once

#include <QImage>

namespace corv::assets {

// Statistics window title area, 550 x 90 px.
inline constexpr const char* kTitlePicture = ":/assets/title.png";
// Statistics page background, 499 x 368 px.
inline constexpr const char* kPagePicture = ":/assets/page.png";
// Launcher background, 400 x 208 px.
inline constexpr const char* kLauncherPicture = ":/assets/launcher.png";
// About window emblem, 274 x 265 px.
inline constexpr const char* kAboutPicture = ":/assets/about.png";
// Program icon, 32 x 32 and 16 x 16 px.
inline constexpr const char* kIcon32 = ":/assets/icon32.png";
inline constexpr const char* kIcon16 = ":/assets/icon16.png";

// Reads one of the pictures above. Naming the format spares Qt from loading
// every image plugin to ask whether it knows the file, which costs the start
// a few milliseconds. Safe on any thread.
QImage readPicture(const char* path);

}  // namespace corv::assets
