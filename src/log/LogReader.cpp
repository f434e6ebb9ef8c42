// The two log parsers: one table of line tests, walked in order for every
// line. A line that passes one test still meets the later ones, so the order
// of the rows is part of the format.
#include "log/LogReader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>
#include <variant>

#include "core/Numbers.h"
#include "log/LineSource.h"

namespace corv {

namespace {

using namespace std::string_view_literals;

using Field16 = std::int16_t PlayerStats::*;
using Field32 = std::int32_t PlayerStats::*;
using DamageRow = std::array<std::int32_t, 8> PlayerStats::*;
// Where a number goes; the member's type is the field's width.
using Field = std::variant<std::monostate, Field16, Field32, DamageRow>;

enum class Match : std::uint8_t {
  WholeLine,  // LogLine as it stands at this test, all of it
  Prefix,     // the line's first eight characters as read
  ShipClass,  // a prefix that counts only while the ship list is open
};

enum class Effect : std::uint8_t {
  NextHalfPlayer,          // PlayerIndex + 0.5
  Name,                    // the text after the label
  Race,                    // LogLine becomes the race code for the later tests
  Store,                   // the number after the label's column into the field
  OpenShipList,
  StoreThenCloseShipList,  // the kills line ends the ship list after its own value
};

constexpr std::size_t kPrefixLength = 8;

// A line's prefix as one number, so that a test costs one comparison (a
// test's own key folds to a constant); 0 for a line shorter than a prefix,
// which no test's prefix gives.
constexpr std::uint64_t prefixKey(std::string_view line) {
  if (line.size() < kPrefixLength) return 0;
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < kPrefixLength; ++i) key |= std::uint64_t{static_cast<unsigned char>(line[i])} << (8 * i);
  return key;
}

struct LineTest {
  Match match;
  std::string_view text;  // the whole line or the prefix
  Effect effect;
  std::string_view label;  // its length (or its first TAB) is the value column
  Field field;
};

struct ShipClassLine {
  std::string_view prefix;
  std::string_view label;
};

constexpr std::size_t kLineTests = 25;
using LogFormat = std::array<LineTest, kLineTests>;

// The two versions differ only in the current-RU label, the spelling of the
// ship-list header and the ship-class lines (Carrier, Destroyer, Frigate,
// Corvette, Fighter, Resource, NonCombat, HeavyCruiser, in this order).
consteval LogFormat logFormat(std::string_view currentLabel, std::string_view shipListHeader,
                              const std::array<ShipClassLine, 8>& c) {
  using P = PlayerStats;
  constexpr auto W = Match::WholeLine, X = Match::Prefix, S = Match::ShipClass;
  constexpr auto store = Effect::Store;
  return {{
      /* 1 */ {W, "*************"sv, Effect::NextHalfPlayer, {}, {}},
      /* 2 */ {X, "Player N"sv, Effect::Name, "Player Name: "sv, {}},
      /* 3 */ {X, "Player R"sv, Effect::Race, "Player Race: "sv, {}},
      /* 4 */ {X, "Time Of "sv, store, "Time Of Death : "sv, &P::TimeOfDeath},
      /* 5 */ {X, "RU's Sta"sv, store, "RU's Started With: "sv, &P::RUStartedWith},
      /* 6 */ {X, "RU's Col"sv, store, "RU's Collected   : "sv, &P::RUCollected},
      /* 7 */ {X, "RU's Spe"sv, store, "RU's Spent       : "sv, &P::RUSpent},
      /* 8 */ {X, "RU's Giv"sv, store, "RU's Given       : "sv, &P::RUGiven},
      /* 9 */ {X, "RU's Rec"sv, store, "RU's Received    : "sv, &P::RUReceived},
      /* 10 */ {X, "RU's Inj"sv, store, "RU's Injected    : "sv, &P::RUInjected},
      /* 11 */ {X, "RU's via"sv, store, "RU's via Bounties: "sv, &P::RUBounties},
      /* 12 */ {X, "RU's Gen"sv, store, "RU's Generated: "sv, &P::RUGenerated},
      /* 13 */ {X, "Current "sv, store, currentLabel, &P::RUCurrent},
      /* 14 */ {X, "Total Da"sv, store, "Total Damage Against Player x: "sv, &P::DamageTo},
      /* 15 */ {W, shipListHeader, Effect::OpenShipList, {}, {}},
      /* 16 */ {X, "Total Ki"sv, Effect::StoreThenCloseShipList, "Total Kills: "sv, &P::Kills},
      /* 17 */ {X, "Total Lo"sv, store, "Total Losses: "sv, &P::Losses},
      /* 18 */ {S, c[0].prefix, store, c[0].label, &P::Carrier},
      {S, c[1].prefix, store, c[1].label, &P::Destroyer},
      {S, c[2].prefix, store, c[2].label, &P::Frigate},
      {S, c[3].prefix, store, c[3].label, &P::Corvette},
      {S, c[4].prefix, store, c[4].label, &P::Fighter},
      {S, c[5].prefix, store, c[5].label, &P::Resource},
      {S, c[6].prefix, store, c[6].label, &P::NonCombat},
      {S, c[7].prefix, store, c[7].label, &P::HeavyCruiser},
  }};
}

constexpr LogFormat kFormat100 = logFormat(
    "Current RU's(det): "sv, "Total Aquired Ships By Class:"sv,
    {{{"CLASS_Ca"sv, "CLASS_Carrier:\t"sv},
      {"CLASS_De"sv, "CLASS_Destroyer:\t"sv},
      {"CLASS_Fr"sv, "CLASS_Frigate:\t"sv},
      {"CLASS_Co"sv, "CLASS_Corvette:\t"sv},
      {"CLASS_Fi"sv, "CLASS_Fighter:\t"sv},
      {"CLASS_Re"sv, "CLASS_Resource:\t"sv},
      {"CLASS_No"sv, "CLASS_NonCombat:\t"sv},
      {"CLASS_He"sv, "CLASS_HeavyCruiser:\t"sv}}});

consteval bool prefixesAreWhole(const LogFormat& format) {
  for (const LineTest& test : format)
    if (test.match != Match::WholeLine && test.text.size() != kPrefixLength) return false;
  return true;
}
static_assert(prefixesAreWhole(kFormat100));

// The class-name field of a "1.04" ship line is 41 wide, whatever the class.
constexpr std::string_view kClassColumn104 = "                                         "sv;
static_assert(kClassColumn104.size() == 41);

constexpr LogFormat kFormat104 = logFormat("Current RU's: "sv, "Total Acquired Ships By Class:"sv,
                                           {{{"CARRIER "sv, kClassColumn104},
                                             {"DESTROYE"sv, kClassColumn104},
                                             {"FRIGATE "sv, kClassColumn104},
                                             {"CORVETTE"sv, kClassColumn104},
                                             {"FIGHTER "sv, kClassColumn104},
                                             {"RESOURCE"sv, kClassColumn104},
                                             {"NON-COMB"sv, kClassColumn104},
                                             {"CRUISER "sv, kClassColumn104}}});
static_assert(prefixesAreWhole(kFormat104));

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
  explicit LogParser(StatsState& state) : state_(state) {}

  template <const LogFormat& format>
  void readLine(std::string_view raw);
  // Only the first problem is kept, so its text is built only then: a badly
  // damaged log must not pay for a message on every line.
  template <class MakeReason>
  void report(int line, MakeReason&& makeReason) {
    if (!problem_) problem_ = LogProblem{line, std::string(makeReason())};
  }
  std::optional<LogProblem> problem() const { return problem_; }

 private:
  [[gnu::always_inline]] bool passes(const LineTest& test, std::uint64_t prefix) const;
  [[gnu::always_inline]] void apply(const LineTest& test);
  void takeRaceCode(std::size_t column);
  PlayerStats* currentPlayer();
  void store(PlayerStats& player, const LineTest& test);
  template <class T>
  void storeValue(T& field, std::string_view label);
  void storeDamage(std::array<std::int32_t, 8>& damageTo, std::string_view label);
  template <class MakeReason>
  void report(MakeReason&& makeReason) {
    report(lineNumber_, std::forward<MakeReason>(makeReason));
  }

  StatsState& state_;
  bool inShipList_ = false;
  int lineNumber_ = 0;
  std::optional<LogProblem> problem_;
};

// Every test of the table, in its order, on every line. The walk is unrolled
// at compile time and each test inlined, so a test is one comparison with a
// constant, as fast as tests written out by hand.
template <const LogFormat& format>
void LogParser::readLine(std::string_view raw) {
  ++lineNumber_;
  state_.LogLine.assign(raw.data(), raw.size());
  const std::uint64_t prefix = prefixKey(raw);
  [&]<std::size_t... test>(std::index_sequence<test...>) {
    ((passes(format[test], prefix) ? apply(format[test]) : void()), ...);
  }(std::make_index_sequence<kLineTests>{});
}

inline bool LogParser::passes(const LineTest& test, std::uint64_t prefix) const {
  if (test.match == Match::WholeLine) return state_.LogLine == test.text;
  return prefix == prefixKey(test.text) && (test.match == Match::Prefix || inShipList_);
}

inline void LogParser::apply(const LineTest& test) {
  switch (test.effect) {
    case Effect::NextHalfPlayer:
      state_.PlayerIndex += 0.5f;
      // Beyond 7.5 a loop over players up to PlayerIndex would reach slot 8.
      if (state_.PlayerIndex > 7.5f) report([] { return "more than eight players"; });
      return;
    case Effect::Name:
      if (PlayerStats* p = currentPlayer()) p->Name = DecodeWindows1252(textAfter(state_.LogLine, test.label.size()));
      return;
    case Effect::Race:
      takeRaceCode(test.label.size());
      return;
    case Effect::Store:
      if (PlayerStats* p = currentPlayer()) store(*p, test);
      return;
    case Effect::OpenShipList:
      inShipList_ = true;
      return;
    case Effect::StoreThenCloseShipList:
      if (PlayerStats* p = currentPlayer()) store(*p, test);
      inShipList_ = false;
      return;
  }
}

// The race code stands in for the line for the rest of its tests.
void LogParser::takeRaceCode(std::size_t column) {
  std::string& logLine = state_.LogLine;
  logLine.erase(0, std::min(column, logLine.size()));
  if (PlayerStats* p = currentPlayer()) {
    if (logLine == "R1"sv)
      p->Race = "Vaelori";
    else if (logLine == "R2"sv)
      p->Race = "Drekhar";
  }
}

// The slot of a data line, or null (and a problem) when it falls outside the
// table.
PlayerStats* LogParser::currentPlayer() {
  const double slot = roundHalfEven(static_cast<double>(state_.PlayerIndex));
  if (slot >= 0.0 && slot < static_cast<double>(kMaxPlayers))
    return &state_.Players[static_cast<std::size_t>(slot)];
  report([slot] { return slot < 0.0 ? "player data before the first separator line" : "more than eight players"; });
  return nullptr;
}

void LogParser::store(PlayerStats& player, const LineTest& test) {
  std::visit(
      [&](auto field) {
        if constexpr (std::is_same_v<decltype(field), DamageRow>)
          storeDamage(player.*field, test.label);
        else if constexpr (!std::is_same_v<decltype(field), std::monostate>)
          storeValue(player.*field, test.label);
      },
      test.field);
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

// The player is the character just before the line's first ':'.
void LogParser::storeDamage(std::array<std::int32_t, 8>& damageTo, std::string_view label) {
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
  storeValue(damageTo[static_cast<std::size_t>(d - '0')], label);
}

template <const LogFormat& format>
std::optional<LogProblem> parseFile(StatsState& state, const std::string& path) {
  logio::FileSource src(path);
  if (!src.isOpen()) return LogProblem{0, "the file cannot be opened"};
  LogParser parser(state);
  std::string carry;
  logio::forEachLine(src, carry, [&](std::string_view line) { parser.readLine<format>(line); });
  if (src.failed()) parser.report(0, [] { return "the file cannot be read"; });
  return parser.problem();
}

}  // namespace

std::optional<LogProblem> ParseLog100(StatsState& state, const std::string& path) {
  return parseFile<kFormat100>(state, path);
}
std::optional<LogProblem> ParseLog104(StatsState& state, const std::string& path) {
  return parseFile<kFormat104>(state, path);
}

double GetLineValue(const StatsState& state, std::string_view label) {
  const std::size_t tab = label.find('\t');
  const std::size_t column = tab != std::string_view::npos ? tab + 1 : label.size();
  return ReadLogNumber(textAfter(state.LogLine, column));
}

}  // namespace corv
