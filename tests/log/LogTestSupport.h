// Helpers shared by the tests that read logs: a log written to a private
// temporary file, a log of separators, a log read as opening one reads it, and
// the golden files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "dump/RecordDump.h"

namespace corv::test {

inline std::string dataFile(const std::string& name) { return std::string(CORV_TEST_DATA) + "/" + name; }

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Checks a dump against tests/data/<name>.expected, where the path `log` reads
// @LOG@. With CORV_UPDATE_GOLDENS=1 (bash scripts/update-goldens) the dump is
// written over the golden file instead.
inline void expectGolden(std::string dump, const std::string& name, const std::string& log = {}) {
  for (auto at = log.empty() ? std::string::npos : dump.find(log); at != std::string::npos; at = dump.find(log, at))
    dump.replace(at, log.size(), "@LOG@");
  const std::string path = dataFile(name + ".expected"), golden = readFile(path);
  if (const char* update = std::getenv("CORV_UPDATE_GOLDENS"); update && std::string_view(update) == "1") {
    if (dump != golden) std::ofstream(path, std::ios::binary) << dump;
    return;
  }
  EXPECT_EQ(dump, golden) << path << " differs; if the change is meant, `bash scripts/update-goldens` rewrites it";
}

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
