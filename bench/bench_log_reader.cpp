// Reading a large game log end to end: the version check and the parse in
// one pass, as opening a log does. The log (60 MB by default, near the largest
// file the reader takes; CORV_BENCH_LOG_MB sets another size) is written once to the temporary folder and reused: mostly
// event lines that the reader skips, then the eight player blocks.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "log/LogReader.h"
#include "log/PlayerStats.h"

namespace {

std::uintmax_t wantedBytes() {
  const char* mb = std::getenv("CORV_BENCH_LOG_MB");
  const long n = mb ? std::atol(mb) : 60;
  return static_cast<std::uintmax_t>(n > 0 ? n : 60) << 20;
}

void writePlayer(std::ofstream& out, int k) {
  const auto n = [k](int v) { return std::to_string(v + 37 * k); };
  out << "*************\r\nStatistics for player " << k + 1 << "\r\n*************\r\n"
      << "Player Name: Player" << k + 1 << "\r\nPlayer Race: R" << (k % 2) + 1 << "\r\nPlayer Team: " << k % 2
      << "\r\nTime Of Death : " << (k % 3 ? "0" : n(1800)) << "\r\nRU's Started With: 3000\r\n"
      << "RU's Collected   : " << n(40000) << "\r\nRU's Spent       : " << n(38000)
      << "\r\nRU's Given       : " << n(500) << "\r\nRU's Received    : " << n(700)
      << "\r\nRU's Injected    : 2000\r\nRU's via Bounties: " << n(900) << "\r\nRU's Generated: " << n(43000)
      << "\r\nCurrent RU's(det): " << n(2400) << "\r\n";
  for (int d = 0; d < 8; ++d) out << "Total Damage Against Player " << d << ": " << (d == k ? "0" : n(9000 + d)) << "\r\n";
  out << "Total Aquired Ships By Class:\r\nCLASS_Carrier:\t1\r\nCLASS_Destroyer:\t" << k % 3
      << "\r\nCLASS_Frigate:\t" << n(5) << "\r\nCLASS_Corvette:\t" << n(9) << "\r\nCLASS_Fighter:\t" << n(20)
      << "\r\nCLASS_Resource:\t6\r\nCLASS_NonCombat:\t3\r\nCLASS_HeavyCruiser:\t" << k % 2
      << "\r\nTotal Kills: " << n(40) << "\r\nTotal Losses: " << n(30) << "\r\n\r\n";
}

const std::string& benchLog() {
  static const std::string path = [] {
    const std::uintmax_t bytes = wantedBytes();
    const auto p = std::filesystem::temp_directory_path() /
                   ("corv-bench-log-" + std::to_string(bytes >> 20) + "mb.txt");
    std::error_code ec;
    if (std::filesystem::exists(p, ec) && std::filesystem::file_size(p, ec) >= bytes) return p.string();
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << "Corvaneth Multiplayer Game Log\r\nBuild 1.00 (Release)\r\nMap: Veil of Ash (8 players)\r\n\r\n";
    static const char* const kEvents[] = {
        "] Player 3 built Quillspar Picket at sector 12,40\r\n",
        "] Velmaro: push the left flank, Pulse Lance ships incoming\r\n",
        "] Player 6 lost Ossivane Sloop to Player 2\r\n",
        "] Tallowfin Longbarge docked, 150 RU delivered\r\n",
        "] Pellowin: gg\r\n",
        "] Player 1 research complete: Glasswick Lattice Drive\r\n"};
    std::uintmax_t written = 0;
    for (unsigned i = 0; written < bytes; ++i) {
      std::string line = "[";
      line.append(std::to_string(i / 3600 % 100)).append(":").append(std::to_string(i / 60 % 60));
      line.append(":").append(std::to_string(i % 60)).append(kEvents[i % std::size(kEvents)]);
      out << line;
      written += line.size();
    }
    for (int k = 0; k < 8; ++k) writePlayer(out, k);
    out << "End Of Log\r\n";
    return p.string();
  }();
  return path;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(benchLog())));
}

void BM_OpenLog(benchmark::State& state) {
  const std::string& path = benchLog();
  for (auto _ : state) {
    corv::StatsState s;
    auto result = corv::ReadLog(s, path);
    benchmark::DoNotOptimize(result);
    if (s.PlayerIndex != 7.0f || result.problem) state.SkipWithError("the log did not read as eight players");
  }
  setBytes(state);
}
BENCHMARK(BM_OpenLog)->Unit(benchmark::kMillisecond);

void BM_GetLogVersion(benchmark::State& state) {
  const std::string& path = benchLog();
  for (auto _ : state) benchmark::DoNotOptimize(corv::GetLogVersion(path));
  setBytes(state);
}
BENCHMARK(BM_GetLogVersion)->Unit(benchmark::kMillisecond);

void BM_ParseLog100(benchmark::State& state) {
  const std::string& path = benchLog();
  for (auto _ : state) {
    corv::StatsState s;
    s.PlayerIndex = -1.0f;
    benchmark::DoNotOptimize(corv::ParseLog100(s, path));
  }
  setBytes(state);
}
BENCHMARK(BM_ParseLog100)->Unit(benchmark::kMillisecond);

// A log made only of one player's data lines, written over and over: sound
// (every value fits) or damaged (every value is too large or names no
// player), at a quarter of the size above. The reader reports only the first
// problem, so a damaged log should read about as fast per byte as a sound one.
const std::string& dataLog(bool damaged) {
  static std::string paths[2];
  std::string& path = paths[damaged ? 1 : 0];
  if (!path.empty()) return path;
  const std::uintmax_t bytes = wantedBytes() / 4;
  const auto p = std::filesystem::temp_directory_path() /
                 ("corv-bench-data-log-" + std::string(damaged ? "damaged-" : "sound-") +
                  std::to_string(bytes >> 20) + "mb.txt");
  path = p.string();
  std::error_code ec;
  if (std::filesystem::exists(p, ec) && std::filesystem::file_size(p, ec) >= bytes) return path;
  const std::string v16 = damaged ? "40000" : "1200", v32 = damaged ? "3000000000" : "41250";
  const std::string block =
      "Time Of Death : " + v16 + "\r\nRU's Started With: " + v16 + "\r\nRU's Collected   : " + v32 +
      "\r\nRU's Spent       : " + v32 + "\r\nRU's Given       : " + v32 + "\r\nRU's Received    : " + v32 +
      "\r\nRU's Injected    : " + v32 + "\r\nRU's via Bounties: " + v32 + "\r\nRU's Generated: " + v32 +
      "\r\nCurrent RU's(det): " + v32 + "\r\nTotal Damage Against Player " + (damaged ? "9" : "2") + ": " + v32 +
      "\r\nTotal Aquired Ships By Class:\r\nCLASS_Frigate:\t" + v16 + "\r\nCLASS_Fighter:\t" + v16 +
      "\r\nTotal Kills: " + v32 + "\r\nTotal Losses: " + v32 + "\r\n";
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << "*************\r\n*************\r\nPlayer Name: Tovren Alask\r\nPlayer Race: R2\r\n";
  for (std::uintmax_t written = 0; written < bytes; written += block.size()) out << block;
  return path;
}

void BM_ParseDataLog(benchmark::State& state) {
  const bool damaged = state.range(0) != 0;
  const std::string& path = dataLog(damaged);
  for (auto _ : state) {
    corv::StatsState s;
    s.PlayerIndex = -1.0f;
    auto problem = corv::ParseLog100(s, path);
    benchmark::DoNotOptimize(problem);
    if (problem.has_value() != damaged) state.SkipWithError("the log did not read as written");
  }
  state.SetLabel(damaged ? "damaged" : "sound");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_ParseDataLog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
