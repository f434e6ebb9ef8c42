// The four summary pages after a log is opened and DoStats runs: the scores
// in the records, the ranked captions, bar widths and colours, the overall
// page's three segments, and where the layout puts the rows for each number
// of players.
#include <QString>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "log/LogTestSupport.h"
#include "stats/Main.h"
#include "stats/PageDump.h"
#include "stats/Scoring.h"
#include "ui/Chart.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace {

using corv::rgb;
using corv::Rgb;
using corv::test::separatorLog;
using corv::test::TempLog;

std::string dataFile(const char* name) { return std::string(CORV_TEST_DATA) + "/" + name; }

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

constexpr float designRowTop(int i) { return 930.0f + 480.0f * static_cast<float>(i); }

class SummaryPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::dialogHandlers().messageBox = [](QWidget*, const QString& prompt, int, const QString&) {
      ADD_FAILURE() << "unexpected message: " << prompt.toStdString();
      return ui::kMsgResultOk;
    };
    main = std::make_unique<Main>(state);
  }
  void TearDown() override {
    main.reset();
    ui::resetDialogHandlers();
  }

  void openAndScore(const std::string& path) {
    main->openLog(QString::fromStdString(path));
    ASSERT_TRUE(main->Tag.isEmpty()) << path;
    main->DoStats();
  }

  std::string pagesText() {
    std::ostringstream out;
    corv::WritePages(out, *main);
    return out.str();
  }

  corv::StatsState state;
  std::unique_ptr<Main> main;
};

// ---- the three-player worked example, category pages ----

struct ExpectedRow {
  const char* caption;
  float width;
  Rgb fill;
};

struct CategoryExample {
  const char* name;
  corv::Category category;
  int page;
  const char* title;
  std::array<long long, 3> raws;    // slots 0, 1, 2
  std::array<int, 3> scores;        // slots 0, 1, 2
  std::array<ExpectedRow, 3> rows;  // rows 0, 1, 2
};

void PrintTo(const CategoryExample& c, std::ostream* os) { *os << c.name; }

class WorkedCategory : public SummaryPagesTest, public ::testing::WithParamInterface<CategoryExample> {};

TEST_P(WorkedCategory, ScoresCaptionsWidthsAndColours) {
  const CategoryExample& c = GetParam();
  openAndScore(dataFile("pages_v104_worked_example.txt"));
  for (std::size_t slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(corv::categoryRaw(c.category, state.Players[slot]), c.raws[slot]) << "slot " << slot;
    EXPECT_EQ(corv::scoreField(state.Players[slot], c.category), c.scores[slot]) << "slot " << slot;
  }
  const PageRows page = pagesOf(*main)[static_cast<std::size_t>(c.page)];
  EXPECT_EQ(page.title->Caption(), QString::fromLatin1(c.title));
  for (std::size_t r = 0; r < 3; ++r) {
    EXPECT_EQ(page.labels[r]->Caption(), QString::fromLatin1(c.rows[r].caption)) << "row " << r;
    EXPECT_NEAR(page.bars[r]->Width(), c.rows[r].width, 0.005) << "row " << r;
    EXPECT_EQ(page.bars[r]->FillColor(), c.rows[r].fill) << "row " << r;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Example, WorkedCategory,
    ::testing::Values(
        CategoryExample{"Resource",
                        corv::Category::Resource,
                        1,
                        "Resource Management Summary",
                        {27950, 21166, -5000},
                        {8385, 6350, 1500},
                        {{{"Ana (Vaelori): 8385 pts", 7035, rgb(50, 255, 50)},
                          {"Bo (Drekhar): 6350 pts", 5327.64f, rgb(50, 216, 50)},
                          {"Cy (Vaelori): 1500 pts", 1258.50f, rgb(50, 125, 50)}}}},
        CategoryExample{"Unit",
                        corv::Category::Unit,
                        2,
                        "Unit Management Summary",
                        {1518, 1139, 0},
                        {15529, 11652, 0},
                        {{{"Ana (Vaelori): 15529 pts", 7035, rgb(0, 204, 255)},
                          {"Bo (Drekhar): 11652 pts", 5278.63f, rgb(0, 172, 232)},
                          {"Cy (Vaelori): 0 pts", 0, rgb(0, 75, 135)}}}},
        CategoryExample{"Combat",
                        corv::Category::Combat,
                        3,
                        "Combat Performance Summary",
                        {40500, 26500, 100},
                        {2511, 1643, 6},
                        {{{"Ana (Vaelori): 2511 pts", 7035, rgb(254, 30, 30)},
                          {"Bo (Drekhar): 1643 pts", 4603.15f, rgb(209, 30, 30)},
                          {"Cy (Vaelori): 6 pts", 16.81f, rgb(125, 30, 30)}}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the same log on the Overview ----
//
// Overall scores: Ana 8385 + 15529 + 2511 = 26425, Bo 6350 + 11652 + 1643 =
// 19645, Cy 1500 + 0 + 6 = 1506; every segment is score ÷ 26425 × 7035 wide.
// Shades from each category's extremes, offset 76: Bo's resource
// Int(4850 / 6885 × 130) + 76 = 167, unit Int(11652 / 15529 × 130) + 76 = 173,
// combat Int(1637 / 2505 × 130) + 76 = 160.

struct ExpectedSegments {
  const char* caption;
  std::array<float, 3> lefts;
  std::array<float, 3> widths;
  std::array<Rgb, 3> fills;
};

TEST_F(SummaryPagesTest, WorkedExampleOverview) {
  openAndScore(dataFile("pages_v104_worked_example.txt"));
  EXPECT_EQ(main->lbGenTitle->Caption(), QStringLiteral("Overall Game Performance"));
  EXPECT_EQ(state.Players[0].GeneralScore, 26425);
  EXPECT_EQ(state.Players[1].GeneralScore, 19645);
  EXPECT_EQ(state.Players[2].GeneralScore, 1506);

  const std::array<ExpectedSegments, 3> rows{{
      {"Ana (Vaelori): 26425 pts",
       {540, 2742.30f, 6846.51f},
       {2232.30f, 4134.21f, 668.49f},
       {rgb(50, 255, 50), rgb(0, 206, 255), rgb(255, 30, 30)}},
      {"Bo (Drekhar): 19645 pts",
       {540, 2200.53f, 5272.59f},
       {1690.53f, 3102.06f, 437.41f},
       {rgb(50, 217, 50), rgb(0, 173, 233), rgb(210, 30, 30)}},
      // The empty unit segment: the combat one starts 30 left of where it began.
      {"Cy (Vaelori): 1506 pts",
       {540, 909.34f, 879.34f},
       {399.34f, 0, 1.60f},
       {rgb(50, 126, 50), rgb(0, 76, 136), rgb(126, 30, 30)}},
  }};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    EXPECT_EQ(main->lbGen[r]->Caption(), QString::fromLatin1(rows[r].caption));
    const std::array<ui::Shape*, 3> segments{main->lnGen[r], main->lnGen2[r], main->lnGen3[r]};
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_NEAR(segments[k]->Left(), rows[r].lefts[k], 0.005) << "segment " << k;
      EXPECT_NEAR(segments[k]->Width(), rows[r].widths[k], 0.005) << "segment " << k;
      EXPECT_EQ(segments[k]->FillColor(), rows[r].fills[k]) << "segment " << k;
    }
  }
  // The best bar covers 7035 less the two overlaps.
  EXPECT_NEAR(main->lnGen3[0]->Left() + main->lnGen3[0]->Width() - 540.0f, 6975.0f, 0.01);
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
      const float top = c.tops[i] == kDesign ? designRowTop(static_cast<int>(i)) : c.tops[i];
      EXPECT_NEAR(page.labels[i]->Top(), top, 0.005);
      if (c.tops[i] != kDesign) {
        EXPECT_NEAR(page.bars[i]->Top(), c.barTops[i], 0.005);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Players, RowBand,
    ::testing::Values(
        LayoutCase{"Two",
                   4,
                   1.5f,
                   {1233.33f, 3188.89f, 5144.44f, 7100, kDesign, kDesign, kDesign, kDesign},
                   {1481.67f, 3437.22f, 5392.78f, 7348.33f}},
        LayoutCase{"Three",
                   6,
                   2,
                   {1150, 2700, 4250, 5800, kDesign, kDesign, kDesign, kDesign},
                   {1390, 2940, 4490, 6040}},
        LayoutCase{"Four",
                   8,
                   3,
                   {1066.67f, 2155.56f, 3244.44f, 4333.33f, kDesign, kDesign, kDesign, kDesign},
                   {1298.33f, 2387.22f, 3476.11f, 4565}},
        LayoutCase{"NineSeparators",
                   9,
                   3.5f,
                   {1042.86f, 1989.80f, 2936.73f, 3883.67f, 4593.88f, kDesign, kDesign, kDesign},
                   {1272.14f, 2219.08f, 3166.02f, 4112.96f, 4823.16f}},
        LayoutCase{"Five",
                   10,
                   4,
                   {1025, 1862.5f, 2700, 3537.5f, 4375, kDesign, kDesign, kDesign},
                   {1252.5f, 2090, 2927.5f, 3765, 4602.5f}},
        LayoutCase{"ElevenSeparators",
                   11,
                   4.5f,
                   {1011.11f, 1761.73f, 2512.35f, 3262.96f, 4201.23f, kDesign, kDesign, kDesign},
                   {1237.22f, 1987.84f, 2738.46f, 3489.07f, 4427.35f}},
        LayoutCase{"Six",
                   12,
                   5,
                   {1000, 1680, 2360, 3040, 3720, 4400, kDesign, kDesign},
                   {1225, 1905, 2585, 3265, 3945, 4625}},
        LayoutCase{"Seven",
                   14,
                   6,
                   {983.33f, 1555.56f, 2127.78f, 2700, 3272.22f, 3844.44f, 4416.67f, kDesign},
                   {1206.67f, 1778.89f, 2351.11f, 2923.33f, 3495.56f, 4067.78f, 4640}},
        LayoutCase{"Eight",
                   16,
                   7,
                   {971.43f, 1465.31f, 1959.18f, 2453.06f, 2946.94f, 3440.82f, 3934.69f, 4428.57f},
                   {1193.57f, 1687.45f, 2181.33f, 2675.2f, 3169.08f, 3662.96f, 4156.84f, 4650.71f}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SummaryPagesTest, TwoPlayerRuleHoldsUntilTheNextLog) {
  const TempLog two(separatorLog(4));
  openAndScore(two.path());
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);
  main->DoStats();
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);
  main->openLog(QString::fromStdString(two.path()));
  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.0f);
}

TEST_F(SummaryPagesTest, BarFollowsItsLabelsReportedHeight) {
  const TempLog log(separatorLog(6));
  openAndScore(log.path());
  const float gap = main->lnRes[1]->Top() - main->lbRes[1]->Top() - main->lbRes[1]->Height();
  const float before = main->lnRes[1]->Top();
  const float heightBefore = main->lbRes[1]->Height();
  main->lbRes[1]->setCaption(QStringLiteral("two\r\nlines"));
  const float taller = main->lbRes[1]->Height() - heightBefore;
  ASSERT_GT(taller, 0.0f);
  main->LayoutSummaryPage("Resource");
  EXPECT_FLOAT_EQ(main->lnRes[1]->Top(), before + taller);
  EXPECT_NEAR(gap, 20.0f + 50.0f / 2.0f, 0.001);
}

TEST_F(SummaryPagesTest, LayingOutOnePageHidesEveryPagesLegendSquares) {
  const TempLog log(separatorLog(6));
  main->openLog(QString::fromStdString(log.path()));
  for (ui::Shape* square : allLegendSquares(*main)) square->setVisible(true);
  main->LayoutSummaryPage("Unit");
  for (ui::Shape* square : allLegendSquares(*main)) EXPECT_FALSE(square->Visible()) << square->name().toStdString();
}

TEST_F(SummaryPagesTest, LayoutHidesChartAndValueLabelsOfItsPageOnly) {
  const TempLog log(separatorLog(6));
  main->openLog(QString::fromStdString(log.path()));
  for (const PageRows& page : pagesOf(*main)) {
    page.chart->setVisible(true);
    for (ui::Label* value : page.values) value->setVisible(true);
  }
  main->LayoutSummaryPage("General");
  for (const PageRows& page : pagesOf(*main)) {
    const bool laidOut = std::string(page.keyword) == "General";
    EXPECT_EQ(page.chart->Visible(), !laidOut) << page.keyword;
    for (ui::Label* value : page.values) EXPECT_EQ(value->Visible(), !laidOut) << value->name().toStdString();
  }
  // The layout leaves the other segments to the overall scoring.
  EXPECT_EQ(main->lnGen2[5]->Top(), 1140.0f + 480.0f * 5);
}

TEST_F(SummaryPagesTest, OtherSegmentsFollowTheFirstOnesVisibilityAndTop) {
  openAndScore(dataFile("pages_v104_worked_example.txt"));
  for (std::size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    EXPECT_EQ(main->lnGen[i]->Visible(), i < 3);
    for (ui::Shape* segment : {main->lnGen2[i], main->lnGen3[i]}) {
      EXPECT_EQ(segment->Visible(), main->lnGen[i]->Visible());
      EXPECT_EQ(segment->Top(), main->lnGen[i]->Top());
    }
  }
}

struct UnknownKeyword {
  const char* name;
  const char* keyword;
};

class UnknownKeywordLayout : public SummaryPagesTest, public ::testing::WithParamInterface<UnknownKeyword> {};

TEST_P(UnknownKeywordLayout, HidesSquaresAppliesTheRuleAndTouchesNoRow) {
  const TempLog log(separatorLog(4));
  main->openLog(QString::fromStdString(log.path()));
  for (ui::Shape* square : allLegendSquares(*main)) square->setVisible(true);
  for (ui::Chart* chart : main->Graph) chart->setVisible(true);

  main->LayoutSummaryPage(GetParam().keyword);

  EXPECT_FLOAT_EQ(state.PlayerIndex, 1.5f);
  for (ui::Shape* square : allLegendSquares(*main)) EXPECT_FALSE(square->Visible());
  for (const PageRows& page : pagesOf(*main)) {
    EXPECT_TRUE(page.chart->Visible()) << page.keyword;
    for (int i = 0; i < 8; ++i) {
      EXPECT_TRUE(page.labels[static_cast<std::size_t>(i)]->Visible());
      EXPECT_EQ(page.labels[static_cast<std::size_t>(i)]->Top(), designRowTop(i));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Keywords, UnknownKeywordLayout,
                         ::testing::Values(UnknownKeyword{"LowerCase", "general"},
                                           UnknownKeyword{"TrailingBlank", "Resource "},
                                           UnknownKeyword{"Empty", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- ties, empty categories and untouched rows ----

TEST_F(SummaryPagesTest, EqualOverallScoresTakeConsecutiveRowsInSlotOrder) {
  openAndScore(dataFile("pages_v100_two_players_tie.txt"));
  EXPECT_EQ(main->lbGen[0]->Caption(), QStringLiteral("Kestrel (Vaelori): 1385 pts"));
  EXPECT_EQ(main->lbGen[1]->Caption(), QStringLiteral("Morrow Vance (Drekhar): 1385 pts"));
  const auto total = [&](std::size_t r) {
    return main->lnGen[r]->Width() + main->lnGen2[r]->Width() + main->lnGen3[r]->Width();
  };
  EXPECT_NEAR(total(0), total(1), 0.01);
}

TEST_F(SummaryPagesTest, EqualCategoryScoresAreBothShown) {
  openAndScore(dataFile("pages_v100_trailing_separator.txt"));
  EXPECT_EQ(main->lbUnit[0]->Caption(), QStringLiteral("Pell (Vaelori): 614 pts"));
  EXPECT_EQ(main->lbUnit[1]->Caption(), QStringLiteral("Quill (Vaelori): 614 pts"));
  EXPECT_EQ(main->lnUnit[0]->Width(), main->lnUnit[1]->Width());
  EXPECT_EQ(main->lnUnit[0]->FillColor(), main->lnUnit[1]->FillColor());
}

TEST_F(SummaryPagesTest, CategoryWhereEveryoneScoresZeroHasEmptyBars) {
  openAndScore(dataFile("pages_v100_trailing_separator.txt"));
  for (std::size_t r = 0; r < 4; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    EXPECT_EQ(main->lnCombat[r]->Width(), 0.0f);
    EXPECT_EQ(main->lnCombat[r]->FillColor(), rgb(125, 30, 30));
    EXPECT_TRUE(main->lbCombat[r]->Caption().endsWith(QStringLiteral("): 0 pts")));
    EXPECT_EQ(main->lnGen3[r]->Width(), 0.0f);
    EXPECT_EQ(main->lnGen3[r]->FillColor(), rgb(126, 30, 30));
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
  const std::string first = pagesText();
  for (const PageRows& page : pagesOf(*main)) page.title->setCaption(QStringLiteral("Somebody's Stats"));
  main->DoStats();
  EXPECT_EQ(pagesText(), first);
  EXPECT_EQ(main->lbResTitle->Caption(), QStringLiteral("Resource Management Summary"));
}

TEST_F(SummaryPagesTest, SummaryOfALogWithoutPlayersShowsNoRows) {
  ui::dialogHandlers().messageBox = [](QWidget*, const QString&, int, const QString&) { return ui::kMsgResultOk; };
  const TempLog empty("");
  main->openLog(QString::fromStdString(empty.path()));
  main->DoStats();
  for (const PageRows& page : pagesOf(*main))
    for (ui::Label* label : page.labels) EXPECT_FALSE(label->Visible());
}

}  // namespace
