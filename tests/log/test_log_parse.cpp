// The two parsers side by side: every test runs on a "1.00" and a "1.04" log
// built from the same lines, with the version's own current-RU label, ship-list
// header and ship-class lines.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "LogTestSupport.h"
#include "log/LogReader.h"

namespace corv {
namespace {

using test::LogFlavour;
using test::Parsed;

const std::string kSep = "*************";

std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// One player's block as the game writes it: a separator pair around a heading,
// then every data line. Values are derived from `base` so blocks differ.
std::vector<std::string> playerBlock(const LogFlavour& f, const std::string& name, const std::string& race,
                                     int base) {
  const auto n = [base](int k) { return std::to_string(base + k); };
  std::vector<std::string> b = {kSep,
                                "Statistics for player " + name,
                                kSep,
                                "Player Name: " + name,
                                "Player Race: " + race,
                                "Player Team: 2",
                                "Time Of Death : " + n(1),
                                "RU's Started With: " + n(2),
                                "RU's Collected   : " + n(3),
                                "RU's Spent       : " + n(4),
                                "RU's Given       : " + n(5),
                                "RU's Received    : " + n(6),
                                "RU's Injected    : " + n(7),
                                "RU's via Bounties: " + n(8),
                                "RU's Generated: " + n(9),
                                f.currentLine + n(10),
                                "Total Damage Against Player 0: " + n(100),
                                "Total Damage Against Player 7: " + n(107),
                                f.shipListHeader,
                                f.shipLine("CARRIER", " " + n(11)),
                                f.shipLine("DESTROYER", " " + n(12)),
                                f.shipLine("FRIGATE", " " + n(13)),
                                f.shipLine("CORVETTE", " " + n(14)),
                                f.shipLine("FIGHTER", " " + n(15)),
                                f.shipLine("RESOURCE", " " + n(16)),
                                f.shipLine("NON-COMBAT", " " + n(17)),
                                f.shipLine("CRUISER", " " + n(18)),
                                "Total Kills: " + n(19),
                                "Total Losses: " + n(20),
                                ""};
  return b;
}

void expectBlock(const PlayerStats& p, const std::string& name, const std::string& race, int base) {
  EXPECT_EQ(p.Name, name);
  EXPECT_EQ(p.Race, race);
  EXPECT_EQ(p.TimeOfDeath, base + 1);
  EXPECT_EQ(p.RUStartedWith, base + 2);
  EXPECT_EQ(p.RUCollected, base + 3);
  EXPECT_EQ(p.RUSpent, base + 4);
  EXPECT_EQ(p.RUGiven, base + 5);
  EXPECT_EQ(p.RUReceived, base + 6);
  EXPECT_EQ(p.RUInjected, base + 7);
  EXPECT_EQ(p.RUBounties, base + 8);
  EXPECT_EQ(p.RUGenerated, base + 9);
  EXPECT_EQ(p.RUCurrent, base + 10);
  EXPECT_EQ(p.DamageTo[0], base + 100);
  for (int d = 1; d < 7; ++d) EXPECT_EQ(p.DamageTo[static_cast<std::size_t>(d)], 0);
  EXPECT_EQ(p.DamageTo[7], base + 107);
  EXPECT_EQ(p.Carrier, base + 11);
  EXPECT_EQ(p.Destroyer, base + 12);
  EXPECT_EQ(p.Frigate, base + 13);
  EXPECT_EQ(p.Corvette, base + 14);
  EXPECT_EQ(p.Fighter, base + 15);
  EXPECT_EQ(p.Resource, base + 16);
  EXPECT_EQ(p.NonCombat, base + 17);
  EXPECT_EQ(p.HeavyCruiser, base + 18);
  EXPECT_EQ(p.Kills, base + 19);
  EXPECT_EQ(p.Losses, base + 20);
  EXPECT_EQ(p.ShipsTotal, 0);
  EXPECT_EQ(p.GeneralScore, 0);
}

bool isBlank(const PlayerStats& p) {
  const PlayerStats empty{};
  return p.Name == empty.Name && p.Race == empty.Race && p.TimeOfDeath == 0 && p.RUStartedWith == 0 &&
         p.RUCollected == 0 && p.RUSpent == 0 && p.RUGiven == 0 && p.RUReceived == 0 && p.RUInjected == 0 &&
         p.RUBounties == 0 && p.RUGenerated == 0 && p.RUCurrent == 0 && p.DamageTo == empty.DamageTo &&
         p.Kills == 0 && p.Losses == 0 && p.NonCombat == 0 && p.Resource == 0 && p.Fighter == 0 &&
         p.Corvette == 0 && p.Frigate == 0 && p.HeavyCruiser == 0 && p.Destroyer == 0 && p.Carrier == 0;
}

class ParseLogTest : public ::testing::TestWithParam<const LogFlavour*> {
 protected:
  const LogFlavour& f() const { return *GetParam(); }
  Parsed parse(const std::string& bytes) const { return test::parseWith(f(), bytes); }
  Parsed parseLines(const std::vector<std::string>& lines) const { return parse(joinCrLf(lines)); }
  // A log whose one player block opens with two separators, then `lines`.
  Parsed parseInFirstSlot(const std::vector<std::string>& lines) const {
    std::vector<std::string> all = {kSep, kSep};
    all.insert(all.end(), lines.begin(), lines.end());
    return parseLines(all);
  }
};

INSTANTIATE_TEST_SUITE_P(Versions, ParseLogTest, ::testing::Values(&test::kFlavour100, &test::kFlavour104),
                         [](const auto& info) { return std::string(info.param->name); });

TEST_P(ParseLogTest, ReadsEveryFieldOfEveryPlayer) {
  std::vector<std::string> lines = {"Corvaneth Multiplayer Game Log", "Map: Veil of Ash", ""};
  for (const auto& [name, race, base] :
       {std::tuple{"Kestrel", "R1", 1000}, std::tuple{"Morrow", "R2", 2000}, std::tuple{"Iskra", "R1", 3000}}) {
    const auto b = playerBlock(f(), name, race, base);
    lines.insert(lines.end(), b.begin(), b.end());
  }
  lines.push_back("End Of Log");
  const Parsed p = parseLines(lines);
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.PlayerIndex, 2.0f);
  expectBlock(p.state.Players[0], "Kestrel", "Vaelori", 1000);
  expectBlock(p.state.Players[1], "Morrow", "Drekhar", 2000);
  expectBlock(p.state.Players[2], "Iskra", "Vaelori", 3000);
  for (std::size_t k = 3; k < 8; ++k) EXPECT_TRUE(isBlank(p.state.Players[k])) << k;
  EXPECT_EQ(p.state.LogLine, "End Of Log");
}

TEST_P(ParseLogTest, AnEmptyFileLeavesPlayerIndexAsGiven) {
  Parsed p = parse("");
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.PlayerIndex, -1.0f);

  StatsState s;
  s.PlayerIndex = 3.0f;
  std::istringstream in("");
  EXPECT_FALSE(f().parse(s, in));
  EXPECT_EQ(s.PlayerIndex, 3.0f);
}

TEST_P(ParseLogTest, OnlyTheExactSeparatorMovesThePlayerIndex) {
  const Parsed p = parseLines({kSep + " ", " " + kSep, std::string(12, '*'), std::string(14, '*'),
                               kSep + "\t", "*************x", kSep});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.PlayerIndex, -0.5f);
}

TEST_P(ParseLogTest, TwoSeparatorsMakeOnePlayer) {
  const Parsed p = parseLines({kSep, kSep, "Player Name: Solo"});
  EXPECT_EQ(p.state.PlayerIndex, 0.0f);
  EXPECT_EQ(p.state.Players[0].Name, "Solo");
}

struct RaceCase {
  const char* name;
  std::string line;
  std::string expected;
};

class RaceLineTest : public ::testing::TestWithParam<std::tuple<const LogFlavour*, RaceCase>> {};

TEST_P(RaceLineTest, SetsOrKeepsTheRace) {
  const auto& [flavour, c] = GetParam();
  // The first race line sets a known race; the line under test follows it.
  const Parsed p = test::parseWith(*flavour, joinCrLf({kSep, kSep, "Player Race: R2", c.line}));
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].Race, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RaceLineTest,
    ::testing::Combine(::testing::Values(&test::kFlavour100, &test::kFlavour104),
                       ::testing::Values(RaceCase{"R1", "Player Race: R1", "Vaelori"},
                                         RaceCase{"R2", "Player Race: R2", "Drekhar"},
                                         RaceCase{"R3", "Player Race: R3", "Drekhar"},
                                         RaceCase{"R1Blank", "Player Race: R1 ", "Drekhar"},
                                         RaceCase{"BlankR1", "Player Race:  R1", "Drekhar"},
                                         RaceCase{"LowerCase", "Player Race: r1", "Drekhar"},
                                         RaceCase{"NoCode", "Player Race: ", "Drekhar"},
                                         RaceCase{"ShortLine", "Player R", "Drekhar"},
                                         // Only the first eight characters choose the test.
                                         RaceCase{"AnyLabelText", "Player RXXXXXR1", "Vaelori"})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param)->name) + "_" + std::get<1>(info.param).name;
    });

TEST_P(ParseLogTest, ARaceCodeThatIsTheShipHeaderOpensTheShipList) {
  // The race line hands its code on to the later tests in place of the line.
  const Parsed p = parseInFirstSlot({"Player Race: " + f().shipListHeader, f().shipLine("FRIGATE", " 6")});
  EXPECT_EQ(p.state.Players[0].Frigate, 6);
  EXPECT_EQ(p.state.Players[0].Race, "");
}

TEST_P(ParseLogTest, NamesAreTakenWholeAndDecoded) {
  Parsed p = parseInFirstSlot({"Player Name: Ren\xE9" "e  "});
  EXPECT_EQ(p.state.Players[0].Name, "Ren\u00E9e  ");
  p = parseInFirstSlot({"Player Name: Kestrel", "Player Name: "});
  EXPECT_EQ(p.state.Players[0].Name, "");
  p = parseInFirstSlot({"Player Name: Kestrel", "Player N"});
  EXPECT_EQ(p.state.Players[0].Name, "");
  p = parseInFirstSlot({"Player Name:Kestrel"});
  EXPECT_EQ(p.state.Players[0].Name, "estrel");
  EXPECT_FALSE(p.problem);
}

TEST_P(ParseLogTest, ShortDataLinesStoreZero) {
  const Parsed p = parseInFirstSlot({"RU's Collected   : 900", "RU's Col", "Total Kills: 5", "Total Kills:",
                                     "Total Damage Against Player 3: 44", "Total Damage Against Player 3:"});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].RUCollected, 0);
  EXPECT_EQ(p.state.Players[0].Kills, 0);
  EXPECT_EQ(p.state.Players[0].DamageTo[3], 0);
}

TEST_P(ParseLogTest, NumbersReadAsTheLogWritesThem) {
  const Parsed p = parseInFirstSlot({"RU's Collected   : 1 234", "RU's Spent       : 12abc",
                                     "RU's Given       :", "RU's Received    : \t 77", "RU's Injected    : -40",
                                     "RU's via Bounties:\t+15"});
  EXPECT_FALSE(p.problem);
  const PlayerStats& pl = p.state.Players[0];
  EXPECT_EQ(pl.RUCollected, 1234);
  EXPECT_EQ(pl.RUSpent, 12);
  EXPECT_EQ(pl.RUGiven, 0);
  EXPECT_EQ(pl.RUReceived, 77);
  EXPECT_EQ(pl.RUInjected, -40);
  EXPECT_EQ(pl.RUBounties, 15);
}

struct TieCase {
  const char* name;
  const char* text;
  int expected;
};

class HalfToEvenTest : public ::testing::TestWithParam<std::tuple<const LogFlavour*, TieCase>> {};

TEST_P(HalfToEvenTest, IntoSixteenAndThirtyTwoBitFields) {
  const auto& [flavour, c] = GetParam();
  const Parsed p = test::parseWith(*flavour, joinCrLf({kSep, kSep, std::string("Time Of Death : ") + c.text,
                                                       std::string("RU's Collected   : ") + c.text,
                                                       flavour->shipListHeader,
                                                       flavour->shipLine("FIGHTER", std::string(" ") + c.text)}));
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].TimeOfDeath, c.expected);
  EXPECT_EQ(p.state.Players[0].RUCollected, c.expected);
  EXPECT_EQ(p.state.Players[0].Fighter, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HalfToEvenTest,
    ::testing::Combine(::testing::Values(&test::kFlavour100, &test::kFlavour104),
                       ::testing::Values(TieCase{"TwoAndAHalf", "2.5", 2}, TieCase{"ThreeAndAHalf", "3.5", 4},
                                         TieCase{"AHalf", "0.5", 0}, TieCase{"OneAndAHalf", "1.5", 2},
                                         TieCase{"MinusTwoAndAHalf", "-2.5", -2},
                                         TieCase{"MinusThreeAndAHalf", "-3.5", -4},
                                         TieCase{"JustBelowAHalf", "2.4999", 2},
                                         TieCase{"JustAboveAHalf", "2.5001", 3},
                                         TieCase{"TopTie", "32766.5", 32766},
                                         TieCase{"BottomTie", "-32768.5", -32768})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param)->name) + "_" + std::get<1>(info.param).name;
    });

TEST_P(ParseLogTest, DamageGoesToThePlayerBeforeTheColon) {
  const Parsed p = parseInFirstSlot({"Total Damage Against Player 3: 500", "Total Damage Against Player 5: 70",
                                     "Total Damage Against Player 5: 71"});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].DamageTo, (std::array<std::int32_t, 8>{0, 0, 0, 500, 0, 71, 0, 0}));
}

TEST_P(ParseLogTest, OnlyTheFirstColonNamesTheDamagedPlayer) {
  // The number still comes from the fixed column, whatever the line says.
  const Parsed p = parseInFirstSlot({"Total Da 6: Against Player 1:   42"});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].DamageTo[6], 42);
  EXPECT_EQ(p.state.Players[0].DamageTo[1], 0);
}

TEST_P(ParseLogTest, EachClassLineFillsItsField) {
  const Parsed p =
      parseInFirstSlot({f().shipListHeader, f().shipLine("CARRIER", " 1"), f().shipLine("DESTROYER", " 2"),
                        f().shipLine("FRIGATE", " 3"), f().shipLine("CORVETTE", " 4"), f().shipLine("FIGHTER", " 5"),
                        f().shipLine("RESOURCE", " 6"), f().shipLine("NON-COMBAT", " 7"),
                        f().shipLine("CRUISER", " 8")});
  EXPECT_FALSE(p.problem);
  const PlayerStats& pl = p.state.Players[0];
  EXPECT_EQ(pl.Carrier, 1);
  EXPECT_EQ(pl.Destroyer, 2);
  EXPECT_EQ(pl.Frigate, 3);
  EXPECT_EQ(pl.Corvette, 4);
  EXPECT_EQ(pl.Fighter, 5);
  EXPECT_EQ(pl.Resource, 6);
  EXPECT_EQ(pl.NonCombat, 7);
  EXPECT_EQ(pl.HeavyCruiser, 8);
}

TEST_P(ParseLogTest, ClassLinesCountOnlyBetweenHeaderAndKills) {
  const Parsed p = parseInFirstSlot({f().shipLine("CARRIER", " 4"), f().shipListHeader, f().shipLine("FRIGATE", " 2"),
                                     "Total Kills: 9", f().shipLine("CARRIER", " 5"), f().shipLine("FRIGATE", " 7"),
                                     "Total Losses: 1"});
  EXPECT_FALSE(p.problem);
  EXPECT_EQ(p.state.Players[0].Carrier, 0);
  EXPECT_EQ(p.state.Players[0].Frigate, 2);
  EXPECT_EQ(p.state.Players[0].Kills, 9);
}

TEST_P(ParseLogTest, TheListStaysOpenAcrossPlayersUntilKills) {
  // Nothing but the kills line closes the list, not a new player's separators.
  std::vector<std::string> lines = {kSep, kSep, f().shipListHeader, kSep, kSep, f().shipLine("CARRIER", " 3")};
  const Parsed p = parseLines(lines);
  EXPECT_EQ(p.state.Players[1].Carrier, 3);
}

TEST_P(ParseLogTest, TheOtherVersionsHeaderNeverOpensTheList) {
  const Parsed p = parseInFirstSlot({f().otherHeader, f().shipLine("CARRIER", " 4"), f().shipLine("FIGHTER", " 9")});
  EXPECT_EQ(p.state.Players[0].Carrier, 0);
  EXPECT_EQ(p.state.Players[0].Fighter, 0);
}

TEST_P(ParseLogTest, TheHeaderMustBeTheWholeLine) {
  const Parsed p = parseInFirstSlot({f().shipListHeader + " ", f().shipLine("CARRIER", " 4")});
  EXPECT_EQ(p.state.Players[0].Carrier, 0);
}

TEST(ParseLogVersions, TheOtherVersionsLinesMisreadAsTheFormatSays) {
  // 1.04 reads the carrier count after column 41, 1.00 after the TAB; a 1.00
  // class line means nothing to 1.04 and the other way round.
  const std::string lines = joinCrLf({kSep, kSep, "Current RU's(det): 2745", "Current RU's: 3530",
                                      "Total Aquired Ships By Class:", "Total Acquired Ships By Class:",
                                      "CLASS_Carrier:\t4", "CARRIER                                 : 6"});
  const Parsed p100 = test::parseWith(test::kFlavour100, lines);
  EXPECT_EQ(p100.state.Players[0].RUCurrent, 0);  // "Current RU's: 3530" is no longer than column 19
  EXPECT_EQ(p100.state.Players[0].Carrier, 4);
  const Parsed p104 = test::parseWith(test::kFlavour104, lines);
  EXPECT_EQ(p104.state.Players[0].RUCurrent, 3530);
  EXPECT_EQ(p104.state.Players[0].Carrier, 6);
}

TEST(ParseLogVersions, ACarrierLineOf104ReadsAfterColumn41) {
  std::string ninesTo40 = "CARRIER ";
  while (ninesTo40.size() < 40) ninesTo40 += "9 ";
  const Parsed p = test::parseWith(
      test::kFlavour104, joinCrLf({kSep, kSep, "Total Acquired Ships By Class:", ninesTo40 + ":12",
                                   "FRIGATE      :5"}));
  EXPECT_EQ(p.state.Players[0].Carrier, 12);
  EXPECT_EQ(p.state.Players[0].Frigate, 0);
}

// ---------------------------------------------------------------- slots

struct SlotCase {
  int separators;
  float playerIndex;
  int slot;  // -1 or 8: outside the table
};

class SlotTableTest : public ::testing::TestWithParam<std::tuple<const LogFlavour*, SlotCase>> {};

TEST_P(SlotTableTest, ADataLineGoesToPlayerIndexRoundedHalfToEven) {
  const auto& [flavour, c] = GetParam();
  std::vector<std::string> lines(static_cast<std::size_t>(c.separators), kSep);
  lines.push_back("RU's Collected   : 321");
  const Parsed p = test::parseWith(*flavour, joinCrLf(lines));
  EXPECT_EQ(p.state.PlayerIndex, c.playerIndex);
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(p.state.Players[static_cast<std::size_t>(k)].RUCollected, k == c.slot ? 321 : 0) << "slot " << k;
  if (c.slot < 0 || c.slot > 7) {
    ASSERT_TRUE(p.problem);
    EXPECT_EQ(p.problem->line, c.separators + 1);
  } else {
    EXPECT_FALSE(p.problem);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlotTableTest,
    ::testing::Combine(::testing::Values(&test::kFlavour100, &test::kFlavour104),
                       ::testing::Values(SlotCase{0, -1.0f, -1}, SlotCase{1, -0.5f, 0}, SlotCase{2, 0.0f, 0},
                                         SlotCase{3, 0.5f, 0}, SlotCase{4, 1.0f, 1}, SlotCase{5, 1.5f, 2},
                                         SlotCase{6, 2.0f, 2}, SlotCase{7, 2.5f, 2}, SlotCase{8, 3.0f, 3},
                                         SlotCase{9, 3.5f, 4}, SlotCase{10, 4.0f, 4}, SlotCase{11, 4.5f, 4},
                                         SlotCase{12, 5.0f, 5}, SlotCase{13, 5.5f, 6}, SlotCase{14, 6.0f, 6},
                                         SlotCase{15, 6.5f, 6}, SlotCase{16, 7.0f, 7}, SlotCase{17, 7.5f, 8})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param)->name) + "_" +
             std::to_string(std::get<1>(info.param).separators) + "Separators";
    });

TEST_P(ParseLogTest, ALineBetweenAPairsSeparatorsLandsInTheEvenNeighbour) {
  // Pair 1 (odd) puts its inner line in slot 0, pair 2 (even) in slot 2.
  const Parsed p = parseLines({kSep, kSep, "Total Kills: 10", kSep, "Total Kills: 11", kSep, "Total Losses: 1",
                               kSep, "Total Kills: 12", kSep});
  EXPECT_EQ(p.state.Players[0].Kills, 11);
  EXPECT_EQ(p.state.Players[1].Losses, 1);
  EXPECT_EQ(p.state.Players[1].Kills, 0);
  EXPECT_EQ(p.state.Players[2].Kills, 12);
  EXPECT_EQ(p.state.PlayerIndex, 2.0f);
}

// ---------------------------------------------------------------- input outside the format

TEST_P(ParseLogTest, DataBeforeTheFirstSeparatorIsReportedAndNotStored) {
  const Parsed p = parseLines({"Corvaneth Multiplayer Game Log", "Player Name: Ghost", "Player Race: R1",
                               "Total Kills: 5", kSep, kSep, "Player Name: Real"});
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(*p.problem, (LogProblem{2, "player data before the first separator line"}));
  EXPECT_EQ(p.state.Players[0].Name, "Real");
  EXPECT_EQ(p.state.Players[0].Race, "");
  EXPECT_EQ(p.state.Players[0].Kills, 0);
}

struct FitCase {
  const char* name;
  std::string line;
  std::string reason;
};

class ValueFitTest : public ::testing::TestWithParam<std::tuple<const LogFlavour*, FitCase>> {};

TEST_P(ValueFitTest, AValueThatDoesNotFitIsReportedAndLeavesTheField) {
  const auto& [flavour, c] = GetParam();
  // Every field first holds 7; the line under test must not change it.
  const std::vector<std::string> sevens = {
      "Time Of Death : 7", "RU's Collected   : 7", "Total Damage Against Player 2: 7", flavour->shipListHeader,
      flavour->shipLine("CRUISER", " 7")};
  std::vector<std::string> lines = {kSep, kSep};
  lines.insert(lines.end(), sevens.begin(), sevens.end());
  std::string line = c.line;
  if (line.rfind("CRUISER", 0) == 0) line = flavour->shipLine("CRUISER", line.substr(7));
  lines.push_back(line);
  const Parsed p = test::parseWith(*flavour, joinCrLf(lines));
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->line, 8);
  EXPECT_EQ(p.problem->reason, c.reason);
  const PlayerStats& pl = p.state.Players[0];
  EXPECT_EQ(pl.TimeOfDeath, 7);
  EXPECT_EQ(pl.RUCollected, 7);
  EXPECT_EQ(pl.DamageTo[2], 7);
  EXPECT_EQ(pl.HeavyCruiser, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueFitTest,
    ::testing::Combine(
        ::testing::Values(&test::kFlavour100, &test::kFlavour104),
        ::testing::Values(
            FitCase{"TimeOfDeathTooLarge", "Time Of Death : 40000", "the value 40000 does not fit (at most 32767)"},
            FitCase{"TimeOfDeathTooSmall", "Time Of Death : -32769",
                    "the value -32769 does not fit (at least -32768)"},
            FitCase{"TieRoundsOutOfRange", "Time Of Death : 32767.5",
                    "the value 32767.5 does not fit (at most 32767)"},
            FitCase{"CollectedTooLarge", "RU's Collected   : 2147483648",
                    "the value 2147483648 does not fit (at most 2147483647)"},
            FitCase{"CollectedTooSmall", "RU's Collected   : -2147483649",
                    "the value -2147483649 does not fit (at least -2147483648)"},
            FitCase{"CollectedFarTooLarge", "RU's Collected   : 9" + std::string(400, '9'),
                    "the value does not fit (at most 2147483647)"},
            FitCase{"DamageTooLarge", "Total Damage Against Player 2: 3000000000",
                    "the value 3000000000 does not fit (at most 2147483647)"},
            FitCase{"ClassCountTooLarge", "CRUISER 65536", "the value 65536 does not fit (at most 32767)"},
            FitCase{"DamageWithNoColon", "Total Damage Against Player 2 7000", "the damage line has no ':'"},
            FitCase{"DamageToPlayer8", "Total Damage Against Player 8: 7000",
                    "the damage line names no player 0 to 7 before its ':'"},
            FitCase{"DamageToPlayer9", "Total Damage Against Player 9: 7000",
                    "the damage line names no player 0 to 7 before its ':'"},
            FitCase{"DamageToALetter", "Total Damage Against Player x: 7000",
                    "the damage line names no player 0 to 7 before its ':'"},
            FitCase{"DamageToABlank", "Total Damage Against Player : 7000",
                    "the damage line names no player 0 to 7 before its ':'"},
            FitCase{"DamageToAMinus", "Total Damage Against Player -: 7000",
                    "the damage line names no player 0 to 7 before its ':'"})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param)->name) + "_" + std::get<1>(info.param).name;
    });

TEST_P(ParseLogTest, TheFirstProblemIsReportedAndTheParseGoesOn) {
  const Parsed p = parseLines({kSep, kSep, "Time Of Death : 99999", "Total Damage Against Player 9: 1",
                               "Total Kills: 12", kSep, kSep, "Player Name: Second", "Total Losses: 5"});
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->text(), "line 3: the value 99999 does not fit (at most 32767)");
  EXPECT_EQ(p.state.Players[0].Kills, 12);
  EXPECT_EQ(p.state.Players[1].Name, "Second");
  EXPECT_EQ(p.state.Players[1].Losses, 5);
  EXPECT_EQ(p.state.PlayerIndex, 1.0f);
}

TEST_P(ParseLogTest, NinePlayersNeverWriteOutsideTheTable) {
  std::vector<std::string> lines = {"Corvaneth Multiplayer Game Log"};
  int ninthSeparatorPair = 0;
  for (int k = 0; k < 9; ++k) {
    if (k == 8) ninthSeparatorPair = static_cast<int>(lines.size()) + 1;
    const auto b = playerBlock(f(), "P" + std::to_string(k), k % 2 ? "R2" : "R1", 1000 * (k + 1));
    lines.insert(lines.end(), b.begin(), b.end());
  }
  const Parsed p = parseLines(lines);
  for (int k = 0; k < 8; ++k)
    expectBlock(p.state.Players[static_cast<std::size_t>(k)], "P" + std::to_string(k), k % 2 ? "Drekhar" : "Vaelori",
                1000 * (k + 1));
  EXPECT_EQ(p.state.PlayerIndex, 8.0f);
  ASSERT_TRUE(p.problem);
  // The ninth player's second separator lifts PlayerIndex past 7.5.
  EXPECT_EQ(*p.problem, (LogProblem{ninthSeparatorPair + 2, "more than eight players"}));
}

TEST_P(ParseLogTest, SeventeenSeparatorsAreStillEightPlayers) {
  std::vector<std::string> lines(17, kSep);
  const Parsed p = parseLines(lines);
  EXPECT_EQ(p.state.PlayerIndex, 7.5f);
  EXPECT_FALSE(p.problem);
}

TEST_P(ParseLogTest, ManySeparatorsAndDataNeverWriteOutside) {
  std::vector<std::string> lines;
  for (int k = 0; k < 200; ++k) {
    lines.push_back(kSep);
    lines.push_back("Player Name: X" + std::to_string(k));
    lines.push_back("Total Damage Against Player 7: 1");
  }
  const Parsed p = parseLines(lines);
  EXPECT_EQ(p.state.PlayerIndex, 99.0f);
  EXPECT_EQ(p.state.Players[7].Name, "X15");
  ASSERT_TRUE(p.problem);
  EXPECT_EQ(p.problem->reason, "more than eight players");
}

TEST_P(ParseLogTest, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
  StatsState s;
  s.PlayerIndex = -1.0f;
  s.LogLine = "before";
  const auto problem = GetParam() == &test::kFlavour100 ? ParseLog100(s, "/nonexistent/corvaneth/none.txt")
                                                        : ParseLog104(s, "/nonexistent/corvaneth/none.txt");
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, (LogProblem{0, "the file cannot be opened"}));
  EXPECT_EQ(problem->text(), "the file cannot be opened");
  EXPECT_EQ(s.PlayerIndex, -1.0f);
  EXPECT_EQ(s.LogLine, "before");
}

TEST_P(ParseLogTest, AFolderIsReportedAsUnreadable) {
  StatsState s;
  s.PlayerIndex = -1.0f;
  const std::string dir = std::filesystem::temp_directory_path().string();
  const auto problem = GetParam() == &test::kFlavour100 ? ParseLog100(s, dir) : ParseLog104(s, dir);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->line, 0);
  EXPECT_EQ(s.PlayerIndex, -1.0f);
}

TEST_P(ParseLogTest, AFileOnDiskReadsLikeAStream) {
  std::vector<std::string> lines = playerBlock(f(), "Kestrel", "R1", 500);
  const auto b = playerBlock(f(), "Morrow", "R2", 600);
  lines.insert(lines.end(), b.begin(), b.end());
  test::TempLog log(joinCrLf(lines));
  StatsState s;
  s.PlayerIndex = -1.0f;
  const auto problem = GetParam() == &test::kFlavour100 ? ParseLog100(s, log.path()) : ParseLog104(s, log.path());
  EXPECT_FALSE(problem);
  EXPECT_EQ(s.PlayerIndex, 1.0f);
  expectBlock(s.Players[0], "Kestrel", "Vaelori", 500);
  expectBlock(s.Players[1], "Morrow", "Drekhar", 600);
}

}  // namespace
}  // namespace corv
