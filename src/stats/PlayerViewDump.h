// A plain-text dump of the four pages after a choice in the view chooser, for
// the developer tool statsdump and for golden-file checks of the player views.
//
// Format, one value per line, `key=value`. First the choice:
//
//   view=player <slot>      or      view=summary
//
// A summary choice is followed by the summary pages in the format of
// stats/PageDump.h. A player choice is followed, for each page p from 0 to 3
// (Overview, Resource, Unit, Combat), by:
//
//   view.page.<p>.title=<title caption>
//   for every row r from 0 to 7, shown or not:
//   view.page.<p>.row.<r>.label.caption=<row label caption>
//   view.page.<p>.row.<r>.label.visible=<0 or 1>
//   view.page.<p>.row.<r>.label.left=<left>
//   view.page.<p>.row.<r>.label.top=<top>
//   view.page.<p>.row.<r>.value.caption=<value label caption>
//   view.page.<p>.row.<r>.value.visible=<0 or 1>
//   view.page.<p>.row.<r>.value.left=<left>
//   view.page.<p>.row.<r>.value.top=<top>
//   then the page's chart:
//   view.page.<p>.chart.kind=<pie or bar>
//   view.page.<p>.chart.visible=<0 or 1>
//   view.page.<p>.chart.columns=<column count>
//   and for every column c from 1 to the column count:
//   view.page.<p>.chart.column.<c>.value=<data text>
//   view.page.<p>.chart.column.<c>.colour=<RRGGBB>
//
// Numbers and colours are written as in stats/PageDump.h (two decimals at
// most, trailing zeros dropped; upper-case hex, red first). Texts are UTF-8.
#pragma once

#include <iosfwd>

class Main;

namespace corv {

// The four pages as they stand now, in the player-view keys above.
void WritePlayerView(std::ostream& out, Main& main);

// Chooses the player of `slot` (item slot + 2) in the Overview page's chooser
// as a user would and writes the header and the pages. Returns false, writing
// nothing, when the chooser has no player for that slot.
bool WritePlayerChoice(std::ostream& out, Main& main, int slot);

// Chooses "Summary" as a user would and writes the header and the summary pages.
void WriteSummaryChoice(std::ostream& out, Main& main);

}  // namespace corv
