// Reading a game log: telling its version and filling the player records.
//
// A log is single-byte text read line by line; a line ends at CR LF, at a CR
// alone or at an LF alone; a UTF-8 byte-order mark that opens the file is no
// part of the first line. Every reader streams the file in large chunks and
// holds one line at a time, so memory does not grow with the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "log/PlayerStats.h"

namespace corv {

// The first input that lies outside the log format. Line numbers count from 1;
// line 0 means the file as a whole (it cannot be opened or read).
struct LogProblem {
  std::int64_t line = 0;
  std::string reason;  // plain English, lower case, no line number
  // The file was refused before it was read as a log: no game log is like it
  // (not a regular file, or far too large).
  bool notALog = false;

  // "line 12: the value 40000 does not fit (at most 32767)", or the bare
  // reason when it concerns the whole file.
  std::string text() const;

  friend bool operator==(const LogProblem&, const LogProblem&) = default;
};

// "1.04" when the log's lines, joined with nothing between them, contain
// "PULSE LANCE FRIGATE"; "1.00" otherwise, also for a file that cannot be read.
std::string GetLogVersion(const std::string& path);

struct LogReadResult {
  std::string version;
  std::optional<LogProblem> problem;
};

// Opening a log: empty records and PlayerIndex -1, then one pass over one open
// file that tells the version and reads the records by that version's rules,
// so both come from the same bytes however the file changes meanwhile. A log
// that begins with a UTF-8 byte-order mark has UTF-8 names; any other log is
// Windows-1252 text.
LogReadResult ReadLog(StatsState& state, const std::string& path);

// Read a log by the rules of one version into state.Players, raising
// state.PlayerIndex by one half per separator line; the caller sets
// PlayerIndex to -1 beforehand.
//
// Input outside the format (a data line with no player slot 0..7, a value that
// does not fit its field, a damage line naming no player 0..7, a file that
// cannot be opened or read, more than eight players) never writes outside
// Players or a field's range. The offending write is skipped and the parse goes
// on to the end of the file; the first such problem is returned, and the caller
// is expected to reject the log when there is one.
std::optional<LogProblem> ParseLog100(StatsState& state, const std::string& path);
std::optional<LogProblem> ParseLog104(StatsState& state, const std::string& path);

// The number written after the label's column in state.LogLine. The column is
// the 1-based position of the label's first TAB, else the label's length; a
// line no longer than the column reads 0.
double GetLineValue(const StatsState& state, std::string_view label);

// The number at the start of a value text: blanks and tabs are skipped wherever
// they stand; an optional sign, digits, an optional '.' and more digits; reading
// stops at the first character that cannot continue; no number reads 0.
double ReadLogNumber(std::string_view text);

// Windows-1252 bytes as UTF-8 text (the five unassigned bytes map to the C1
// code points of the same value, as Windows itself does).
std::string DecodeWindows1252(std::string_view bytes);

// UTF-8 text with every byte that is no part of a well-formed sequence
// replaced by U+FFFD.
std::string ValidUtf8(std::string_view bytes);

// Whether path names what the launcher opens as a log: a file that is there,
// regular (or a link to one), not hidden.
bool IsNormalFile(const std::string& path);

}  // namespace corv
