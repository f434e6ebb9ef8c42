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

void writeCategoryPage(Main& main, corv::Category c, ui::Label& title, const std::array<ui::Label*, 8>& rows,
                       const std::array<ui::Shape*, 8>& bars) {
  corv::StatsState& s = main.state();
  const corv::CategorySummaryResult result = corv::computeCategorySummary(c, s);

  title.setCaption(QString::fromStdString(result.title));
  for (std::size_t slot = 0; slot < result.scores.size(); ++slot)
    corv::scoreField(s.Players[slot], c) = result.scores[slot];

  for (std::size_t r = 0; r < result.rows.size() && r < rows.size(); ++r) {
    const corv::CategoryRow& row = result.rows[r];
    setRankedCaption(*rows[r], s.Players[static_cast<std::size_t>(row.slot)], row.score);
    bars[r]->setWidth(row.width);
    bars[r]->setFillColor(row.colour);
  }
}

}  // namespace

void ResourceSummary(Main& main) {
  writeCategoryPage(main, corv::Category::Resource, *main.lbResTitle, main.lbRes, main.lnRes);
}

void UnitSummary(Main& main) {
  writeCategoryPage(main, corv::Category::Unit, *main.lbUnitTitle, main.lbUnit, main.lnUnit);
}

void CombatSummary(Main& main) {
  writeCategoryPage(main, corv::Category::Combat, *main.lbCombatTitle, main.lbCombat, main.lnCombat);
}

void GeneralSummary(Main& main) {
  corv::StatsState& s = main.state();
  main.lbGenTitle->setCaption(QStringLiteral("Overall Game Performance"));

  // The layout places only the resource segments; the other two follow them.
  for (std::size_t i = 0; i < main.lnGen.size(); ++i) {
    for (ui::Shape* segment : {main.lnGen2[i], main.lnGen3[i]}) {
      segment->setVisible(main.lnGen[i]->Visible());
      segment->setTop(main.lnGen[i]->Top());
    }
  }

  const corv::GeneralSummaryResult result = corv::computeGeneralSummary(s);
  for (std::size_t slot = 0; slot < result.scores.size(); ++slot) s.Players[slot].GeneralScore = result.scores[slot];

  for (std::size_t j = 0; j < result.rows.size() && j < main.lbGen.size(); ++j) {
    const corv::GeneralRow& row = result.rows[j];
    ui::Shape& resource = *main.lnGen[j];
    ui::Shape& unit = *main.lnGen2[j];
    ui::Shape& combat = *main.lnGen3[j];
    setRankedCaption(*main.lbGen[j], s.Players[static_cast<std::size_t>(row.slot)], row.score);
    // Each segment starts where the one before it ends, as that one now
    // stands, so the bar stays whole wherever its first segment was put.
    resource.setWidth(row.widths[0]);
    unit.setLeft(corv::nextSegmentLeft(resource.Left(), resource.Width()));
    unit.setWidth(row.widths[1]);
    combat.setLeft(corv::nextSegmentLeft(unit.Left(), unit.Width()));
    combat.setWidth(row.widths[2]);
    resource.setFillColor(row.colours[0]);
    unit.setFillColor(row.colours[1]);
    combat.setFillColor(row.colours[2]);
  }
}
