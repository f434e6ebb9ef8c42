#include "stats/ScoringSummary.h"

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

CategorySummaryResult computeCategorySummary(Category c, std::span<const PlayerStats> players) {
  CategorySummaryResult out;
  out.category = c;
  out.title = categoryRule(c).title;
  out.scores.reserve(players.size());
  for (const PlayerStats& p : players) {
    const std::int64_t score = categoryScore(c, p);
    out.scores.push_back(score);
    out.extremes.take(score);
  }
  out.rows = rankedRows<CategoryRow>(players, out.scores, [&](const PlayerStats&, CategoryRow& row) {
    row.width = barWidth(row.score, out.extremes.maxScore);
    row.shade = categoryShade(c, row.score, out.extremes.minScore, out.extremes.maxScore);
    row.colour = categoryColour(c, row.shade);
  });
  return out;
}

CategorySummaryResult computeCategorySummary(Category c, const StatsState& state) {
  return computeCategorySummary(c, playersOf(state));
}

GeneralSummaryResult computeGeneralSummary(std::span<const PlayerStats> players, float firstLeft) {
  GeneralSummaryResult out;
  out.title = "Overall Game Performance";
  out.scores.reserve(players.size());
  for (const PlayerStats& p : players) {
    const std::int64_t score = generalScore(p);
    out.scores.push_back(score);
    if (score > out.maxScore) out.maxScore = score;
    for (const Category c : kCategories) out.categoryExtremes[static_cast<std::size_t>(c)].take(scoreField(p, c));
  }
  out.rows = rankedRows<GeneralRow>(players, out.scores, [&](const PlayerStats& p, GeneralRow& row) {
    for (const Category c : kCategories) {
      const auto k = static_cast<std::size_t>(c);
      const ScoreExtremes& ex = out.categoryExtremes[k];
      row.lefts[k] = k == 0 ? firstLeft : nextSegmentLeft(row.lefts[k - 1], row.widths[k - 1]);
      row.widths[k] = segmentWidth(scoreField(p, c), out.maxScore);
      row.shades[k] = overallShade(scoreField(p, c), ex.minScore, ex.maxScore);
      row.colours[k] = categoryColour(c, row.shades[k]);
    }
  });
  return out;
}

GeneralSummaryResult computeGeneralSummary(const StatsState& state, float firstLeft) {
  return computeGeneralSummary(playersOf(state), firstLeft);
}

}  // namespace corv
