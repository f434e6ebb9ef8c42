#include "stats/Summaries.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

#include "stats/Main.h"
#include "stats/MainDesign.h"
#include "stats/Scoring.h"
#include "stats/ScoringSummary.h"
#include "ui/Controls.h"

namespace {

// The ranked row's caption, the name cut short where it would run off the page.
void setRankedCaption(ui::Label& row, const corv::PlayerStats& player, std::int64_t score) {
  row.setCaption(row.captionFitting({}, QString::fromStdString(player.Name),
                                    QString::fromStdString(corv::summaryCaptionAfterName(player, score)),
                                    mainDesign::kRowMaxWidth));
}

void setPageTitle(const PageControls& page, corv::Page p) {
  page.title->setCaption(QString::fromLatin1(mainDesign::pageDesign(p).title));
}

void writeCategoryPage(Main& main, corv::Page c) {
  corv::StatsState& s = main.state();
  const PageControls& page = main.page(c);
  const corv::CategorySummaryResult result = corv::computeCategorySummary(c, s);

  setPageTitle(page, c);
  for (std::size_t slot = 0; slot < result.scores.size(); ++slot)
    corv::scoreField(s.Players[slot], c) = result.scores[slot];

  for (std::size_t r = 0; r < result.rows.size() && r < page.rows.size(); ++r) {
    const corv::CategoryRow& row = result.rows[r];
    setRankedCaption(*page.rows[r], s.Players[static_cast<std::size_t>(row.slot)], row.score);
    page.bars[0][r]->setWidth(row.width);
    page.bars[0][r]->setFillColor(row.colour);
  }
}

}  // namespace

void ResourceSummary(Main& main) { writeCategoryPage(main, corv::Page::Resource); }

void UnitSummary(Main& main) { writeCategoryPage(main, corv::Page::Unit); }

void CombatSummary(Main& main) { writeCategoryPage(main, corv::Page::Combat); }

void GeneralSummary(Main& main) {
  corv::StatsState& s = main.state();
  const PageControls& page = main.page(corv::Page::Overview);
  setPageTitle(page, corv::Page::Overview);

  // The layout places only the resource segments; the other two follow them.
  const auto& first = page.bars[0];
  for (std::size_t k = 1; k < page.bars.size(); ++k) {
    for (std::size_t i = 0; i < first.size(); ++i) {
      page.bars[k][i]->setVisible(first[i]->Visible());
      page.bars[k][i]->setTop(first[i]->Top());
    }
  }

  const corv::GeneralSummaryResult result = corv::computeGeneralSummary(s);
  for (std::size_t slot = 0; slot < result.scores.size(); ++slot) s.Players[slot].GeneralScore = result.scores[slot];

  for (std::size_t j = 0; j < result.rows.size() && j < page.rows.size(); ++j) {
    const corv::GeneralRow& row = result.rows[j];
    setRankedCaption(*page.rows[j], s.Players[static_cast<std::size_t>(row.slot)], row.score);
    // Each segment starts where the one before it ends, as that one now
    // stands, so the bar stays whole wherever its first segment was put.
    for (std::size_t k = 0; k < page.bars.size(); ++k) {
      ui::Shape& segment = *page.bars[k][j];
      if (k > 0) segment.setLeft(corv::nextSegmentLeft(page.bars[k - 1][j]->Left(), page.bars[k - 1][j]->Width()));
      segment.setWidth(row.widths[k]);
      segment.setFillColor(row.colours[k]);
    }
  }
}
