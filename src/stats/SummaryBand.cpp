#include "stats/SummaryBand.h"

namespace corv {

namespace {

float heldP(float P) {
  if (!(P >= 1.0f)) return 1.0f;
  return P > 7.0f ? 7.0f : P;
}

}  // namespace

float twoPlayerRule(float playerIndex) { return playerIndex == 1.0f ? 1.5f : playerIndex; }

SummaryBand summaryBand(float P) {
  P = heldP(P);
  SummaryBand b;
  b.T0 = 500.0f / P + 900.0f;
  b.T1 = 4500.0f - 500.0f / P;
  b.H = (b.T1 - b.T0) / 2.0f;
  b.S = (b.T1 - b.T0) / (2.0f * P);
  b.C = b.T0 + b.H;
  return b;
}

std::array<std::optional<float>, 8> summaryRowTops(float P) {
  P = heldP(P);
  const SummaryBand b = summaryBand(P);
  std::array<std::optional<float>, 8> tops{};
  for (int k = 0; k < 4; ++k) tops[static_cast<std::size_t>(k)] = b.C - b.S * (P - static_cast<float>(2 * k));

  // The multiples are fixed per line, not taken from P: for a P with a half
  // the lower rows still sit where the line puts them.
  if (P > 3.0f && P < 5.0f) {
    tops[4] = b.C + 4.0f * b.S;
  } else if (P > 4.0f && P < 6.0f) {
    tops[4] = b.C + 3.0f * b.S;
    tops[5] = b.C + 5.0f * b.S;
  } else if (P > 5.0f && P < 7.0f) {
    tops[4] = b.C + 2.0f * b.S;
    tops[5] = b.C + 4.0f * b.S;
    tops[6] = b.C + 6.0f * b.S;
  } else if (P > 6.0f) {
    tops[4] = b.C + b.S;
    tops[5] = b.C + 3.0f * b.S;
    tops[6] = b.C + 5.0f * b.S;
    tops[7] = b.C + 7.0f * b.S;
  }
  return tops;
}

float summaryBarTop(float labelTop, float labelHeight, float P) {
  return labelTop + labelHeight + 20.0f + 50.0f / heldP(P);
}

}  // namespace corv
