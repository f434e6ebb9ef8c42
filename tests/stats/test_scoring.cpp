// The scoring arithmetic as values: rounding, overflow, ordering, bar ends,
// shades, colours, totals, the time text, the row band outside its range and
// the summaries' edge cases. The worked example runs through the window in
// test_summary_pages.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "stats/Scoring.h"
#include "stats/ScoringSummary.h"
#include "stats/SummaryBand.h"

namespace corv {
namespace {

constexpr std::int32_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kI32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int16_t kI16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kI16Min = std::numeric_limits<std::int16_t>::min();

void setShips(PlayerStats& p, std::int16_t n) {
  p.Resource = p.NonCombat = p.Fighter = p.Corvette = p.Frigate = p.Destroyer = p.HeavyCruiser = p.Carrier = n;
}

TEST(ScoringRaw, RoundingFloorsAndMagnitudes) {
  PlayerStats unit;
  unit.NonCombat = 8;
  unit.Fighter = 6;
  ASSERT_EQ(unitRaw(unit), 50);
  EXPECT_EQ(categoryScore(Category::Unit, unit), 512);  // 511.5: the half goes to the even neighbour

  PlayerStats res;
  res.RUCollected = 600;
  res.RUGiven = 35;
  ASSERT_EQ(resourceRaw(res), 1235);
  EXPECT_EQ(categoryScore(Category::Resource, res), 370);  // 370.5

  // Int rounds down, not toward zero; the score is the magnitude.
  PlayerStats received;
  received.RUReceived = 3;
  EXPECT_EQ(resourceRaw(received), -2);
  EXPECT_EQ(categoryScore(Category::Resource, received), 1);
  received.RUReceived = 10000;
  EXPECT_EQ(categoryScore(Category::Resource, received), 1500);
  EXPECT_EQ(categoryScore(-50, kUnitFactor), 512);

  PlayerStats c;
  c.DamageTo[7] = -15;
  EXPECT_EQ(combatRaw(c), -2);
}

TEST(ScoringRaw, OnlyDamageAgainstSlotSevenCountsATenth) {
  PlayerStats p;
  p.DamageTo[7] = 1000;
  EXPECT_EQ(combatRaw(p), 100);
  EXPECT_EQ(categoryScore(Category::Combat, p), 6);
  p.DamageTo[0] = 1000;
  p.DamageTo[6] = 1000;
  p.Kills = 2;
  p.Losses = 3;
  EXPECT_EQ(combatRaw(p), 2000 + 100 + 1000 - 300);
}

TEST(ScoringRaw, OverflowingSumsGiveTheTrueValue) {
  PlayerStats carriers;
  carriers.Carrier = 110;  // 33000: past the 16-bit sum
  EXPECT_EQ(unitRaw(carriers), 33000);
  PlayerStats most, least;
  setShips(most, kI16Max);
  setShips(least, kI16Min);
  EXPECT_EQ(unitRaw(most), 32767LL * 796);
  EXPECT_EQ(unitRaw(least), -32768LL * 796);

  PlayerStats rich;
  rich.RUCollected = kI32Max;
  rich.RUGiven = kI32Max;
  EXPECT_EQ(resourceRaw(rich), 3LL * kI32Max);
  EXPECT_EQ(categoryScore(Category::Resource, rich), 1932735282);

  PlayerStats fighter;
  fighter.DamageTo.fill(kI32Max);
  EXPECT_EQ(combatRaw(fighter), 7LL * kI32Max + 214748364);
  fighter.Kills = kI32Max;
  fighter.Losses = kI32Min;
  EXPECT_EQ(combatRaw(fighter), 7LL * kI32Max + 214748364 + 500LL * kI32Max + 100LL * 2147483648LL);
}

TEST(ScoringRaw, ScoresBeyondThe32BitRangeKeepTheirTrueValue) {
  EXPECT_EQ(categoryScore(std::int64_t{1} << 40, kCombatFactor), 68169720922);
  EXPECT_EQ(categoryScore(-(std::int64_t{1} << 40), kUnitFactor), 11248003952148);
  PlayerStats p;
  p.ResourceScore = kI32Max;
  p.UnitScore = kI32Max;
  p.CombatScore = 5;
  EXPECT_EQ(generalScore(p), 2LL * kI32Max + 5);
}

TEST(ScoringOrder, SortDescAndRanking) {
  const std::vector<std::vector<std::int64_t>> inputs{
      {}, {7}, {3, 1, 2}, {1, 2, 3, 4, 5, 6, 7, 8}, {5, 5, 0, 9, 5, -1, 9, 0}, {kI32Max, kI32Min, 0}};
  for (auto v : inputs) {
    auto expected = v;
    std::sort(expected.begin(), expected.end(), std::greater<>());
    SortDesc(v);
    EXPECT_EQ(v, expected);
  }
  // Equal scores take consecutive rows in slot order; every slot once.
  EXPECT_EQ(rankSlots(std::vector<std::int64_t>{5, 9, 5, 9}), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_EQ(rankSlots(std::vector<std::int64_t>{0, 0, 0}), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(rankSlots(std::vector<std::int64_t>{}).empty());
}

TEST(ScoringBars, WidthEndsWithoutDivisionByZero) {
  EXPECT_EQ(barWidth(1000, 2000), 3517.5f);
  EXPECT_EQ(barWidth(kI32Max, kI32Max), 7035.0f);
  EXPECT_EQ(segmentWidth(1, 2), 3517.5f);
  EXPECT_EQ(barWidth(0, 0), 0.0f);
  EXPECT_EQ(segmentWidth(0, 0), 0.0f);
  EXPECT_EQ(nextSegmentLeft(540.0f, 0.0f), 510.0f);
}

struct ShadeCase {
  const char* name;
  bool overall;
  Category category;
  std::int32_t score, minScore, maxScore;
  int shade;
};

void PrintTo(const ShadeCase& c, std::ostream* os) { *os << c.name; }

class ScoringShade : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(ScoringShade, Shade) {
  const ShadeCase& c = GetParam();
  EXPECT_EQ(c.overall ? overallShade(c.score, c.minScore, c.maxScore)
                      : categoryShade(c.category, c.score, c.minScore, c.maxScore),
            c.shade);
}

// Best, lowest and middle shades show in the worked example's colours.
INSTANTIATE_TEST_SUITE_P(
    Table, ScoringShade,
    ::testing::Values(ShadeCase{"ResourceAllEqual", false, Category::Resource, 400, 400, 400, 75},
                      ShadeCase{"ResourceAllZero", false, Category::Resource, 0, 0, 0, 75},
                      ShadeCase{"UnitAllEqual", false, Category::Unit, 9, 9, 9, 75},
                      ShadeCase{"UnitDifferByOne", false, Category::Unit, 10, 9, 10, 140},
                      ShadeCase{"CombatAboveMinStart", false, Category::Combat, 2000000, 999999, 2000000, 204},
                      ShadeCase{"CombatJustAboveMinStart", false, Category::Combat, 1000000, 999999, 2000000, 75},
                      ShadeCase{"ResourceAboveMinStart", false, Category::Resource, 2000000, 999999, 2000000, 205},
                      ShadeCase{"ResourceWideRange", false, Category::Resource, kI32Max, 0, kI32Max, 205},
                      ShadeCase{"OverallAllEqual", true, Category::Resource, 50, 50, 50, 76},
                      ShadeCase{"OverallAboveMinStart", true, Category::Resource, 1500000, 999999, 2000001, 141}),
    [](const ::testing::TestParamInfo<ShadeCase>& info) { return std::string(info.param.name); });

TEST(ScoringColour, ComponentsAbove255Count255) {
  EXPECT_EQ(categoryColour(Category::Resource, 206), rgb(50, 255, 50));
  EXPECT_EQ(categoryColour(Category::Unit, 196), rgb(0, 196, 255));
  EXPECT_EQ(categoryColour(Category::Unit, 195), rgb(0, 195, 255));
  EXPECT_EQ(categoryColour(Category::Unit, 194), rgb(0, 194, 254));
  EXPECT_EQ(categoryColour(Category::Combat, 206), rgb(255, 30, 30));
}

TEST(ScoringCount, WholeNumbersUpToPlayerIndex) {
  const std::vector<std::pair<float, int>> cases{{-1.0f, 0}, {-0.5f, 0}, {0.0f, 1}, {0.5f, 1}, {1.0f, 2}, {1.5f, 2},
                                                 {7.0f, 8},  {7.5f, 8},  {100.0f, 8}, {std::nanf(""), 0}};
  for (const auto& [index, count] : cases) EXPECT_EQ(playerCount(index), count) << index;
}

TEST(ScoringTotals, ShipAndDamageTotalsAreWide) {
  PlayerStats p;
  EXPECT_EQ(shipsTotal(p), 1);
  p.Carrier = kI16Max;  // a partial sum past 16 bits with a total inside is exact
  p.Corvette = 100;
  p.Resource = -200;
  EXPECT_EQ(shipsTotal(p), 32668);
  PlayerStats big, small;
  big.Carrier = big.Corvette = kI16Max;
  small.Carrier = small.Corvette = kI16Min;
  EXPECT_EQ(shipsTotal(big), 2 * kI16Max + 1);
  EXPECT_EQ(shipsTotal(small), 2 * kI16Min + 1);

  PlayerStats d;
  d.DamageTo = {100, 200, 0, 0, 0, 0, 0, 1000};
  EXPECT_EQ(damageTotal(d), 1300);
  d.DamageTo.fill(kI32Max);
  EXPECT_EQ(damageTotal(d), 8LL * kI32Max);
  d.DamageTo.fill(kI32Min);
  EXPECT_EQ(damageTotal(d), -8LL * 2147483648LL);
}

struct HmsCase {
  const char* name;
  float secs;
  const char* text;
};

class ScoringFormatHMS : public ::testing::TestWithParam<HmsCase> {};

TEST_P(ScoringFormatHMS, Text) { EXPECT_EQ(FormatHMS(GetParam().secs), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Table, ScoringFormatHMS,
    ::testing::Values(HmsCase{"Zero", 0, "0m 0s"}, HmsCase{"One", 1, "0m 1s"}, HmsCase{"S59", 59, "0m 59s"},
                      HmsCase{"S60", 60, "1m 0s"}, HmsCase{"S3599", 3599, "59m 59s"},
                      HmsCase{"S3600", 3600, "1h 0m 0s"}, HmsCase{"S3725", 3725, "1h 2m 5s"},
                      HmsCase{"S7384", 7384, "2h 3m 4s"}, HmsCase{"S32767", 32767, "9h 6m 7s"},
                      HmsCase{"S35999", 35999, "9h 59m 59s"}, HmsCase{"S36000", 36000, "10h 0m 0s"},
                      HmsCase{"Minus1", -1, "59m 59s"}, HmsCase{"Minus5", -5, "59m 55s"},
                      HmsCase{"Minus3600", -3600, "0m 0s"}, HmsCase{"Minus3601", -3601, "59m 59s"},
                      HmsCase{"Minus7199", -7199, "0m 1s"}, HmsCase{"Minus32400", -32400, "0m 0s"},
                      HmsCase{"Minus32401", -32401, "59m 59s"}, HmsCase{"Minus32768", -32768, "53m 52s"},
                      HmsCase{"Huge", 1.0e30f, "277777777777h 46m 40s"},
                      HmsCase{"NotANumber", std::nanf(""), "0m 0s"}),
    [](const ::testing::TestParamInfo<HmsCase>& info) { return std::string(info.param.name); });

TEST(ScoringBand, OutOfRangeIndexGivesFiniteTops) {
  for (const float P : {0.0f, -1.0f, std::nanf(""), INFINITY, 100.0f}) {
    for (const auto& top : summaryRowTops(P)) {
      if (top) {
        EXPECT_TRUE(std::isfinite(*top)) << P;
      }
    }
    EXPECT_TRUE(std::isfinite(barGap(P)));
  }
}

// ---- the summaries' edge cases ----

// The category scores stored as the window stores them before the overall page.
StatsState scored(StatsState st) {
  for (const Category c : kCategories) {
    const CategorySummaryResult r = computeCategorySummary(c, st);
    for (std::size_t i = 0; i < r.scores.size(); ++i) scoreField(st.Players[i], c) = r.scores[i];
  }
  return st;
}

TEST(ScoringSummary, OnlySlotsUpToPlayerIndexAreScored) {
  StatsState st;
  st.PlayerIndex = 1.5f;
  st.Players[0].RUCollected = 12000;
  st.Players[1].RUCollected = 9000;
  st.Players[2].RUCollected = 1000000;  // left over from an earlier, larger log
  const CategorySummaryResult r = computeCategorySummary(Category::Resource, st);
  EXPECT_EQ(r.scores, (std::vector<std::int64_t>{7200, 5400}));
  EXPECT_EQ(r.extremes.minScore, 5400);
  EXPECT_EQ(r.rows[1].shade, 75);
  EXPECT_EQ(computeGeneralSummary(scored(st)).rows.size(), 2u);
}

TEST(ScoringSummary, AllZeroGivesEmptyBarsAndLowestShades) {
  StatsState st;
  st.PlayerIndex = 1.5f;
  st.Players[0].Name = "A";
  for (const Category c : kCategories) {
    const CategorySummaryResult r = computeCategorySummary(c, st);
    for (const CategoryRow& row : r.rows) {
      EXPECT_EQ(row.width, 0.0f);
      EXPECT_EQ(row.shade, 75);
    }
    EXPECT_EQ(r.rows[0].caption, "A (): 0 pts");
  }
  const GeneralSummaryResult g = computeGeneralSummary(scored(st));
  EXPECT_EQ(g.maxScore, 0);
  for (const GeneralRow& row : g.rows) {
    EXPECT_EQ(row.widths, (std::array<float, 3>{0, 0, 0}));
    EXPECT_EQ(row.lefts, (std::array<float, 3>{540, 510, 480}));
    EXPECT_EQ(row.shades, (std::array<int, 3>{76, 76, 76}));
  }
}

TEST(ScoringSummary, ScoresAboveMinStartAreMeasuredFrom999999) {
  StatsState st;
  st.PlayerIndex = 1.5f;
  st.Players[0].DamageTo[0] = 20000000;  // 1240000
  st.Players[1].DamageTo[0] = 17000000;  // 1054000
  const CategorySummaryResult r = computeCategorySummary(Category::Combat, st);
  EXPECT_EQ(r.scores, (std::vector<std::int64_t>{1240000, 1054000}));
  EXPECT_EQ(r.extremes.minScore, 999999);
  EXPECT_EQ(r.rows[0].shade, 204);  // 240001 / 240002 × 130
  EXPECT_EQ(r.rows[1].shade, 104);  // 54001 / 240002 × 130 = 29.25
  const GeneralSummaryResult g = computeGeneralSummary(scored(st));
  EXPECT_EQ(g.categoryExtremes[2].minScore, 999999);
  EXPECT_EQ(g.rows[1].shades[2], 105);  // 54001 / 240001 × 130 = 29.25
}

TEST(ScoringSummary, OverallScoreBeyond32BitsIsTheTrueSumAndItsBarFitsThePage) {
  StatsState st;
  st.PlayerIndex = 1.0f;
  st.Players[0].ResourceScore = 2000000000;
  st.Players[0].UnitScore = 2000000000;
  st.Players[1].CombatScore = 10;
  const GeneralSummaryResult g = computeGeneralSummary(st);
  EXPECT_EQ(g.scores[0], 4000000000);
  EXPECT_EQ(g.maxScore, 4000000000);
  EXPECT_EQ(g.rows[0].slot, 0);
  EXPECT_FLOAT_EQ(g.rows[0].widths[0] + g.rows[0].widths[1] + g.rows[0].widths[2], 7035.0f);
}

}  // namespace
}  // namespace corv
