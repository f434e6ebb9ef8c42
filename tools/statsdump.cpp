// statsdump FILE: reads a game log as the program does and prints what it found,
// one value per line, for checking a log by eye or against a golden file:
// first the reader's summary and the player records, then the four summary
// pages of the statistics window after the log was opened into it (the page
// format is described in stats/PageDump.h).
#include <QApplication>
#include <QFile>
#include <QString>
#include <iostream>

#include "log/PlayerStats.h"
#include "log/RecordDump.h"
#include "stats/Main.h"
#include "stats/PageDump.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: statsdump FILE\n";
    return 2;
  }
  corv::StatsState state;
  corv::WriteLogDump(std::cout, state, argv[1]);

  // The window is built but never shown: no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  corv::StatsState windowState;
  Main window(windowState);
  corv::WritePageDump(std::cout, window, QFile::decodeName(argv[1]));
  return 0;
}
