// The arithmetic rules the whole program shares: how a value is stored into a
// whole-number field, how the integer part is taken, how a colour is built and
// how a number becomes text. Plain functions over values, no Qt.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace corv {

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  const double f = std::floor(v);
  const double d = v - f;
  if (d < 0.5) return f;
  if (d > 0.5) return f + 1.0;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}


// Rounds half to even and stores into a field of type T; nullopt when the
// result does not fit the field (or v is not a number).
template <class T>
std::optional<T> storeRounded(double v) {
  const double r = roundHalfEven(v);
  if (!std::isfinite(r)) return std::nullopt;
  if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max()))
    return std::nullopt;
  return static_cast<T>(r);
}

// Colours are 0x00BBGGRR; a component above 255 counts as 255 (the best bar
// shades reach 256 to 266), one below 0 as 0.
using Rgb = std::uint32_t;

constexpr int clampComponent(long long c) { return c > 255 ? 255 : (c < 0 ? 0 : static_cast<int>(c)); }

constexpr Rgb rgb(long long r, long long g, long long b) {
  return static_cast<Rgb>(clampComponent(r)) | (static_cast<Rgb>(clampComponent(g)) << 8) |
         (static_cast<Rgb>(clampComponent(b)) << 16);
}
constexpr int red(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int green(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

// Plain decimal text: digits, a minus sign when negative, no leading blank.
inline std::string numText(long long v) { return std::to_string(v); }

// Decimal text with the sign position kept: one leading blank for a value of
// at least 0, the minus sign otherwise (" 8385", "-5").
// Built by appending: GCC 12 at -O2 takes " " + std::to_string(v) for an
// overlapping copy (-Wrestrict), a false alarm.
inline std::string numTextSigned(long long v) {
  if (v < 0) return std::to_string(v);
  std::string text = " ";
  text += std::to_string(v);
  return text;
}

}  // namespace corv
