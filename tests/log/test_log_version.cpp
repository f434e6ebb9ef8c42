// Telling "1.00" from "1.04", with the version text split across lines and
// across the reader's chunks.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>

#include "LogTestSupport.h"
#include "log/LineSource.h"
#include "log/LogReader.h"

namespace corv {
namespace {

std::string versionOfText(const std::string& bytes) {
  std::istringstream in(bytes);
  return GetLogVersion(in);
}

TEST(LogVersion, FromAStreamAndAFile) {
  const std::tuple<const char*, std::string, const char*> kCases[] = {
      {"Empty", "", "1.00"},
      {"PlainLog", "Player Name: Kestrel\r\nTotal Kills: 4\r\n", "1.00"},
      {"InsideALine", "x PULSE LANCE FRIGATEy", "1.04"},
      {"LowerCase", "pulse lance frigate\r\n", "1.00"},
      {"SplitAtCrLf", "watch the PULSE LANCE\r\n FRIGATE wing\r\n", "1.04"},
      {"SplitAtCr", "PULSE LANCE\r FRIGATE\r", "1.04"},
      {"SplitAtLf", "PULSE LANCE\n FRIGATE\n", "1.04"},
      {"SplitOverManyLines", "PULSE\r\n\r\n LAN\nCE \rFRI\r\nGATE", "1.04"},
      // Joining adds nothing between lines: a blank must be written out.
      {"NoBlankAtTheJoin", "PULSE LANCE\r\nFRIGATE\r\n", "1.00"},
      {"TwoBlanks", "PULSE LANCE  FRIGATE", "1.00"},
      {"CutShort", "PULSE LANCE FRIGAT", "1.00"},
      {"OtherBytesBetween", "PULSE LANCE\t FRIGATE", "1.00"},
      {"FalseStartFirst", "PULSE PULSE LANCE FRIGATE", "1.04"},
      {"DoubledFirstLetter", "PPULSE LANCE FRIGATE", "1.04"},
      {"NulBytesAround", std::string("\0PULSE LANCE FRIGATE\0", 21), "1.04"}};
  for (const auto& [name, bytes, expected] : kCases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(versionOfText(bytes), expected);
    const test::TempLog log(bytes);
    EXPECT_EQ(GetLogVersion(log.path()), expected);
  }
}

// The reader streams in chunks; a version text cut by a chunk edge, and by a
// line ending at that edge, is still found.
TEST(LogVersion, FoundAcrossEveryCutOfTheChunkEdge) {
  const std::string marker = "PULSE LANCE\r\n FRIGATE";
  for (std::size_t cut = 0; cut <= marker.size(); ++cut) {
    const std::string bytes = std::string(logio::kChunkBytes - cut, 'x') + marker + "\r\n";
    EXPECT_EQ(versionOfText(bytes), "1.04") << "cut " << cut;
  }
}

TEST(LogVersion, AFileThatCannotBeReadIsVersion100) {
  EXPECT_EQ(GetLogVersion("/nonexistent/corvaneth/none.txt"), "1.00");
  EXPECT_EQ(GetLogVersion(std::filesystem::temp_directory_path().string()), "1.00");
}

}  // namespace
}  // namespace corv
