// Helpers shared by the tests that read logs: a log written to a private
// temporary file, a log of separators, and a log read as opening one reads it.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "dump/RecordDump.h"

namespace corv::test {

// A file that holds the given bytes for the life of the object; the name is
// random so parallel test processes (and other build trees) never collide.
class TempLog {
 public:
  explicit TempLog(std::string_view bytes) {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("corv-log-" + std::to_string(rd()) + "-" + std::to_string(rd()) + ".txt");
    std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~TempLog() { std::filesystem::remove(path_, ec_); }
  TempLog(const TempLog&) = delete;
  TempLog& operator=(const TempLog&) = delete;

  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
  std::error_code ec_;  // a file already gone is no failure
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

// The dump of reading `bytes` from a file as opening a log does, without the
// record fields that hold 0 or nothing, so a case lists only what the log set:
// "version=1.00", "PlayerIndex=1", "problem=..." and lines like "0.Kills=9".
inline std::string readLog(std::string_view bytes) {
  const TempLog log(bytes);
  StatsState state;
  std::ostringstream dump;
  WriteLogDump(dump, state, log.path());
  std::istringstream lines(dump.str());
  std::string kept;
  for (std::string line; std::getline(lines, line);)
    if (line[0] < '0' || line[0] > '9' || !(line.ends_with('=') || line.ends_with("=0")))
      kept += line + '\n';
  return kept;
}

}  // namespace corv::test
