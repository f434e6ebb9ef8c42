// Line endings and the chunked reading underneath both parsers: CR LF, CR and
// LF each end a line, line numbers stay right across chunk edges, and a line
// cut by a chunk edge is read whole.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "LogTestSupport.h"
#include "log/LineSource.h"
#include "log/LogReader.h"
#include "log/RecordDump.h"

namespace corv {
namespace {

const char* const kLines[] = {"Corvaneth Multiplayer Game Log",
                              "*************",
                              "Statistics for player 1",
                              "*************",
                              "Player Name: Kestrel",
                              "Player Race: R1",
                              "RU's Collected   : 38215",
                              "Total Damage Against Player 1: 18250",
                              "Total Aquired Ships By Class:",
                              "CLASS_Frigate:\t7",
                              "Total Kills: 41",
                              "",
                              "*************",
                              "*************",
                              "Player Name: Morrow",
                              "Time Of Death : 40000",
                              "Total Losses: 37"};

std::string joined(const std::string& eol, bool endingAfterLast = true) {
  std::string out;
  const std::size_t n = std::size(kLines);
  for (std::size_t i = 0; i < n; ++i) {
    out += kLines[i];
    if (i + 1 < n || endingAfterLast) out += eol;
  }
  return out;
}

std::string recordsOf(const StatsState& s) {
  std::ostringstream out;
  WriteRecords(out, s);
  return out.str();
}

struct EndingCase {
  const char* name;
  std::string bytes;
};

class LineEndingTest : public ::testing::TestWithParam<EndingCase> {};

TEST_P(LineEndingTest, EveryEndingReadsTheSameLog) {
  const test::Parsed reference = test::parseWith(test::kFlavour100, joined("\r\n"));
  const test::Parsed p = test::parseWith(test::kFlavour100, GetParam().bytes);
  EXPECT_EQ(recordsOf(p.state), recordsOf(reference.state));
  EXPECT_EQ(p.state.PlayerIndex, 1.0f);
  EXPECT_EQ(p.state.Players[0].RUCollected, 38215);
  EXPECT_EQ(p.state.Players[0].Frigate, 7);
  EXPECT_EQ(p.state.Players[1].Losses, 37);
  EXPECT_EQ(p.state.LogLine, "Total Losses: 37");
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->line, 16);
}

std::string mixedEndings() {
  const char* const eols[] = {"\r\n", "\n", "\r"};
  std::string out;
  std::size_t i = 0;
  for (const char* line : kLines) out += std::string(line) + eols[i++ % 3];
  return out;
}

INSTANTIATE_TEST_SUITE_P(Cases, LineEndingTest,
                         ::testing::Values(EndingCase{"CrLf", joined("\r\n")}, EndingCase{"Cr", joined("\r")},
                                           EndingCase{"Lf", joined("\n")},
                                           EndingCase{"NoEndingAfterLastLine", joined("\r\n", false)},
                                           EndingCase{"Mixed", mixedEndings()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineEndings, AnEndingAtTheEndAddsNoLine) {
  test::Parsed p = test::parseWith(test::kFlavour100, "*************\r\n*************\r\nTotal Kills: 3\r\n");
  EXPECT_EQ(p.state.LogLine, "Total Kills: 3");
  p = test::parseWith(test::kFlavour100, "*************\r\n*************\r\nTotal Kills: 3\r\n\r\n");
  EXPECT_EQ(p.state.LogLine, "");
}

TEST(LineEndings, LfThenCrIsTwoEndings) {
  const test::Parsed p = test::parseWith(test::kFlavour100, "a\n\rTime Of Death : 1\r\n");
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->line, 3);
}

TEST(LineEndings, CrThenCrLfIsTwoEndings) {
  // "a" ends at the first CR; the second CR and its LF end an empty line.
  const test::Parsed p = test::parseWith(test::kFlavour100, "a\r\r\nTime Of Death : 1\r\n");
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->line, 3);
}

// A CR LF pair cut by the chunk edge is one ending: the problem's line number
// shows whether an empty line crept in.
TEST(ChunkEdges, CrLfSplitByTheEdgeIsOneEnding) {
  const std::string head = "*************\r\n*************\r\n";
  std::string filler = "Units Lost To Attrition: ";
  filler.resize(logio::kChunkBytes - 1 - head.size(), 'x');
  const std::string bytes = head + filler + "\r\nTime Of Death : 40000\r\n";
  ASSERT_EQ(bytes[logio::kChunkBytes - 1], '\r');
  ASSERT_EQ(bytes[logio::kChunkBytes], '\n');
  for (const test::LogFlavour* f : {&test::kFlavour100, &test::kFlavour104}) {
    const test::Parsed p = test::parseWith(*f, bytes);
    ASSERT_TRUE(p.problem);
    EXPECT_EQ(p.problem->line, 4);
    test::TempLog log(bytes);
    StatsState s;
    s.PlayerIndex = -1.0f;
    const auto fromFile = f == &test::kFlavour100 ? ParseLog100(s, log.path()) : ParseLog104(s, log.path());
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->line, 4);
  }
}

TEST(ChunkEdges, ALineCutByTheEdgeIsReadWhole) {
  const std::string head = "*************\r\n*************\r\n";
  const std::string line = "RU's Collected   : 123456789";
  for (std::size_t cut = 0; cut <= line.size() + 2; ++cut) {
    std::string filler = "Units Lost To Attrition: ";
    filler.resize(logio::kChunkBytes - cut - head.size() - 2, 'x');
    const std::string bytes = head + filler + "\r\n" + line + "\r\nTotal Kills: 5\r\n";
    const test::Parsed p = test::parseWith(test::kFlavour104, bytes);
    EXPECT_FALSE(p.problem) << "cut " << cut;
    EXPECT_EQ(p.state.Players[0].RUCollected, 123456789) << "cut " << cut;
    EXPECT_EQ(p.state.Players[0].Kills, 5) << "cut " << cut;
  }
}

TEST(ChunkEdges, ALineLongerThanAChunkIsReadWhole) {
  const std::string name(3 * logio::kChunkBytes, 'n');
  const test::Parsed p =
      test::parseWith(test::kFlavour100, "*************\n*************\nPlayer Name: " + name + "\nTotal Kills: 2");
  EXPECT_EQ(p.state.Players[0].Name, name);
  EXPECT_EQ(p.state.Players[0].Kills, 2);
}

TEST(ChunkEdges, AnOverlongLineKeepsItsStartAndTheNextLineStillReads) {
  const std::string name(logio::kMaxLineBytes + 3 * logio::kChunkBytes, 'n');
  const test::Parsed p =
      test::parseWith(test::kFlavour100, "*************\n*************\nPlayer Name: " + name + "\nTotal Kills: 2");
  EXPECT_EQ(p.state.Players[0].Name, name.substr(0, logio::kMaxLineBytes - 13));
  EXPECT_EQ(p.state.Players[0].Kills, 2);
  EXPECT_LE(p.state.LogLine.size(), logio::kMaxLineBytes);
}

}  // namespace
}  // namespace corv
