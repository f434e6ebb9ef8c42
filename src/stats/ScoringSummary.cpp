#include "stats/ScoringSummary.h"

#include <algorithm>
#include <utility>

namespace corv {

namespace {

std::span<const PlayerStats> playersOf(const StatsState& state) {
  return std::span<const PlayerStats>(state.Players).first(static_cast<std::size_t>(playerCount(state.PlayerIndex)));
}

// One row per player in the order of the ranked scores, each with its slot,
// score and caption; `complete` adds what the page draws.
template <class Row, class Complete>
std::vector<Row> rankedRows(std::span<const PlayerStats> players, const std::vector<std::int64_t>& scores,
                            Complete complete) {
  std::vector<Row> rows;
  rows.reserve(scores.size());
  for (const int slot : rankSlots(scores)) {
    const PlayerStats& p = players[static_cast<std::size_t>(slot)];
    Row row;
    row.slot = slot;
    row.score = scores[static_cast<std::size_t>(slot)];
    row.caption = summaryCaption(p, row.score);
    complete(p, row);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

CategorySummaryResult computeCategorySummary(Page c, std::span<const PlayerStats> players) {
  CategorySummaryResult out;
  ScoreExtremes extremes;
  out.scores.reserve(players.size());
  for (const PlayerStats& p : players) {
    const std::int64_t score = categoryScore(c, p);
    out.scores.push_back(score);
    extremes.take(score);
  }
  out.rows = rankedRows<CategoryRow>(players, out.scores, [&](const PlayerStats&, CategoryRow& row) {
    row.width = barWidth(row.score, extremes.maxScore);
    row.shade = categoryShade(c, row.score, extremes.minScore, extremes.maxScore);
    row.colour = categoryColour(c, row.shade);
  });
  return out;
}

CategorySummaryResult computeCategorySummary(Page c, const StatsState& state) {
  return computeCategorySummary(c, playersOf(state));
}

GeneralSummaryResult computeGeneralSummary(std::span<const PlayerStats> players) {
  GeneralSummaryResult out;
  // The overall maximum divides every segment; each category's own extremes give its shades.
  std::int64_t maxScore = 0;
  std::array<ScoreExtremes, 3> extremes;
  out.scores.reserve(players.size());
  for (const PlayerStats& p : players) {
    const std::int64_t score = generalScore(p);
    out.scores.push_back(score);
    maxScore = std::max(maxScore, score);
    for (const Page c : kCategories) extremes[segmentOf(c)].take(scoreField(p, c));
  }
  out.rows = rankedRows<GeneralRow>(players, out.scores, [&](const PlayerStats& p, GeneralRow& row) {
    for (const Page c : kCategories) {
      const std::size_t k = segmentOf(c);
      row.widths[k] = segmentWidth(scoreField(p, c), maxScore);
      row.colours[k] = categoryColour(c, overallShade(scoreField(p, c), extremes[k].minScore, extremes[k].maxScore));
    }
  });
  return out;
}

GeneralSummaryResult computeGeneralSummary(const StatsState& state) { return computeGeneralSummary(playersOf(state)); }

}  // namespace corv
