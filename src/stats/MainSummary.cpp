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
  for (const corv::Page p : {corv::Page::Resource, corv::Page::Unit, corv::Page::Combat, corv::Page::Overview})
    LayoutSummaryPage(corv::keywordOf(p));
  ResourceSummary(*this);
  UnitSummary(*this);
  CombatSummary(*this);
  GeneralSummary(*this);
}

// A Category other than the four keywords picks no page: the legend squares
// are still hidden and the two-player rule still applies, and then nothing
// else happens, since there are no rows to place.
void Main::LayoutSummaryPage(const std::string& Category) {
  const std::optional<corv::Page> picked = corv::pageOfKeyword(Category);

  // Every page's squares, whatever the page.
  for (const PageControls& p : pages_)
    for (ui::Shape* square : p.legend) square->setVisible(false);

  // Two players are spread as if there were a half more; the change stays
  // until the next log is opened, so every later reader sees 1.5.
  state().PlayerIndex = corv::twoPlayerRule(state().PlayerIndex);
  if (!picked) return;
  const PageControls& page = this->page(*picked);
  page.chart->setVisible(false);
  const auto& Bars = page.bars[0];
  const auto& Names = page.rows;
  const float P = state().PlayerIndex;

  for (std::size_t i = 0; i < 8; ++i) {
    if (!corv::summaryRowShown(static_cast<int>(i), P)) {
      Bars[i]->setVisible(false);
      Names[i]->setVisible(false);
    }
    // Also in the shown rows: the summary has no values beside its rows.
    page.values[i]->setVisible(false);
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
