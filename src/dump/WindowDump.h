// A plain-text dump of the whole statistics window, for the developer tool
// statsdump and for golden-file checks: of a fresh window (its design), and of
// the player views chosen in the view chooser.
//
// Format: one line for the window, then one line per control, depth first in
// stacking order (a container's controls follow it, bottom-most first):
//
//   window caption="<caption>" frameless=<0|1> client=<w>x<h> back=<RRGGBB>
//   <name> <kind> in=<container> <shown|hidden> <properties>
//
// with the container `window` or a frame's name, and the properties by kind:
//
//   label    at=<left>,<top> size=<w>x<h> font=<font> fore=<RRGGBB> caption="<text>"
//   shape    at=<left>,<top> size=<w>x<h> fill=<RRGGBB> border=<RRGGBB>
//   line     from=<x1>,<y1> to=<x2>,<y2> colour=<RRGGBB> width=<pixels>
//   frame    at=<left>,<top> size=<w>x<h> back=<RRGGBB>
//   image    at=<left>,<top> size=<w>x<h> stretch=<0|1> picture=<w>x<h pixels>
//   chooser  at=<left>,<top> size=<w>x<h> font=<font> selected=<n> items="<a|b|...>"
//   tabs     at=<left>,<top> size=<w>x<h> font=<font> current=<t> tabs="<a|b|...>"
//   chart    at=<left>,<top> size=<w>x<h> <pie|bar> row="<label>" columns=<n>
//            then for every column c from 1: <c>=<data text>/<RRGGBB>
//
// A font is <family>/<points>/<style> with the style one of regular, bold,
// italic, bold-italic, or w<weight> when the design gives a weight. Sizes and
// positions are twips as in dump/PageDump.h (two decimals at most, trailing
// zeros dropped); colours upper-case hex, red first; texts UTF-8 with a line
// break written \n and a backslash \\.
#pragma once

#include <iosfwd>

class Main;

namespace corv {

// Every control of the window as it stands now.
void WriteWindow(std::ostream& out, Main& main);

// Chooses the player of `slot` (item slot + 2) in the Overview page's chooser
// as a user would and writes "view=player <slot>" and the window. Returns
// false, writing nothing, when the chooser has no player for that slot.
bool WritePlayerChoice(std::ostream& out, Main& main, int slot);

// Chooses "Summary" as a user would and writes "view=summary" and the summary
// pages in the format of dump/PageDump.h.
void WriteSummaryChoice(std::ostream& out, Main& main);

}  // namespace corv
