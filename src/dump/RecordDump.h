// A plain-text dump of what reading a log produced, one value per line, for the
// developer tool statsdump and for golden-file tests.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "log/LogReader.h"
#include "log/PlayerStats.h"

namespace corv {

// -1, 0.5, 3: the shortest plain decimal that reads back as the same float.
std::string PlainFloat(float v);

// version=, PlayerIndex= and, when the reader reported one, problem=.
void WriteReadSummary(std::ostream& out, const LogReadResult& result, const StatsState& state);

// <slot>.<Field>=<value> for slots 0..7, every field in record order.
void WriteRecords(std::ostream& out, const StatsState& state);

// Reads the log into state and writes the summary and the records.
void WriteLogDump(std::ostream& out, StatsState& state, const std::string& path);

}  // namespace corv
