// The view chooser as a user drives it: a log opened as the launcher opens
// it, then "Summary" or a player chosen in one of the four choosers, and the
// pages read back control by control.
#include <QString>
#include <algorithm>
#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "stats/Main.h"
#include "stats/PageDump.h"
#include "stats/PlayerViewDump.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"

namespace {

using corv::rgb;

QString dataFile(const char* name) { return QStringLiteral(CORV_TEST_DATA "/") + QString::fromLatin1(name); }

std::string n2s(float v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

// Everything a user could see of the window's pages, keyed by control name,
// so that two states compare control by control and a difference names its
// control.
using Snapshot = std::map<std::string, std::string>;

void take(Snapshot& s, const ui::Label* l) {
  s[l->name().toStdString()] = l->Caption().toStdString() + "|v" + std::to_string(l->Visible()) + "|" +
                               n2s(l->Left()) + "," + n2s(l->Top()) + "," + n2s(l->Width()) + "," + n2s(l->Height()) +
                               "|c" + std::to_string(l->ForeColor());
}

void take(Snapshot& s, const ui::Shape* sh) {
  s[sh->name().toStdString()] = "v" + std::to_string(sh->Visible()) + "|" + n2s(sh->Left()) + "," + n2s(sh->Top()) +
                                "," + n2s(sh->Width()) + "," + n2s(sh->Height()) + "|f" +
                                std::to_string(sh->FillColor());
}

template <class Array>
void takeAll(Snapshot& s, const Array& controls) {
  for (const auto* c : controls) take(s, c);
}

Snapshot snapshot(Main& m) {
  Snapshot s;
  for (const ui::Label* title : {m.lbGenTitle, m.lbResTitle, m.lbUnitTitle, m.lbCombatTitle}) take(s, title);
  for (const auto* rows : {&m.lbGen, &m.lbRes, &m.lbUnit, &m.lbCombat, &m.lbGenVal, &m.lbResVal, &m.lbUnitVal,
                           &m.lbCombatVal})
    takeAll(s, *rows);
  for (const auto* bars : {&m.lnGen, &m.lnGen2, &m.lnGen3, &m.lnRes, &m.lnUnit, &m.lnCombat}) takeAll(s, *bars);
  takeAll(s, m.legGeneral);
  takeAll(s, m.legRes);
  takeAll(s, m.legUnit);
  takeAll(s, m.legCombat);
  for (int p = 0; p < 4; ++p) {
    s[m.Graph[p]->name().toStdString()] = "v" + std::to_string(m.Graph[p]->Visible());
    s[m.cbView[p]->name().toStdString()] = std::to_string(m.cbView[p]->SelectedIndex());
  }
  // Which frame is in front: raising a widget moves it to the end of its parent's children.
  for (QObject* child : m.area()->children()) {
    const QString n = child->objectName();
    if (n.startsWith(QLatin1String("Tabb_")) || n == QLatin1String("tbThink")) s["front"] = n.toStdString();
  }
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
    m->tbThink->ZOrder(0);
    m->openLog(dataFile(log));
    EXPECT_NE(m->Tag, QStringLiteral("1")) << log;
    m->DoStats();
    m->tbThink->ZOrder(1);
    return m;
  }

  void open(const char* log) { main = opened(state, log); }

  // A user's choice of item n in chooser `chooser`.
  void choose(int chooser, int item) { main->cbView[chooser]->userChoose(item); }
  void choosePlayer(int slot, int chooser = 0) { choose(chooser, slot + 2); }

  const corv::PlayerStats& player(int slot) const { return state.Players[slot]; }
  QString name(int slot) const { return QString::fromStdString(player(slot).Name); }

  corv::StatsState state;
  std::unique_ptr<Main> main;
};

// ---- the summary item ----

class SummaryChoice : public PlayerViews, public ::testing::WithParamInterface<int> {};

TEST_P(SummaryChoice, LeavesThePagesAsDoStatsDoes) {
  open("views_eight_players.txt");
  const Snapshot afterOpening = snapshot(*main);
  choose(GetParam(), 1);
  EXPECT_EQ(differences(afterOpening, snapshot(*main)), "");
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

TEST_P(SummaryChoice, AfterAPlayerViewShowsWhatTheFirstSummaryShowed) {
  open("views_eight_players.txt");
  const Snapshot afterOpening = shown(snapshot(*main));
  choosePlayer(3, GetParam());
  choose(GetParam(), 1);
  EXPECT_EQ(differences(afterOpening, shown(snapshot(*main))), "");
  for (ui::Chooser* c : main->cbView) EXPECT_EQ(c->SelectedIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryChooser, SummaryChoice, ::testing::Values(0, 1, 2, 3));

TEST_F(PlayerViews, SummaryAfterAPlayerBringsBackTitlesAndHidesChartsAndValues) {
  open("views_two_players.txt");
  choosePlayer(1);
  choose(2, 1);
  EXPECT_EQ(main->lbGenTitle->Caption(), QStringLiteral("Overall Game Performance"));
  EXPECT_EQ(main->lbResTitle->Caption(), QStringLiteral("Resource Management Summary"));
  EXPECT_EQ(main->lbUnitTitle->Caption(), QStringLiteral("Unit Management Summary"));
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("Combat Performance Summary"));
  for (int p = 0; p < 4; ++p) EXPECT_FALSE(main->Graph[p]->Visible()) << p;
  for (const auto* vals : {&main->lbGenVal, &main->lbResVal, &main->lbUnitVal, &main->lbCombatVal})
    for (const ui::Label* v : *vals) EXPECT_FALSE(v->Visible()) << v->name().toStdString();
}

// ---- choosing a player ----

TEST_F(PlayerViews, ChoosingAPlayerSetsEveryChooserAndKeepsThePageInFront) {
  open("views_eight_players.txt");
  main->Tabb[2]->ZOrder(0);
  choose(2, 4);
  for (ui::Chooser* c : main->cbView) EXPECT_EQ(c->SelectedIndex(), 4);
  EXPECT_EQ(main->lbResTitle->Caption(), name(2) + QStringLiteral("'s Resource Management Stats"));
  EXPECT_EQ(snapshot(*main)["front"], "Tabb_2");
}

TEST_F(PlayerViews, ChoosingTheSamePlayerAgainChangesNothing) {
  open("views_eight_players.txt");
  choosePlayer(6);
  const Snapshot first = snapshot(*main);
  choosePlayer(6, 3);
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

// ---- the layout under the figures ----

struct PageCase {
  const char* name;
  int page;
  float valueLeft;
  std::vector<const char*> captions;  // empty: the Combat page
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class PlayerLayout : public PlayerViews, public ::testing::WithParamInterface<PageCase> {
 protected:
  std::array<ui::Label*, 8>& rows() { return *std::array{&main->lbGen, &main->lbRes, &main->lbUnit, &main->lbCombat}[GetParam().page]; }
  std::array<ui::Label*, 8>& vals() {
    return *std::array{&main->lbGenVal, &main->lbResVal, &main->lbUnitVal, &main->lbCombatVal}[GetParam().page];
  }
  std::array<ui::Shape*, 8>& bars() { return *std::array{&main->lnGen, &main->lnRes, &main->lnUnit, &main->lnCombat}[GetParam().page]; }
};

TEST_P(PlayerLayout, RowsAtFixedPlacesWithFixedCaptions) {
  const PageCase& c = GetParam();
  open("views_eight_players.txt");
  choosePlayer(0);
  EXPECT_TRUE(main->Graph[c.page]->Visible());
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(rows()[i]->Visible());
    EXPECT_TRUE(vals()[i]->Visible());
    EXPECT_FLOAT_EQ(rows()[i]->Top(), 1150.0f + 450.0f * i);
    EXPECT_FLOAT_EQ(vals()[i]->Top(), 1150.0f + 450.0f * i);
    EXPECT_FLOAT_EQ(rows()[i]->Left(), 540.0f);
    if (!c.captions.empty()) {
      EXPECT_EQ(rows()[i]->Caption(), QString::fromLatin1(c.captions[i]));
      EXPECT_FLOAT_EQ(vals()[i]->Left(), c.valueLeft);
    }
    EXPECT_FALSE(bars()[i]->Visible());
  }
}

TEST_P(PlayerLayout, TwoPlayersHideOnlyTheirTwoBars) {
  open("views_two_players.txt");
  // Bars beyond the players keep whatever state they had; show them to see it kept.
  for (ui::Shape* bar : bars()) bar->setVisible(true);
  choosePlayer(1);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bars()[i]->Visible(), i >= 2) << i;
  if (GetParam().page == 0) {
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(main->lnGen2[i]->Visible(), false) << i;  // rows 2..7 were hidden by the summary
      EXPECT_EQ(main->lnGen3[i]->Visible(), false) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PlayerLayout,
    ::testing::Values(PageCase{"Overview", 0, 2800,
                               {"Total Ships Built", "Time of Death", "", "Resource Management", "Unit Management",
                                "Combat Performance", "", "Total Score"}},
                      PageCase{"Resource", 1, 2350,
                               {"RU 's Collected", "RU 's Injected", "RU 's Received", "RU 's Generated",
                                "RU 's via Bounties", "RU 's Spent", "RU 's Given", "RU 's Remaining"}},
                      PageCase{"Unit", 2, 2730,
                               {"Non-Combat Units", "Resource-Class Units", "Fighter-Class Units",
                                "Corvette-Class Units", "Frigate-Class Units", "Destroyer-Class Units", "Carriers",
                                "Heavy Cruisers"}},
                      PageCase{"Combat", 3, 1950, {}}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(PlayerViews, StraySeparatorLogHidesBarsOfItsThreePlayers) {
  open("views_three_stray_separator.txt");
  ASSERT_FLOAT_EQ(state.PlayerIndex, 2.5f);
  choosePlayer(1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(main->lnCombat[i]->Visible()) << i;
  EXPECT_EQ(main->lbCombat[1]->Caption(), QStringLiteral("Dmg vs ") + name(0));
  EXPECT_EQ(main->lbCombat[2]->Caption(), QStringLiteral("Dmg vs ") + name(2));
  EXPECT_EQ(main->Graph[3]->ColumnCount(), 2);
}

// ---- resource and unit figures ----

TEST_F(PlayerViews, ResourceFiguresInValuesAndTheFirstFiveInTheChart) {
  open("views_two_players.txt");
  choosePlayer(0);
  const corv::PlayerStats& p = player(0);
  const std::array<long long, 8> figures{p.RUCollected, p.RUInjected, p.RUReceived, p.RUGenerated,
                                         p.RUBounties,  p.RUSpent,    p.RUGiven,    p.RUCurrent};
  for (int r = 0; r < 8; ++r) EXPECT_EQ(main->lbResVal[r]->Caption(), QStringLiteral(": %1").arg(figures[r])) << r;
  EXPECT_EQ(main->lbResVal[0]->Caption(), QStringLiteral(": 12345"));
  EXPECT_EQ(main->lbResVal[7]->Caption(), QStringLiteral(": -250"));  // the minus stays
  ASSERT_EQ(main->Graph[1]->ColumnCount(), 5);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(main->Graph[1]->columnData(c), QString::number(figures[c - 1])) << c;
  EXPECT_EQ(main->lbResTitle->Caption(), QStringLiteral("Ana Ruiz's Resource Management Stats"));
}

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

// ---- the combat page ----

TEST_F(PlayerViews, TwoPlayersOneOpponentRowAndColumn) {
  open("views_two_players.txt");
  choosePlayer(0);
  ui::Chart& chart = *main->Graph[3];
  ASSERT_EQ(chart.ColumnCount(), 1);
  EXPECT_EQ(chart.SeriesFillColor(1), rgb(235, 222, 160));
  EXPECT_EQ(chart.columnData(1), QStringLiteral("21000"));
  EXPECT_EQ(main->lbCombat[1]->Caption(), QStringLiteral("Dmg vs Bo"));
  EXPECT_EQ(main->lbCombatVal[1]->Caption(), QStringLiteral(": 21000"));
  // Own slot (500) and the empty slot 5 (100) count in the total.
  EXPECT_EQ(main->lbCombatVal[0]->Caption(), QStringLiteral(": 21600 - 12 kills, 3 losses"));
  const float valueLeft = main->lbCombat[1]->Left() + main->lbCombat[1]->Width() + 70.0f;
  EXPECT_FLOAT_EQ(main->lbCombatVal[0]->Left(), valueLeft);
  EXPECT_FLOAT_EQ(main->lbCombatVal[1]->Left(), valueLeft);
  for (int r = 2; r < 8; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(main->lbCombat[r]->Caption(), QString());
    EXPECT_EQ(main->lbCombatVal[r]->Caption(), QString());
    EXPECT_FLOAT_EQ(main->lbCombatVal[r]->Left(), 1950.0f);
  }
}

TEST_F(PlayerViews, TwoPlayersSecondItemShowsSlotOne) {
  open("views_two_players.txt");
  ASSERT_FLOAT_EQ(state.PlayerIndex, 1.5f);
  choosePlayer(1);
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("Bo's Combat Performance Stats"));
  EXPECT_EQ(main->lbCombat[1]->Caption(), QStringLiteral("Dmg vs Ana Ruiz"));
  EXPECT_EQ(main->lbCombatVal[0]->Caption(), QStringLiteral(": 9050 - 30 kills, 17 losses"));
}

struct OpponentColumn {
  int column;
  corv::Rgb colour;
};

void PrintTo(const OpponentColumn& c, std::ostream* os) { *os << "column " << c.column; }

class EightPlayersSlotThree : public PlayerViews, public ::testing::WithParamInterface<OpponentColumn> {
 protected:
  void SetUp() override {
    open("views_eight_players.txt");
    choosePlayer(3);
  }
};

TEST_P(EightPlayersSlotThree, OpponentColumnHasItsColourAndDamage) {
  const int r = GetParam().column;
  const int slot = r <= 3 ? r - 1 : r;  // slots 0, 1, 2, 4, 5, 6, 7
  ASSERT_EQ(main->Graph[3]->ColumnCount(), 7);
  EXPECT_EQ(main->Graph[3]->SeriesFillColor(r), GetParam().colour);
  EXPECT_EQ(main->Graph[3]->columnData(r), QString::number(player(3).DamageTo[slot]));
  EXPECT_EQ(main->lbCombat[r]->Caption(), QStringLiteral("Dmg vs ") + name(slot));
  EXPECT_TRUE(main->lbCombat[r]->Visible());
  EXPECT_EQ(main->lbCombatVal[r]->Caption(), QStringLiteral(": %1").arg(player(3).DamageTo[slot]));
}

INSTANTIATE_TEST_SUITE_P(OpponentColours, EightPlayersSlotThree,
                         ::testing::Values(OpponentColumn{1, rgb(235, 222, 160)}, OpponentColumn{2, rgb(180, 255, 180)},
                                           OpponentColumn{3, rgb(180, 180, 255)}, OpponentColumn{4, rgb(160, 224, 224)},
                                           OpponentColumn{5, rgb(220, 245, 220)}, OpponentColumn{6, rgb(255, 160, 160)},
                                           OpponentColumn{7, rgb(0, 128, 192)}));

TEST_F(PlayerViews, ValuesLineUpBehindTheWidestOpponentLabel) {
  open("views_eight_players.txt");
  choosePlayer(3);
  float widest = 0;
  for (int r = 1; r < 8; ++r) widest = std::max(widest, main->lbCombat[r]->Width());
  // Slot 6's long name is the widest row label, wider than "Total Damage".
  EXPECT_GT(widest, main->lbCombat[0]->Width());
  for (int r = 0; r < 8; ++r) EXPECT_FLOAT_EQ(main->lbCombatVal[r]->Left(), 540.0f + widest + 70.0f) << r;
  // Own slot 3 dealt 231 to itself: in the total, in no row.
  EXPECT_EQ(main->lbCombatVal[0]->Caption(), QStringLiteral(": 28481 - 23 kills, 16 losses"));
}

TEST_F(PlayerViews, DamageTotalBeyondThirtyTwoBitsIsShownWhole) {
  open("views_two_players.txt");
  state.Players[0].DamageTo = {2000000000, 2000000000, 0, 0, 0, 0, 0, 2000000000};
  choosePlayer(0);
  EXPECT_EQ(main->lbCombatVal[0]->Caption(), QStringLiteral(": 6000000000 - 12 kills, 3 losses"));
}

TEST_F(PlayerViews, EmptyNamesGiveBareTitlesAndLabels) {
  open("views_eight_players.txt");
  choosePlayer(5);  // slot 5 has no name
  EXPECT_EQ(main->lbCombatTitle->Caption(), QStringLiteral("'s Combat Performance Stats"));
  EXPECT_EQ(main->lbGenTitle->Caption(), QStringLiteral("'s Overall Game Performance"));
  choosePlayer(4);
  EXPECT_EQ(main->lbCombat[5]->Caption(), QStringLiteral("Dmg vs "));
}

TEST_F(PlayerViews, AnotherPlayerRewritesTheOpponentRows) {
  open("views_eight_players.txt");
  choosePlayer(7);
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
  EXPECT_EQ(main->lbGenVal[0]->Caption(), QStringLiteral(": %1").arg(p.ShipsTotal));
  EXPECT_EQ(main->lbGenVal[1]->Caption(), QString::fromLatin1(GetParam().timeOfDeath));
  EXPECT_EQ(main->lbGenVal[2]->Caption(), QString());
  EXPECT_EQ(main->lbGenVal[3]->Caption(), QStringLiteral(": %1 pts").arg(p.ResourceScore));
  EXPECT_EQ(main->lbGenVal[4]->Caption(), QStringLiteral(": %1 pts").arg(p.UnitScore));
  EXPECT_EQ(main->lbGenVal[5]->Caption(), QStringLiteral(": %1 pts").arg(p.CombatScore));
  EXPECT_EQ(main->lbGenVal[6]->Caption(), QString());
  EXPECT_EQ(main->lbGenVal[7]->Caption(), QStringLiteral(": %1 pts").arg(p.GeneralScore));
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

TEST_F(PlayerViews, OverviewTimeOfDeathFromTheTwoPlayerLog) {
  open("views_two_players.txt");
  choosePlayer(0);
  EXPECT_EQ(main->lbGenVal[1]->Caption(), QStringLiteral(": 1h 2m 5s"));
  choosePlayer(1);
  EXPECT_EQ(main->lbGenVal[1]->Caption(), QStringLiteral(": Still Alive"));
}

// ---- the dump of a view ----

TEST_F(PlayerViews, PlayerDumpMatchesTheWorkedOutView) {
  std::ifstream in(CORV_TEST_DATA "/views_two_players_slot0.expected", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::string expected = text.str();
  ASSERT_FALSE(expected.empty());
  open("views_two_players.txt");
  std::ostringstream out;
  ASSERT_TRUE(corv::WritePlayerChoice(out, *main, 0));
  // The values' left edge follows the measured "Dmg vs Bo", which depends on the font.
  const std::string left = corv::DumpNumber(main->lbCombat[1]->Left() + main->lbCombat[1]->Width() + 70.0f);
  for (std::size_t at = expected.find("@VALUELEFT@"); at != std::string::npos; at = expected.find("@VALUELEFT@"))
    expected.replace(at, 11, left);
  EXPECT_EQ(out.str(), expected);
}

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

}  // namespace
