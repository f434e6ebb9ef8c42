// Where the summary layout puts its row labels and bars for each player count.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "stats/SummaryBand.h"

namespace corv {
namespace {

// The worked figures are given to two decimals.
constexpr double kTol = 0.006;
constexpr float kLabelHeight = 195.0f;

struct BandCase {
  const char* name;
  float P;
  std::array<std::optional<double>, 8> tops;  // nullopt: the row keeps its top
  std::vector<double> barTops;                // rows 0.. as given
};

class ScoringBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(ScoringBand, RowAndBarTops) {
  const BandCase& c = GetParam();
  const auto tops = summaryRowTops(c.P);
  for (std::size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(tops[i].has_value(), c.tops[i].has_value());
    if (tops[i]) {
      EXPECT_NEAR(*tops[i], *c.tops[i], kTol);
    }
  }
  for (std::size_t i = 0; i < c.barTops.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(summaryBarTop(*tops[i], kLabelHeight, c.P), c.barTops[i], kTol);
  }
}

constexpr std::nullopt_t kKeep = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Table, ScoringBand,
    ::testing::Values(
        BandCase{"TwoPlayers", 1.5f, {1233.33, 3188.89, 5144.44, 7100, kKeep, kKeep, kKeep, kKeep}, {1481.67, 3437.22}},
        BandCase{"ThreePlayers", 2.0f, {1150, 2700, 4250, 5800, kKeep, kKeep, kKeep, kKeep}, {1390, 2940, 4490}},
        BandCase{"FourPlayers",
                 3.0f,
                 {1066.67, 2155.56, 3244.44, 4333.33, kKeep, kKeep, kKeep, kKeep},
                 {1298.33, 2387.22, 3476.11, 4565}},
        BandCase{"FivePlayers", 4.0f, {1025, 1862.5, 2700, 3537.5, 4375, kKeep, kKeep, kKeep}, {}},
        BandCase{"SixPlayers", 5.0f, {1000, 1680, 2360, 3040, 3720, 4400, kKeep, kKeep}, {}},
        BandCase{"SevenPlayers", 6.0f, {983.33, 1555.56, 2127.78, 2700, 3272.22, 3844.44, 4416.67, kKeep}, {}},
        BandCase{"EightPlayers",
                 7.0f,
                 {971.43, 1465.31, 1959.18, 2453.06, 2946.94, 3440.82, 3934.69, 4428.57},
                 {1193.57, 1687.45, 2181.33, 2675.2, 3169.08, 3662.96, 4156.84, 4650.71}},
        // Halves: rows 0-3 follow the band, row 4 the table's fixed multiple of S.
        BandCase{"FourAndAHalf", 4.5f, {1011.11, 1761.73, 2512.35, 3262.96, 4201.23, kKeep, kKeep, kKeep}, {}},
        BandCase{"ThreeAndAHalf", 3.5f, {1042.86, 1989.80, 2936.73, 3883.67, 4593.88, kKeep, kKeep, kKeep}, {}}),
    [](const ::testing::TestParamInfo<BandCase>& info) { return std::string(info.param.name); });

TEST(ScoringBandValues, WorkedBandFigures) {
  struct Row {
    float P;
    double T0, T1, S;
  };
  for (const Row r : {Row{1.5f, 1233.33, 4166.67, 977.78}, Row{2.0f, 1150, 4250, 775},
                      Row{3.0f, 1066.67, 4333.33, 544.44}, Row{7.0f, 971.43, 4428.57, 246.94}}) {
    SCOPED_TRACE(r.P);
    const SummaryBand b = summaryBand(r.P);
    EXPECT_NEAR(b.T0, r.T0, kTol);
    EXPECT_NEAR(b.T1, r.T1, kTol);
    EXPECT_NEAR(b.S, r.S, kTol);
  }
  for (float P = 1.0f; P <= 7.0f; P += 0.5f) EXPECT_NEAR(summaryBand(P).C, 2700.0, 0.001) << P;
}

TEST(ScoringBandValues, GapTwoPlayerRuleAndShownRows) {
  EXPECT_NEAR(barGap(1.5f), 53.33, kTol);
  EXPECT_NEAR(barGap(7.0f), 27.14, kTol);
  // a taller label pushes its bar down by the same amount
  EXPECT_FLOAT_EQ(summaryBarTop(1000.0f, 210.0f, 2.0f) - summaryBarTop(1000.0f, 195.0f, 2.0f), 15.0f);

  EXPECT_EQ(twoPlayerRule(1.0f), 1.5f);
  EXPECT_EQ(twoPlayerRule(1.5f), 1.5f);
  EXPECT_EQ(twoPlayerRule(2.0f), 2.0f);
  EXPECT_EQ(twoPlayerRule(0.5f), 0.5f);

  EXPECT_TRUE(summaryRowShown(1, 1.5f));
  EXPECT_FALSE(summaryRowShown(2, 1.5f));
  EXPECT_TRUE(summaryRowShown(4, 4.5f));
  EXPECT_FALSE(summaryRowShown(5, 4.5f));
}

TEST(ScoringBandValues, OutOfRangeIndexGivesFiniteTops) {
  for (const float P : {0.0f, -1.0f, std::nanf(""), INFINITY, 100.0f}) {
    for (const auto& top : summaryRowTops(P)) {
      if (top) {
        EXPECT_TRUE(std::isfinite(*top)) << P;
      }
    }
    EXPECT_TRUE(std::isfinite(barGap(P)));
  }
}

}  // namespace
}  // namespace corv
