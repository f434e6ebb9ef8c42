// What the user waits for besides reading a log: the launcher from start to
// shown, the statistics window made on first use, and a view chooser click
// rebuilding the four pages for one player and for the summary.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "BenchMain.h"

#include <string>

#include "log/PlayerStats.h"
#include "shell/Registry.h"
#include "shell/Startup.h"
#include "stats/Main.h"
#include "ui/Chooser.h"

namespace {

const QString kEightPlayers = QStringLiteral(CORV_BENCH_DATA "/pages_v104_eight_players.txt");

void BM_LauncherStartToShown(benchmark::State& bench) {
  QTemporaryDir config;
  shell::setRegistryRoot(config.path().toStdString());
  shell::WriteRegString(shell::HKEY_LOCAL_MACHINE, shell::kSettingKey, shell::kSettingValue, "/tmp");
  for (auto _ : bench) {
    corv::StatsState state;
    shell::Startup launcher(state);
    launcher.Show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(launcher.CD.FileName);
  }
  shell::setRegistryRoot(std::string());
}
BENCHMARK(BM_LauncherStartToShown)->Unit(benchmark::kMillisecond);

void BM_StatisticsWindowMade(benchmark::State& bench) {
  corv::StatsState state;
  for (auto _ : bench) {
    Main window(state);
    benchmark::DoNotOptimize(window.Graph[3]);
  }
}
BENCHMARK(BM_StatisticsWindowMade)->Unit(benchmark::kMillisecond);

void BM_ChooserClick(benchmark::State& bench) {
  corv::StatsState state;
  Main window(state);
  window.openLog(kEightPlayers);
  window.DoStats();
  const int item = static_cast<int>(bench.range(0));
  for (auto _ : bench) {
    window.cbView[0]->userChoose(item);
    benchmark::DoNotOptimize(window.lbGenTitle);
  }
}
// Item 1 is the summary, item 5 the player in slot 3.
BENCHMARK(BM_ChooserClick)->Arg(1)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
