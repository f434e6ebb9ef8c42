// Memory that long use keeps: the growth of the heap in use and of the
// resident size over many view choices in one log, and over many logs of
// different player counts opened one after another with every view chosen
// after each. Both are given per 1,000 and should stay under ~100 KB (1 MB
// per 10,000). A warm-up first lets every first-use cache fill, and the event
// loop runs after every action, as it does between a user's clicks.
#include <QString>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include "BenchMain.h"

#include <array>
#include <cstdio>

#include "log/PlayerStats.h"
#include "stats/Main.h"
#include "stats/Scoring.h"
#include "ui/Chooser.h"

namespace {

// Two, three, four and eight players, so that every open changes the count.
const std::array<QString, 4> kLogs{QStringLiteral(CORV_BENCH_DATA "/views_two_players.txt"),
                                   QStringLiteral(CORV_BENCH_DATA "/log_v104_three_players.txt"),
                                   QStringLiteral(CORV_BENCH_DATA "/log_v100_four_players.txt"),
                                   QStringLiteral(CORV_BENCH_DATA "/views_eight_players.txt")};

double heapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return static_cast<double>(m.uordblks + m.hblkhd);
}

double residentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// Growth from the construction to the report, per 1,000 of `count`.
class Growth {
 public:
  Growth() { malloc_trim(0); }
  void report(benchmark::State& bench, double count) {
    malloc_trim(0);
    const auto per1000 = [count](double grown) {
      return benchmark::Counter(grown * 1000.0 / count, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    };
    bench.counters["heap_per_1000"] = per1000(heapInUse() - heap_);
    bench.counters["rss_per_1000"] = per1000(residentBytes() - resident_);
  }

 private:
  double heap_ = heapInUse();
  double resident_ = residentBytes();
};

bool open(Main& window, const QString& path) {
  const bool valid = window.openLogAsLauncher(path, {});
  ui::PassEventLoop();
  return valid;
}

void choose(Main& window, int item) {
  window.cbView[0]->userChoose(item);
  ui::PassEventLoop();
}

int players(Main& window) { return corv::playerCount(window.state().PlayerIndex); }

// Every player's view and then the summary, as a user reads a whole log.
void everyView(Main& window) {
  for (int item = 2; item <= players(window) + 1; ++item) choose(window, item);
  choose(window, 1);
}

// One choice per iteration: a player, then the summary, then the next player.
void BM_ViewSwitchMemory(benchmark::State& bench) {
  corv::StatsState state;
  Main window(state);
  if (!open(window, kLogs[3])) return bench.SkipWithError("the benchmark log was rejected");
  for (int round = 0; round < 20; ++round) everyView(window);
  long switches = 0;
  Growth growth;
  for (auto _ : bench) {
    const int choice = static_cast<int>(switches++);
    choose(window, choice % 2 ? 1 : choice / 2 % players(window) + 2);
  }
  growth.report(bench, static_cast<double>(switches));
}
BENCHMARK(BM_ViewSwitchMemory)->Iterations(4000)->Unit(benchmark::kMicrosecond);

// One log per iteration, the next player count each time, every view after it.
void BM_OpenEveryViewMemory(benchmark::State& bench) {
  corv::StatsState state;
  Main window(state);
  for (int round = 0; round < 5; ++round)
    for (const QString& log : kLogs)
      if (open(window, log)) everyView(window);
  long opens = 0;
  Growth growth;
  for (auto _ : bench) {
    if (!open(window, kLogs[static_cast<std::size_t>(opens++) % kLogs.size()]))
      return bench.SkipWithError("a benchmark log was rejected");
    everyView(window);
  }
  growth.report(bench, static_cast<double>(opens));
}
BENCHMARK(BM_OpenEveryViewMemory)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
