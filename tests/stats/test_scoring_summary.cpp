// The summary pages as values: the three-player game on every page, ties,
// empty categories and scores beyond MinScore's starting value.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "stats/ScoringSummary.h"

namespace corv {
namespace {

constexpr double kTwoDecimals = 0.005;

StatsState threePlayers() {
  StatsState st;
  st.PlayerIndex = 2.0f;
  PlayerStats& ana = st.Players[0];
  ana.Name = "Ana";
  ana.Race = "Vaelori";
  ana.RUCollected = 12000;
  ana.RUGiven = 500;
  ana.RUCurrent = 2000;
  ana.RUSpent = 9000;
  ana.RUBounties = 400;
  ana.RUReceived = 1000;
  ana.RUGenerated = 300;
  ana.Resource = 6;
  ana.NonCombat = 2;
  ana.Fighter = 30;
  ana.Corvette = 10;
  ana.Frigate = 8;
  ana.Destroyer = 2;
  ana.HeavyCruiser = 1;
  ana.Carrier = 1;
  ana.DamageTo[1] = 15000;
  ana.DamageTo[2] = 8000;
  ana.Kills = 40;
  ana.Losses = 25;

  PlayerStats& bo = st.Players[1];
  bo.Name = "Bo";
  bo.Race = "Drekhar";
  bo.RUCollected = 9000;
  bo.RUCurrent = 1000;
  bo.RUSpent = 8000;
  bo.Resource = 4;
  bo.NonCombat = 1;
  bo.Fighter = 20;
  bo.Corvette = 5;
  bo.Frigate = 12;
  bo.Destroyer = 1;
  bo.Carrier = 1;
  bo.DamageTo[0] = 12000;
  bo.DamageTo[2] = 3000;
  bo.Kills = 30;
  bo.Losses = 35;

  PlayerStats& cy = st.Players[2];
  cy.Name = "Cy";
  cy.Race = "Vaelori";
  cy.RUReceived = 10000;
  cy.DamageTo[7] = 1000;

  // A leftover record of an earlier, larger log must not be read.
  st.Players[3].Name = "Old";
  st.Players[3].RUCollected = 1000000;
  return st;
}

struct ExpectedRow {
  int slot;
  const char* caption;
  double width;
  int shade;
  Rgb colour;
};

struct ExpectedPage {
  Category category;
  const char* title;
  std::array<std::int64_t, 3> raw;
  std::array<std::int32_t, 3> scores;
  std::int32_t maxScore, minScore;
  std::array<ExpectedRow, 3> rows;
};

void expectPage(const ExpectedPage& e) {
  const StatsState st = threePlayers();
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(categoryRaw(e.category, st.Players[i]), e.raw[i]) << "slot " << i;

  const CategorySummaryResult r = computeCategorySummary(e.category, st);
  EXPECT_EQ(r.title, e.title);
  EXPECT_EQ(r.scores, std::vector<std::int32_t>(e.scores.begin(), e.scores.end()));
  EXPECT_EQ(r.extremes.maxScore, e.maxScore);
  EXPECT_EQ(r.extremes.minScore, e.minScore);
  ASSERT_EQ(r.rows.size(), 3u);
  for (std::size_t row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(r.rows[row].slot, e.rows[row].slot);
    EXPECT_EQ(r.rows[row].caption, e.rows[row].caption);
    EXPECT_NEAR(r.rows[row].width, e.rows[row].width, kTwoDecimals);
    EXPECT_EQ(r.rows[row].shade, e.rows[row].shade);
    EXPECT_EQ(r.rows[row].colour, e.rows[row].colour);
    EXPECT_EQ(r.rows[row].score, r.sorted[row]);
  }
  EXPECT_EQ(r.rows[0].width, 7035.0f);
}

TEST(ScoringSummaryExample, ResourcePage) {
  expectPage({Category::Resource,
              "Resource Management Summary",
              {27950, 21166, -5000},
              {8385, 6350, 1500},
              8385,
              1500,
              {{{0, "Ana (Vaelori): 8385 pts", 7035, 205, rgb(50, 255, 50)},
                {1, "Bo (Drekhar): 6350 pts", 5327.64, 166, rgb(50, 216, 50)},
                {2, "Cy (Vaelori): 1500 pts", 1258.50, 75, rgb(50, 125, 50)}}}});
}

TEST(ScoringSummaryExample, UnitPage) {
  expectPage({Category::Unit,
              "Unit Management Summary",
              {1518, 1139, 0},
              {15529, 11652, 0},
              15529,
              0,
              {{{0, "Ana (Vaelori): 15529 pts", 7035, 204, rgb(0, 204, 255)},
                {1, "Bo (Drekhar): 11652 pts", 5278.63, 172, rgb(0, 172, 232)},
                {2, "Cy (Vaelori): 0 pts", 0, 75, rgb(0, 75, 135)}}}});
}

TEST(ScoringSummaryExample, CombatPage) {
  expectPage({Category::Combat,
              "Combat Performance Summary",
              {40500, 26500, 100},
              {2511, 1643, 6},
              2511,
              6,
              {{{0, "Ana (Vaelori): 2511 pts", 7035, 204, rgb(254, 30, 30)},
                {1, "Bo (Drekhar): 1643 pts", 4603.15, 159, rgb(209, 30, 30)},
                {2, "Cy (Vaelori): 6 pts", 16.81, 75, rgb(125, 30, 30)}}}});
}

StatsState scored(StatsState st) {
  const int n = playerCount(st.PlayerIndex);
  for (const Category c : kCategories) {
    const CategorySummaryResult r = computeCategorySummary(c, st);
    for (int i = 0; i < n; ++i) scoreField(st.Players[static_cast<std::size_t>(i)], c) = r.scores[static_cast<std::size_t>(i)];
  }
  return st;
}

TEST(ScoringSummaryExample, OverviewPage) {
  const GeneralSummaryResult r = computeGeneralSummary(scored(threePlayers()));
  EXPECT_EQ(r.title, "Overall Game Performance");
  EXPECT_EQ(r.scores, (std::vector<std::int32_t>{26425, 19645, 1506}));
  EXPECT_EQ(r.sorted, (std::vector<std::int32_t>{26425, 19645, 1506}));
  EXPECT_EQ(r.maxScore, 26425);
  EXPECT_EQ(r.categoryExtremes[0].maxScore, 8385);
  EXPECT_EQ(r.categoryExtremes[0].minScore, 1500);
  EXPECT_EQ(r.categoryExtremes[1].maxScore, 15529);
  EXPECT_EQ(r.categoryExtremes[1].minScore, 0);
  EXPECT_EQ(r.categoryExtremes[2].maxScore, 2511);
  EXPECT_EQ(r.categoryExtremes[2].minScore, 6);

  struct Row {
    int slot;
    const char* caption;
    std::array<double, 3> lefts, widths;
    std::array<int, 3> shades;
    std::array<Rgb, 3> colours;
  };
  // Widths: score ÷ 26425 × 7035; lefts: 540, then previous left + width − 30.
  const std::array<Row, 3> rows{{
      {0,
       "Ana (Vaelori): 26425 pts",
       {540, 2742.30, 6846.51},
       {2232.30, 4134.21, 668.49},
       {206, 206, 206},
       {rgb(50, 255, 50), rgb(0, 206, 255), rgb(255, 30, 30)}},
      {1,
       "Bo (Drekhar): 19645 pts",
       {540, 2200.53, 5272.59},
       {1690.53, 3102.06, 437.41},
       {167, 173, 160},
       {rgb(50, 217, 50), rgb(0, 173, 233), rgb(210, 30, 30)}},
      {2,
       "Cy (Vaelori): 1506 pts",
       {540, 909.34, 879.34},
       {399.34, 0, 1.60},
       {76, 76, 76},
       {rgb(50, 126, 50), rgb(0, 76, 136), rgb(126, 30, 30)}},
  }};
  ASSERT_EQ(r.rows.size(), 3u);
  for (std::size_t j = 0; j < 3; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(r.rows[j].slot, rows[j].slot);
    EXPECT_EQ(r.rows[j].caption, rows[j].caption);
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_NEAR(r.rows[j].lefts[k], rows[j].lefts[k], kTwoDecimals);
      EXPECT_NEAR(r.rows[j].widths[k], rows[j].widths[k], kTwoDecimals);
      EXPECT_EQ(r.rows[j].shades[k], rows[j].shades[k]);
      EXPECT_EQ(r.rows[j].colours[k], rows[j].colours[k]);
    }
  }
  // The best bar's three segments add up to the full 7035.
  EXPECT_NEAR(r.rows[0].widths[0] + r.rows[0].widths[1] + r.rows[0].widths[2], 7035.0, 0.01);
}

TEST(ScoringSummary, TwoPlayersAtIndexOneAndAHalf) {
  StatsState st = threePlayers();
  st.PlayerIndex = 1.5f;
  const CategorySummaryResult r = computeCategorySummary(Category::Resource, st);
  EXPECT_EQ(r.scores, (std::vector<std::int32_t>{8385, 6350}));
  EXPECT_EQ(r.sorted.size(), 2u);
  EXPECT_EQ(r.extremes.minScore, 6350);
  EXPECT_EQ(r.rows[1].shade, 75);
  EXPECT_EQ(computeGeneralSummary(scored(st)).rows.size(), 2u);
}

TEST(ScoringSummary, EqualScoresShowEveryPlayerOnConsecutiveRows) {
  StatsState st;
  st.PlayerIndex = 3.0f;
  const std::array<const char*, 4> names{"A", "B", "C", "D"};
  const std::array<std::int16_t, 4> carriers{1, 2, 1, 2};
  for (std::size_t i = 0; i < 4; ++i) {
    st.Players[i].Name = names[i];
    st.Players[i].Carrier = carriers[i];
  }
  const CategorySummaryResult r = computeCategorySummary(Category::Unit, st);
  ASSERT_EQ(r.rows.size(), 4u);
  EXPECT_EQ(r.rows[0].slot, 1);
  EXPECT_EQ(r.rows[1].slot, 3);
  EXPECT_EQ(r.rows[2].slot, 0);
  EXPECT_EQ(r.rows[3].slot, 2);
  EXPECT_EQ(r.rows[0].width, r.rows[1].width);
  EXPECT_EQ(r.rows[2].width, r.rows[3].width);
  EXPECT_EQ(r.rows[2].caption, "A (): 3069 pts");
  EXPECT_EQ(r.rows[3].caption, "C (): 3069 pts");

  const GeneralSummaryResult g = computeGeneralSummary(scored(st));
  EXPECT_EQ(g.rows[0].slot, 1);
  EXPECT_EQ(g.rows[1].slot, 3);
  EXPECT_EQ(g.rows[0].widths, g.rows[1].widths);
}

TEST(ScoringSummary, AllZeroCategoryGivesEmptyBarsAndLowestShade) {
  StatsState st;
  st.PlayerIndex = 1.5f;
  st.Players[0].Name = "A";
  st.Players[1].Name = "B";
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
    EXPECT_EQ(row.colours[0], rgb(50, 126, 50));
  }
}

TEST(ScoringSummary, ScoresAboveMinStartAreMeasuredFrom999999) {
  StatsState st;
  st.PlayerIndex = 1.5f;
  st.Players[0].DamageTo[0] = 20000000;  // 1240000
  st.Players[1].DamageTo[0] = 17000000;  // 1054000
  const CategorySummaryResult r = computeCategorySummary(Category::Combat, st);
  EXPECT_EQ(r.scores, (std::vector<std::int32_t>{1240000, 1054000}));
  EXPECT_EQ(r.extremes.minScore, 999999);
  EXPECT_EQ(r.rows[0].shade, 204);  // 240001 / 240002 × 130
  EXPECT_EQ(r.rows[1].shade, 104);  // 54001 / 240002 × 130 = 29.25

  const GeneralSummaryResult g = computeGeneralSummary(scored(st));
  EXPECT_EQ(g.categoryExtremes[2].minScore, 999999);
  EXPECT_EQ(g.rows[1].shades[2], 105);  // 54001 / 240001 × 130 = 29.25
}

TEST(ScoringSummary, OverallScoreBeyond32BitsIsClamped) {
  StatsState st;
  st.PlayerIndex = 1.0f;
  st.Players[0].ResourceScore = 2000000000;
  st.Players[0].UnitScore = 2000000000;
  st.Players[1].CombatScore = 10;
  const GeneralSummaryResult g = computeGeneralSummary(st);
  EXPECT_EQ(g.scores[0], 2147483647);
  EXPECT_EQ(g.maxScore, 4000000000);
  EXPECT_EQ(g.rows[0].slot, 0);
  // The best bar still spans 7035 twips, not more.
  EXPECT_FLOAT_EQ(g.rows[0].widths[0] + g.rows[0].widths[1] + g.rows[0].widths[2], 7035.0f);
}

}  // namespace
}  // namespace corv
