// The one-player layout of a page: the frame that the player views fill with
// one player's figures. It undoes what the summary layout shows (bars) and
// shows what the summary hides (legend squares, value labels, the chart).
#include <optional>

#include "stats/Main.h"
#include "stats/MainDesign.h"
#include "stats/Scoring.h"
#include "ui/Chart.h"
#include "ui/Controls.h"

void Main::LayoutPlayerPage(const std::string& Category) {
  using corv::Page;
  // No caller passes another word; leave every page as it is.
  const std::optional<Page> picked = corv::pageOfKeyword(Category);
  if (!picked) return;
  const PageControls& page = this->page(*picked);
  const mainDesign::PageDesign& design = mainDesign::pageDesign(*picked);

  // Players are the slots 0..PlayerIndex; held to the eight rows whatever the value.
  const int lastSlot = corv::playerCount(state_.PlayerIndex) - 1;
  for (const auto& segment : page.bars)
    for (int i = 0; i <= lastSlot; ++i) segment[i]->setVisible(false);

  // Every call shows the squares of all four pages; the Combat page has one
  // per opponent row and none for its total.
  for (const Page p : {Page::Overview, Page::Resource, Page::Unit})
    for (ui::Shape* square : this->page(p).legend) square->setVisible(true);
  for (int i = 1; i <= lastSlot; ++i) legCombat[i]->setVisible(true);

  for (int i = 0; i < 8; ++i) {
    ui::Label* name = page.rows[i];
    ui::Label* val = page.values[i];
    name->setTop(mainDesign::playerRowTop(i));
    name->setVisible(true);
    val->setTop(mainDesign::playerRowTop(i));
    val->setVisible(true);
    val->setLeft(design.playerValueLeft);
  }

  page.chart->setVisible(true);
  for (int i = 0; i < 8; ++i) page.rows[i]->setCaption(QString::fromLatin1(design.playerRows[i]));
  // The Combat page's values are the view's to write, row by row.
  if (*picked == Page::Combat)
    for (ui::Label* val : page.values) val->setCaption(QString());
}
