#include "stats/ScoringSummary.h"

#include <utility>

namespace corv {

namespace {

std::span<const PlayerStats> playersOf(const StatsState& state) {
  return std::span<const PlayerStats>(state.Players).first(static_cast<std::size_t>(playerCount(state.PlayerIndex)));
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
  out.sorted = out.scores;
  SortDesc(out.sorted);

  for (const int slot : rankSlots(out.scores)) {
    const PlayerStats& p = players[static_cast<std::size_t>(slot)];
    CategoryRow row;
    row.slot = slot;
    row.score = out.scores[static_cast<std::size_t>(slot)];
    row.caption = summaryCaption(p, row.score);
    row.width = barWidth(row.score, out.extremes.maxScore);
    row.shade = categoryShade(c, row.score, out.extremes.minScore, out.extremes.maxScore);
    row.colour = categoryColour(c, row.shade);
    out.rows.push_back(std::move(row));
  }
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
  out.sorted = out.scores;
  SortDesc(out.sorted);

  for (const int slot : rankSlots(out.scores)) {
    const PlayerStats& p = players[static_cast<std::size_t>(slot)];
    GeneralRow row;
    row.slot = slot;
    row.score = out.scores[static_cast<std::size_t>(slot)];
    row.caption = summaryCaption(p, row.score);
    for (const Category c : kCategories) {
      const auto k = static_cast<std::size_t>(c);
      const ScoreExtremes& ex = out.categoryExtremes[k];
      row.lefts[k] = k == 0 ? firstLeft : nextSegmentLeft(row.lefts[k - 1], row.widths[k - 1]);
      row.widths[k] = segmentWidth(scoreField(p, c), out.maxScore);
      row.shades[k] = overallShade(scoreField(p, c), ex.minScore, ex.maxScore);
      row.colours[k] = categoryColour(c, row.shades[k]);
    }
    out.rows.push_back(std::move(row));
  }
  return out;
}

GeneralSummaryResult computeGeneralSummary(const StatsState& state, float firstLeft) {
  return computeGeneralSummary(playersOf(state), firstLeft);
}

}  // namespace corv
