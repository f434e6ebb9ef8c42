// The scoring arithmetic as values: raw values, scores, ordering, widths,
// shades, totals and the time text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "stats/Scoring.h"

namespace corv {
namespace {

constexpr std::int32_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int16_t kI16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kI16Min = std::numeric_limits<std::int16_t>::min();

TEST(ScoringRaw, HalvesGoToTheEvenNeighbour) {
  PlayerStats unit;
  unit.NonCombat = 8;  // 32
  unit.Fighter = 6;    // 18
  ASSERT_EQ(unitRaw(unit), 50);
  EXPECT_EQ(categoryScore(Category::Unit, unit), 512);  // 511.5

  PlayerStats res;
  res.RUCollected = 600;
  res.RUGiven = 35;
  ASSERT_EQ(resourceRaw(res), 1235);
  EXPECT_EQ(categoryScore(Category::Resource, res), 370);  // 370.5
}

TEST(ScoringRaw, IntRoundsDownNotTowardZero) {
  PlayerStats p;
  p.RUReceived = 3;  // −1.5
  EXPECT_EQ(resourceRaw(p), -2);
  EXPECT_EQ(categoryScore(Category::Resource, p), 1);  // |−0.6|

  PlayerStats c;
  c.DamageTo[7] = -15;  // −1.5
  EXPECT_EQ(combatRaw(c), -2);
}

TEST(ScoringRaw, NegativeRawScoresItsMagnitude) {
  PlayerStats p;
  p.RUReceived = 10000;
  ASSERT_EQ(resourceRaw(p), -5000);
  EXPECT_EQ(categoryScore(Category::Resource, p), 1500);
  EXPECT_EQ(categoryScore(-50, kUnitFactor), 512);
}

TEST(ScoringRaw, OnlyDamageAgainstSlotSevenCountsATenth) {
  PlayerStats p;
  p.DamageTo[7] = 1000;
  EXPECT_EQ(combatRaw(p), 100);
  EXPECT_EQ(categoryScore(Category::Combat, p), 6);

  p.DamageTo[0] = 1000;  // own or other slots count in full
  p.DamageTo[6] = 1000;
  p.Kills = 2;
  p.Losses = 3;
  EXPECT_EQ(combatRaw(p), 2000 + 100 + 1000 - 300);
}

TEST(ScoringRaw, OverflowingSumsGiveTheTrueValue) {
  PlayerStats carriers;
  carriers.Carrier = 110;  // 33000: past the 16-bit sum
  EXPECT_EQ(unitRaw(carriers), 33000);

  PlayerStats most;
  most.Resource = most.NonCombat = most.Fighter = most.Corvette = kI16Max;
  most.Frigate = most.Destroyer = most.HeavyCruiser = most.Carrier = kI16Max;
  EXPECT_EQ(unitRaw(most), 32767LL * 796);
  PlayerStats least;
  least.Resource = least.NonCombat = least.Fighter = least.Corvette = kI16Min;
  least.Frigate = least.Destroyer = least.HeavyCruiser = least.Carrier = kI16Min;
  EXPECT_EQ(unitRaw(least), -32768LL * 796);

  PlayerStats rich;
  rich.RUCollected = kI32Max;
  rich.RUGiven = kI32Max;
  EXPECT_EQ(resourceRaw(rich), 3LL * kI32Max);
  EXPECT_EQ(categoryScore(Category::Resource, rich), 1932735282);  // 6442450941 × 0.3

  PlayerStats fighter;
  fighter.DamageTo.fill(kI32Max);
  EXPECT_EQ(combatRaw(fighter), 7LL * kI32Max + 214748364);
  fighter.Kills = kI32Max;
  fighter.Losses = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(combatRaw(fighter), 7LL * kI32Max + 214748364 + 500LL * kI32Max + 100LL * 2147483648LL);
}

TEST(ScoringScore, BeyondThe32BitFieldIsClamped) {
  EXPECT_EQ(categoryScore(std::int64_t{1} << 40, kCombatFactor), kI32Max);  // 68169720922
  EXPECT_EQ(categoryScore(-(std::int64_t{1} << 40), kUnitFactor), kI32Max);
  EXPECT_EQ(categoryScore(0, kUnitFactor), 0);

  PlayerStats p;
  p.ResourceScore = kI32Max;
  p.UnitScore = kI32Max;
  p.CombatScore = 5;
  EXPECT_EQ(generalScore(p), kI32Max);
  p.ResourceScore = 1000;
  p.UnitScore = 2000;
  EXPECT_EQ(generalScore(p), 3005);
}

TEST(ScoringOrder, SortDescPutsTheLargestFirst) {
  std::vector<std::int32_t> empty;
  SortDesc(empty);
  EXPECT_TRUE(empty.empty());

  std::vector<std::int32_t> one{7};
  SortDesc(one);
  EXPECT_EQ(one, std::vector<std::int32_t>{7});

  const std::vector<std::vector<std::int32_t>> inputs{
      {3, 1, 2}, {1, 2, 3, 4, 5, 6, 7, 8}, {5, 5, 0, 9, 5, -1, 9, 0}, {0, 0}, {kI32Max, -kI32Max - 1, 0}};
  for (auto v : inputs) {
    auto expected = v;
    std::sort(expected.begin(), expected.end(), std::greater<>());
    SortDesc(v);
    EXPECT_EQ(v, expected);
  }
}

TEST(ScoringOrder, EqualScoresTakeConsecutiveRowsEachPlayerOnce) {
  EXPECT_EQ(rankSlots(std::vector<std::int32_t>{5, 9, 5, 9}), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_EQ(rankSlots(std::vector<std::int32_t>{0, 0, 0}), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(rankSlots(std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_TRUE(rankSlots(std::vector<std::int32_t>{}).empty());
}

TEST(ScoringBars, WidthsAndTheirEnds) {
  EXPECT_EQ(barWidth(8385, 8385), 7035.0f);
  EXPECT_EQ(barWidth(1000, 2000), 3517.5f);
  EXPECT_NEAR(barWidth(6350, 8385), 5327.64, 0.005);
  EXPECT_EQ(barWidth(0, 2511), 0.0f);
  EXPECT_EQ(barWidth(kI32Max, kI32Max), 7035.0f);
  EXPECT_EQ(segmentWidth(26425, 26425), 7035.0f);
  EXPECT_EQ(segmentWidth(1, 2), 3517.5f);
  // every score 0: no division by zero, no NaN
  EXPECT_EQ(barWidth(0, 0), 0.0f);
  EXPECT_EQ(segmentWidth(0, 0), 0.0f);
  EXPECT_EQ(nextSegmentLeft(540.0f, 0.0f), 510.0f);
}

struct ShadeCase {
  const char* name;
  bool overall;
  Category category;  // for the range rule of a category shade
  std::int32_t score, minScore, maxScore;
  int shade;
};

class ScoringShade : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(ScoringShade, Shade) {
  const ShadeCase& c = GetParam();
  const int s = c.overall ? overallShade(c.score, c.minScore, c.maxScore)
                          : categoryShade(c.category, c.score, c.minScore, c.maxScore);
  EXPECT_EQ(s, c.shade);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScoringShade,
    ::testing::Values(ShadeCase{"ResourceLowest", false, Category::Resource, 1500, 1500, 8385, 75},
                      ShadeCase{"ResourceBest", false, Category::Resource, 8385, 1500, 8385, 205},
                      ShadeCase{"ResourceMiddle", false, Category::Resource, 6350, 1500, 8385, 166},
                      ShadeCase{"ResourceAllEqual", false, Category::Resource, 400, 400, 400, 75},
                      ShadeCase{"ResourceAllZero", false, Category::Resource, 0, 0, 0, 75},
                      ShadeCase{"UnitBest", false, Category::Unit, 15529, 0, 15529, 204},
                      ShadeCase{"UnitMiddle", false, Category::Unit, 11652, 0, 15529, 172},
                      ShadeCase{"UnitAllEqual", false, Category::Unit, 9, 9, 9, 75},
                      ShadeCase{"UnitDifferByOne", false, Category::Unit, 10, 9, 10, 140},
                      ShadeCase{"CombatBest", false, Category::Combat, 2511, 6, 2511, 204},
                      ShadeCase{"CombatMiddle", false, Category::Combat, 1643, 6, 2511, 159},
                      ShadeCase{"CombatAboveMinStart", false, Category::Combat, 2000000, 999999, 2000000, 204},
                      ShadeCase{"CombatJustAboveMinStart", false, Category::Combat, 1000000, 999999, 2000000, 75},
                      ShadeCase{"ResourceAboveMinStart", false, Category::Resource, 2000000, 999999, 2000000, 205},
                      ShadeCase{"ResourceWideRange", false, Category::Resource, kI32Max, 0, kI32Max, 205},
                      ShadeCase{"OverallLowest", true, Category::Resource, 1500, 1500, 8385, 76},
                      ShadeCase{"OverallBest", true, Category::Resource, 8385, 1500, 8385, 206},
                      ShadeCase{"OverallMiddle", true, Category::Resource, 6350, 1500, 8385, 167},
                      ShadeCase{"OverallAllEqual", true, Category::Resource, 50, 50, 50, 76},
                      ShadeCase{"OverallAboveMinStart", true, Category::Resource, 1500000, 999999, 2000001, 141}),
    [](const ::testing::TestParamInfo<ShadeCase>& info) { return std::string(info.param.name); });

TEST(ScoringColour, ComponentsAbove255Count255) {
  EXPECT_EQ(categoryColour(Category::Resource, 205), rgb(50, 255, 50));
  EXPECT_EQ(categoryColour(Category::Resource, 206), rgb(50, 255, 50));
  EXPECT_EQ(categoryColour(Category::Resource, 75), rgb(50, 125, 50));
  EXPECT_EQ(categoryColour(Category::Unit, 204), rgb(0, 204, 255));
  EXPECT_EQ(categoryColour(Category::Unit, 196), rgb(0, 196, 255));
  EXPECT_EQ(categoryColour(Category::Unit, 195), rgb(0, 195, 255));
  EXPECT_EQ(categoryColour(Category::Unit, 194), rgb(0, 194, 254));
  EXPECT_EQ(categoryColour(Category::Unit, 76), rgb(0, 76, 136));
  EXPECT_EQ(categoryColour(Category::Combat, 204), rgb(254, 30, 30));
  EXPECT_EQ(categoryColour(Category::Combat, 206), rgb(255, 30, 30));
}

TEST(ScoringCaption, NameRaceAndSignedScore) {
  PlayerStats p;
  p.Name = "Ana";
  p.Race = "Vaelori";
  EXPECT_EQ(summaryCaption(p, 8385), "Ana (Vaelori): 8385 pts");
  EXPECT_EQ(summaryCaption(p, 0), "Ana (Vaelori): 0 pts");
  EXPECT_EQ(summaryCaption(PlayerStats{}, 1), " (): 1 pts");
}

TEST(ScoringCount, WholeNumbersUpToPlayerIndex) {
  EXPECT_EQ(playerCount(-1.0f), 0);
  EXPECT_EQ(playerCount(-0.5f), 0);
  EXPECT_EQ(playerCount(0.0f), 1);
  EXPECT_EQ(playerCount(0.5f), 1);
  EXPECT_EQ(playerCount(1.0f), 2);
  EXPECT_EQ(playerCount(1.5f), 2);
  EXPECT_EQ(playerCount(7.0f), 8);
  EXPECT_EQ(playerCount(7.5f), 8);
  EXPECT_EQ(playerCount(std::nanf("")), 0);
}

TEST(ScoringTotals, ShipsTotalIsTheCountsPlusOne) {
  PlayerStats p;
  EXPECT_EQ(shipsTotal(p), 1);
  p.Resource = 6;
  p.NonCombat = 2;
  p.Fighter = 30;
  p.Corvette = 10;
  p.Frigate = 8;
  p.Destroyer = 2;
  p.HeavyCruiser = 1;
  p.Carrier = 1;
  EXPECT_EQ(shipsTotal(p), 61);

  // a partial sum past 16 bits with a total inside is still exact
  PlayerStats q;
  q.Carrier = kI16Max;
  q.Corvette = 100;
  q.Resource = -200;
  EXPECT_EQ(shipsTotal(q), 32668);

  PlayerStats big;
  big.Carrier = big.Corvette = kI16Max;
  EXPECT_EQ(shipsTotal(big), kI16Max);
  PlayerStats small;
  small.Carrier = small.Corvette = kI16Min;
  EXPECT_EQ(shipsTotal(small), kI16Min);
}

TEST(ScoringTotals, DamageTotalAddsAllEightSlotsWide) {
  PlayerStats p;
  p.DamageTo = {100, 200, 0, 0, 0, 0, 0, 1000};
  EXPECT_EQ(damageTotal(p), 1300);
  p.DamageTo.fill(kI32Max);
  EXPECT_EQ(damageTotal(p), 8LL * kI32Max);
  p.DamageTo.fill(std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(damageTotal(p), -8LL * 2147483648LL);
}

struct HmsCase {
  const char* name;
  float secs;
  const char* text;
};

class ScoringFormatHMS : public ::testing::TestWithParam<HmsCase> {};

TEST_P(ScoringFormatHMS, Text) { EXPECT_EQ(FormatHMS(GetParam().secs), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Table, ScoringFormatHMS,
                         ::testing::Values(HmsCase{"Zero", 0, "0m 0s"}, HmsCase{"One", 1, "0m 1s"},
                                           HmsCase{"S59", 59, "0m 59s"}, HmsCase{"S60", 60, "1m 0s"},
                                           HmsCase{"S3599", 3599, "59m 59s"}, HmsCase{"S3600", 3600, "1h 0m 0s"},
                                           HmsCase{"S3725", 3725, "1h 2m 5s"}, HmsCase{"S7384", 7384, "2h 3m 4s"},
                                           HmsCase{"S32767", 32767, "9h 6m 7s"},
                                           HmsCase{"S35999", 35999, "9h 59m 59s"},
                                           HmsCase{"S36000", 36000, "10h 0m 0s"},
                                           HmsCase{"Minus1", -1, "59m 59s"}, HmsCase{"Minus5", -5, "59m 55s"},
                                           HmsCase{"Minus3600", -3600, "0m 0s"},
                                           HmsCase{"Minus3601", -3601, "59m 59s"},
                                           HmsCase{"Minus7199", -7199, "0m 1s"},
                                           HmsCase{"Minus32400", -32400, "0m 0s"},
                                           HmsCase{"Minus32401", -32401, "59m 59s"},
                                           HmsCase{"Minus32768", -32768, "53m 52s"},
                                           HmsCase{"Huge", 1.0e30f, "277777777777h 46m 40s"},
                                           HmsCase{"NotANumber", std::nanf(""), "0m 0s"}),
                         [](const ::testing::TestParamInfo<HmsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corv
