// Telling "1.00" from "1.04", with the version text split across lines and
// across the reader's chunks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "LogTestSupport.h"
#include "log/LineSource.h"
#include "log/LogReader.h"

namespace corv {
namespace {

using test::TempLog;
using test::versionOfText;

struct VersionCase {
  const char* name;
  std::string bytes;
  const char* expected;
};

class LogVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(LogVersionTest, FromAStream) { EXPECT_EQ(versionOfText(GetParam().bytes), GetParam().expected); }

TEST_P(LogVersionTest, FromAFile) {
  TempLog log(GetParam().bytes);
  EXPECT_EQ(GetLogVersion(log.path()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogVersionTest,
    ::testing::Values(
        VersionCase{"Empty", "", "1.00"},
        VersionCase{"PlainLog", "Player Name: Kestrel\r\nTotal Kills: 4\r\n", "1.00"},
        VersionCase{"OnOneLine", "PULSE LANCE FRIGATE                     : 3\r\n", "1.04"},
        VersionCase{"InsideALine", "x PULSE LANCE FRIGATEy", "1.04"},
        VersionCase{"LowerCase", "pulse lance frigate\r\n", "1.00"},
        VersionCase{"MixedCase", "Pulse Lance Frigate\r\n", "1.00"},
        VersionCase{"SplitAtCrLf", "watch the PULSE LANCE\r\n FRIGATE wing\r\n", "1.04"},
        VersionCase{"SplitAtCr", "PULSE LANCE\r FRIGATE\r", "1.04"},
        VersionCase{"SplitAtLf", "PULSE LANCE\n FRIGATE\n", "1.04"},
        VersionCase{"SplitOverManyLines", "PULSE\r\n\r\n LAN\nCE \rFRI\r\nGATE", "1.04"},
        VersionCase{"SplitInsideAWord", "PULSE LANCE FRIG\r\nATE", "1.04"},
        // Joining adds nothing between lines: a blank must be written out.
        VersionCase{"NoBlankAtTheJoin", "PULSE LANCE\r\nFRIGATE\r\n", "1.00"},
        VersionCase{"TwoBlanks", "PULSE LANCE  FRIGATE", "1.00"},
        VersionCase{"CutShort", "PULSE LANCE FRIGAT", "1.00"},
        VersionCase{"OtherBytesBetween", "PULSE LANCE\t FRIGATE", "1.00"},
        VersionCase{"FalseStartFirst", "PULSE PULSE LANCE FRIGATE", "1.04"},
        VersionCase{"DoubledFirstLetter", "PPULSE LANCE FRIGATE", "1.04"},
        VersionCase{"NulBytesAround", std::string("\0PULSE LANCE FRIGATE\0", 21), "1.04"},
        VersionCase{"NulBytesInside", std::string("PULSE LANCE\0 FRIGATE", 20), "1.00"}),
    [](const auto& info) { return std::string(info.param.name); });

// The reader streams in chunks; a version text cut by a chunk edge, and by a
// line ending at that edge, is still found.
TEST(LogVersionChunks, FoundAcrossEveryCutOfTheChunkEdge) {
  const std::string marker = "PULSE LANCE\r\n FRIGATE";
  for (std::size_t cut = 0; cut <= marker.size(); ++cut) {
    std::string bytes(logio::kChunkBytes - cut, 'x');
    bytes += marker;
    bytes += "\r\n";
    EXPECT_EQ(versionOfText(bytes), "1.04") << "cut " << cut;
  }
}

TEST(LogVersionChunks, FoundFarIntoALargeFile) {
  std::string bytes;
  while (bytes.size() < 3 * logio::kChunkBytes) bytes += "Units Lost To Attrition: 4\r\n";
  bytes += "PULSE LANCE FRIGATE : 1\r\n";
  TempLog log(bytes);
  EXPECT_EQ(GetLogVersion(log.path()), "1.04");
}

TEST(LogVersionFiles, AMissingFileIsVersion100) {
  EXPECT_EQ(GetLogVersion("/nonexistent/corvaneth/none.txt"), "1.00");
}

TEST(LogVersionFiles, AFolderIsVersion100) {
  EXPECT_EQ(GetLogVersion(std::filesystem::temp_directory_path().string()), "1.00");
}

}  // namespace
}  // namespace corv
