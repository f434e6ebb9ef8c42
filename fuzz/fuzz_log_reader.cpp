// Feeds arbitrary bytes to the log reader through a file, as opening a log
// does: the version check and both parsers must never crash, never write
// outside the table and leave every value sane.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzLogFile.h"
#include "log/LogReader.h"
#include "log/PlayerStats.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool isUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

void checkParse(const std::string& path, bool v104, std::size_t lineEnds) {
  corv::StatsState state;
  state.PlayerIndex = -1.0f;
  const auto problem = v104 ? corv::ParseLog104(state, path) : corv::ParseLog100(state, path);
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
  static fuzz::LogFile file;
  const std::string& path = file.hold(data, size);
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
  const std::string version = joined.find("PULSE LANCE FRIGATE") != std::string::npos ? "1.04" : "1.00";
  check(corv::GetLogVersion(path) == version);
  corv::StatsState opened;
  check(corv::ReadLog(opened, path).version == version);

  checkParse(path, false, lineEnds);
  checkParse(path, true, lineEnds);
  return 0;
}
