// The summary layout of the four pages and DoStats, which lays them out and
// runs the four scoring routines.
#include <array>
#include <cstddef>
#include <optional>

#include "stats/Main.h"
#include "stats/Summaries.h"
#include "stats/SummaryBand.h"
#include "ui/Chart.h"
#include "ui/Controls.h"

void Main::DoStats() {
  LayoutSummaryPage("Resource");
  LayoutSummaryPage("Unit");
  LayoutSummaryPage("Combat");
  LayoutSummaryPage("General");
  ResourceSummary(*this);
  UnitSummary(*this);
  CombatSummary(*this);
  GeneralSummary(*this);
}

// A Category other than the four keywords picks no page: the legend squares
// are still hidden and the two-player rule still applies, and then nothing
// else happens, since there are no rows to place.
void Main::LayoutSummaryPage(const std::string& Category) {
  std::array<ui::Shape*, 8> Bars{};
  std::array<ui::Label*, 8> Names{};
  std::array<ui::Label*, 8> Vals{};
  bool picked = false;
  for (std::size_t i = 0; i < 8; ++i) {
    const auto pick = [&](ui::Chart* chart, ui::Shape* bar, ui::Label* name, ui::Label* val) {
      chart->setVisible(false);
      Bars[i] = bar;
      Names[i] = name;
      Vals[i] = val;
      picked = true;
    };
    if (Category == "Resource") pick(Graph[1], lnRes[i], lbRes[i], lbResVal[i]);
    if (Category == "Unit") pick(Graph[2], lnUnit[i], lbUnit[i], lbUnitVal[i]);
    if (Category == "Combat") pick(Graph[3], lnCombat[i], lbCombat[i], lbCombatVal[i]);
    if (Category == "General") pick(Graph[0], lnGen[i], lbGen[i], lbGenVal[i]);
  }

  // Every page's squares, whatever the page: a set without square i is passed over.
  for (std::size_t i = 0; i < 8; ++i) {
    if (i < legGeneral.size()) legGeneral[i]->setVisible(false);
    if (i < legRes.size()) legRes[i]->setVisible(false);
    if (i < legUnit.size()) legUnit[i]->setVisible(false);
    if (i < legCombat.size()) legCombat[i]->setVisible(false);
  }

  // Two players are spread as if there were a half more; the change stays
  // until the next log is opened, so every later reader sees 1.5.
  state().PlayerIndex = corv::twoPlayerRule(state().PlayerIndex);
  if (!picked) return;
  const float P = state().PlayerIndex;

  for (std::size_t i = 0; i < 8; ++i) {
    if (!corv::summaryRowShown(static_cast<int>(i), P)) {
      Bars[i]->setVisible(false);
      Names[i]->setVisible(false);
    }
    // Also in the shown rows: the summary has no values beside its rows.
    Vals[i]->setVisible(false);
  }
  for (std::size_t i = 0; i < 8 && corv::summaryRowShown(static_cast<int>(i), P); ++i) {
    Bars[i]->setVisible(true);
    Names[i]->setVisible(true);
  }

  // Rows the band has no place for keep their top; they lie beyond P and are hidden.
  const std::array<std::optional<float>, 8> tops = corv::summaryRowTops(P);
  for (std::size_t k = 0; k < 8; ++k)
    if (tops[k]) Names[k]->setTop(*tops[k]);

  // From the label as it reports itself, so a taller caption pushes its bar down.
  for (std::size_t i = 0; i < 8; ++i) Bars[i]->setTop(corv::summaryBarTop(Names[i]->Top(), Names[i]->Height(), P));
}
