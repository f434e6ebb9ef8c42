// A log from openLog to the four filled summary pages: what the user waits
// for between choosing a file and seeing the statistics.
#include <QString>
#include <benchmark/benchmark.h>

#include "BenchMain.h"
#include <filesystem>
#include <fstream>
#include <string>

#include "log/PlayerStats.h"
#include "stats/Main.h"

namespace {

// A version 1.04 log of eight players with every line the reader knows.
std::string eightPlayerLog() {
  std::string text = "Corvaneth Multiplayer Game Log\r\nVersion 1.04\r\nGame Name: Bench\r\n\r\n";
  const char* classes[] = {"CARRIER",  "DESTROYER", "FRIGATE",    "CORVETTE",
                           "FIGHTER", "RESOURCE",  "NON-COMBAT", "CRUISER"};
  for (int p = 0; p < 8; ++p) {
    const std::string n = std::to_string(p);
    text += "*************\r\nPlayer " + std::to_string(p + 1) + " Summary\r\n*************\r\n";
    text += "Player Name: Player " + n + "\r\nPlayer Race: R" + std::to_string(p % 2 + 1) + "\r\n";
    text += "Time Of Death : " + std::to_string(p * 300) + "\r\nRU's Started With: 3000\r\n";
    text += "RU's Collected   : " + std::to_string(20000 + 1500 * p) + "\r\n";
    text += "RU's Spent       : " + std::to_string(18000 + 1200 * p) + "\r\n";
    text += "RU's Given       : " + std::to_string(100 * p) + "\r\nRU's Received    : 250\r\n";
    text += "RU's Injected    : 0\r\nRU's via Bounties: " + std::to_string(40 * p) + "\r\n";
    text += "RU's Generated: 21000\r\nCurrent RU's: " + std::to_string(700 + p) + "\r\n";
    for (int d = 0; d < 8; ++d)
      text += "Total Damage Against Player " + std::to_string(d) + ": " + std::to_string(d == p ? 0 : 900 * (d + p)) +
              "\r\n";
    text += "Ships Built By Type:\r\nPULSE LANCE FRIGATE                     : 2\r\n";
    text += "Total Acquired Ships By Class:\r\n";
    for (int c = 0; c < 8; ++c) {
      std::string name = classes[c];
      name.resize(40, ' ');
      text += name + ": " + std::to_string((c + 1) * (p + 1) % 17) + "\r\n";
    }
    text += "Total Kills: " + std::to_string(10 + 3 * p) + "\r\nTotal Losses: " + std::to_string(20 - p) + "\r\n\r\n";
  }
  return text + "End Of Log\r\n";
}

void BM_OpenLogToSummaryPages(benchmark::State& bench) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "corv-bench-open-log.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << eightPlayerLog();
  }
  const QString file = QString::fromStdString(path.string());
  corv::StatsState state;
  Main window(state);
  for (auto _ : bench) {
    window.openLog(file);
    if (!window.Tag.isEmpty()) {
      bench.SkipWithError("the benchmark log was rejected");
      break;
    }
    window.DoStats();
    benchmark::DoNotOptimize(state.Players[0].GeneralScore);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenLogToSummaryPages)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
