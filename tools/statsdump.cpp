// statsdump FILE: reads a game log as the program does and prints what it found,
// one value per line, for checking a log by eye or against a golden file.
#include <iostream>

#include "log/PlayerStats.h"
#include "log/RecordDump.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: statsdump FILE\n";
    return 2;
  }
  corv::StatsState state;
  corv::WriteLogDump(std::cout, state, argv[1]);
  return 0;
}
