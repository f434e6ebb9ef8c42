// Helpers shared by the log reader's tests: logs written to a private temporary
// file, and the two versions' parsers side by side.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "log/LogReader.h"
#include "log/PlayerStats.h"

namespace corv {

inline void PrintTo(const LogProblem& p, std::ostream* os) { *os << '"' << p.text() << '"'; }

namespace test {

// A file that holds the given bytes for the life of the object; the name is
// random so parallel test processes (and other build trees) never collide.
class TempLog {
 public:
  explicit TempLog(std::string_view bytes) {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("corv-log-" + std::to_string(rd()) + "-" + std::to_string(rd()) + ".txt");
    std::ofstream out(path_, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~TempLog() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  TempLog(const TempLog&) = delete;
  TempLog& operator=(const TempLog&) = delete;

  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// A version 1.00 log: `separators` separator lines, a player's name and race
// after every second one (a lone last separator ends the log).
inline std::string separatorLog(int separators) {
  std::string text = "Corvaneth Multiplayer Game Log\r\n";
  for (int s = 1; s <= separators; ++s) {
    text += "*************\r\n";
    if (s % 2 == 0) text += "Player Name: P" + std::to_string(s / 2 - 1) + "\r\nPlayer Race: R1\r\n";
  }
  return text;
}

inline const std::string kSep = "*************";

inline std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

enum ShipClass { Carrier, Destroyer, Frigate, Corvette, Fighter, Resource, NonCombat, Cruiser };

// One log version as the tests see it: its parsers and the lines that differ.
struct LogFlavour {
  const char* name;
  std::optional<LogProblem> (*parse)(StatsState&, std::istream&);
  std::optional<LogProblem> (*parseFile)(StatsState&, const std::string&);
  std::string currentLabel;
  std::string shipListHeader;
  std::string otherHeader;  // the other version's header
  std::array<std::string, 8> shipLabels;  // in ShipClass order

  std::string ship(ShipClass c, const std::string& value) const { return shipLabels[c] + value; }
};

inline const LogFlavour kFlavour100{
    "v100", [](StatsState& s, std::istream& in) { return ParseLog100(s, in); },
    [](StatsState& s, const std::string& path) { return ParseLog100(s, path); }, "Current RU's(det): ",
    "Total Aquired Ships By Class:", "Total Acquired Ships By Class:",
    {"CLASS_Carrier:\t", "CLASS_Destroyer:\t", "CLASS_Frigate:\t", "CLASS_Corvette:\t", "CLASS_Fighter:\t",
     "CLASS_Resource:\t", "CLASS_NonCombat:\t", "CLASS_HeavyCruiser:\t"}};

// A 1.04 class name fills a field of 40 before its colon.
inline const LogFlavour kFlavour104 = [] {
  LogFlavour f{"v104", [](StatsState& s, std::istream& in) { return ParseLog104(s, in); },
               [](StatsState& s, const std::string& path) { return ParseLog104(s, path); }, "Current RU's: ",
               "Total Acquired Ships By Class:", "Total Aquired Ships By Class:",
               {"CARRIER", "DESTROYER", "FRIGATE", "CORVETTE", "FIGHTER", "RESOURCE", "NON-COMBAT", "CRUISER"}};
  for (std::string& label : f.shipLabels) label += std::string(40 - label.size(), ' ') + ':';
  return f;
}();

// Parses `bytes` into a state whose PlayerIndex starts at -1, as opening a log does.
struct Parsed {
  StatsState state;
  std::optional<LogProblem> problem;
};

inline Parsed parseWith(const LogFlavour& f, const std::string& bytes) {
  Parsed p;
  p.state.PlayerIndex = -1.0f;
  std::istringstream in(bytes);
  p.problem = f.parse(p.state, in);
  return p;
}

}  // namespace test
}  // namespace corv
