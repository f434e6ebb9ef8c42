#include "stats/Scoring.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace corv {

namespace {

// Shades of scores inside [min, max] lie in 75..206; the clamp only keeps a
// caller's out-of-range score from turning into an unrepresentable int.
int shadeFrom(double fraction, int offset) {
  const double s = std::floor(fraction * 130.0);
  return static_cast<int>(std::clamp(s, -1.0e9, 1.0e9)) + offset;
}

}  // namespace

const CategoryRule& categoryRule(Page c) {
  static constexpr std::array<CategoryRule, 3> kRules{{
      {kResourceFactor, false},
      {kUnitFactor, true},
      {kCombatFactor, true},
  }};
  assert(c != Page::Overview);
  return kRules[segmentOf(c)];
}

std::int64_t resourceRaw(const PlayerStats& p) {
  const std::int64_t exact = 2 * static_cast<std::int64_t>(p.RUCollected) + p.RUGiven;
  double v = static_cast<double>(exact);
  v += p.RUCurrent / 2.0;
  v += p.RUSpent / 3.0;
  v += p.RUBounties / 4.0;
  v -= p.RUReceived / 2.0;
  v -= p.RUGenerated / 2.0;
  return static_cast<std::int64_t>(std::floor(v));
}

std::int64_t unitRaw(const PlayerStats& p) {
  // Narrow 16-bit arithmetic overflows past 109 carriers; int64 never does.
  std::int64_t v = 20 * static_cast<std::int64_t>(p.Resource);
  v += 4 * static_cast<std::int64_t>(p.NonCombat);
  v += 3 * static_cast<std::int64_t>(p.Fighter);
  v += 9 * static_cast<std::int64_t>(p.Corvette);
  v += 40 * static_cast<std::int64_t>(p.Frigate);
  v += 170 * static_cast<std::int64_t>(p.Destroyer);
  v += 250 * static_cast<std::int64_t>(p.HeavyCruiser);
  v += 300 * static_cast<std::int64_t>(p.Carrier);
  return v;
}

std::int64_t combatRaw(const PlayerStats& p) {
  std::int64_t damage = 0;
  for (std::size_t d = 0; d < 7; ++d) damage += p.DamageTo[d];
  const std::int64_t killTerm = 500 * static_cast<std::int64_t>(p.Kills) - 100 * static_cast<std::int64_t>(p.Losses);
  double v = static_cast<double>(damage);
  v += p.DamageTo[7] / 10.0;
  v += static_cast<double>(killTerm);
  return static_cast<std::int64_t>(std::floor(v));
}

std::int64_t categoryRaw(Page c, const PlayerStats& p) {
  switch (c) {
    case Page::Resource:
      return resourceRaw(p);
    case Page::Unit:
      return unitRaw(p);
    case Page::Combat:
    case Page::Overview:  // scores no category of its own
      break;
  }
  return combatRaw(p);
}

std::int64_t categoryScore(std::int64_t raw, double k) {
  return static_cast<std::int64_t>(roundHalfEven(std::fabs(static_cast<double>(raw) * k)));
}

std::int64_t categoryScore(Page c, const PlayerStats& p) {
  return categoryScore(categoryRaw(c, p), categoryRule(c).factor);
}

std::int64_t& scoreField(PlayerStats& p, Page c) {
  switch (c) {
    case Page::Resource:
      return p.ResourceScore;
    case Page::Unit:
      return p.UnitScore;
    case Page::Combat:
      return p.CombatScore;
    case Page::Overview:
      break;
  }
  return p.GeneralScore;
}

std::int64_t scoreField(const PlayerStats& p, Page c) { return scoreField(const_cast<PlayerStats&>(p), c); }

std::int64_t generalScore(const PlayerStats& p) { return p.CombatScore + p.ResourceScore + p.UnitScore; }

void SortDesc(std::span<std::int64_t> values) {
  for (std::size_t i = values.size(); i-- > 0;) {
    for (std::size_t j = 1; j <= i; ++j) {
      if (values[j - 1] < values[j]) SwapVar(values[j - 1], values[j]);
    }
  }
}

std::vector<int> rankSlots(std::span<const std::int64_t> scoresBySlot) {
  std::vector<std::int64_t> sorted(scoresBySlot.begin(), scoresBySlot.end());
  SortDesc(sorted);
  // Each row takes the first slot not yet shown whose score matches, so a
  // tie never shows one player twice and leaves another out.
  std::vector<bool> shown(scoresBySlot.size(), false);
  std::vector<int> rows;
  rows.reserve(sorted.size());
  for (const std::int64_t value : sorted) {
    for (std::size_t slot = 0; slot < scoresBySlot.size(); ++slot) {
      if (!shown[slot] && scoresBySlot[slot] == value) {
        shown[slot] = true;
        rows.push_back(static_cast<int>(slot));
        break;
      }
    }
  }
  return rows;
}

float barWidth(std::int64_t score, std::int64_t maxScore) {
  if (maxScore <= 0) return 0.0f;
  return static_cast<float>(70.35 * (static_cast<double>(score) / static_cast<double>(maxScore) * 100.0));
}

float segmentWidth(std::int64_t score, std::int64_t overallMax) {
  if (overallMax <= 0) return 0.0f;
  return static_cast<float>(static_cast<double>(score) / static_cast<double>(overallMax) * 100.0 * 70.35);
}

float nextSegmentLeft(float left, float width) {
  return static_cast<float>(static_cast<double>(left) + width - kSegmentOverlap);
}

int categoryShade(std::int64_t score, std::int64_t minScore, std::int64_t maxScore, bool rangePlusOne) {
  const std::int64_t range = maxScore - minScore + (rangePlusOne ? 1 : 0);
  if (range <= 0) return 75;
  return shadeFrom(static_cast<double>(score - minScore) / static_cast<double>(range), 75);
}

int categoryShade(Page c, std::int64_t score, std::int64_t minScore, std::int64_t maxScore) {
  return categoryShade(score, minScore, maxScore, categoryRule(c).rangePlusOne);
}

int overallShade(std::int64_t score, std::int64_t minScore, std::int64_t maxScore) {
  const std::int64_t range = maxScore - minScore;
  if (range <= 0) return 76;
  return shadeFrom(static_cast<double>(score - minScore) / static_cast<double>(range), 76);
}

Rgb categoryColour(Page c, int shade) {
  const long long s = shade;
  switch (c) {
    case Page::Resource:
      return rgb(50, s + 50, 50);
    case Page::Unit:
      return rgb(0, s, s + 60);
    case Page::Combat:
    case Page::Overview:  // has no colour of its own: its segments take the categories'
      break;
  }
  return rgb(s + 50, 30, 30);
}

std::string summaryCaption(const PlayerStats& p, std::int64_t score) {
  return p.Name + summaryCaptionAfterName(p, score);
}

std::string summaryCaptionAfterName(const PlayerStats& p, std::int64_t score) {
  return " (" + p.Race + "):" + numTextSigned(score) + " pts";
}

int playerCount(float playerIndex) {
  if (!(playerIndex >= 0.0f)) return 0;
  if (playerIndex >= static_cast<float>(kMaxPlayers - 1)) return kMaxPlayers;
  return static_cast<int>(std::floor(playerIndex)) + 1;
}

std::int32_t shipsTotal(const PlayerStats& p) {
  return static_cast<std::int32_t>(p.Carrier) + p.Corvette + p.Destroyer + p.Fighter + p.Frigate + p.HeavyCruiser +
         p.NonCombat + p.Resource + 1;
}

std::int64_t damageTotal(const PlayerStats& p) {
  std::int64_t total = 0;
  for (const std::int32_t d : p.DamageTo) total += d;
  return total;
}

std::string FormatHMS(float secs) {
  // Beyond 1e15 the products would no longer be exact in double; no time of
  // death comes near it.
  constexpr double kLimit = 1.0e15;
  const double s = std::isnan(secs) ? 0.0 : std::clamp(static_cast<double>(secs), -kLimit, kLimit);
  const double hours = std::floor(s / 3600.0);
  const double minutes = std::floor((s - hours * 3600.0) / 60.0);
  const double seconds = std::floor(s - hours * 3600.0 - minutes * 60.0);
  std::string text;
  if (hours > 0) text = numText(static_cast<long long>(hours)) + "h ";
  text += numText(static_cast<long long>(minutes)) + "m " + numText(static_cast<long long>(seconds)) + "s";
  return text;
}

}  // namespace corv
