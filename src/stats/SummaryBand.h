// Where the summary layout puts its rows: the vertical band the shown rows
// spread over, whose margins shrink as players are added. Twips as single
// precision, worked in single precision as the layout has always done.
#pragma once

#include <array>
#include <optional>

namespace corv {

// Two players leave PlayerIndex at exactly 1; the layout spreads them as if
// it were 1.5. Any other value comes back unchanged.
float twoPlayerRule(float playerIndex);

// P is PlayerIndex after the two-player rule.
struct SummaryBand {
  float T0 = 0;  // 500 ÷ P + 900: top of row 0
  float T1 = 0;  // 4500 − 500 ÷ P: top of row P for a whole P
  float H = 0;   // (T1 − T0) ÷ 2
  float S = 0;   // (T1 − T0) ÷ (2 × P): half the distance between rows
  float C = 0;   // T0 + H: the band's middle, 2700 for every P
};

// Callers lay out pages only for 2 to 8 players; a P outside 1..7 (or NaN)
// is held to that range so that no top becomes infinite or NaN.
SummaryBand summaryBand(float P);

// The label top of rows 0..7: rows 0-3 always C − S × (P − 2k); rows 4-7 from
// the first matching line of the layout's table for P > 3, nullopt where the
// row keeps its current top.
std::array<std::optional<float>, 8> summaryRowTops(float P);

// Label top + label height + 20 + 50 ÷ P (the gap between a row label and its
// bar), the label's values as it reports them.
float summaryBarTop(float labelTop, float labelHeight, float P);

// Rows 0..P are shown, the rest hidden.
inline bool summaryRowShown(int row, float P) { return static_cast<float>(row) <= P; }

}  // namespace corv
