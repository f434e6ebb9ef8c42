// The arithmetic of the statistics window as plain value functions: raw
// values and scores of the three categories, the descending sort and the row
// ranking, bar widths, shades and colours, ship and damage totals and the
// hours-minutes-seconds text. No Qt: values in, values out.
//
// Where a 16-bit or 32-bit intermediate of the game's own formulas would
// overflow, the functions work in wider arithmetic and return the true value:
// scores are 64-bit and the ship total 32-bit, never clamped. Inside the
// ranges the formulas were made for, the results are bit for bit those of the
// narrow arithmetic.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Numbers.h"
#include "log/PlayerStats.h"
#include "stats/Page.h"

namespace corv {


inline constexpr double kResourceFactor = 0.3;
inline constexpr double kUnitFactor = 10.23;
inline constexpr double kCombatFactor = 0.062;

// MinScore's starting value. A score above it never becomes the minimum, so
// when every score exceeds it the shades are measured from 999999: intended.
inline constexpr std::int64_t kMinScoreStart = 999999;

// The rules of a category page (Resource, Unit or Combat).
struct CategoryRule {
  double factor;      // k: score = |raw × k| rounded half to even
  bool rangePlusOne;  // unit and combat shades divide by max − min + 1
};

const CategoryRule& categoryRule(Page c);

// ---- Raw values (exact; int64 so that no 16/32-bit sum can overflow) ----

// The fractional terms are added in double precision, left to right, as the
// game's formula does; the result is rounded down.
std::int64_t resourceRaw(const PlayerStats& p);
std::int64_t unitRaw(const PlayerStats& p);
// Only the damage against slot 7 counts a tenth: intended.
std::int64_t combatRaw(const PlayerStats& p);

std::int64_t categoryRaw(Page c, const PlayerStats& p);

// ---- Scores ----

// Every raw value the record's fields can give stays far inside the 64-bit
// range and exact in double.
std::int64_t categoryScore(std::int64_t raw, double k);
std::int64_t categoryScore(Page c, const PlayerStats& p);

// The record's score field of a category (ResourceScore, UnitScore, CombatScore).
std::int64_t& scoreField(PlayerStats& p, Page c);
std::int64_t scoreField(const PlayerStats& p, Page c);

// The true sum of the three stored category scores.
std::int64_t generalScore(const PlayerStats& p);

// MaxScore starts at 0 and MinScore at 999999; both tests are strict.
struct ScoreExtremes {
  std::int64_t maxScore = 0;
  std::int64_t minScore = kMinScoreStart;
  void take(std::int64_t score) {
    if (score > maxScore) maxScore = score;
    if (score < minScore) minScore = score;
  }
};

// ---- Ordering ----

template <class T>
void SwapVar(T& a, T& b) {
  T aside = a;
  a = b;
  b = aside;
}

// Bubble sort, largest first. Equal elements are never exchanged.
void SortDesc(std::span<std::int64_t> values);

// The slot shown on each row, row 0 first: rows follow SortDesc's order of
// the scores and every slot appears exactly once, equal scores on consecutive
// rows in slot order.
std::vector<int> rankSlots(std::span<const std::int64_t> scoresBySlot);

// ---- Bars ----

// The best score gives exactly 7035. A maxScore of 0 (every score 0) or below
// gives width 0 instead of a division by zero.
float barWidth(std::int64_t score, std::int64_t maxScore);

// 0 when overallMax is 0 or below.
float segmentWidth(std::int64_t score, std::int64_t overallMax);

// Each Overview segment starts 30 twips before the end of the one before it.
inline constexpr float kSegmentOverlap = 30.0f;
float nextSegmentLeft(float left, float width);

// A range of 0 or below gives the lowest shade, 75.
int categoryShade(std::int64_t score, std::int64_t minScore, std::int64_t maxScore, bool rangePlusOne);
int categoryShade(Page c, std::int64_t score, std::int64_t minScore, std::int64_t maxScore);

// A range of 0 or below gives the lowest shade, 76.
int overallShade(std::int64_t score, std::int64_t minScore, std::int64_t maxScore);

// Components above 255 count as 255: the best shades reach 256 to 266.
Rgb categoryColour(Page c, int shade);

// "Ana (Vaelori): 8385 pts": the score with one leading blank.
std::string summaryCaption(const PlayerStats& p, std::int64_t score);
// The same caption without the name: what the page shows after it.
std::string summaryCaptionAfterName(const PlayerStats& p, std::int64_t score);

// The players are the whole numbers 0..PlayerIndex: floor(PlayerIndex) + 1,
// held to 0..8 (a PlayerIndex of 1.5 counts two players).
int playerCount(float playerIndex);

// ---- Totals and time text ----

// The eight class counts plus one, added in 32 bits: eight full 16-bit
// counts give 262137.
std::int32_t shipsTotal(const PlayerStats& p);

// The eight DamageTo entries, own slot and slots beyond the players included.
std::int64_t damageTotal(const PlayerStats& p);

// "Hh Mm Ss", the hours only when above 0. Negative secs round the hours
// down and leave them out (−5 → "59m 55s"). The products are formed wide, so
// secs below −32400 (where a 16-bit product would overflow) follow the same
// formula. A NaN counts as 0; magnitudes beyond 1e15 seconds are held at 1e15.
std::string FormatHMS(float secs);

}  // namespace corv
