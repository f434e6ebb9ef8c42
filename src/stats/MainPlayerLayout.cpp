// The one-player layout of a page: the frame that the player views fill with
// one player's figures. It undoes what the summary layout shows (bars) and
// shows what the summary hides (legend squares, value labels, the chart).
#include <array>

#include "stats/Main.h"
#include "stats/Scoring.h"
#include "ui/Chart.h"
#include "ui/Controls.h"

namespace {

using Rows = std::array<ui::Label*, 8>;
using Bars = std::array<ui::Shape*, 8>;

struct PlayerPage {
  Bars* bars;
  Rows* names;
  Rows* vals;
  ui::Chart* chart;
  float valueLeft;
  // Fixed row captions; null for the Combat page, whose rows the view writes.
  const std::array<const char*, 8>* captions;
};

// "RU 's" keeps its blank before the apostrophe: it is how the rows have always read.
constexpr std::array<const char*, 8> kResourceCaptions{
    "RU 's Collected", "RU 's Injected", "RU 's Received",     "RU 's Generated",
    "RU 's via Bounties", "RU 's Spent", "RU 's Given", "RU 's Remaining"};
constexpr std::array<const char*, 8> kUnitCaptions{
    "Non-Combat Units",      "Resource-Class Units", "Fighter-Class Units", "Corvette-Class Units",
    "Frigate-Class Units", "Destroyer-Class Units", "Carriers",            "Heavy Cruisers"};
constexpr std::array<const char*, 8> kGeneralCaptions{
    "Total Ships Built", "Time of Death",      "",  "Resource Management",
    "Unit Management",   "Combat Performance", "",  "Total Score"};

constexpr float rowTop(int i) { return 1150.0f + 450.0f * static_cast<float>(i); }

template <class Array>
void showAll(Array& controls) {
  for (auto* c : controls) c->setVisible(true);
}

}  // namespace

void Main::LayoutPlayerPage(const std::string& Category) {
  PlayerPage page{};
  if (Category == "General") {
    page = {&lnGen, &lbGen, &lbGenVal, Graph[0], 2800.0f, &kGeneralCaptions};
  } else if (Category == "Resource") {
    page = {&lnRes, &lbRes, &lbResVal, Graph[1], 2350.0f, &kResourceCaptions};
  } else if (Category == "Unit") {
    page = {&lnUnit, &lbUnit, &lbUnitVal, Graph[2], 2730.0f, &kUnitCaptions};
  } else if (Category == "Combat") {
    page = {&lnCombat, &lbCombat, &lbCombatVal, Graph[3], 1950.0f, nullptr};
  } else {
    // No caller passes another word; leave every page as it is.
    return;
  }

  // Players are the slots 0..PlayerIndex; held to the eight rows whatever the value.
  const int lastSlot = corv::playerCount(state_.PlayerIndex) - 1;

  if (Category == "General") {
    for (int j = 0; j <= lastSlot; ++j) {
      lnGen2[j]->setVisible(false);
      lnGen3[j]->setVisible(false);
    }
  }
  for (int i = 0; i <= lastSlot; ++i) (*page.bars)[i]->setVisible(false);

  // Every call shows the squares of all four pages; the Combat page has one
  // per opponent row and none for its total.
  showAll(legGeneral);
  showAll(legRes);
  showAll(legUnit);
  for (int i = 1; i <= lastSlot; ++i) legCombat[i]->setVisible(true);

  for (int i = 0; i < 8; ++i) {
    ui::Label* name = (*page.names)[i];
    ui::Label* val = (*page.vals)[i];
    name->setTop(rowTop(i));
    name->setVisible(true);
    val->setTop(rowTop(i));
    val->setVisible(true);
    val->setLeft(page.valueLeft);
  }

  page.chart->setVisible(true);
  if (page.captions) {
    for (int i = 0; i < 8; ++i) (*page.names)[i]->setCaption(QString::fromLatin1((*page.captions)[i]));
  } else {
    for (int i = 0; i < 8; ++i) {
      lbCombat[i]->setCaption(QString());
      lbCombatVal[i]->setCaption(QString());
    }
    lbCombat[0]->setCaption(QStringLiteral("Total Damage"));
  }
}
