// Golden dumps of sample logs we wrote, checked against files worked out from
// the scoring and layout rules: the window at design, the four summary pages,
// the player views (and the summary chosen again after them), and a log
// opened after another, which must show what a fresh window shows.
#include <QString>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "StatsTestSupport.h"
#include "dump/RecordDump.h"
#include "ui/Chooser.h"

namespace {

using corv::test::dataFile;
using corv::test::expectGolden;
using corv::test::shownLines;
using corv::test::windowText;

TEST(Golden, WindowAtDesign) {
  corv::StatsState state;
  Main main(state);
  expectGolden(windowText(main), "views_at_design");
}

class GoldenPages : public corv::test::StatsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GoldenPages, MatchTheWorkedOutPages) {
  const std::string log = dataFile(std::string(GetParam()) + ".txt");
  std::ostringstream out;
  corv::WritePageDump(out, *main, QString::fromStdString(log));
  expectGolden(out.str(), GetParam(), log);
}

INSTANTIATE_TEST_SUITE_P(Samples, GoldenPages,
                         ::testing::Values("pages_v104_worked_example", "pages_v100_two_players_tie",
                                           "pages_v100_trailing_separator", "pages_v104_eight_players",
                                           "pages_v104_wide_numbers", "pages_v100_one_player",
                                           "pages_v104_rejected"),
                         [](const auto& info) { return std::string(info.param); });

struct ViewCase {
  const char* name;  // the golden file is views_<name>.expected
  const char* log;
  std::vector<int> chosen;  // the slots chosen, in order
};

void PrintTo(const ViewCase& c, std::ostream* os) { *os << c.name; }

class GoldenViews : public corv::test::StatsTest, public ::testing::WithParamInterface<ViewCase> {};

// Every label shown on a page ends inside it (Frame1 starts 480 in), and the
// values beside the Combat chart end within its 2-pixel margin (left 4080).
void ExpectLabelsInPlace(const std::string& dump) {
  static const std::regex shown(
      R"(^(lbCombatVal_[1-7])?\S* shown in=(Tabb_\d|Frame1) label at=([-\d.]+),\S+ size=([\d.]+)x.*)", std::regex::multiline);
  for (std::sregex_iterator m(dump.begin(), dump.end(), shown), end; m != end; ++m)
    EXPECT_LE(std::stod((*m)[3]) + std::stod((*m)[4]) + ((*m)[2] == "Frame1" ? 480 : 0), (*m)[1].matched ? 4110 : 8115)
        << m->str();
}

TEST_P(GoldenViews, PlayersChosenThenTheSummaryAgain) {
  ASSERT_TRUE(openAsLauncher(dataFile(GetParam().log)));
  std::ostringstream first, views, again;
  corv::WritePages(first, *main);
  views << "view=opened\n" << windowText(*main);
  for (const int slot : GetParam().chosen) ASSERT_TRUE(corv::WritePlayerChoice(views, *main, slot));
  expectGolden(views.str(), std::string("views_") + GetParam().name);
  ExpectLabelsInPlace(views.str());
  corv::WriteSummaryChoice(again, *main);
  EXPECT_EQ(again.str(), "view=summary\n" + first.str());
}

// Two players whose short names leave "Total Damage" the widest Combat label;
// eight, the chosen one in the middle, then one without a name; a stray
// separator (PlayerIndex 2.5); numbers past 16 and 32 bits and a negative time
// of death; names of 33 characters and more, cut short with "…" where they
// would run off the page or under the Combat chart.
INSTANTIATE_TEST_SUITE_P(
    Samples, GoldenViews,
    ::testing::Values(ViewCase{"two_players", "views_two_players.txt", {0, 1}},
                      ViewCase{"eight_players", "views_eight_players.txt", {3, 5}},
                      ViewCase{"stray_separator", "views_three_stray_separator.txt", {1}},
                      ViewCase{"wide_numbers", "pages_v104_wide_numbers.txt", {1, 0}},
                      ViewCase{"long_names", "views_long_names.txt", {0, 1, 2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LogPair {
  const char* name;
  const char* first;
  const char* second;
};

void PrintTo(const LogPair& c, std::ostream* os) { *os << c.name; }

class SecondLog : public corv::test::StatsTest, public ::testing::WithParamInterface<LogPair> {};

TEST_P(SecondLog, ShowsWhatAFreshWindowShows) {
  const QString second = QString::fromStdString(dataFile(GetParam().second));
  openAsLauncher(dataFile(GetParam().first));
  ASSERT_TRUE(main->openLogAsLauncher(second, {}));
  corv::StatsState freshState;
  Main fresh(freshState);
  ASSERT_TRUE(fresh.openLogAsLauncher(second, {}));

  std::ostringstream records, freshRecords;
  corv::WriteRecords(records, state);
  corv::WriteRecords(freshRecords, freshState);
  EXPECT_EQ(records.str(), freshRecords.str());
  // The summary, every player in turn, then the summary again.
  const int items = fresh.cbView[0]->ItemCount();
  for (int item = 1; item <= items + 1; ++item) {
    EXPECT_EQ(shownLines(windowText(*main)), shownLines(windowText(fresh))) << "item " << item;
    main->cbView[0]->userChoose(item % items + 1);
    fresh.cbView[0]->userChoose(item % items + 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SecondLog,
    ::testing::Values(LogPair{"EightThenTwo", "views_eight_players.txt", "views_two_players.txt"},
                      LogPair{"TwoThenEight", "views_two_players.txt", "views_eight_players.txt"},
                      LogPair{"RejectedThenStray", "pages_v104_rejected.txt", "views_three_stray_separator.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DumpText, NumbersColoursAndOneLineMessages) {
  EXPECT_EQ(corv::DumpNumber(1233.3334f) + ' ' + corv::DumpNumber(3517.5f) + ' ' + corv::DumpNumber(-0.001f) + ' ' +
                corv::DumpNumber(-30.25f) + ' ' + corv::DumpNumber(7035.0f),
            "1233.33 3517.5 0 -30.25 7035");
  EXPECT_EQ(corv::DumpMessage(QStringLiteral("a\r\n\r\nb\nc\rd\\e")), "a\\n\\nb\\nc\\nd\\\\e");
  EXPECT_EQ(corv::DumpColour(corv::rgb(50, 255, 10)), "32FF0A");
}

}  // namespace
