// Helpers shared by the log reader's tests: logs written to a private temporary
// file, and the two versions' parsers side by side.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "log/LogReader.h"
#include "log/PlayerStats.h"

namespace corv::test {

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

inline std::string versionOfText(const std::string& bytes) {
  std::istringstream in(bytes);
  return GetLogVersion(in);
}

// One log version as the tests see it: its parser and the lines that differ.
struct LogFlavour {
  const char* name;
  std::optional<LogProblem> (*parse)(StatsState&, std::istream&);
  std::string currentLine;     // the RUCurrent line with the value 0
  std::string shipListHeader;  // this version's header
  std::string otherHeader;     // the other version's header
  // The ship line of a class (upper-case, e.g. "CARRIER") holding `value`.
  std::string (*shipLine)(std::string_view cls, std::string_view value);
};

inline std::string shipLine100(std::string_view cls, std::string_view value) {
  static const std::pair<std::string_view, std::string_view> kNames[] = {
      {"CARRIER", "Carrier"},   {"DESTROYER", "Destroyer"}, {"FRIGATE", "Frigate"},
      {"CORVETTE", "Corvette"}, {"FIGHTER", "Fighter"},     {"RESOURCE", "Resource"},
      {"NON-COMBAT", "NonCombat"}, {"CRUISER", "HeavyCruiser"}};
  for (const auto& [upper, mixed] : kNames)
    if (upper == cls) return "CLASS_" + std::string(mixed) + ":\t" + std::string(value);
  return {};
}

inline std::string shipLine104(std::string_view cls, std::string_view value) {
  std::string line(cls);
  line.resize(40, ' ');
  return line + ":" + std::string(value);
}

inline std::optional<LogProblem> parse100(StatsState& s, std::istream& in) { return ParseLog100(s, in); }
inline std::optional<LogProblem> parse104(StatsState& s, std::istream& in) { return ParseLog104(s, in); }

inline const LogFlavour kFlavour100{"v100", parse100, "Current RU's(det): ",
                                    "Total Aquired Ships By Class:", "Total Acquired Ships By Class:",
                                    shipLine100};
inline const LogFlavour kFlavour104{"v104", parse104, "Current RU's: ",
                                    "Total Acquired Ships By Class:", "Total Aquired Ships By Class:",
                                    shipLine104};

// Lines joined with CR LF, as the game writes them.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

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

}  // namespace corv::test
