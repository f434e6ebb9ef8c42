// A plain-text dump of the four summary pages as the statistics window shows
// them, for the developer tool statsdump and for golden-file tests.
//
// Format, one value per line, `key=value`, pages in page order 0 to 3
// (Overview, Resource, Unit, Combat):
//
//   page.<p>.title=<title caption>
//   then for each shown row r (its row label visible), from row 0 down:
//   page.<p>.row.<r>.caption=<row caption>
//   page.<p>.row.<r>.top=<row label top>
//   and for each visible bar k of the row (k 0 to 2 on the Overview: the
//   resource, unit and combat segments; k 0 alone on the other pages):
//   page.<p>.row.<r>.bar.<k>.left=<left>
//   page.<p>.row.<r>.bar.<k>.top=<top>
//   page.<p>.row.<r>.bar.<k>.width=<width>
//   page.<p>.row.<r>.bar.<k>.fill=<RRGGBB>
//
// Positions are twips relative to the page, rounded to two decimals with
// trailing zeros dropped (1233.33, 7035, 3517.5); fills are upper-case hex,
// red first. Texts are UTF-8.
//
// A log the window rejects gives the one line
//   invalid=<message box text>
// with a line break (CR LF, or a CR or LF alone) written as the two
// characters \n and a backslash as \\, so the text stays on one line.
#pragma once

#include <QString>
#include <iosfwd>
#include <string>

#include "core/Numbers.h"

class Main;

namespace corv {

// 1233.3334 -> "1233.33", 7035 -> "7035", -0.001 -> "0".
std::string DumpNumber(float v);
// (50, 255, 50) -> "32FF32".
std::string DumpColour(Rgb c);
// The message box text on one line (see above).
std::string DumpMessage(const QString& text);

// The summary pages as they stand now.
void WritePages(std::ostream& out, Main& main);

// What opening a log did: whether the window accepted it and the text of the
// message box it showed, if any.
struct OpenedLog {
  bool valid = false;
  QString message;
};

// Opens the log into the window as the launcher does (Main::openLogAsLauncher,
// with no launcher to hide). The message box is answered by a recorder for
// the length of the call, so nothing waits for a person; the handler in force
// before is put back afterwards.
OpenedLog OpenLogAsLauncher(Main& main, const QString& path);

// Opens the log as above and writes the pages, or the invalid line.
void WritePageDump(std::ostream& out, Main& main, const QString& path);

}  // namespace corv
