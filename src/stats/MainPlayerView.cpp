// The view chooser: the summary of all players again, or one player's
// figures on all four pages. Every figure is plain number text: the chart
// takes it as its data value, and a value label shows it behind ": ".
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "stats/Main.h"
#include "stats/MainDesign.h"
#include "stats/Scoring.h"
#include "stats/Summaries.h"
#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }
QString number(long long v) { return text(corv::numText(v)); }
QString value(long long v) { return QStringLiteral(": ") + number(v); }
QString points(long long v) { return value(v) + QStringLiteral(" pts"); }

void setColumn(ui::Chart& chart, int column, long long v) {
  chart.setColumn(column);
  chart.setData(number(v));
}

// "<name>'s ..." with the name cut short where the title would run off the page.
void setTitle(const PageControls& page, corv::Page p, const corv::PlayerStats& pl) {
  page.title->setCaption(page.title->captionFitting({}, text(pl.Name),
                                                    QString::fromLatin1(mainDesign::pageDesign(p).playerTitle),
                                                    mainDesign::kTitleMaxWidth));
}

// The busy page goes behind the tab pages, so whichever page was in front
// before the choice shows again.
void endOfChoice(Main& w) {
  w.tbThink->ZOrder(ui::Control::kBack);
  w.refreshWindow();
}

// A page of eight figures of the record, one per row; the first `charted` of
// them are also the chart's columns.
void fillFigurePage(Main& w, corv::Page p, const std::array<long long, 8>& figures, int charted,
                    const corv::PlayerStats& pl) {
  const PageControls& page = w.page(p);
  w.LayoutPlayerPage(corv::keywordOf(p));
  for (int c = 1; c <= charted; ++c) setColumn(*page.chart, c, figures[c - 1]);
  setTitle(page, p, pl);
  for (int r = 0; r < 8; ++r) page.values[r]->setCaption(value(figures[r]));
}

void fillResourcePage(Main& w, const corv::PlayerStats& pl) {
  // Spent, given and remaining are value labels only; the pie has five columns.
  fillFigurePage(w, corv::Page::Resource,
                 {pl.RUCollected, pl.RUInjected, pl.RUReceived, pl.RUGenerated, pl.RUBounties, pl.RUSpent,
                  pl.RUGiven, pl.RUCurrent},
                 5, pl);
}

void fillUnitPage(Main& w, const corv::PlayerStats& pl) {
  // The page's order, not the record's: destroyers and carriers come before
  // the heavy cruisers.
  fillFigurePage(w, corv::Page::Unit,
                 {pl.NonCombat, pl.Resource, pl.Fighter, pl.Corvette, pl.Frigate, pl.Destroyer, pl.Carrier,
                  pl.HeavyCruiser},
                 8, pl);
}

void fillCombatPage(Main& w, int p, int lastSlot) {
  const corv::PlayerStats& pl = w.state().Players[p];
  w.LayoutPlayerPage(corv::keywordOf(corv::Page::Combat));
  setTitle(w.page(corv::Page::Combat), corv::Page::Combat, pl);
  // Added wide: eight 32-bit entries can exceed the 32-bit range together.
  w.lbCombatVal[0]->setCaption(value(corv::damageTotal(pl)) + QStringLiteral(" - ") + number(pl.Kills) +
                               QStringLiteral(" kills, ") + number(pl.Losses) + QStringLiteral(" losses"));

  ui::Chart& chart = *w.page(corv::Page::Combat).chart;
  const int opponents = lastSlot;
  chart.setColumnCount(opponents);
  // The opponent columns borrow the Unit chart's colours from its second series on.
  for (int i = 1; i <= opponents; ++i)
    chart.setSeriesFillColor(i, w.page(corv::Page::Unit).chart->SeriesFillColor(i + 1));

  // The other players take rows and columns 1 on, in slot order.
  std::vector<int> others;
  for (int i = 0; i <= lastSlot; ++i)
    if (i != p) others.push_back(i);
  float widestValue = 0;
  for (int row = 1; row <= static_cast<int>(others.size()); ++row) {
    const long long damage = pl.DamageTo[others[row - 1]];
    w.lbCombatVal[row]->setCaption(value(damage));
    widestValue = std::max(widestValue, w.lbCombatVal[row]->Width());
    setColumn(chart, row, damage);
  }

  // The value column starts right of its widest label, "Total Damage"
  // included; an opponent's name takes no more room than leaves the values
  // beside the chart clear of it.
  using mainDesign::kCombatValueGap;
  float widest = w.lbCombat[0]->Width();
  for (int row = 1; row <= static_cast<int>(others.size()); ++row) {
    ui::Label* label = w.lbCombat[row];
    label->setVisible(true);
    const float room = mainDesign::kCombatValuesRight - widestValue - kCombatValueGap - label->Left();
    label->setCaption(label->captionFitting(QStringLiteral("Dmg vs "), text(w.state().Players[others[row - 1]].Name),
                                            {}, room));
    widest = std::max(widest, label->Width());
  }
  for (int r = 0; r <= lastSlot; ++r) w.lbCombatVal[r]->setLeft(w.lbCombat[r]->Left() + widest + kCombatValueGap);
}

void fillOverviewPage(Main& w, const corv::PlayerStats& pl) {
  w.LayoutPlayerPage(corv::keywordOf(corv::Page::Overview));
  ui::Chart& chart = *w.page(corv::Page::Overview).chart;
  setColumn(chart, 1, pl.ResourceScore);
  setColumn(chart, 2, pl.UnitScore);
  setColumn(chart, 3, pl.CombatScore);
  setTitle(w.page(corv::Page::Overview), corv::Page::Overview, pl);
  w.lbGenVal[0]->setCaption(value(pl.ShipsTotal));
  w.lbGenVal[1]->setCaption(pl.TimeOfDeath == 0 ? QStringLiteral(": Still Alive")
                                                : QStringLiteral(": ") + text(corv::FormatHMS(pl.TimeOfDeath)));
  w.lbGenVal[2]->setCaption(QString());
  w.lbGenVal[3]->setCaption(points(pl.ResourceScore));
  w.lbGenVal[4]->setCaption(points(pl.UnitScore));
  w.lbGenVal[5]->setCaption(points(pl.CombatScore));
  w.lbGenVal[6]->setCaption(QString());
  w.lbGenVal[7]->setCaption(points(pl.GeneralScore));
}

}  // namespace

void Main::cbView_Click(int Index) {
  if (Index < 0 || Index >= static_cast<int>(cbView.size())) return;
  const int n = cbView[Index]->SelectedIndex();
  const int s = n - 1;
  // Only the listed items lead anywhere: "Summary" and one item per player.
  if (n < 1 || s - 1 >= corv::playerCount(state_.PlayerIndex)) return;

  // Set from code: raises no click, so this handler does not run again.
  for (ui::Chooser* chooser : cbView) chooser->setSelectedIndex(n);

  if (s == 0) {
    ShowSummaryView();
  } else {
    ShowPlayerView(s - 1);
  }
}

void Main::ShowSummaryView() {
  tbThink->ZOrder(ui::Control::kFront);
  // Exactly the eight steps that follow opening a log.
  DoStats();
  endOfChoice(*this);
}

void Main::ShowPlayerView(int p) {
  const int lastSlot = corv::playerCount(state_.PlayerIndex) - 1;
  if (p < 0 || p > lastSlot) return;
  const corv::PlayerStats& pl = state_.Players[p];

  tbThink->ZOrder(ui::Control::kFront);
  fillResourcePage(*this, pl);
  fillUnitPage(*this, pl);
  fillCombatPage(*this, p, lastSlot);
  fillOverviewPage(*this, pl);
  endOfChoice(*this);
}
