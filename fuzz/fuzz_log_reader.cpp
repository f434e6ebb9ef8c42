// Feeds arbitrary bytes to the log reader: the version check and both parsers
// must never crash, never write outside the table and leave every value sane.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

#include "log/LogReader.h"
#include "log/PlayerStats.h"

namespace {

// Reads the fuzzer's buffer in place.
class BufferStream : private std::streambuf, public std::istream {
 public:
  BufferStream(const std::uint8_t* data, std::size_t size) : std::istream(static_cast<std::streambuf*>(this)) {
    char* p = const_cast<char*>(reinterpret_cast<const char*>(data));
    setg(p, p, p + size);
  }
};

void check(bool ok) {
  if (!ok) std::abort();
}

bool isUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

void checkParse(const std::uint8_t* data, std::size_t size, bool v104, std::size_t lineEnds) {
  corv::StatsState state;
  state.PlayerIndex = -1.0f;
  BufferStream in(data, size);
  const auto problem = v104 ? corv::ParseLog104(state, in) : corv::ParseLog100(state, in);
  // Half steps from -1, at most one per line.
  const float steps = (state.PlayerIndex + 1.0f) * 2.0f;
  check(std::isfinite(state.PlayerIndex) && steps >= 0.0f && steps == std::floor(steps) &&
        steps <= static_cast<float>(lineEnds + 1));
  for (const corv::PlayerStats& p : state.Players) {
    check(p.Race.empty() || p.Race == "Vaelori" || p.Race == "Drekhar");
    check(isUtf8(p.Name));
    check(p.ShipsTotal == 0 && p.GeneralScore == 0 && p.ResourceScore == 0 && p.UnitScore == 0 &&
          p.CombatScore == 0);
  }
  if (problem) check(problem->line >= 1 && !problem->reason.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The streaming check must agree with joining every line and searching once.
  std::string joined;
  std::size_t lineEnds = 0;
  for (const char c : bytes) {
    if (c == '\r' || c == '\n')
      ++lineEnds;
    else
      joined += c;
  }
  BufferStream in(data, size);
  const std::string version = corv::GetLogVersion(in);
  check(version == (joined.find("PULSE LANCE FRIGATE") != std::string::npos ? "1.04" : "1.00"));

  checkParse(data, size, false, lineEnds);
  checkParse(data, size, true, lineEnds);
  return 0;
}
