// The log as text: reading a line's number and the value column, decoding
// names, telling "1.00" from "1.04", and how the file becomes lines (CR LF, CR
// and LF each end one, a byte-order mark opening the file is no part of the
// first, a line cut by the reader's chunk edge is read whole).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "LogTestSupport.h"
#include "log/LineSource.h"
#include "log/LogReader.h"

namespace corv {
namespace {

using test::readLog;

TEST(ReadLogNumber, ReadsTheLeadingNumber) {
  const std::pair<std::string, double> kCases[] = {
      {"1234", 1234}, {"1 234", 1234}, {"12abc", 12}, {"", 0}, {"  \t ", 0}, {"\t\t42", 42}, {"4\t2", 42},
      {"-17", -17}, {"+8", 8}, {"- 5", -5}, {"--5", 0}, {"-", 0}, {"3.5", 3.5}, {" 2 . 5 ", 2.5}, {"1.2.3", 1.2},
      {".5", 0.5}, {"5.", 5}, {".", 0}, {"-.25", -0.25}, {"12-3", 12}, {"1,000", 1}, {"1e3", 1}, {"&H10", 0},
      {"x12", 0}, {"000042", 42}, {"2.50000000000000000000000001", 2.5}, {"0." + std::string(400, '0') + "1", 0},
      {"9" + std::string(400, '0'), HUGE_VAL}, {"-9" + std::string(400, '0'), -HUGE_VAL},
      // A sloppy digit-by-digit conversion drifts off the half and rounds wrongly.
      {"32766.5", 32766.5}, {"2147483646.5", 2147483646.5}};
  for (const auto& [text, expected] : kCases) EXPECT_EQ(ReadLogNumber(text), expected) << '"' << text << '"';
}

TEST(GetLineValue, TheColumnIsTheLabelsFirstTab) {
  StatsState s;
  s.LogLine = "ab912345";
  EXPECT_EQ(GetLineValue(s, "ab\tcd\t"), 12345);
}

TEST(DecodeWindows1252, BytesBecomeUtf8) {
  // 0x80 to 0x9F have letters of their own; the unassigned ones keep their value.
  const std::pair<const char*, const char*> kCases[] = {
      {"Brenk_77 [X]", "Brenk_77 [X]"}, {"\xC6\xFF\xA0", "\u00C6\u00FF\u00A0"},
      {"\x80\x99\x8A\x9F", "\u20AC\u2122\u0160\u0178"}, {"\x81\x9D", "\u0081\u009D"}};
  for (const auto& [bytes, utf8] : kCases) EXPECT_EQ(DecodeWindows1252(bytes), utf8) << utf8;
}

TEST(ValidUtf8, EachIllFormedPieceBecomesOneReplacementCharacter) {
  const std::pair<const char*, const char*> kCases[] = {
      {"V\xC3\xB6ssik \xF0\x9F\x9A\x80", "V\u00F6ssik \U0001F680"}, {"\xC0\xAF\x80", "\uFFFD\uFFFD\uFFFD"},
      {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"}, {"\xF0\x9F\x9Ax", "\uFFFDx"}, {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xE2\x82", "\uFFFD"}};
  for (const auto& [bytes, utf8] : kCases) EXPECT_EQ(ValidUtf8(bytes), utf8) << utf8;
}

std::string versionOf(const std::string& bytes) {
  const test::TempLog log(bytes);
  return GetLogVersion(log.path());
}

TEST(LogVersion, TheMarkerInTheLinesJoinedWithNothingBetweenOr100) {
  const std::pair<std::string, const char*> kCases[] = {
      {"", "1.00"}, {"Player Name: Vossik\r\nTotal Kills: 4\r\n", "1.00"}, {"x PULSE LANCE FRIGATEy", "1.04"},
      {"pulse lance frigate\r\n", "1.00"}, {"watch the PULSE LANCE\r\n FRIGATE wing\r\n", "1.04"},
      {"PULSE LANCE\r FRIGATE\r", "1.04"}, {"PULSE LANCE\n FRIGATE\n", "1.04"},
      {"PULSE\r\n\r\n LAN\nCE \rFRI\r\nGATE", "1.04"},
      // Joining adds nothing between lines: a blank must be written out.
      {"PULSE LANCE\r\nFRIGATE\r\n", "1.00"}, {"PULSE LANCE  FRIGATE", "1.00"}, {"PULSE LANCE FRIGAT", "1.00"},
      {"PULSE LANCE\t FRIGATE", "1.00"}, {"PULSE PULSE LANCE FRIGATE", "1.04"}, {"PPULSE LANCE FRIGATE", "1.04"},
      {std::string("\0PULSE LANCE FRIGATE\0", 21), "1.04"}};
  for (const auto& [bytes, expected] : kCases) EXPECT_EQ(versionOf(bytes), expected) << bytes;
  for (const std::string& path :
       {std::string("/nonexistent/corvaneth/none.txt"), std::filesystem::temp_directory_path().string()})
    EXPECT_EQ(GetLogVersion(path), "1.00") << path;
}

TEST(LogVersion, FoundAcrossEveryCutOfTheChunkEdge) {
  const std::string marker = "PULSE LANCE\r\n FRIGATE";
  for (std::size_t cut = 0; cut <= marker.size(); ++cut)
    EXPECT_EQ(versionOf(std::string(logio::kChunkBytes - cut, 'x') + marker + "\r\n"), "1.04") << "cut " << cut;
}

// Line 16 holds a value too large for its field, so the problem's line number
// shows how many lines the reader saw.
const std::string kSample =
    "Corvaneth Multiplayer Game Log\n*************\nStatistics for player 1\n*************\nPlayer Name: Vossik\n"
    "Player Race: R1\nRU's Collected   : 38215\nTotal Damage Against Player 1: 18250\n"
    "Total Aquired Ships By Class:\nCLASS_Frigate:\t7\nTotal Kills: 41\n\n*************\n*************\n"
    "Player Name: Temmar\nTime Of Death : 40000\nTotal Losses: 37\n";

// The sample with its i-th line ending replaced by eols[i % eols.size()].
std::string withEndings(const std::vector<const char*>& eols) {
  std::string out;
  std::size_t i = 0;
  for (const char c : kSample) out += c == '\n' ? std::string(eols[i++ % eols.size()]) : std::string(1, c);
  return out;
}

TEST(LineEndings, EveryEndingReadsTheSameLog) {
  const std::string crlf = withEndings({"\r\n"});
  for (const std::string& bytes : {crlf, withEndings({"\r"}), withEndings({"\n"}), crlf.substr(0, crlf.size() - 2),
                                   withEndings({"\r\n", "\n", "\r"})})
    EXPECT_EQ(readLog(bytes),
              "version=1.00\nPlayerIndex=1\nproblem=line 16: the value 40000 does not fit (at most 32767)\n"
              "0.Name=Vossik\n0.Race=Vaelori\n0.RUCollected=38215\n0.DamageTo.1=18250\n0.Kills=41\n0.Frigate=7\n"
              "1.Name=Temmar\n1.Losses=37\n");
}

// A data line before any separator is reported with its line number.
TEST(LineEndings, LfThenCrAndCrThenCrLfAreTwoEndings) {
  for (const char* bytes : {"a\n\rTime Of Death : 1", "a\r\r\nTime Of Death : 1"})
    EXPECT_EQ(readLog(bytes), "version=1.00\nPlayerIndex=-1\nproblem=line 3: player data before the first separator line\n")
        << bytes;
}

// The mark also says the names are UTF-8; without it they are Windows-1252.
TEST(LineEndings, AByteOrderMarkOnlyOpeningTheFileIsLeftOut) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::string body = "*************\r\n*************\r\nPlayer Name: Ilvessa\r\n*************\r\n*************\r\n"
                           "Player Name: D\xC3\xB6rrik\xFF\r\n";
  // Unrecognised, the marked separator would put both players in one slot.
  const std::pair<std::string, const char*> kCases[] = {
      {bom + body, "PlayerIndex=1\n0.Name=Ilvessa\n1.Name=D\u00F6rrik\uFFFD\n"},
      {bom + bom + body, "PlayerIndex=0.5\n0.Name=D\u00F6rrik\uFFFD\n"},
      {body.substr(0, 15) + bom + body.substr(15), "PlayerIndex=0.5\n0.Name=D\u00C3\u00B6rrik\u00FF\n"},
      {bom, "PlayerIndex=-1\n"}};
  for (const auto& [bytes, dump] : kCases) EXPECT_EQ(readLog(bytes), "version=1.00\n" + std::string(dump));
}

const std::string kTwoSeparators = "*************\r\n*************\r\n";

// A line of x that no test recognises puts the line under test where wanted.
// Cut at every place, the line is read whole, and the CR LF pair after it
// (cut too, once) is one ending: the problem's line number would show an
// empty line creeping in.
TEST(ChunkEdges, ALineCutByTheEdgeIsReadWhole) {
  const std::string line = "RU's Collected   : 123456789";
  for (std::size_t cut = 0; cut <= line.size() + 2; ++cut)
    EXPECT_EQ(readLog(kTwoSeparators + std::string(logio::kChunkBytes - cut - kTwoSeparators.size() - 2, 'x') + "\r\n" + line +
                      "\r\nTime Of Death : 40000\r\n"),
              "version=1.00\nPlayerIndex=0\nproblem=line 5: the value 40000 does not fit (at most 32767)\n"
              "0.RUCollected=123456789\n")
        << "cut " << cut;
}

TEST(ChunkEdges, ALongLineIsReadWholeUpToTheCapAndTheNextLineStillReads) {
  for (const std::size_t size : {3 * logio::kChunkBytes, logio::kMaxLineBytes + 3 * logio::kChunkBytes}) {
    const std::string name(size, 'n');
    EXPECT_EQ(readLog(kTwoSeparators + "Player Name: " + name + "\nTotal Kills: 2"),
              "version=1.00\nPlayerIndex=0\n0.Name=" + name.substr(0, logio::kMaxLineBytes - 13) + "\n0.Kills=2\n")
        << size;
  }
}

}  // namespace
}  // namespace corv
