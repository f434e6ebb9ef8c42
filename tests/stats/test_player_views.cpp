// The view chooser as a user drives it: a log opened as the launcher opens
// it, then "Summary" or a player chosen in one of the four choosers, and the
// pages read back control by control. The two-player log's first player is
// checked whole against its view dump in test_golden_pages.cpp.
#include <QString>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "StatsTestSupport.h"
#include "stats/PageDump.h"
#include "stats/PlayerViewDump.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"

namespace {

using corv::rgb;

std::string n2s(float v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

// Everything a user could see of the window's pages, keyed by control name,
// so that two states compare control by control and a difference names its
// control.
using Snapshot = std::map<std::string, std::string>;

std::string geometry(const ui::Control* c) {
  return n2s(c->Left()) + "," + n2s(c->Top()) + "," + n2s(c->Width()) + "," + n2s(c->Height());
}

void take(Snapshot& s, const ui::Label* l) {
  s[l->name().toStdString()] = l->Caption().toStdString() + "|v" + std::to_string(l->Visible()) + "|" + geometry(l) +
                               "|c" + std::to_string(l->ForeColor());
}

void take(Snapshot& s, const ui::Shape* sh) {
  s[sh->name().toStdString()] =
      std::string(sh->Visible() ? "v1|" : "v0|") + geometry(sh) + "|f" + std::to_string(sh->FillColor());
}

Snapshot snapshot(Main& m) {
  Snapshot s;
  for (const ui::Label* title : {m.lbGenTitle, m.lbResTitle, m.lbUnitTitle, m.lbCombatTitle}) take(s, title);
  for (const auto* rows :
       {&m.lbGen, &m.lbRes, &m.lbUnit, &m.lbCombat, &m.lbGenVal, &m.lbResVal, &m.lbUnitVal, &m.lbCombatVal})
    for (const ui::Label* l : *rows) take(s, l);
  for (const auto* bars : {&m.lnGen, &m.lnGen2, &m.lnGen3, &m.lnRes, &m.lnUnit, &m.lnCombat})
    for (const ui::Shape* b : *bars) take(s, b);
  for (const ui::Shape* sq : m.legGeneral) take(s, sq);
  for (const ui::Shape* sq : m.legRes) take(s, sq);
  for (const ui::Shape* sq : m.legUnit) take(s, sq);
  for (const ui::Shape* sq : m.legCombat) take(s, sq);
  for (int p = 0; p < 4; ++p) {
    s[m.Graph[p]->name().toStdString()] = m.Graph[p]->Visible() ? "v1" : "v0";
    s[m.cbView[p]->name().toStdString()] = std::to_string(m.cbView[p]->SelectedIndex());
  }
  s["front"] = corv::test::frontPage(m).toStdString();
  return s;
}

// Only the controls a user sees: what hidden controls hold does not show.
Snapshot shown(const Snapshot& s) {
  Snapshot out;
  for (const auto& [name, state] : s)
    if (state.find("|v0") == std::string::npos && state.rfind("v0", 0) != 0) out[name] = state;
  return out;
}

std::string differences(const Snapshot& a, const Snapshot& b) {
  std::string d;
  for (const auto& [name, state] : a) {
    const auto it = b.find(name);
    if (it == b.end()) d += name + ": only in the first\n";
    else if (it->second != state) d += name + ": " + state + " / " + it->second + "\n";
  }
  for (const auto& [name, state] : b)
    if (!a.count(name)) d += name + ": only in the second\n";
  return d;
}

class PlayerViews : public ::testing::Test {
 protected:
  // As the launcher does it: busy page in front, open, summary, busy page back.
  static std::unique_ptr<Main> opened(corv::StatsState& state, const char* log) {
    auto m = std::make_unique<Main>(state);
    EXPECT_TRUE(corv::OpenLogAsLauncher(*m, QString::fromStdString(corv::test::dataFile(log))).valid) << log;
    return m;
  }

  void open(const char* log) { main = opened(state, log); }

  // A user's choice of item n in chooser `chooser`.
  void choose(int chooser, int item) { main->cbView[chooser]->userChoose(item); }
  void choosePlayer(int slot, int chooser = 0) { choose(chooser, slot + 2); }

  const corv::PlayerStats& player(int slot) const { return state.Players[slot]; }
  QString name(int slot) const { return QString::fromStdString(player(slot).Name); }
  QString combatTotal() const { return main->lbCombatVal[0]->Caption(); }

  corv::StatsState state;
  std::unique_ptr<Main> main;
};

// ---- the summary item ----

class SummaryChoice : public PlayerViews, public ::testing::WithParamInterface<int> {};

TEST_P(SummaryChoice, ShowsWhatTheFirstSummaryShowed) {
  open("views_eight_players.txt");
  const Snapshot afterOpening = snapshot(*main);
  choose(GetParam(), 1);
  EXPECT_EQ(differences(afterOpening, snapshot(*main)), "");
  choosePlayer(3, GetParam());
  choose(GetParam(), 1);
  EXPECT_EQ(differences(shown(afterOpening), shown(snapshot(*main))), "");
  for (ui::Chooser* c : main->cbView) EXPECT_EQ(c->SelectedIndex(), 1);
}

TEST_P(SummaryChoice, AfterAPlayerViewMatchesDoStatsOnTheSameWindow) {
  // A twin window with the same history runs DoStats directly: every control,
  // hidden ones included, must come out the same.
  open("views_two_players.txt");
  corv::StatsState twinState;
  auto twin = opened(twinState, "views_two_players.txt");
  choosePlayer(0);
  twin->cbView[0]->userChoose(2);
  twin->DoStats();
  for (ui::Chooser* c : twin->cbView) c->setSelectedIndex(1);

  choose(GetParam(), 1);
  EXPECT_EQ(differences(snapshot(*twin), snapshot(*main)), "");
}

INSTANTIATE_TEST_SUITE_P(EveryChooser, SummaryChoice, ::testing::Values(0, 1, 2, 3));

TEST_F(PlayerViews, SummaryDumpAfterAPlayerIsTheFirstSummary) {
  open("views_eight_players.txt");
  std::ostringstream first;
  corv::WritePages(first, *main);
  std::ostringstream views;
  EXPECT_FALSE(corv::WritePlayerChoice(views, *main, 8));
  EXPECT_FALSE(corv::WritePlayerChoice(views, *main, -1));
  EXPECT_EQ(views.str(), "");
  ASSERT_TRUE(corv::WritePlayerChoice(views, *main, 7));
  std::ostringstream again;
  corv::WriteSummaryChoice(again, *main);
  EXPECT_EQ(again.str(), "view=summary\n" + first.str());
}

// ---- choosing a player ----

TEST_F(PlayerViews, ChoosingAPlayerSetsEveryChooserKeepsThePageAndIsStable) {
  open("views_eight_players.txt");
  main->Tabb[2]->ZOrder(0);
  choose(2, 4);
  for (ui::Chooser* c : main->cbView) EXPECT_EQ(c->SelectedIndex(), 4);
  EXPECT_EQ(main->lbResTitle->Caption(), name(2) + QStringLiteral("'s Resource Management Stats"));
  const Snapshot first = snapshot(*main);
  EXPECT_EQ(first.at("front"), "Tabb_2");
  choose(3, 4);
  EXPECT_EQ(differences(first, snapshot(*main)), "");
}

TEST_F(PlayerViews, ItemsBeyondThePlayersAndBadArgumentsChangeNothing) {
  open("views_two_players.txt");
  for (ui::Chooser* c : main->cbView) c->Add(QStringLiteral("stray item"));
  const Snapshot before = snapshot(*main);
  choose(1, 4);  // the stray item: slot 2 of a two-player log
  main->cbView_Click(7);
  main->ShowPlayerView(-1);
  main->ShowPlayerView(2);
  main->LayoutPlayerPage("combat");
  main->cbView[0]->setSelectedIndex(0);
  main->cbView_Click(0);
  // The choosers show what was clicked; the handler itself touched nothing.
  for (ui::Chooser* c : main->cbView) c->setSelectedIndex(1);
  EXPECT_EQ(differences(before, snapshot(*main)), "");
}

TEST_F(PlayerViews, TwoPlayersHideOnlyTheirTwoBars) {
  open("views_two_players.txt");
  // Bars beyond the players keep whatever state they had; show them to see it kept.
  for (auto* bars : {&main->lnGen, &main->lnRes, &main->lnUnit, &main->lnCombat})
    for (ui::Shape* bar : *bars) bar->setVisible(true);
  choosePlayer(1);
  for (int i = 0; i < 8; ++i) {
    for (ui::Shape* bar : {main->lnGen[i], main->lnRes[i], main->lnUnit[i], main->lnCombat[i]})
      EXPECT_EQ(bar->Visible(), i >= 2) << bar->name().toStdString();
    // rows 2..7 were hidden by the summary
    EXPECT_FALSE(main->lnGen2[i]->Visible()) << i;
    EXPECT_FALSE(main->lnGen3[i]->Visible()) << i;
  }
}

struct LegendCase {
  const char* name;
  const char* log;
  std::vector<int> combatSquares;
};

void PrintTo(const LegendCase& c, std::ostream* os) { *os << c.name; }

class LegendSquares : public PlayerViews, public ::testing::WithParamInterface<LegendCase> {};

TEST_P(LegendSquares, EveryPageShowsItsSquaresAndCombatOnePerOpponent) {
  open(GetParam().log);
  choosePlayer(1);
  for (const ui::Shape* s : main->legGeneral) EXPECT_TRUE(s->Visible());
  for (const ui::Shape* s : main->legRes) EXPECT_TRUE(s->Visible());
  for (const ui::Shape* s : main->legUnit) EXPECT_TRUE(s->Visible());
  std::vector<int> shownCombat;
  for (int i = 0; i < 8; ++i)
    if (main->legCombat[i]->Visible()) shownCombat.push_back(i);
  EXPECT_EQ(shownCombat, GetParam().combatSquares);
}

INSTANTIATE_TEST_SUITE_P(
    PlayerIndex, LegendSquares,
    ::testing::Values(LegendCase{"TwoPlayers", "views_two_players.txt", {1}},
                      LegendCase{"EightPlayers", "views_eight_players.txt", {1, 2, 3, 4, 5, 6, 7}},
                      LegendCase{"StraySeparator", "views_three_stray_separator.txt", {1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- unit and combat figures ----

TEST_F(PlayerViews, UnitCountsInPageOrderWithCruisersLast) {
  open("views_two_players.txt");
  choosePlayer(1);
  const corv::PlayerStats& p = player(1);
  const std::array<long long, 8> counts{p.NonCombat, p.Resource,  p.Fighter, p.Corvette,
                                        p.Frigate,   p.Destroyer, p.Carrier, p.HeavyCruiser};
  ASSERT_EQ(main->Graph[2]->ColumnCount(), 8);
  for (int r = 0; r < 8; ++r) {
    EXPECT_EQ(main->lbUnitVal[r]->Caption(), QStringLiteral(": %1").arg(counts[r])) << r;
    EXPECT_EQ(main->Graph[2]->columnData(r + 1), QString::number(counts[r])) << r;
  }
  EXPECT_EQ(main->lbUnitVal[6]->Caption(), QStringLiteral(": 2"));  // Carrier
  EXPECT_EQ(main->lbUnitVal[7]->Caption(), QStringLiteral(": 0"));  // HeavyCruiser
  EXPECT_EQ(main->lbUnitTitle->Caption(), QStringLiteral("Bo's Unit Management Stats"));
}

TEST_F(PlayerViews, TwoPlayersSecondItemShowsSlotOne) {
  open("views_two_players.txt");
  ASSERT_FLOAT_EQ(state.PlayerIndex, 1.5f);
  choosePlayer(1);
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("Bo's Combat Performance Stats"));
  EXPECT_EQ(main->lbCombat[1]->Caption(), QStringLiteral("Dmg vs Ana Ruiz"));
  EXPECT_EQ(combatTotal(), QStringLiteral(": 9050 - 30 kills, 17 losses"));
  EXPECT_EQ(main->lbGenVal[1]->Caption(), QStringLiteral(": Still Alive"));
}

TEST_F(PlayerViews, StraySeparatorLogHidesBarsOfItsThreePlayers) {
  open("views_three_stray_separator.txt");
  ASSERT_FLOAT_EQ(state.PlayerIndex, 2.5f);
  choosePlayer(1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(main->lnCombat[i]->Visible()) << i;
  EXPECT_EQ(main->lbCombat[1]->Caption(), QStringLiteral("Dmg vs ") + name(0));
  EXPECT_EQ(main->lbCombat[2]->Caption(), QStringLiteral("Dmg vs ") + name(2));
  EXPECT_EQ(main->Graph[3]->ColumnCount(), 2);
}

TEST_F(PlayerViews, EightPlayersSlotThreeOpponentColumnsAndValues) {
  open("views_eight_players.txt");
  choosePlayer(3);
  const std::array<corv::Rgb, 7> colours{rgb(235, 222, 160), rgb(180, 255, 180), rgb(180, 180, 255),
                                         rgb(160, 224, 224), rgb(220, 245, 220), rgb(255, 160, 160),
                                         rgb(0, 128, 192)};
  ASSERT_EQ(main->Graph[3]->ColumnCount(), 7);
  float widest = 0;
  for (int r = 1; r < 8; ++r) {
    SCOPED_TRACE(r);
    const int slot = r <= 3 ? r - 1 : r;  // slots 0, 1, 2, 4, 5, 6, 7
    EXPECT_EQ(main->Graph[3]->SeriesFillColor(r), colours[r - 1]);
    EXPECT_EQ(main->Graph[3]->columnData(r), QString::number(player(3).DamageTo[slot]));
    EXPECT_EQ(main->lbCombat[r]->Caption(), QStringLiteral("Dmg vs ") + name(slot));
    EXPECT_TRUE(main->lbCombat[r]->Visible());
    EXPECT_EQ(main->lbCombatVal[r]->Caption(), QStringLiteral(": %1").arg(player(3).DamageTo[slot]));
    widest = std::max(widest, main->lbCombat[r]->Width());
  }
  // The values line up behind the widest opponent label: slot 6's long name,
  // wider than "Total Damage".
  EXPECT_GT(widest, main->lbCombat[0]->Width());
  for (int r = 0; r < 8; ++r) EXPECT_FLOAT_EQ(main->lbCombatVal[r]->Left(), 540.0f + widest + 70.0f) << r;
  // Own slot 3 dealt 231 to itself: in the total, in no row.
  EXPECT_EQ(combatTotal(), QStringLiteral(": 28481 - 23 kills, 16 losses"));
}

TEST_F(PlayerViews, DamageTotalBeyondThirtyTwoBitsIsShownWhole) {
  open("views_two_players.txt");
  state.Players[0].DamageTo = {2000000000, 2000000000, 0, 0, 0, 0, 0, 2000000000};
  choosePlayer(0);
  EXPECT_EQ(combatTotal(), QStringLiteral(": 6000000000 - 12 kills, 3 losses"));
}

TEST_F(PlayerViews, EmptyNamesAndAnotherPlayerRewriteTitlesAndOpponentRows) {
  open("views_eight_players.txt");
  choosePlayer(5);  // slot 5 has no name
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("'s Combat Performance Stats"));
  EXPECT_EQ(main->lbGenTitle->Caption(), QStringLiteral("'s Overall Game Performance"));
  choosePlayer(4);
  EXPECT_EQ(main->lbCombat[5]->Caption(), QStringLiteral("Dmg vs "));
  choosePlayer(0);
  for (int r = 1; r < 8; ++r) EXPECT_EQ(main->lbCombat[r]->Caption(), QStringLiteral("Dmg vs ") + name(r)) << r;
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("Kestrel's Combat Performance Stats"));
}

// ---- the overview page ----

struct OverviewCase {
  int slot;
  const char* timeOfDeath;
};

class OverviewValues : public PlayerViews, public ::testing::WithParamInterface<OverviewCase> {};

TEST_P(OverviewValues, ShipsTimeAndScores) {
  open("views_eight_players.txt");
  const int s = GetParam().slot;
  choosePlayer(s);
  const corv::PlayerStats& p = player(s);
  const std::array<QString, 8> expected{QStringLiteral(": %1").arg(p.ShipsTotal),
                                        QString::fromLatin1(GetParam().timeOfDeath),
                                        QString(),
                                        QStringLiteral(": %1 pts").arg(p.ResourceScore),
                                        QStringLiteral(": %1 pts").arg(p.UnitScore),
                                        QStringLiteral(": %1 pts").arg(p.CombatScore),
                                        QString(),
                                        QStringLiteral(": %1 pts").arg(p.GeneralScore)};
  for (int r = 0; r < 8; ++r) EXPECT_EQ(main->lbGenVal[r]->Caption(), expected[r]) << r;
  EXPECT_GT(p.GeneralScore, 0);
  ui::Chart& chart = *main->Graph[0];
  ASSERT_EQ(chart.ColumnCount(), 3);
  EXPECT_EQ(chart.columnData(1), QString::number(p.ResourceScore));
  EXPECT_EQ(chart.columnData(2), QString::number(p.UnitScore));
  EXPECT_EQ(chart.columnData(3), QString::number(p.CombatScore));
  EXPECT_EQ(main->lbGenTitle->Caption(), name(s) + QStringLiteral("'s Overall Game Performance"));
}

INSTANTIATE_TEST_SUITE_P(TimeOfDeath, OverviewValues,
                         ::testing::Values(OverviewCase{0, ": Still Alive"}, OverviewCase{1, ": 0m 59s"},
                                           OverviewCase{2, ": 1h 0m 0s"}, OverviewCase{3, ": 9h 6m 7s"},
                                           OverviewCase{6, ": 1m 0s"}));

}  // namespace
