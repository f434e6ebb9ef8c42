// Number reading and text decoding shared by the readers.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "log/LogReader.h"

namespace corv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string LogProblem::text() const {
  if (line <= 0) return reason;
  return "line " + std::to_string(line) + ": " + reason;
}

double ReadLogNumber(std::string_view t) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < t.size() && isBlank(t[i])) ++i;
  };
  skipBlanks();
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  // The digits are gathered without the blanks between them and handed to a
  // correctly rounding conversion, so 2.5 is exactly 2.5 and ties stay ties.
  std::string digits;
  bool wholeNonZero = false;
  for (skipBlanks(); i < t.size() && isDigit(t[i]); skipBlanks()) {
    wholeNonZero = wholeNonZero || t[i] != '0';
    digits += t[i++];
  }
  bool anyDigit = !digits.empty();
  if (i < t.size() && t[i] == '.') {
    ++i;
    const std::size_t point = digits.size();
    digits += '.';
    for (skipBlanks(); i < t.size() && isDigit(t[i]); skipBlanks()) digits += t[i++];
    if (digits.size() == point + 1)
      digits.pop_back();
    else
      anyDigit = true;
  }
  if (!anyDigit) return 0.0;
  double value = 0.0;  // kept by a conversion that fails
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                         std::chars_format::fixed);
  (void)end;
  if (ec == std::errc::result_out_of_range)
    value = wholeNonZero ? HUGE_VAL : 0.0;  // too large, or too small to tell from 0
  return negative ? -value : value;
}

std::string DecodeWindows1252(std::string_view bytes) {
  // 0x80..0x9F; the unassigned bytes keep their own value.
  static constexpr std::array<char16_t, 32> kHigh = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
      continue;
    }
    const unsigned cp = b < 0xA0 ? kHigh[b - 0x80] : b;
    if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    // The sequence length a lead byte announces, and the range its second byte
    // must lie in (which rules out overlong forms, surrogates and code points
    // past U+10FFFF).
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b < 0x80) {
      n = 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
      n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 3;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    }
    std::size_t k = 1;
    for (; n > 1 && k < n && i + k < bytes.size(); ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) break;
    }
    if (n == 0 || k < n) {
      out += "\xEF\xBF\xBD";  // U+FFFD for the lead byte and the well-formed start behind it
      i += std::max<std::size_t>(k, 1);
      continue;
    }
    out.append(bytes.substr(i, n));
    i += n;
  }
  return out;
}

}  // namespace corv
