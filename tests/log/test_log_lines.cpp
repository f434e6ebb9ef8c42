// Line endings and the chunked reading underneath both parsers: CR LF, CR and
// LF each end a line, line numbers stay right across chunk edges, and a line
// cut by a chunk edge is read whole.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "LogTestSupport.h"
#include "log/LineSource.h"
#include "log/LogReader.h"
#include "log/RecordDump.h"

namespace corv {
namespace {

using test::kFlavour100;
using test::kFlavour104;
using test::Parsed;
using test::parseWith;

// Every field of every slot, so one comparison covers the whole table.
std::string recordsOf(const StatsState& s) {
  std::ostringstream out;
  WriteRecords(out, s);
  return out.str();
}

// Line 16 holds a value too large for its field, so the problem's line number
// shows how many lines the reader saw.
const std::string kSample =
    "Corvaneth Multiplayer Game Log\n*************\nStatistics for player 1\n*************\nPlayer Name: Kestrel\n"
    "Player Race: R1\nRU's Collected   : 38215\nTotal Damage Against Player 1: 18250\n"
    "Total Aquired Ships By Class:\nCLASS_Frigate:\t7\nTotal Kills: 41\n\n*************\n*************\n"
    "Player Name: Morrow\nTime Of Death : 40000\nTotal Losses: 37\n";

// The sample with its i-th line ending replaced by eols[i % eols.size()].
std::string withEndings(const std::vector<const char*>& eols) {
  std::string out;
  std::size_t i = 0;
  for (const char c : kSample) out += c == '\n' ? std::string(eols[i++ % eols.size()]) : std::string(1, c);
  return out;
}

// Bytes of a line that no test recognises, so that what follows starts where wanted.
std::string filler(std::size_t bytes) {
  std::string line = "Units Lost To Attrition: ";
  line.resize(bytes, 'x');
  return line;
}

TEST(LineEndings, EveryEndingReadsTheSameLog) {
  const std::string crlf = withEndings({"\r\n"});
  const std::string reference = recordsOf(parseWith(kFlavour100, crlf).state);
  const std::pair<const char*, std::string> kCases[] = {{"CrLf", crlf},
                                                        {"Cr", withEndings({"\r"})},
                                                        {"Lf", withEndings({"\n"})},
                                                        {"NoEndingAfterLastLine", crlf.substr(0, crlf.size() - 2)},
                                                        {"Mixed", withEndings({"\r\n", "\n", "\r"})}};
  for (const auto& [name, bytes] : kCases) {
    SCOPED_TRACE(name);
    const Parsed p = parseWith(kFlavour100, bytes);
    EXPECT_EQ(recordsOf(p.state), reference);
    EXPECT_EQ(p.state.PlayerIndex, 1.0f);
    EXPECT_EQ(p.state.Players[1].Losses, 37);
    EXPECT_EQ(p.state.LogLine, "Total Losses: 37");
    ASSERT_TRUE(p.problem);
    EXPECT_EQ(p.problem->line, 16);
  }
}

TEST(LineEndings, EachEndingEndsOneLine) {
  // {bytes, the line of the misplaced data line, the last line read}
  const std::tuple<const char*, int, const char*> kCases[] = {
      {"a\r\nTime Of Death : 1\r\n", 2, "Time Of Death : 1"},  // an ending at the end adds no line
      {"a\r\nTime Of Death : 1\r\n\r\n", 2, ""},
      {"a\n\rTime Of Death : 1", 3, "Time Of Death : 1"},  // LF then CR: two endings
      {"a\r\r\nTime Of Death : 1", 3, "Time Of Death : 1"}};  // CR then CR LF: two endings
  for (const auto& [bytes, line, last] : kCases) {
    const Parsed p = parseWith(kFlavour100, bytes);
    ASSERT_TRUE(p.problem) << bytes;
    EXPECT_EQ(p.problem->line, line) << bytes;
    EXPECT_EQ(p.state.LogLine, last) << bytes;
  }
}

// A CR LF pair cut by the chunk edge is one ending: the problem's line number
// shows whether an empty line crept in.
TEST(ChunkEdges, CrLfSplitByTheEdgeIsOneEnding) {
  const std::string head = "*************\r\n*************\r\n";
  const std::string bytes = head + filler(logio::kChunkBytes - 1 - head.size()) + "\r\nTime Of Death : 40000\r\n";
  ASSERT_EQ(bytes.substr(logio::kChunkBytes - 1, 2), "\r\n");
  test::TempLog log(bytes);
  for (const test::LogFlavour* f : {&kFlavour100, &kFlavour104}) {
    const Parsed p = parseWith(*f, bytes);
    ASSERT_TRUE(p.problem);
    EXPECT_EQ(p.problem->line, 4);
    StatsState s;
    s.PlayerIndex = -1.0f;
    const auto fromFile = f->parseFile(s, log.path());
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->line, 4);
  }
}

TEST(ChunkEdges, ALineCutByTheEdgeIsReadWhole) {
  const std::string head = "*************\r\n*************\r\n";
  const std::string line = "RU's Collected   : 123456789";
  for (std::size_t cut = 0; cut <= line.size() + 2; ++cut) {
    const std::string bytes =
        head + filler(logio::kChunkBytes - cut - head.size() - 2) + "\r\n" + line + "\r\nTotal Kills: 5\r\n";
    const Parsed p = parseWith(kFlavour104, bytes);
    EXPECT_FALSE(p.problem) << "cut " << cut;
    EXPECT_EQ(p.state.Players[0].RUCollected, 123456789) << "cut " << cut;
    EXPECT_EQ(p.state.Players[0].Kills, 5) << "cut " << cut;
  }
}

TEST(ChunkEdges, ALongLineIsReadWholeUpToTheCapAndTheNextLineStillReads) {
  for (const std::size_t size : {3 * logio::kChunkBytes, logio::kMaxLineBytes + 3 * logio::kChunkBytes}) {
    const std::string name(size, 'n');
    const Parsed p = parseWith(kFlavour100, "*************\n*************\nPlayer Name: " + name + "\nTotal Kills: 2");
    EXPECT_EQ(p.state.Players[0].Name, name.substr(0, logio::kMaxLineBytes - 13)) << size;
    EXPECT_EQ(p.state.Players[0].Kills, 2);
    EXPECT_LE(p.state.LogLine.size(), logio::kMaxLineBytes);
  }
}

}  // namespace
}  // namespace corv
