// Everything the four summary pages show, worked out from the player records
// as values: the window code only stores the scores into the records and
// copies rows into its labels and bars.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Numbers.h"
#include "log/PlayerStats.h"
#include "stats/Scoring.h"

namespace corv {

// One row of a category page; rows[r] is the player ranked r (0 = best).
struct CategoryRow {
  int slot = 0;
  std::int64_t score = 0;
  std::string caption;  // "Ana (Vaelori): 8385 pts"
  float width = 0.0f;   // bar width in twips
  int shade = 75;
  Rgb colour = 0;
};

struct CategorySummaryResult {
  std::vector<std::int64_t> scores;  // by slot: store into the record's score field
  std::vector<CategoryRow> rows;     // one per player, row order
};

// Scores the given players (slots 0..n−1 in order) in one category.
CategorySummaryResult computeCategorySummary(Page c, std::span<const PlayerStats> players);
// The players are slots 0..PlayerIndex (see playerCount).
CategorySummaryResult computeCategorySummary(Page c, const StatsState& state);

// One row of the Overview page. Index 0, 1, 2 of the arrays: the resource
// (lnGen), unit (lnGen2) and combat (lnGen3) segment.
struct GeneralRow {
  int slot = 0;
  std::int64_t score = 0;
  std::string caption;
  std::array<float, 3> widths{};
  std::array<Rgb, 3> colours{};
};

struct GeneralSummaryResult {
  std::vector<std::int64_t> scores;  // GeneralScore by slot
  std::vector<GeneralRow> rows;
};

// Reads ResourceScore, UnitScore and CombatScore from the records, so the
// three category scores must have been stored first. GeneralScore is their sum.
GeneralSummaryResult computeGeneralSummary(std::span<const PlayerStats> players);
GeneralSummaryResult computeGeneralSummary(const StatsState& state);

}  // namespace corv
