// Geometry is kept in twips exactly as written; the screen sees whole pixels
// at 15 twips per pixel (Qt's own high-DPI scaling does the rest).
#pragma once

#include <QColor>
#include <cmath>

#include "core/Numbers.h"

namespace ui {

constexpr float kTwipsPerPixel = 15.0f;

// Values beyond any screen (or not numbers) are held to a range Qt accepts,
// so a wild computed size cannot wrap around or overflow.
inline int toPixels(float twips) {
  if (!std::isfinite(twips)) return 0;
  const float px = twips / kTwipsPerPixel;
  constexpr float kLimit = 1 << 24;
  if (px > kLimit) return 1 << 24;
  if (px < -kLimit) return -(1 << 24);
  return static_cast<int>(std::lround(px));
}
inline float toTwips(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

using corv::Rgb;
inline QColor toQColor(Rgb c) { return QColor(corv::red(c), corv::green(c), corv::blue(c)); }

// Colours the windows share.
constexpr Rgb kBlack = corv::rgb(0, 0, 0);
constexpr Rgb kWhite = corv::rgb(255, 255, 255);
constexpr Rgb kRed = corv::rgb(255, 0, 0);
constexpr Rgb kLightBlue = corv::rgb(192, 192, 255);
constexpr Rgb kPaleYellow = corv::rgb(255, 255, 192);
constexpr Rgb kLightGrey = corv::rgb(224, 224, 224);
constexpr Rgb kDarkGrey = corv::rgb(64, 64, 64);
constexpr Rgb kGrey = corv::rgb(128, 128, 128);

// Mouse button values as the handlers see them: the set of buttons held down.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

}  // namespace ui
