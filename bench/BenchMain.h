// The entry of the benchmarks that build windows: a QApplication first (on the
// offscreen platform unless told otherwise), and message boxes answered, so
// that a rejected log reports instead of waiting for a person.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include "ui/Dialogs.h"

inline int runWindowBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::dialogHandlers().messageBox = [](QWidget*, const QString&, int, const QString&) { return ui::kMsgResultOk; };
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
