// The log reader: one table of line tests, walked in order for every line. A
// line that passes one test still meets the later ones, so the order of the
// rows is part of the format. The two versions share most tests; the rest
// are in the table once per version, each writing to its own track, so one
// pass reads a log by both versions' rules and keeps the one its version
// calls for.
#include "log/LogReader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
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

// Whose test a row is: both versions', or one version's alone.
enum class Track : std::uint8_t { Both, V100, V104 };
constexpr std::size_t kTracks = 3;

struct LineTest {
  Track track;
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

constexpr std::size_t kLineTests = 35;
using LogFormat = std::array<LineTest, kLineTests>;

// What differs between the versions: the current-RU label, the spelling of
// the ship-list header and the ship-class lines (Carrier, Destroyer, Frigate,
// Corvette, Fighter, Resource, NonCombat, HeavyCruiser, in this order).
struct VersionLines {
  std::string_view currentLabel;
  std::string_view shipListHeader;
  std::array<ShipClassLine, 8> classes;
};

consteval LogFormat logFormat(const VersionLines& v100, const VersionLines& v104) {
  using P = PlayerStats;
  constexpr auto B = Track::Both, T0 = Track::V100, T4 = Track::V104;
  constexpr auto W = Match::WholeLine, X = Match::Prefix, S = Match::ShipClass;
  constexpr auto store = Effect::Store;
  const auto& a = v100.classes;
  const auto& c = v104.classes;
  return {{
      /* 1 */ {B, W, "*************"sv, Effect::NextHalfPlayer, {}, {}},
      /* 2 */ {B, X, "Player N"sv, Effect::Name, "Player Name: "sv, {}},
      /* 3 */ {B, X, "Player R"sv, Effect::Race, "Player Race: "sv, {}},
      /* 4 */ {B, X, "Time Of "sv, store, "Time Of Death : "sv, &P::TimeOfDeath},
      /* 5 */ {B, X, "RU's Sta"sv, store, "RU's Started With: "sv, &P::RUStartedWith},
      /* 6 */ {B, X, "RU's Col"sv, store, "RU's Collected   : "sv, &P::RUCollected},
      /* 7 */ {B, X, "RU's Spe"sv, store, "RU's Spent       : "sv, &P::RUSpent},
      /* 8 */ {B, X, "RU's Giv"sv, store, "RU's Given       : "sv, &P::RUGiven},
      /* 9 */ {B, X, "RU's Rec"sv, store, "RU's Received    : "sv, &P::RUReceived},
      /* 10 */ {B, X, "RU's Inj"sv, store, "RU's Injected    : "sv, &P::RUInjected},
      /* 11 */ {B, X, "RU's via"sv, store, "RU's via Bounties: "sv, &P::RUBounties},
      /* 12 */ {B, X, "RU's Gen"sv, store, "RU's Generated: "sv, &P::RUGenerated},
      /* 13 */ {T0, X, "Current "sv, store, v100.currentLabel, &P::RUCurrent},
      {T4, X, "Current "sv, store, v104.currentLabel, &P::RUCurrent},
      /* 14 */ {B, X, "Total Da"sv, store, "Total Damage Against Player x: "sv, &P::DamageTo},
      /* 15 */ {T0, W, v100.shipListHeader, Effect::OpenShipList, {}, {}},
      {T4, W, v104.shipListHeader, Effect::OpenShipList, {}, {}},
      /* 16 */ {B, X, "Total Ki"sv, Effect::StoreThenCloseShipList, "Total Kills: "sv, &P::Kills},
      /* 17 */ {B, X, "Total Lo"sv, store, "Total Losses: "sv, &P::Losses},
      /* 18 */ {T0, S, a[0].prefix, store, a[0].label, &P::Carrier},
      {T0, S, a[1].prefix, store, a[1].label, &P::Destroyer},
      {T0, S, a[2].prefix, store, a[2].label, &P::Frigate},
      {T0, S, a[3].prefix, store, a[3].label, &P::Corvette},
      {T0, S, a[4].prefix, store, a[4].label, &P::Fighter},
      {T0, S, a[5].prefix, store, a[5].label, &P::Resource},
      {T0, S, a[6].prefix, store, a[6].label, &P::NonCombat},
      {T0, S, a[7].prefix, store, a[7].label, &P::HeavyCruiser},
      {T4, S, c[0].prefix, store, c[0].label, &P::Carrier},
      {T4, S, c[1].prefix, store, c[1].label, &P::Destroyer},
      {T4, S, c[2].prefix, store, c[2].label, &P::Frigate},
      {T4, S, c[3].prefix, store, c[3].label, &P::Corvette},
      {T4, S, c[4].prefix, store, c[4].label, &P::Fighter},
      {T4, S, c[5].prefix, store, c[5].label, &P::Resource},
      {T4, S, c[6].prefix, store, c[6].label, &P::NonCombat},
      {T4, S, c[7].prefix, store, c[7].label, &P::HeavyCruiser},
  }};
}

// The class-name field of a "1.04" ship line is 41 wide, whatever the class.
constexpr std::string_view kClassColumn104 = "                                         "sv;
static_assert(kClassColumn104.size() == 41);

constexpr LogFormat kFormat = logFormat(
    {"Current RU's(det): "sv,
     "Total Aquired Ships By Class:"sv,
     {{{"CLASS_Ca"sv, "CLASS_Carrier:\t"sv},
       {"CLASS_De"sv, "CLASS_Destroyer:\t"sv},
       {"CLASS_Fr"sv, "CLASS_Frigate:\t"sv},
       {"CLASS_Co"sv, "CLASS_Corvette:\t"sv},
       {"CLASS_Fi"sv, "CLASS_Fighter:\t"sv},
       {"CLASS_Re"sv, "CLASS_Resource:\t"sv},
       {"CLASS_No"sv, "CLASS_NonCombat:\t"sv},
       {"CLASS_He"sv, "CLASS_HeavyCruiser:\t"sv}}}},
    {"Current RU's: "sv,
     "Total Acquired Ships By Class:"sv,
     {{{"CARRIER "sv, kClassColumn104},
       {"DESTROYE"sv, kClassColumn104},
       {"FRIGATE "sv, kClassColumn104},
       {"CORVETTE"sv, kClassColumn104},
       {"FIGHTER "sv, kClassColumn104},
       {"RESOURCE"sv, kClassColumn104},
       {"NON-COMB"sv, kClassColumn104},
       {"CRUISER "sv, kClassColumn104}}}});

consteval bool prefixesAreWhole(const LogFormat& format) {
  for (const LineTest& test : format)
    if (test.match != Match::WholeLine && test.text.size() != kPrefixLength) return false;
  return true;
}
static_assert(prefixesAreWhole(kFormat));

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
  LogParser(StatsState& state, const logio::FileSource& src) : state_(state), src_(src) {
    // A version's own fields keep what the records held until its lines write them.
    trackPlayers_.fill(state.Players);
  }

  void readLine(std::string_view raw);
  // Only the first problem of a track is kept, so its text is built only
  // then: a badly damaged log must not pay for a message on every line.
  template <class MakeReason>
  void report(Track track, std::int64_t line, MakeReason&& makeReason) {
    auto& kept = problems_[static_cast<std::size_t>(track)];
    if (!kept) kept = Reported{LogProblem{line, std::string(makeReason())}, reports_};
    ++reports_;
  }
  // Keeps the reading of one version: its own fields go into the records,
  // and its first problem, or the shared one when that came first.
  std::optional<LogProblem> finish(Track version);

 private:
  struct Reported {
    LogProblem problem;
    std::uint64_t order;
  };

  [[gnu::always_inline]] bool passes(const LineTest& test, std::uint64_t prefix) const;
  [[gnu::always_inline]] void apply(const LineTest& test);
  void takeRaceCode(std::size_t column);
  PlayerStats* currentPlayer(Track track);
  void store(PlayerStats& player, const LineTest& test);
  template <class T>
  void storeValue(Track track, T& field, std::string_view label);
  void storeDamage(std::array<std::int32_t, 8>& damageTo, std::string_view label);
  template <class MakeReason>
  void report(Track track, MakeReason&& makeReason) {
    report(track, lineNumber_, std::forward<MakeReason>(makeReason));
  }
  static std::size_t versionIndex(Track track) { return track == Track::V104 ? 1 : 0; }

  StatsState& state_;
  const logio::FileSource& src_;
  // The records as each version's own lines write them; only those fields
  // are taken from here.
  std::array<std::array<PlayerStats, kMaxPlayers>, 2> trackPlayers_{};
  std::array<bool, kTracks> inShipList_{};
  std::array<std::optional<Reported>, kTracks> problems_{};
  std::uint64_t reports_ = 0;
  std::int64_t lineNumber_ = 0;
};

// Every test of the table, in its order, on every line. The walk is unrolled
// at compile time and each test inlined, so a test is one comparison with a
// constant, as fast as tests written out by hand.
void LogParser::readLine(std::string_view raw) {
  ++lineNumber_;
  state_.LogLine.assign(raw.data(), raw.size());
  const std::uint64_t prefix = prefixKey(raw);
  [&]<std::size_t... test>(std::index_sequence<test...>) {
    ((passes(kFormat[test], prefix) ? apply(kFormat[test]) : void()), ...);
  }(std::make_index_sequence<kLineTests>{});
}

inline bool LogParser::passes(const LineTest& test, std::uint64_t prefix) const {
  if (test.match == Match::WholeLine) return state_.LogLine == test.text;
  return prefix == prefixKey(test.text) &&
         (test.match == Match::Prefix || inShipList_[static_cast<std::size_t>(test.track)]);
}

inline void LogParser::apply(const LineTest& test) {
  switch (test.effect) {
    case Effect::NextHalfPlayer:
      state_.PlayerIndex += 0.5f;
      // Beyond 7.5 a loop over players up to PlayerIndex would reach slot 8.
      if (state_.PlayerIndex > 7.5f) report(Track::Both, [] { return "more than eight players"; });
      return;
    case Effect::Name:
      if (PlayerStats* p = currentPlayer(test.track)) {
        const std::string_view text = textAfter(state_.LogLine, test.label.size());
        p->Name = src_.utf8() ? ValidUtf8(text) : DecodeWindows1252(text);
      }
      return;
    case Effect::Race:
      takeRaceCode(test.label.size());
      return;
    case Effect::Store:
      if (PlayerStats* p = currentPlayer(test.track)) store(*p, test);
      return;
    case Effect::OpenShipList:
      inShipList_[static_cast<std::size_t>(test.track)] = true;
      return;
    case Effect::StoreThenCloseShipList:
      if (PlayerStats* p = currentPlayer(test.track)) store(*p, test);
      inShipList_.fill(false);
      return;
  }
}

// The race code stands in for the line for the rest of its tests.
void LogParser::takeRaceCode(std::size_t column) {
  std::string& logLine = state_.LogLine;
  logLine.erase(0, std::min(column, logLine.size()));
  if (PlayerStats* p = currentPlayer(Track::Both)) {
    if (logLine == "R1"sv)
      p->Race = "Vaelori";
    else if (logLine == "R2"sv)
      p->Race = "Drekhar";
  }
}

// The slot of a data line in the track's records, or null (and a problem)
// when it falls outside the table.
PlayerStats* LogParser::currentPlayer(Track track) {
  const double slot = roundHalfEven(static_cast<double>(state_.PlayerIndex));
  if (slot >= 0.0 && slot < static_cast<double>(kMaxPlayers)) {
    const auto i = static_cast<std::size_t>(slot);
    return track == Track::Both ? &state_.Players[i] : &trackPlayers_[versionIndex(track)][i];
  }
  report(track, [slot] { return slot < 0.0 ? "player data before the first separator line" : "more than eight players"; });
  return nullptr;
}

void LogParser::store(PlayerStats& player, const LineTest& test) {
  std::visit(
      [&](auto field) {
        if constexpr (std::is_same_v<decltype(field), DamageRow>)
          storeDamage(player.*field, test.label);
        else if constexpr (!std::is_same_v<decltype(field), std::monostate>)
          storeValue(test.track, player.*field, test.label);
      },
      test.field);
}

template <class T>
void LogParser::storeValue(Track track, T& field, std::string_view label) {
  const double value = GetLineValue(state_, label);
  if (const std::optional<T> stored = storeRounded<T>(value)) {
    field = *stored;
    return;
  }
  report(track, [value] {
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
    report(Track::Both, [] { return "the damage line has no ':'"; });
    return;
  }
  const char d = colon > 0 ? line[colon - 1] : ':';
  if (d < '0' || d > '7') {
    report(Track::Both, [] { return "the damage line names no player 0 to 7 before its ':'"; });
    return;
  }
  storeValue(Track::Both, damageTo[static_cast<std::size_t>(d - '0')], label);
}

std::optional<LogProblem> LogParser::finish(Track version) {
  const auto& own = trackPlayers_[versionIndex(version)];
  for (const LineTest& test : kFormat) {
    if (test.track != version) continue;
    std::visit(
        [&](auto field) {
          if constexpr (std::is_same_v<decltype(field), Field16> || std::is_same_v<decltype(field), Field32>)
            for (std::size_t i = 0; i < kMaxPlayers; ++i) state_.Players[i].*field = own[i].*field;
        },
        test.field);
  }
  const auto& shared = problems_[static_cast<std::size_t>(Track::Both)];
  const auto& versions = problems_[static_cast<std::size_t>(version)];
  if (shared && (!versions || shared->order < versions->order)) return shared->problem;
  if (versions) return versions->problem;
  return std::nullopt;
}

LogProblem refusedFile(logio::FileSource::Refusal refusal) {
  using R = logio::FileSource::Refusal;
  switch (refusal) {
    case R::NotAFile:
      return {0, "the file is not a regular file", true};
    case R::TooLarge:
      return {0, "the file is larger than 64 MiB, more than any game log", true};
    default:
      return {0, "the file cannot be opened"};
  }
}

// One pass over one open file: the version marker is looked for in the same
// chunks that are cut into lines. `forced` reads by one version's rules
// whatever the marker says.
LogReadResult readFile(StatsState& state, const std::string& path, std::optional<Track> forced) {
  logio::FileSource src(path);
  logio::VersionMarker marker;
  LogParser parser(state, src);
  std::string carry;
  logio::forEachLine(
      src, carry, [&](const char* first, const char* end) { marker.feed(first, end); },
      [&](std::string_view line) { parser.readLine(line); });
  const Track version = forced.value_or(marker.found() ? Track::V104 : Track::V100);
  LogReadResult result{logio::versionText(marker.found()), parser.finish(version)};
  if (src.refusal() != logio::FileSource::Refusal::None)
    result.problem = refusedFile(src.refusal());
  else if (src.failed() && !result.problem)
    result.problem = LogProblem{0, "the file cannot be read"};
  return result;
}

}  // namespace

LogReadResult ReadLog(StatsState& state, const std::string& path) {
  // Every log starts from empty records: nothing of an earlier log may show
  // through a field or a DamageTo entry that this one does not write.
  state.Players.fill(PlayerStats{});
  state.PlayerIndex = -1.0f;
  return readFile(state, path, std::nullopt);
}

std::optional<LogProblem> ParseLog100(StatsState& state, const std::string& path) {
  return readFile(state, path, Track::V100).problem;
}
std::optional<LogProblem> ParseLog104(StatsState& state, const std::string& path) {
  return readFile(state, path, Track::V104).problem;
}

bool IsNormalFile(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path p(path);
  return std::filesystem::is_regular_file(p, ec) && p.filename().string().rfind('.', 0) != 0;
}

double GetLineValue(const StatsState& state, std::string_view label) {
  const std::size_t tab = label.find('\t');
  const std::size_t column = tab != std::string_view::npos ? tab + 1 : label.size();
  return ReadLogNumber(textAfter(state.LogLine, column));
}

}  // namespace corv
