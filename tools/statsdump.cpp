// statsdump FILE [--player N | --player summary]...: reads a game log as the
// program does and prints what it found, one value per line, for checking a
// log by eye or against a golden file: first the reader's summary and the
// player records, then the four summary pages of the statistics window after
// the log was opened into it (the page format is described in
// stats/PageDump.h). Each --player then chooses in the view chooser as a user
// would, the player of slot N or "Summary", and prints the pages again (the
// format is described in stats/PlayerViewDump.h).
#include <QApplication>
#include <QFile>
#include <QString>
#include <charconv>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "log/PlayerStats.h"
#include "log/RecordDump.h"
#include "stats/Main.h"
#include "stats/PageDump.h"
#include "stats/PlayerViewDump.h"

namespace {

constexpr int kSummary = -1;

// The views asked for, in order: a slot, or kSummary. False on a malformed request.
bool parseViews(int argc, char** argv, std::vector<int>& views) {
  for (int i = 2; i < argc; i += 2) {
    if (std::string(argv[i]) != "--player" || i + 1 >= argc) return false;
    const std::string what = argv[i + 1];
    if (what == "summary") {
      views.push_back(kSummary);
      continue;
    }
    int slot = 0;
    const auto [end, error] = std::from_chars(what.data(), what.data() + what.size(), slot);
    if (error != std::errc() || end != what.data() + what.size() || slot < 0) return false;
    views.push_back(slot);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> views;
  if (argc < 2 || !parseViews(argc, argv, views)) {
    std::cerr << "usage: statsdump FILE [--player N | --player summary]...\n";
    return 2;
  }
  corv::StatsState state;
  corv::WriteLogDump(std::cout, state, argv[1]);

  // The window is built but never shown: no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  corv::StatsState windowState;
  Main window(windowState);
  std::ostringstream pages;
  corv::WritePageDump(pages, window, QFile::decodeName(argv[1]));
  std::cout << pages.str();

  if (views.empty()) return 0;
  // A rejected log has no summary behind it, and the views are built on one.
  if (pages.str().rfind("invalid=", 0) == 0) {
    std::cerr << "statsdump: the log was rejected; no views to choose\n";
    return 1;
  }
  for (const int view : views) {
    if (view == kSummary) {
      corv::WriteSummaryChoice(std::cout, window);
    } else if (!corv::WritePlayerChoice(std::cout, window, view)) {
      std::cerr << "statsdump: the log has no player in slot " << view << '\n';
      return 1;
    }
  }
  return 0;
}
