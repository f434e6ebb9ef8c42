// The two log parsers: one algorithm, with the few differences between the
// versions kept in a table. Every line is tried against every test in order;
// a line that passes one test still meets the later ones.
#include "log/LogReader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/Numbers.h"
#include "log/LineSource.h"

namespace corv {

namespace {

using namespace std::string_view_literals;

struct ShipClassLine {
  std::string_view prefix;
  std::string_view label;
  std::int16_t PlayerStats::*field;
};

struct LogDialect {
  std::string_view currentLabel;
  std::string_view shipListHeader;
  std::array<ShipClassLine, 8> classes;
};

// The class-name field of a "1.04" ship line is 41 wide, whatever the class.
constexpr std::string_view kClassColumn104 = "                                         "sv;
static_assert(kClassColumn104.size() == 41);

constexpr LogDialect kDialect100{
    "Current RU's(det): "sv,
    "Total Aquired Ships By Class:"sv,
    {{{"CLASS_Ca"sv, "CLASS_Carrier:\t"sv, &PlayerStats::Carrier},
      {"CLASS_De"sv, "CLASS_Destroyer:\t"sv, &PlayerStats::Destroyer},
      {"CLASS_Fr"sv, "CLASS_Frigate:\t"sv, &PlayerStats::Frigate},
      {"CLASS_Co"sv, "CLASS_Corvette:\t"sv, &PlayerStats::Corvette},
      {"CLASS_Fi"sv, "CLASS_Fighter:\t"sv, &PlayerStats::Fighter},
      {"CLASS_Re"sv, "CLASS_Resource:\t"sv, &PlayerStats::Resource},
      {"CLASS_No"sv, "CLASS_NonCombat:\t"sv, &PlayerStats::NonCombat},
      {"CLASS_He"sv, "CLASS_HeavyCruiser:\t"sv, &PlayerStats::HeavyCruiser}}}};

constexpr LogDialect kDialect104{
    "Current RU's: "sv,
    "Total Acquired Ships By Class:"sv,
    {{{"CARRIER "sv, kClassColumn104, &PlayerStats::Carrier},
      {"DESTROYE"sv, kClassColumn104, &PlayerStats::Destroyer},
      {"FRIGATE "sv, kClassColumn104, &PlayerStats::Frigate},
      {"CORVETTE"sv, kClassColumn104, &PlayerStats::Corvette},
      {"FIGHTER "sv, kClassColumn104, &PlayerStats::Fighter},
      {"RESOURCE"sv, kClassColumn104, &PlayerStats::Resource},
      {"NON-COMB"sv, kClassColumn104, &PlayerStats::NonCombat},
      {"CRUISER "sv, kClassColumn104, &PlayerStats::HeavyCruiser}}}};

constexpr std::string_view kSeparator = "*************"sv;
constexpr std::size_t kPrefixLength = 8;

// The text after the first `column` characters; empty for a shorter line.
std::string_view textAfter(std::string_view line, std::size_t column) {
  return column < line.size() ? line.substr(column) : std::string_view{};
}

// Digits as written for everyday sizes (3000000000, 32767.5); an exponent only
// for sizes no log holds.
std::string plainNumber(double v) {
  std::array<char, 64> buf{};
  const auto format = std::fabs(v) < 1e15 ? std::chars_format::fixed : std::chars_format::general;
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, format);
  return std::string(buf.data(), res.ptr);
}

class LogParser {
 public:
  LogParser(StatsState& state, const LogDialect& dialect) : state_(state), dialect_(dialect) {}

  void readLine(std::string_view raw);
  // Only the first problem is kept, so its text is built only then: a badly
  // damaged log must not pay for a message on every line.
  template <class MakeReason>
  void report(int line, MakeReason&& makeReason) {
    if (!problem_) problem_ = LogProblem{line, std::string(makeReason())};
  }
  std::optional<LogProblem> problem() const { return problem_; }

 private:
  PlayerStats* currentPlayer();
  template <class T>
  void storeValue(T& field, std::string_view label);
  void storeDamage(PlayerStats& player);
  template <class MakeReason>
  void report(MakeReason&& makeReason) {
    report(lineNumber_, std::forward<MakeReason>(makeReason));
  }

  StatsState& state_;
  const LogDialect& dialect_;
  bool inShipList_ = false;
  int lineNumber_ = 0;
  std::optional<LogProblem> problem_;
};

// The slot of a data line, or null (and a problem) when it falls outside the
// table.
PlayerStats* LogParser::currentPlayer() {
  const double slot = roundHalfEven(static_cast<double>(state_.PlayerIndex));
  if (slot >= 0.0 && slot < static_cast<double>(kMaxPlayers))
    return &state_.Players[static_cast<std::size_t>(slot)];
  report([slot] { return slot < 0.0 ? "player data before the first separator line" : "more than eight players"; });
  return nullptr;
}

template <class T>
void LogParser::storeValue(T& field, std::string_view label) {
  const double value = GetLineValue(state_, label);
  if (const std::optional<T> stored = storeRounded<T>(value)) {
    field = *stored;
    return;
  }
  report([value] {
    const std::string limit = !(value < 0.0) ? "at most " + numText(std::numeric_limits<T>::max())
                                             : "at least " + numText(std::numeric_limits<T>::min());
    const std::string shown = std::isfinite(value) ? "the value " + plainNumber(value) + " " : "the value ";
    return shown + "does not fit (" + limit + ")";
  });
}

void LogParser::storeDamage(PlayerStats& player) {
  const std::string_view line = state_.LogLine;
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    report([] { return "the damage line has no ':'"; });
    return;
  }
  const char d = colon > 0 ? line[colon - 1] : ':';
  if (d < '0' || d > '7') {
    report([] { return "the damage line names no player 0 to 7 before its ':'"; });
    return;
  }
  storeValue(player.DamageTo[static_cast<std::size_t>(d - '0')], "Total Damage Against Player x: "sv);
}

void LogParser::readLine(std::string_view raw) {
  ++lineNumber_;
  std::string& logLine = state_.LogLine;
  logLine.assign(raw.data(), raw.size());
  const std::string_view prefix = raw.substr(0, kPrefixLength);

  if (logLine == kSeparator) {
    state_.PlayerIndex += 0.5f;
    // Beyond 7.5 a loop over players up to PlayerIndex would reach slot 8.
    if (state_.PlayerIndex > 7.5f) report([] { return "more than eight players"; });
  }
  if (prefix == "Player N"sv) {
    if (PlayerStats* p = currentPlayer()) p->Name = DecodeWindows1252(textAfter(logLine, 13));
  }
  if (prefix == "Player R"sv) {
    // The race code stands in for the line for the rest of its tests.
    logLine.erase(0, std::min<std::size_t>(13, logLine.size()));
    if (PlayerStats* p = currentPlayer()) {
      if (logLine == "R1"sv)
        p->Race = "Vaelori";
      else if (logLine == "R2"sv)
        p->Race = "Drekhar";
    }
  }
  if (prefix == "Time Of "sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->TimeOfDeath, "Time Of Death : "sv);
  }
  if (prefix == "RU's Sta"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUStartedWith, "RU's Started With: "sv);
  }
  if (prefix == "RU's Col"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUCollected, "RU's Collected   : "sv);
  }
  if (prefix == "RU's Spe"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUSpent, "RU's Spent       : "sv);
  }
  if (prefix == "RU's Giv"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUGiven, "RU's Given       : "sv);
  }
  if (prefix == "RU's Rec"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUReceived, "RU's Received    : "sv);
  }
  if (prefix == "RU's Inj"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUInjected, "RU's Injected    : "sv);
  }
  if (prefix == "RU's via"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUBounties, "RU's via Bounties: "sv);
  }
  if (prefix == "RU's Gen"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUGenerated, "RU's Generated: "sv);
  }
  if (prefix == "Current "sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->RUCurrent, dialect_.currentLabel);
  }
  if (prefix == "Total Da"sv) {
    if (PlayerStats* p = currentPlayer()) storeDamage(*p);
  }
  if (logLine == dialect_.shipListHeader) inShipList_ = true;
  if (prefix == "Total Ki"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->Kills, "Total Kills: "sv);
    inShipList_ = false;
  }
  if (prefix == "Total Lo"sv) {
    if (PlayerStats* p = currentPlayer()) storeValue(p->Losses, "Total Losses: "sv);
  }
  if (inShipList_) {
    for (const ShipClassLine& shipClass : dialect_.classes) {
      if (prefix == shipClass.prefix) {
        if (PlayerStats* p = currentPlayer()) storeValue(p->*shipClass.field, shipClass.label);
      }
    }
  }
}

std::optional<LogProblem> parse(StatsState& state, logio::ByteSource& src, const LogDialect& dialect) {
  LogParser parser(state, dialect);
  std::string carry;
  logio::forEachLine(src, carry, [&](std::string_view line) { parser.readLine(line); });
  if (src.failed()) parser.report(0, [] { return "the file cannot be read"; });
  return parser.problem();
}

std::optional<LogProblem> parseFile(StatsState& state, const std::string& path, const LogDialect& dialect) {
  logio::FileSource src(path);
  if (!src.isOpen()) return LogProblem{0, "the file cannot be opened"};
  return parse(state, src, dialect);
}

std::optional<LogProblem> parseStream(StatsState& state, std::istream& in, const LogDialect& dialect) {
  logio::StreamSource src(in);
  return parse(state, src, dialect);
}

}  // namespace

std::optional<LogProblem> ParseLog100(StatsState& state, const std::string& path) {
  return parseFile(state, path, kDialect100);
}
std::optional<LogProblem> ParseLog104(StatsState& state, const std::string& path) {
  return parseFile(state, path, kDialect104);
}
std::optional<LogProblem> ParseLog100(StatsState& state, std::istream& in) {
  return parseStream(state, in, kDialect100);
}
std::optional<LogProblem> ParseLog104(StatsState& state, std::istream& in) {
  return parseStream(state, in, kDialect104);
}

double GetLineValue(const StatsState& state, std::string_view label) {
  const std::size_t tab = label.find('\t');
  const std::size_t column = tab != std::string_view::npos ? tab + 1 : label.size();
  return ReadLogNumber(textAfter(state.LogLine, column));
}

}  // namespace corv
