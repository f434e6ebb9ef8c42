// The parsers as opening a log runs them: each case is a log and what reading
// it leaves, as the dump's lines that are not 0 or empty. Whole sample logs
// are checked field by field against golden files.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "LogTestSupport.h"
#include "log/LineSource.h"
#include "log/LogReader.h"

namespace corv {
namespace {

using test::readLog;

const std::string kSep = "*************\n";
const std::string kFirstSlot = kSep + kSep;
const std::string kMarker = "PULSE LANCE FRIGATE\n";  // makes a log version 1.04

// A version 1.04 ship-class line: the class name in a field of 40, a colon, then `rest`.
std::string c104(std::string name, const char* rest) {
  name.resize(40, ' ');
  return name + ":" + rest + "\n";
}

// Both versions' lines in one log: each version reads its own current-RU
// label, opens its ship list only at its own header and counts only its own
// class lines, each read after its own column (1.04's 14 and 41 here).
const std::string kMixed = kFirstSlot +
                           "Current RU's(det): 2745\nCurrent RU's:13530\nTotal Aquired Ships By Class:\n"
                           "CLASS_Carrier:\t4\n" + c104("FIGHTER", " 7") +
                           "Total Kills: 1\nTotal Acquired Ships By Class:\nCLASS_Frigate:\t5\n" +
                           c104("CARRIER 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9", "6");

struct LogCase {
  const char* name;
  std::string log, dump;
};

const LogCase kCases[] = {
    {"OnlyTheExactSeparatorCounts",
     "************* \n *************\n************\n**************\n*************\t\n*************x\n" + kSep,
     "version=1.00\nPlayerIndex=-0.5\n"},
    // A label's length is its value column: each value here starts one
    // character early, so a column off by one reads another number.
    {"EveryLabelsColumn",
     kFirstSlot + "Player Name:Ottrel\nPlayer Race:XR1\nTime Of Death :11\nRU's Started With:12\nRU's Collected   :13\n"
                  "RU's Spent       :14\nRU's Given       :15\nRU's Received    :16\nRU's Injected    :17\n"
                  "RU's via Bounties:18\nRU's Generated:19\nCurrent RU's(det):21\nTotal Damage Against Player 3:22\n"
                  "Total Aquired Ships By Class:\nCLASS_Carrier:91\nCLASS_Destroyer:92\nCLASS_Frigate:93\n"
                  "CLASS_Corvette:94\nCLASS_Fighter:95\nCLASS_Resource:96\nCLASS_NonCombat:97\n"
                  "CLASS_HeavyCruiser:98\nTotal Kills:31\nTotal Losses:32\n",
     "version=1.00\nPlayerIndex=0\n0.Name=ttrel\n0.Race=Vaelori\n0.TimeOfDeath=1\n0.RUStartedWith=2\n0.RUCollected=3\n"
     "0.RUSpent=4\n0.RUGiven=5\n0.RUReceived=6\n0.RUInjected=7\n0.RUBounties=8\n0.RUGenerated=9\n0.RUCurrent=1\n"
     "0.DamageTo.3=2\n0.Kills=1\n0.Losses=2\n0.NonCombat=7\n0.Resource=6\n0.Fighter=5\n0.Corvette=4\n0.Frigate=3\n"
     "0.HeavyCruiser=8\n0.Destroyer=2\n0.Carrier=1\n"},
    {"OwnLinesOnly100", kMixed, "version=1.00\nPlayerIndex=0\n0.Kills=1\n0.Carrier=4\n"},
    {"OwnLinesOnly104", kMixed + kMarker, "version=1.04\nPlayerIndex=0\n0.RUCurrent=3530\n0.Kills=1\n0.Carrier=6\n"},
    // Only R1 and R2 name a race, and only the first eight characters choose
    // the test; anything else leaves the race as it was.
    {"RaceCodes",
     kFirstSlot + "Player RXXXXXR1\n" + kFirstSlot +
         "Player Race: R2\nPlayer Race: R1 \nPlayer Race:  R1\nPlayer Race: r1\nPlayer Race: \nPlayer R\n"
         "Player Race: R3\n",
     "version=1.00\nPlayerIndex=1\n0.Race=Vaelori\n1.Race=Drekhar\n"},
    // The race code stands in for the line in the later tests: here it is the
    // ship-list header.
    {"RaceCodePassedOn", kFirstSlot + "Player Race: Total Aquired Ships By Class:\nCLASS_Frigate:\t6\n",
     "version=1.00\nPlayerIndex=0\n0.Frigate=6\n"},
    {"NamesTakenWholeAndDecoded",
     kFirstSlot + "Player Name: Ren\xE9" "e  \n" + kFirstSlot + "Player Name: Yssel\nPlayer Name: \n" + kFirstSlot +
         "Player Name: Brenk\nPlayer N\n",
     "version=1.00\nPlayerIndex=2\n0.Name=Ren\u00E9e  \n"},
    // A half goes to the even neighbour; a recognised line no longer than its
    // column reads 0, which is stored.
    {"HalvesRoundToEven",
     kFirstSlot + "Time Of Death : 2.5\nRU's Started With: 3.5\nRU's Collected   : -2.5\nRU's Spent       : -3.5\n"
                  "RU's Given       : 2147483646.5\nRU's Received    : 0.5\nRU's Injected    : 1.5\n"
                  "RU's via Bounties: 2.4999\nRU's Generated: 2.5001\nTotal Aquired Ships By Class:\n"
                  "CLASS_Fighter:\t32766.5\nCLASS_Frigate:\t-32768.5\nTotal Kills: 5\nTotal Kills:\n",
     "version=1.00\nPlayerIndex=0\n0.TimeOfDeath=2\n0.RUStartedWith=4\n0.RUCollected=-2\n0.RUSpent=-4\n"
     "0.RUGiven=2147483646\n0.RUInjected=2\n0.RUBounties=2\n0.RUGenerated=3\n0.Fighter=32766\n0.Frigate=-32768\n"},
    // The player is the character before the first colon; the number still
    // comes from the fixed column.
    {"DamageTo",
     kFirstSlot + "Total Damage Against Player 0: 8\nTotal Da 6: Against Player 1:   42\n"
                  "Total Damage Against Player 7: 9\n",
     "version=1.00\nPlayerIndex=0\n0.DamageTo.0=8\n0.DamageTo.6=42\n0.DamageTo.7=9\n"},
    // Class lines count only after their own header, exactly as written, and
    // until a kills line; a new player's separators do not end the list.
    {"ShipList",
     kFirstSlot + "CLASS_Carrier:\t4\nTotal Acquired Ships By Class:\nCLASS_Fighter:\t9\n"
                  "Total Aquired Ships By Class: \nCLASS_Destroyer:\t1\nTotal Aquired Ships By Class:\n"
                  "CLASS_Frigate:\t2\n" +
         kFirstSlot + "CLASS_Carrier:\t3\nTotal Kills: 9\nCLASS_Carrier:\t5\nCLASS_Frigate:\t7\nTotal Losses: 1\n",
     "version=1.00\nPlayerIndex=1\n0.Frigate=2\n1.Kills=9\n1.Losses=1\n1.Carrier=3\n"},
};

class ParseLog : public ::testing::TestWithParam<LogCase> {};

TEST_P(ParseLog, LeavesTheseValues) { EXPECT_EQ(readLog(GetParam().log), GetParam().dump); }

INSTANTIATE_TEST_SUITE_P(Cases, ParseLog, ::testing::ValuesIn(kCases), [](const auto& info) { return info.param.name; });

TEST(ParseLogSlots, ADataLineGoesToPlayerIndexRoundedHalfToEven) {
  // {separators, PlayerIndex, slot, problem}: a half goes to the even
  // neighbour; slots -1 and 8 lie outside the table and are reported.
  const std::tuple<int, const char*, int, const char*> kTable[] = {
      {0, "-1", -1, "line 1: player data before the first separator line"},
      {1, "-0.5", 0, ""}, {2, "0", 0, ""}, {3, "0.5", 0, ""}, {4, "1", 1, ""}, {5, "1.5", 2, ""}, {6, "2", 2, ""},
      {7, "2.5", 2, ""}, {8, "3", 3, ""}, {9, "3.5", 4, ""}, {10, "4", 4, ""}, {11, "4.5", 4, ""}, {12, "5", 5, ""},
      {13, "5.5", 6, ""}, {14, "6", 6, ""}, {15, "6.5", 6, ""}, {16, "7", 7, ""},
      {17, "7.5", 8, "line 18: more than eight players"}, {18, "8", 8, "line 18: more than eight players"}};
  for (const auto& [separators, playerIndex, slot, problem] : kTable) {
    std::string log;
    for (int s = 0; s < separators; ++s) log += kSep;
    std::string dump = "version=1.00\nPlayerIndex=" + std::string(playerIndex) + "\n";
    if (*problem) dump += "problem=" + std::string(problem) + "\n";
    if (slot >= 0 && slot <= 7)
      for (const char* field : {".Name=N\n", ".Race=Vaelori\n", ".RUCollected=321\n"}) dump += std::to_string(slot) + field;
    EXPECT_EQ(readLog(log + "Player Name: N\nPlayer Race: R1\nRU's Collected   : 321\n"), dump) << separators;
  }
}

TEST(ParseLogProblems, AValueThatDoesNotFitIsReportedAndLeavesTheField) {
  const std::string noPlayer = "the damage line names no player 0 to 7 before its ':'";
  const std::pair<std::string, std::string> kCases[] = {
      {"Time Of Death : 40000", "the value 40000 does not fit (at most 32767)"},
      {"Time Of Death : -32769", "the value -32769 does not fit (at least -32768)"},
      {"Time Of Death : 32767.5", "the value 32767.5 does not fit (at most 32767)"},
      {"RU's Collected   : 2147483648", "the value 2147483648 does not fit (at most 2147483647)"},
      {"RU's Collected   : -2147483649", "the value -2147483649 does not fit (at least -2147483648)"},
      {"RU's Collected   : 9" + std::string(400, '9'), "the value does not fit (at most 2147483647)"},
      {"Total Damage Against Player 2: 3000000000", "the value 3000000000 does not fit (at most 2147483647)"},
      {"CLASS_HeavyCruiser:\t65536", "the value 65536 does not fit (at most 32767)"},
      {"Total Damage Against Player 2 7000", "the damage line has no ':'"},
      {"Total Damage Against Player 8: 7000", noPlayer}, {"Total Damage Against Player : 7000", noPlayer}};
  for (const auto& [line, reason] : kCases)
    EXPECT_EQ(readLog(kFirstSlot + "Time Of Death : 7\nRU's Collected   : 7\nTotal Damage Against Player 2: 7\n"
                                   "Total Aquired Ships By Class:\nCLASS_HeavyCruiser:\t7\n" + line + "\n"),
              "version=1.00\nPlayerIndex=0\nproblem=line 8: " + reason +
                  "\n0.TimeOfDeath=7\n0.RUCollected=7\n0.DamageTo.2=7\n0.HeavyCruiser=7\n");
}

// A FIFO or a device in a log's place is refused without waiting on it, and a
// file larger than any log is refused unread (both files here are sparse).
TEST(ParseLogProblems, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  const test::TempLog empty(""), fifo(""), atLimit(""), overLimit("");
  std::filesystem::remove(fifo.path());
  ASSERT_EQ(mkfifo(fifo.path().c_str(), 0600), 0);
  std::filesystem::resize_file(atLimit.path(), logio::kMaxLogBytes);
  std::filesystem::resize_file(overLimit.path(), logio::kMaxLogBytes + 1);
  for (const auto& [path, text] : {std::pair<std::string, std::string>{empty.path(), ""},
                                   {atLimit.path(), ""},
                                   {overLimit.path(), "the file is larger than 64 MiB, more than any game log"},
                                   {fifo.path(), "the file is not a regular file"},
                                   {"/dev/zero", "the file is not a regular file"},
                                   {"/nonexistent/corvaneth/none.txt", "the file cannot be opened"},
                                   {std::filesystem::temp_directory_path().string(), "the file is not a regular file"}}) {
    StatsState s;
    s.PlayerIndex = 3.0f;  // what the caller set stays when no line moves it
    const auto problem = ParseLog104(s, path);
    EXPECT_EQ(problem ? problem->text() : "", text) << path;
    EXPECT_EQ(s.PlayerIndex, 3.0f);
  }
}

// The version and the records come from one open file, read once: a log
// rewritten between two openings would be read by the other version's rules.
TEST(ReadLog, OpensTheFileOnce) {
  const test::TempLog log(test::separatorLog(4) + "PULSE LANCE FRIGATE\r\n");
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(inotify_add_watch(watch, log.path().c_str(), IN_OPEN | IN_CLOSE_NOWRITE), 0);
  StatsState s;
  EXPECT_EQ(ReadLog(s, log.path()).version, "1.04");
  EXPECT_EQ(s.PlayerIndex, 1.0f);
  // Alternating, so the kernel cannot fold two openings into one event.
  alignas(inotify_event) char events[4096];
  EXPECT_EQ(read(watch, events, sizeof events), static_cast<ssize_t>(2 * sizeof(inotify_event)));
  close(watch);
}

TEST(GoldenDump, SampleLogsMatchTheirExpectedFiles) {
  for (const char* name : {"log_v100_four_players", "log_v104_three_players", "log_v100_quirks", "log_v104_bad_value"}) {
    std::ostringstream out;
    StatsState state;
    WriteLogDump(out, state, test::dataFile(std::string(name) + ".txt"));
    test::expectGolden(out.str(), name);
  }
}

}  // namespace
}  // namespace corv
