// statsdump FILE [FILE...] [--player N | --player summary]...: opens the game
// logs one after another into one statistics window, as a user opens one log
// after another, and prints what the last one left, one value per line, for
// checking a log by eye or against a golden file: first the reader's summary
// and the player records as the window holds them (ship totals and scores
// filled in), then the four summary pages (the page format is described in
// dump/PageDump.h). Each --player then chooses in the view chooser as a user
// would, the player of slot N or "Summary", and prints the pages again (the
// format is described in dump/WindowDump.h).
#include <QApplication>
#include <QFile>
#include <QString>
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "log/LogReader.h"
#include "log/PlayerStats.h"
#include "dump/RecordDump.h"
#include "stats/Main.h"
#include "dump/PageDump.h"
#include "dump/WindowDump.h"
#include "ui/Dialogs.h"

namespace {

constexpr int kSummary = -1;

// The files, then the views asked for, in order: a slot, or kSummary. False
// on a malformed request.
bool parseArguments(int argc, char** argv, std::vector<std::string>& files, std::vector<int>& views) {
  int i = 1;
  for (; i < argc && std::string(argv[i]) != "--player"; ++i) files.emplace_back(argv[i]);
  for (; i < argc; i += 2) {
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
  return !files.empty();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::vector<int> views;
  if (!parseArguments(argc, argv, files, views)) {
    std::cerr << "usage: statsdump FILE [FILE...] [--player N | --player summary]...\n";
    return 2;
  }

  for (const std::string& file : files) {
    // Only what the launcher's dialog would let through: a FIFO or a device
    // could block or never end.
    if (!corv::IsNormalFile(file)) {
      std::cerr << "statsdump: " << file << ": no regular, visible file there (the launcher would not open it)\n";
      return 2;
    }
  }

  // The window is built but never needs a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  corv::StatsState state;
  Main window(state);
  corv::OpenedLog opened;
  // Between two actions the event loop runs, as it does for a user: without
  // it, what each action leaves to the loop would pile up.
  for (const std::string& file : files) {
    opened = corv::OpenLogAsLauncher(window, QFile::decodeName(file.c_str()));
    ui::PassEventLoop();
  }

  corv::WriteReadSummary(std::cout, window.lastRead, state);
  corv::WriteRecords(std::cout, state);
  if (!opened.valid) {
    std::cout << "invalid=" << corv::DumpMessage(opened.message) << '\n';
    if (views.empty()) return 0;
    // A rejected log has no summary behind it, and the views are built on one.
    std::cerr << "statsdump: the log was rejected; no views to choose\n";
    return 1;
  }
  corv::WritePages(std::cout, window);

  for (const int view : views) {
    if (view == kSummary) {
      corv::WriteSummaryChoice(std::cout, window);
    } else if (!corv::WritePlayerChoice(std::cout, window, view)) {
      std::cerr << "statsdump: the log has no player in slot " << view << '\n';
      return 1;
    }
    ui::PassEventLoop();
  }
  return 0;
}
