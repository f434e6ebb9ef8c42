// The two parsers side by side: every test runs on a "1.00" and a "1.04" log
// built from the same lines, with the version's own current-RU label, ship-list
// header and ship-class lines. Every field of whole sample logs is checked by
// the golden files of test_record_dump.cpp.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "LogTestSupport.h"
#include "log/LogReader.h"

namespace corv {
namespace {

using test::kSep;
using test::LogFlavour;
using test::Parsed;
using Damage = std::array<std::int32_t, 8>;

class ParseLogTest : public ::testing::TestWithParam<const LogFlavour*> {
 protected:
  const LogFlavour& f() const { return *GetParam(); }
  Parsed parse(const std::vector<std::string>& lines) const { return test::parseWith(f(), test::joinCrLf(lines)); }
  // A log whose one player block opens with two separators, then `lines`.
  Parsed parseInFirstSlot(std::vector<std::string> lines) const {
    lines.insert(lines.begin(), {kSep, kSep});
    return parse(lines);
  }
};

INSTANTIATE_TEST_SUITE_P(Versions, ParseLogTest, ::testing::Values(&test::kFlavour100, &test::kFlavour104),
                         [](const auto& info) { return std::string(info.param->name); });

TEST_P(ParseLogTest, OnlyTheExactSeparatorMovesThePlayerIndex) {
  const Parsed p = parse({kSep + " ", " " + kSep, std::string(12, '*'), std::string(14, '*'), kSep + "\t",
                          "*************x", kSep});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.PlayerIndex, -0.5f);
  // An empty file leaves the caller's value.
  StatsState s;
  s.PlayerIndex = 3.0f;
  std::istringstream in("");
  EXPECT_FALSE(f().parse(s, in));
  EXPECT_EQ(s.PlayerIndex, 3.0f);
}

TEST_P(ParseLogTest, AByteOrderMarkOpeningTheFileIsNoPartOfTheFirstLine) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::string body = test::joinCrLf({kSep, kSep, "Player Name: Ilvessa", kSep, kSep, "Player Name: Dorrik"});
  for (const std::string& bytes : {bom + body, bom + bom + body, body.substr(0, 15) + bom + body.substr(15)}) {
    const Parsed p = test::parseWith(f(), bytes);
    const bool leading = bytes.compare(0, 6, bom + bom) != 0 && bytes.compare(0, 3, bom) == 0;
    EXPECT_EQ(p.state.PlayerIndex, leading ? 1.0f : 0.5f);
    EXPECT_EQ(p.state.Players[0].Name, leading ? "Ilvessa" : "Dorrik");
  }
}

TEST_P(ParseLogTest, ADataLineGoesToPlayerIndexRoundedHalfToEven) {
  // {separators, PlayerIndex, slot}; slot -1 or 8 lies outside the table. An
  // odd count puts the lines between the separators of pair k: slot k when k
  // is even, k - 1 when it is odd.
  const std::tuple<int, float, int> kTable[] = {
      {0, -1.0f, -1}, {1, -0.5f, 0}, {2, 0.0f, 0},  {3, 0.5f, 0},  {4, 1.0f, 1},  {5, 1.5f, 2},
      {6, 2.0f, 2},   {7, 2.5f, 2},  {8, 3.0f, 3},  {9, 3.5f, 4},  {10, 4.0f, 4}, {11, 4.5f, 4},
      {12, 5.0f, 5},  {13, 5.5f, 6}, {14, 6.0f, 6}, {15, 6.5f, 6}, {16, 7.0f, 7}, {17, 7.5f, 8}};
  for (const auto& [separators, playerIndex, slot] : kTable) {
    SCOPED_TRACE(std::to_string(separators) + " separators");
    std::vector<std::string> lines(std::size_t(separators), kSep);
    lines.insert(lines.end(), {"Player Name: N", "Player Race: R1", "RU's Collected   : 321"});
    const Parsed p = parse(lines);
    EXPECT_EQ(p.state.PlayerIndex, playerIndex);
    for (std::size_t k = 0; k < 8; ++k) {
      const bool here = int(k) == slot;
      EXPECT_EQ(p.state.Players[k].RUCollected, here ? 321 : 0) << "slot " << k;
      EXPECT_EQ(p.state.Players[k].Name, here ? "N" : "") << "slot " << k;
      EXPECT_EQ(p.state.Players[k].Race, here ? "Vaelori" : "") << "slot " << k;
    }
    if (slot < 0)
      EXPECT_EQ(p.problem, (LogProblem{separators + 1, "player data before the first separator line"}));
    else if (slot > 7)
      EXPECT_EQ(p.problem, (LogProblem{separators + 1, "more than eight players"}));
    else
      EXPECT_FALSE(p.problem);
  }
}

TEST_P(ParseLogTest, NoSeparatorsOrDataBeyondEightPlayersReachOutsideTheTable) {
  // 7.5 is still eight players; the next separator would make a loop up to
  // PlayerIndex reach slot 8.
  EXPECT_FALSE(parse(std::vector<std::string>(17, kSep)).problem);
  EXPECT_EQ(parse(std::vector<std::string>(18, kSep)).problem, (LogProblem{18, "more than eight players"}));
  std::vector<std::string> lines;
  for (int k = 0; k < 200; ++k)
    lines.insert(lines.end(), {kSep, "Player Name: X" + std::to_string(k), "Total Damage Against Player 7: 1"});
  const Parsed p = parse(lines);
  EXPECT_EQ(p.state.PlayerIndex, 99.0f);
  EXPECT_EQ(p.state.Players[7].Name, "X15");
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->reason, "more than eight players");
}

TEST_P(ParseLogTest, RaceLineSetsOrKeepsTheRaceAndPassesItsCodeOn) {
  const std::pair<const char*, const char*> kCases[] = {
      {"Player Race: R1", "Vaelori"},  {"Player Race: R3", "Drekhar"}, {"Player Race: R1 ", "Drekhar"},
      {"Player Race:  R1", "Drekhar"}, {"Player Race: r1", "Drekhar"}, {"Player Race: ", "Drekhar"},
      {"Player R", "Drekhar"},
      // Only the first eight characters choose the test.
      {"Player RXXXXXR1", "Vaelori"}};
  for (const auto& [line, race] : kCases) {
    // The first race line sets a known race; the line under test follows it.
    const Parsed p = parseInFirstSlot({"Player Race: R2", line});
    EXPECT_FALSE(p.problem) << line;
    EXPECT_EQ(p.state.Players[0].Race, race) << line;
  }
  // The race line hands its code on to the later tests in place of the line.
  const Parsed p = parseInFirstSlot({"Player Race: " + f().shipListHeader, f().ship(test::Frigate, " 6")});
  EXPECT_EQ(p.state.Players[0].Frigate, 6);
  EXPECT_EQ(p.state.Players[0].Race, "");
}

TEST_P(ParseLogTest, NamesAreTakenWholeAndDecoded) {
  const std::pair<std::vector<std::string>, const char*> kCases[] = {
      {{"Player Name: Ren\xE9" "e  "}, "Ren\u00E9e  "},
      {{"Player Name: Kestrel", "Player Name: "}, ""},
      {{"Player Name: Kestrel", "Player N"}, ""},
      {{"Player Name:Kestrel"}, "estrel"}};
  for (const auto& [lines, name] : kCases) {
    const Parsed p = parseInFirstSlot(lines);
    EXPECT_FALSE(p.problem) << lines.back();
    EXPECT_EQ(p.state.Players[0].Name, name) << lines.back();
  }
}

TEST_P(ParseLogTest, ValuesAreReadAfterTheLabelsColumn) {
  const Parsed p = parseInFirstSlot({"RU's Collected   : 1 234", "RU's Spent       : 12abc", "RU's Given       :",
                                     // A recognised line no longer than its label reads 0.
                                     "RU's Generated: 900", "RU's Gen", "Total Kills: 5", "Total Kills:",
                                     "Total Damage Against Player 3: 44", "Total Damage Against Player 3:"});
  EXPECT_FALSE(p.problem);
  const PlayerStats& pl = p.state.Players[0];
  EXPECT_EQ(pl.RUCollected, 1234);
  EXPECT_EQ(pl.RUSpent, 12);
  EXPECT_EQ(pl.RUGiven, 0);
  EXPECT_EQ(pl.RUGenerated, 0);
  EXPECT_EQ(pl.Kills, 0);
  EXPECT_EQ(pl.DamageTo[3], 0);
}

TEST_P(ParseLogTest, HalvesRoundToEvenInSixteenAndThirtyTwoBitFields) {
  const std::pair<std::string, int> kCases[] = {
      {"2.5", 2},  {"3.5", 4},    {"0.5", 0},    {"1.5", 2},          {"-2.5", -2},         {"-3.5", -4},
      {"2.4999", 2}, {"2.5001", 3}, {"32767", 32767}, {"32766.5", 32766}, {"-32768.5", -32768}};
  for (const auto& [text, expected] : kCases) {
    SCOPED_TRACE(text);
    const Parsed p = parseInFirstSlot({"Time Of Death : " + text, "RU's Collected   : " + text, f().shipListHeader,
                                       f().ship(test::Fighter, " " + text)});
    EXPECT_FALSE(p.problem);
    EXPECT_EQ(p.state.Players[0].TimeOfDeath, expected);
    EXPECT_EQ(p.state.Players[0].RUCollected, expected);
    EXPECT_EQ(p.state.Players[0].Fighter, expected);
  }
}

TEST_P(ParseLogTest, DamageGoesToThePlayerBeforeTheFirstColon) {
  // The number still comes from the fixed column, whatever the line says.
  const Parsed p = parseInFirstSlot({"Total Damage Against Player 0: 8", "Total Damage Against Player 3: 500",
                                     "Total Damage Against Player 5: 70", "Total Damage Against Player 5: 71",
                                     "Total Da 6: Against Player 1:   42", "Total Damage Against Player 7: 9"});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].DamageTo, (Damage{8, 0, 0, 500, 0, 71, 42, 9}));
}

TEST_P(ParseLogTest, ClassLinesCountOnlyBetweenTheirOwnHeaderAndKills) {
  using test::Carrier, test::Frigate;
  const Parsed p = parse({kSep, kSep, f().ship(Carrier, " 4"), f().otherHeader, f().ship(test::Fighter, " 9"),
                          f().shipListHeader + " ", f().ship(test::Destroyer, " 1"), f().shipListHeader,
                          f().ship(Frigate, " 2"),
                          // A new player's separators do not close the list; only the kills line does.
                          kSep, kSep, f().ship(Carrier, " 3"), "Total Kills: 9", f().ship(Carrier, " 5"),
                          f().ship(Frigate, " 7"), "Total Losses: 1"});
  EXPECT_FALSE(p.problem);
  const PlayerStats& first = p.state.Players[0];
  EXPECT_EQ(first.Carrier, 0);
  EXPECT_EQ(first.Fighter, 0);
  EXPECT_EQ(first.Destroyer, 0);
  EXPECT_EQ(first.Frigate, 2);
  const PlayerStats& second = p.state.Players[1];
  EXPECT_EQ(second.Carrier, 3);
  EXPECT_EQ(second.Frigate, 0);
  EXPECT_EQ(second.Kills, 9);
}

TEST(ParseLogVersions, TheOtherVersionsLinesMisreadAsTheFormatSays) {
  // 1.04 reads a class count after column 41, 1.00 after the TAB; a 1.00
  // class line means nothing to 1.04 and the other way round.
  std::string ninesTo40 = "CARRIER ";
  while (ninesTo40.size() < 40) ninesTo40 += "9 ";
  const std::string lines =
      test::joinCrLf({kSep, kSep, "Current RU's(det): 2745", "Current RU's: 3530", "Total Aquired Ships By Class:",
                      "Total Acquired Ships By Class:", "CLASS_Carrier:\t4", ninesTo40 + ":6", "FRIGATE      :5"});
  const Parsed p100 = test::parseWith(test::kFlavour100, lines);
  EXPECT_EQ(p100.state.Players[0].RUCurrent, 0);  // "Current RU's: 3530" is no longer than column 19
  EXPECT_EQ(p100.state.Players[0].Carrier, 4);
  const Parsed p104 = test::parseWith(test::kFlavour104, lines);
  EXPECT_EQ(p104.state.Players[0].RUCurrent, 3530);
  EXPECT_EQ(p104.state.Players[0].Carrier, 6);
  EXPECT_EQ(p104.state.Players[0].Frigate, 0);
}

// ---------------------------------------------------------------- input outside the format

TEST_P(ParseLogTest, AValueThatDoesNotFitIsReportedAndLeavesTheField) {
  const std::string noPlayer = "the damage line names no player 0 to 7 before its ':'";
  const std::pair<std::string, std::string> kCases[] = {
      {"Time Of Death : 40000", "the value 40000 does not fit (at most 32767)"},
      {"Time Of Death : -32769", "the value -32769 does not fit (at least -32768)"},
      {"Time Of Death : 32767.5", "the value 32767.5 does not fit (at most 32767)"},
      {"RU's Collected   : 2147483648", "the value 2147483648 does not fit (at most 2147483647)"},
      {"RU's Collected   : -2147483649", "the value -2147483649 does not fit (at least -2147483648)"},
      {"RU's Collected   : 9" + std::string(400, '9'), "the value does not fit (at most 2147483647)"},
      {"Total Damage Against Player 2: 3000000000", "the value 3000000000 does not fit (at most 2147483647)"},
      {f().ship(test::Cruiser, " 65536"), "the value 65536 does not fit (at most 32767)"},
      {"Total Damage Against Player 2 7000", "the damage line has no ':'"},
      {"Total Damage Against Player 8: 7000", noPlayer},
      {"Total Damage Against Player x: 7000", noPlayer},
      {"Total Damage Against Player : 7000", noPlayer},
      {"Total Damage Against Player -: 7000", noPlayer}};
  for (const auto& [line, reason] : kCases) {
    SCOPED_TRACE(line);
    // Every field first holds 7; the line under test must not change it.
    const Parsed p = parseInFirstSlot({"Time Of Death : 7", "RU's Collected   : 7", "Total Damage Against Player 2: 7",
                                       f().shipListHeader, f().ship(test::Cruiser, " 7"), line});
    EXPECT_EQ(p.problem, (LogProblem{8, reason}));
    const PlayerStats& pl = p.state.Players[0];
    EXPECT_EQ(pl.TimeOfDeath, 7);
    EXPECT_EQ(pl.RUCollected, 7);
    EXPECT_EQ(pl.DamageTo, (Damage{0, 0, 7, 0, 0, 0, 0, 0}));
    EXPECT_EQ(pl.HeavyCruiser, 7);
  }
}

TEST_P(ParseLogTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  const std::pair<std::string, const char*> kCases[] = {
      {"/nonexistent/corvaneth/none.txt", "the file cannot be opened"},
      {std::filesystem::temp_directory_path().string(), "the file cannot be read"}};
  for (const auto& [path, text] : kCases) {
    StatsState s;
    s.PlayerIndex = -1.0f;
    s.LogLine = "before";
    const auto problem = f().parseFile(s, path);
    ASSERT_TRUE(problem) << path;
    EXPECT_EQ(*problem, (LogProblem{0, text}));
    EXPECT_EQ(problem->text(), text);
    EXPECT_EQ(s.PlayerIndex, -1.0f);
    EXPECT_EQ(s.LogLine, "before");
  }
}

}  // namespace
}  // namespace corv
