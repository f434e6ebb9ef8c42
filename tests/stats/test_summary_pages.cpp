// The four summary pages after a log is opened and DoStats runs: the worked
// three-player example on every page, where the layout puts the rows for each
// number of players, and what the layout leaves alone.
#include <QString>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "StatsTestSupport.h"
#include "stats/PageDump.h"
#include "stats/Scoring.h"
#include "ui/Chart.h"
#include "ui/Controls.h"

namespace {

using corv::rgb;
using corv::test::dataFile;
using corv::test::separatorLog;
using corv::test::TempLog;

// One page's rows as the tests walk them.
struct PageRows {
  const char* keyword;
  ui::Label* title;
  std::array<ui::Label*, 8> labels;
  std::array<ui::Label*, 8> values;
  std::array<ui::Shape*, 8> bars;
  ui::Chart* chart;
};

std::array<PageRows, 4> pagesOf(Main& m) {
  return {{{"General", m.lbGenTitle, m.lbGen, m.lbGenVal, m.lnGen, m.Graph[0]},
           {"Resource", m.lbResTitle, m.lbRes, m.lbResVal, m.lnRes, m.Graph[1]},
           {"Unit", m.lbUnitTitle, m.lbUnit, m.lbUnitVal, m.lnUnit, m.Graph[2]},
           {"Combat", m.lbCombatTitle, m.lbCombat, m.lbCombatVal, m.lnCombat, m.Graph[3]}}};
}

std::vector<ui::Shape*> allLegendSquares(Main& m) {
  std::vector<ui::Shape*> squares(m.legGeneral.begin(), m.legGeneral.end());
  squares.insert(squares.end(), m.legRes.begin(), m.legRes.end());
  squares.insert(squares.end(), m.legUnit.begin(), m.legUnit.end());
  squares.insert(squares.end(), m.legCombat.begin(), m.legCombat.end());
  return squares;
}

constexpr float designRowTop(std::size_t i) { return 930.0f + 480.0f * static_cast<float>(i); }

using SummaryPagesTest = corv::test::WindowTest;

// ---- the three-player worked example ----
//
// Its pages are checked line by line against pages_v104_worked_example.expected
// in test_golden_pages.cpp; here the records the pages are built from.
//
// Resource raw: Ana 2 × 12000 + 500 + 2000/2 + 9000/3 + 400/4 − 1000/2 − 300/2
// = 27950 → 8385; Bo 21166 → 6350; Cy −10000/2 = −5000 → 1500 (its magnitude).
// Overall: Ana 8385 + 15529 + 2511 = 26425, Bo 6350 + 11652 + 1643 = 19645,
// Cy 1500 + 0 + 6 = 1506; every Overview segment is score ÷ 26425 × 7035 wide.
TEST_F(SummaryPagesTest, WorkedExampleRawValuesAndStoredScores) {
  struct Slot {
    std::array<long long, 3> raws;       // resource, unit, combat
    std::array<std::int32_t, 4> scores;  // resource, unit, combat, overall
  };
  const std::array<Slot, 3> bySlot{{{{27950, 1518, 40500}, {8385, 15529, 2511, 26425}},
                                   {{21166, 1139, 26500}, {6350, 11652, 1643, 19645}},
                                   {{-5000, 0, 100}, {1500, 0, 6, 1506}}}};
  openAndScore(dataFile("pages_v104_worked_example.txt"));
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE("slot " + std::to_string(i));
    const corv::PlayerStats& p = state.Players[i];
    for (const corv::Category c : corv::kCategories) {
      const auto k = static_cast<std::size_t>(c);
      EXPECT_EQ(corv::categoryRaw(c, p), bySlot[i].raws[k]);
      EXPECT_EQ(corv::scoreField(p, c), bySlot[i].scores[k]);
    }
    EXPECT_EQ(p.GeneralScore, bySlot[i].scores[3]);
  }
}

// ---- where the rows go ----

constexpr float kDesign = -1;  // the row keeps its design top

struct LayoutCase {
  const char* name;
  int separators;
  float P;  // PlayerIndex after the layout
  std::array<float, 8> tops;
  std::array<float, 8> barTops;  // for rows whose top moved
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class RowBand : public SummaryPagesTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(RowBand, RowsAndBarsOnEveryPage) {
  const LayoutCase& c = GetParam();
  const TempLog log(separatorLog(c.separators));
  openAndScore(log.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, c.P);
  for (const PageRows& page : pagesOf(*main)) {
    for (std::size_t i = 0; i < 8; ++i) {
      SCOPED_TRACE(std::string(page.keyword) + " row " + std::to_string(i));
      const bool shown = static_cast<float>(i) <= c.P;
      EXPECT_EQ(page.labels[i]->Visible(), shown);
      EXPECT_EQ(page.bars[i]->Visible(), shown);
      EXPECT_FALSE(page.values[i]->Visible());
      EXPECT_NEAR(page.labels[i]->Top(), c.tops[i] == kDesign ? designRowTop(i) : c.tops[i], 0.005);
      if (c.tops[i] != kDesign) {
        EXPECT_NEAR(page.bars[i]->Top(), c.barTops[i], 0.005);
      }
    }
  }
  // The Overview's other segments follow the first one.
  for (std::size_t i = 0; i < 8; ++i) {
    for (ui::Shape* segment : {main->lnGen2[i], main->lnGen3[i]}) {
      EXPECT_EQ(segment->Visible(), main->lnGen[i]->Visible()) << i;
      EXPECT_EQ(segment->Top(), main->lnGen[i]->Top()) << i;
    }
  }
}

constexpr float K = kDesign;

INSTANTIATE_TEST_SUITE_P(
    Players, RowBand,
    ::testing::Values(
        LayoutCase{"Two", 4, 1.5f, {1233.33f, 3188.89f, 5144.44f, 7100, K, K, K, K},
                   {1481.67f, 3437.22f, 5392.78f, 7348.33f}},
        LayoutCase{"Three", 6, 2, {1150, 2700, 4250, 5800, K, K, K, K}, {1390, 2940, 4490, 6040}},
        LayoutCase{"Four", 8, 3, {1066.67f, 2155.56f, 3244.44f, 4333.33f, K, K, K, K},
                   {1298.33f, 2387.22f, 3476.11f, 4565}},
        LayoutCase{"NineSeparators", 9, 3.5f, {1042.86f, 1989.80f, 2936.73f, 3883.67f, 4593.88f, K, K, K},
                   {1272.14f, 2219.08f, 3166.02f, 4112.96f, 4823.16f}},
        LayoutCase{"Five", 10, 4, {1025, 1862.5f, 2700, 3537.5f, 4375, K, K, K},
                   {1252.5f, 2090, 2927.5f, 3765, 4602.5f}},
        LayoutCase{"ElevenSeparators", 11, 4.5f, {1011.11f, 1761.73f, 2512.35f, 3262.96f, 4201.23f, K, K, K},
                   {1237.22f, 1987.84f, 2738.46f, 3489.07f, 4427.35f}},
        LayoutCase{"Six", 12, 5, {1000, 1680, 2360, 3040, 3720, 4400, K, K}, {1225, 1905, 2585, 3265, 3945, 4625}},
        LayoutCase{"Seven", 14, 6, {983.33f, 1555.56f, 2127.78f, 2700, 3272.22f, 3844.44f, 4416.67f, K},
                   {1206.67f, 1778.89f, 2351.11f, 2923.33f, 3495.56f, 4067.78f, 4640}},
        LayoutCase{"Eight", 16, 7, {971.43f, 1465.31f, 1959.18f, 2453.06f, 2946.94f, 3440.82f, 3934.69f, 4428.57f},
                   {1193.57f, 1687.45f, 2181.33f, 2675.2f, 3169.08f, 3662.96f, 4156.84f, 4650.71f}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SummaryPagesTest, TwoPlayerRuleHoldsUntilTheNextLog) {
  const TempLog two(separatorLog(4));
  openAndScore(two.path());
  main->DoStats();
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);
  open(two.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.0f);
}

TEST_F(SummaryPagesTest, BarFollowsItsLabelsReportedHeight) {
  const TempLog log(separatorLog(6));
  openAndScore(log.path());
  const float before = main->lnRes[1]->Top();
  EXPECT_NEAR(before - main->lbRes[1]->Top() - main->lbRes[1]->Height(), 20.0f + 50.0f / 2.0f, 0.001);
  const float heightBefore = main->lbRes[1]->Height();
  main->lbRes[1]->setCaption(QStringLiteral("two\r\nlines"));
  const float taller = main->lbRes[1]->Height() - heightBefore;
  ASSERT_GT(taller, 0.0f);
  main->LayoutSummaryPage("Resource");
  EXPECT_FLOAT_EQ(main->lnRes[1]->Top(), before + taller);
}

// ---- what one page's layout touches ----

TEST_F(SummaryPagesTest, LayoutHidesEveryLegendSquareButOnlyItsOwnChartAndValues) {
  const TempLog log(separatorLog(6));
  open(log.path());
  for (ui::Shape* square : allLegendSquares(*main)) square->setVisible(true);
  for (const PageRows& page : pagesOf(*main)) {
    page.chart->setVisible(true);
    for (ui::Label* value : page.values) value->setVisible(true);
  }
  main->LayoutSummaryPage("General");
  for (ui::Shape* square : allLegendSquares(*main)) EXPECT_FALSE(square->Visible()) << square->name().toStdString();
  for (const PageRows& page : pagesOf(*main)) {
    const bool laidOut = std::string(page.keyword) == "General";
    EXPECT_EQ(page.chart->Visible(), !laidOut) << page.keyword;
    for (ui::Label* value : page.values) EXPECT_EQ(value->Visible(), !laidOut) << value->name().toStdString();
  }
  // The layout leaves the other segments to the overall scoring.
  EXPECT_EQ(main->lnGen2[5]->Top(), 1140.0f + 480.0f * 5);
}

TEST_F(SummaryPagesTest, UnknownKeywordHidesSquaresAppliesTheRuleAndTouchesNoRow) {
  for (const char* keyword : {"general", "Resource ", ""}) {
    SCOPED_TRACE(std::string("'") + keyword + "'");
    const TempLog log(separatorLog(4));
    open(log.path());
    for (ui::Shape* square : allLegendSquares(*main)) square->setVisible(true);
    for (ui::Chart* chart : main->Graph) chart->setVisible(true);
    main->LayoutSummaryPage(keyword);
    EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);
    for (ui::Shape* square : allLegendSquares(*main)) EXPECT_FALSE(square->Visible());
    for (const PageRows& page : pagesOf(*main)) {
      EXPECT_TRUE(page.chart->Visible()) << page.keyword;
      for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_TRUE(page.labels[i]->Visible());
        EXPECT_EQ(page.labels[i]->Top(), designRowTop(i));
      }
    }
  }
}

TEST_F(SummaryPagesTest, RowsBelowTheLastPlayerKeepTheirCaptionsAndBars) {
  openAndScore(dataFile("pages_v104_worked_example.txt"));
  for (const PageRows& page : pagesOf(*main)) {
    for (std::size_t r = 3; r < 8; ++r) {
      EXPECT_EQ(page.labels[r]->Caption(), QStringLiteral("Player %1 (race)").arg(r + 1));
      EXPECT_FALSE(page.labels[r]->Visible());
    }
  }
  EXPECT_EQ(main->lnRes[3]->Width(), 6495.0f);
  EXPECT_EQ(main->lnCombat[7]->FillColor(), rgb(0, 64, 64));
  EXPECT_EQ(main->lnGen2[4]->Left(), 2040.0f);
}

TEST_F(SummaryPagesTest, SummaryAgainRestoresTitlesAndGivesTheSamePages) {
  openAndScore(dataFile("pages_v104_eight_players.txt"));
  const auto pagesText = [this] {
    std::ostringstream out;
    corv::WritePages(out, *main);
    return out.str();
  };
  const std::string first = pagesText();
  for (const PageRows& page : pagesOf(*main)) page.title->setCaption(QStringLiteral("Somebody's Stats"));
  main->DoStats();
  EXPECT_EQ(pagesText(), first);
  EXPECT_EQ(main->lbResTitle->Caption(), QStringLiteral("Resource Management Summary"));
}

TEST_F(SummaryPagesTest, SummaryOfALogWithoutPlayersShowsNoRows) {
  const TempLog empty("");
  open(empty.path());
  main->DoStats();
  for (const PageRows& page : pagesOf(*main))
    for (ui::Label* label : page.labels) EXPECT_FALSE(label->Visible());
}

}  // namespace
