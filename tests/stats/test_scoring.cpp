// The scoring arithmetic as values, in tables: raw values and scores, shades
// and colours, ordering, the time text, the summary row band and the edges of
// the summaries. The window's use of them is checked by the golden dumps.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "stats/Scoring.h"
#include "stats/ScoringSummary.h"
#include "stats/SummaryBand.h"

namespace corv {
namespace {

constexpr std::int32_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kI32Min = std::numeric_limits<std::int32_t>::min();

struct RawCase {
  const char* name;
  Page category;
  std::function<void(PlayerStats&)> fill;
  std::int64_t raw, score;
};

void PrintTo(const RawCase& c, std::ostream* os) { *os << c.name; }

class RawAndScore : public ::testing::TestWithParam<RawCase> {};

TEST_P(RawAndScore, FromTheRecord) {
  PlayerStats p;
  GetParam().fill(p);
  EXPECT_EQ(categoryRaw(GetParam().category, p), GetParam().raw);
  EXPECT_EQ(categoryScore(GetParam().category, p), GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RawAndScore,
    ::testing::Values(
        // Halves go to the even neighbour: 511.5 and 370.5.
        RawCase{"UnitHalfUp", Page::Unit, [](PlayerStats& p) { p.NonCombat = 8, p.Fighter = 6; }, 50, 512},
        RawCase{"ResourceHalfDown", Page::Resource, [](PlayerStats& p) { p.RUCollected = 600, p.RUGiven = 35; },
                1235, 370},
        // Int rounds down, not toward zero, and the score is the magnitude.
        RawCase{"ResourceFloorsBelowZero", Page::Resource, [](PlayerStats& p) { p.RUReceived = 3; }, -2, 1},
        RawCase{"ResourceOnlyReceived", Page::Resource, [](PlayerStats& p) { p.RUReceived = 10000; }, -5000,
                1500},
        RawCase{"ResourceEveryTerm", Page::Resource,
                [](PlayerStats& p) {
                  p.RUCollected = 12000, p.RUGiven = 500, p.RUCurrent = 2000, p.RUSpent = 9000;
                  p.RUBounties = 400, p.RUReceived = 1000, p.RUGenerated = 300;
                },
                27950, 8385},
        RawCase{"UnitEveryWeight", Page::Unit,
                [](PlayerStats& p) {
                  p.Resource = 1, p.NonCombat = 2, p.Fighter = 3, p.Corvette = 4, p.Frigate = 5;
                  p.Destroyer = 6, p.HeavyCruiser = 7, p.Carrier = 8;
                },
                20 + 8 + 9 + 36 + 200 + 1020 + 1750 + 2400, 55682},
        // Only the damage against slot 7 counts a tenth.
        RawCase{"CombatSlotSevenTenth", Page::Combat, [](PlayerStats& p) { p.DamageTo[7] = 1000; }, 100, 6},
        RawCase{"CombatEveryTerm", Page::Combat,
                [](PlayerStats& p) { p.DamageTo = {1, 2, 3, 4, 5, 6, 1000, 995}, p.Kills = 2, p.Losses = 3; },
                1021 + 99 + 1000 - 300, 113},
        RawCase{"CombatFloorsBelowZero", Page::Combat, [](PlayerStats& p) { p.DamageTo[7] = -15; }, -2, 0},
        // Sums past their 16- and 32-bit ranges keep their true value.
        RawCase{"UnitPastSixteenBits", Page::Unit, [](PlayerStats& p) { p.Carrier = 110; }, 33000, 337590},
        RawCase{"UnitEightFullClasses", Page::Unit,
                [](PlayerStats& p) {
                  p.Resource = p.NonCombat = p.Fighter = p.Corvette = p.Frigate = p.Destroyer = p.HeavyCruiser =
                      p.Carrier = 32767;
                },
                32767LL * 796, 266824302},
        RawCase{"ResourcePastThirtyTwoBits", Page::Resource,
                [](PlayerStats& p) { p.RUCollected = kI32Max, p.RUGiven = kI32Max; }, 3LL * kI32Max, 1932735282},
        RawCase{"CombatPastThirtyTwoBits", Page::Combat,
                [](PlayerStats& p) { p.DamageTo.fill(kI32Max), p.Kills = kI32Max, p.Losses = kI32Min; },
                507LL * kI32Max + 214748364 + 214748364800LL, 80831713976}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShadeCase {
  const char* name;
  bool overall;
  Page category;
  std::int64_t score, minScore, maxScore;
  int shade;
  Rgb colour;
};

void PrintTo(const ShadeCase& c, std::ostream* os) { *os << c.name; }

class ShadeAndColour : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(ShadeAndColour, FromTheExtremes) {
  const ShadeCase& c = GetParam();
  const int shade = c.overall ? overallShade(c.score, c.minScore, c.maxScore)
                              : categoryShade(c.category, c.score, c.minScore, c.maxScore);
  EXPECT_EQ(shade, c.shade);
  EXPECT_EQ(categoryColour(c.category, shade), c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShadeAndColour,
    ::testing::Values(ShadeCase{"ResourceBest", false, Page::Resource, 8385, 1500, 8385, 205, rgb(50, 255, 50)},
                      ShadeCase{"ResourceMiddle", false, Page::Resource, 6350, 1500, 8385, 166, rgb(50, 216, 50)},
                      ShadeCase{"ResourceAllEqual", false, Page::Resource, 400, 400, 400, 75, rgb(50, 125, 50)},
                      ShadeCase{"UnitBest", false, Page::Unit, 15529, 0, 15529, 204, rgb(0, 204, 255)},
                      ShadeCase{"UnitMiddle", false, Page::Unit, 11652, 0, 15529, 172, rgb(0, 172, 232)},
                      ShadeCase{"UnitBlueHeldAt255", false, Page::Unit, 122, 0, 130, 196, rgb(0, 196, 255)},
                      ShadeCase{"UnitDifferByOne", false, Page::Unit, 10, 9, 10, 140, rgb(0, 140, 200)},
                      ShadeCase{"CombatBest", false, Page::Combat, 2511, 6, 2511, 204, rgb(254, 30, 30)},
                      ShadeCase{"CombatLowest", false, Page::Combat, 6, 6, 2511, 75, rgb(125, 30, 30)},
                      ShadeCase{"CombatFromMinStart", false, Page::Combat, 1054000, 999999, 1240000, 104,
                                rgb(154, 30, 30)},
                      ShadeCase{"OverallBestResource", true, Page::Resource, 90, 10, 90, 206, rgb(50, 255, 50)},
                      ShadeCase{"OverallBestUnit", true, Page::Unit, 90, 10, 90, 206, rgb(0, 206, 255)},
                      ShadeCase{"OverallLowestCombat", true, Page::Combat, 10, 10, 90, 76, rgb(126, 30, 30)},
                      ShadeCase{"OverallAllEqual", true, Page::Unit, 50, 50, 50, 76, rgb(0, 76, 136)},
                      ShadeCase{"OverallFromMinStart", true, Page::Combat, 1054000, 999999, 1240000, 105,
                                rgb(155, 30, 30)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ordering, SortDescAndRowsKeepTiesInSlotOrder) {
  struct Case {
    std::vector<std::int64_t> scores, sorted;
    std::vector<int> rows;
  };
  const std::vector<Case> cases{
      {{}, {}, {}},
      {{3, 1, 2}, {3, 2, 1}, {0, 2, 1}},
      {{5, 9, 5, 9}, {9, 9, 5, 5}, {1, 3, 0, 2}},
      {{0, 0, 0}, {0, 0, 0}, {0, 1, 2}},
      {{1, 2, 3, 4, 5, 6, 7, 8}, {8, 7, 6, 5, 4, 3, 2, 1}, {7, 6, 5, 4, 3, 2, 1, 0}},
      {{2266400092, 2796886283, -1}, {2796886283, 2266400092, -1}, {1, 0, 2}},
  };
  for (Case c : cases) {
    EXPECT_EQ(rankSlots(c.scores), c.rows);
    SortDesc(c.scores);
    EXPECT_EQ(c.scores, c.sorted);
  }
}

TEST(Bars, WidthsAndSegmentLefts) {
  EXPECT_EQ(barWidth(1000, 2000), 3517.5f);
  EXPECT_EQ(barWidth(2796886283, 2796886283), 7035.0f);
  EXPECT_EQ(barWidth(0, 0), 0.0f);
  EXPECT_EQ(segmentWidth(1, 2), 3517.5f);
  EXPECT_EQ(segmentWidth(0, 0), 0.0f);
  EXPECT_EQ(nextSegmentLeft(540.0f, 0.0f), 510.0f);
}

TEST(Counts, PlayersShipsAndDamage) {
  const std::vector<std::pair<float, int>> players{{-1.0f, 0}, {-0.5f, 0}, {0.0f, 1}, {0.5f, 1},   {1.0f, 2},
                                                   {1.5f, 2},  {7.0f, 8},  {7.5f, 8}, {100.0f, 8}, {NAN, 0}};
  for (const auto& [index, count] : players) EXPECT_EQ(playerCount(index), count) << index;
  PlayerStats p;
  EXPECT_EQ(shipsTotal(p), 1);
  p.Carrier = p.Corvette = p.Resource = -32768;
  EXPECT_EQ(shipsTotal(p), -98303);
  p.DamageTo.fill(kI32Min);
  EXPECT_EQ(damageTotal(p), -8LL * 2147483648LL);
}

struct HmsCase {
  float secs;
  const char* text;
};

TEST(FormatHMSTable, Text) {
  const std::vector<HmsCase> cases{
      {0, "0m 0s"},          {1, "0m 1s"},           {59, "0m 59s"},          {60, "1m 0s"},
      {3599, "59m 59s"},     {3600, "1h 0m 0s"},     {3725, "1h 2m 5s"},      {7384, "2h 3m 4s"},
      {32767, "9h 6m 7s"},   {35999, "9h 59m 59s"},  {36000, "10h 0m 0s"},    {-1, "59m 59s"},
      {-5, "59m 55s"},       {-3600, "0m 0s"},       {-3601, "59m 59s"},      {-7199, "0m 1s"},
      {-32400, "0m 0s"},     {-32401, "59m 59s"},    {-32768, "53m 52s"},     {1.0e30f, "277777777777h 46m 40s"},
      {NAN, "0m 0s"}};
  for (const HmsCase& c : cases) EXPECT_EQ(FormatHMS(c.secs), c.text) << c.secs;
}

// Label tops of rows 0 to 7 for a P, nullopt where the row keeps its top.
TEST(SummaryBandTable, RowTopsAndBarGaps) {
  using Tops = std::array<std::optional<float>, 8>;
  const std::vector<std::pair<float, Tops>> cases{
      {1.5f, {1233.33f, 3188.89f, 5144.44f, 7100}},
      {2, {1150, 2700, 4250, 5800}},
      {3, {1066.67f, 2155.56f, 3244.44f, 4333.33f}},
      {3.5f, {1042.86f, 1989.8f, 2936.73f, 3883.67f, 4593.88f}},
      {4, {1025, 1862.5f, 2700, 3537.5f, 4375}},
      {4.5f, {1011.11f, 1761.73f, 2512.35f, 3262.96f, 4201.23f}},
      {5, {1000, 1680, 2360, 3040, 3720, 4400}},
      {6, {983.33f, 1555.56f, 2127.78f, 2700, 3272.22f, 3844.44f, 4416.67f}},
      {7, {971.43f, 1465.31f, 1959.18f, 2453.06f, 2946.94f, 3440.82f, 3934.69f, 4428.57f}},
      {NAN, {1400, 4000, 6600, 9200}},  // held to P = 1, so nothing becomes NaN
  };
  for (const auto& [P, tops] : cases) {
    const Tops got = summaryRowTops(P);
    for (std::size_t k = 0; k < 8; ++k) {
      ASSERT_EQ(got[k].has_value(), tops[k].has_value()) << P << " row " << k;
      if (tops[k]) {
        EXPECT_NEAR(*got[k], *tops[k], 0.005) << P << " row " << k;
      }
    }
  }
  EXPECT_NEAR(summaryBarTop(*summaryRowTops(1.5f)[0], 195, 1.5f), 1481.67f, 0.005);
  EXPECT_NEAR(summaryBarTop(0, 0, 7), 27.14f, 0.005);
  EXPECT_EQ(summaryBarTop(0, 0, 100), summaryBarTop(0, 0, 7));
  EXPECT_EQ(twoPlayerRule(1.0f) + twoPlayerRule(1.5f) + twoPlayerRule(2.0f), 5.0f);
}

// ---- the summaries' edges ----

StatsState twoPlayers() {
  StatsState st;
  st.PlayerIndex = 1.5f;
  return st;
}

// The category scores stored as the window stores them before the overall page.
StatsState scored(StatsState st) {
  for (const Page c : kCategories) {
    const CategorySummaryResult r = computeCategorySummary(c, st);
    for (std::size_t i = 0; i < r.scores.size(); ++i) scoreField(st.Players[i], c) = r.scores[i];
  }
  return st;
}

TEST(Summaries, OnlySlotsUpToPlayerIndexAreScored) {
  StatsState st = twoPlayers();
  st.Players[0].RUCollected = 12000;
  st.Players[1].RUCollected = 9000;
  st.Players[2].RUCollected = 1000000;
  const CategorySummaryResult r = computeCategorySummary(Page::Resource, st);
  EXPECT_EQ(r.scores, (std::vector<std::int64_t>{7200, 5400}));
  EXPECT_EQ(r.rows[1].shade, 75);
  EXPECT_EQ(computeGeneralSummary(scored(st)).rows.size(), 2u);
}

TEST(Summaries, AllZeroGiveEmptyBarsAndLowestShades) {
  StatsState st = twoPlayers();
  st.Players[0].Name = "A";
  for (const Page c : kCategories) {
    const CategorySummaryResult r = computeCategorySummary(c, st);
    for (const CategoryRow& row : r.rows) {
      EXPECT_EQ(row.width, 0.0f);
      EXPECT_EQ(row.shade, 75);
    }
    EXPECT_EQ(r.rows[0].caption, "A (): 0 pts");
  }
  for (const GeneralRow& row : computeGeneralSummary(scored(st)).rows) {
    EXPECT_EQ(row.widths, (std::array<float, 3>{0, 0, 0}));
    // The lowest overall shade, 76, in each category's colour.
    EXPECT_EQ(row.colours, (std::array<Rgb, 3>{rgb(50, 126, 50), rgb(0, 76, 136), rgb(126, 30, 30)}));
  }
}

}  // namespace
}  // namespace corv
