#include "bridges/deckGeometry.h"

namespace tolvane {

namespace {

/// Entry `index` (0-based) of the deck's three value lists, set at once.
void setPoint(LID_TABLE& deck, int32_t index, float station, float top, float low) {
  deck.COL1_VALUE[index] = station;
  deck.COL2_VALUE[index] = top;
  deck.COL3_VALUE[index] = low;
}

void copyPoint(LID_TABLE& deck, int32_t from, int32_t to) {
  setPoint(deck, to, deck.COL1_VALUE[from], deck.COL2_VALUE[from], deck.COL3_VALUE[from]);
}

}  // namespace

bool ADD_PIER_TO_DECK(LID_TABLE& deck, float W, float E, float S) {
  const int32_t n = deck.COUNT;
  if (n < 1 || n > LID_CAPACITY - 4) return false;
  const float* sta = deck.COL1_VALUE;
  float halfWidth = W / 2.0f;
  float a = S - halfWidth;
  float b = halfWidth + S;
  float ta = INTERP_Y(sta, deck.COL2_VALUE, n, a);
  float tb = INTERP_Y(sta, deck.COL2_VALUE, n, b);
  float la = INTERP_Y(sta, deck.COL3_VALUE, n, a);
  float lb = INTERP_Y(sta, deck.COL3_VALUE, n, b);

  // k: the first point beyond the left edge (0-based); points at the edge stay before the pier.
  int32_t k = 0;
  while (k < n && !(sta[k] > a)) ++k;
  for (int32_t p = n - 1; p >= k; --p) copyPoint(deck, p, p + 4);
  deck.COUNT = n + 4;

  setPoint(deck, k, a, ta, la);
  setPoint(deck, k + 1, a, ta, E);
  int32_t d = k + 2;
  for (int32_t moved = k + 4; moved < n + 4 && deck.COL1_VALUE[moved] <= b; ++moved, ++d)
    setPoint(deck, d, deck.COL1_VALUE[moved], deck.COL2_VALUE[moved], E);
  setPoint(deck, d, b, tb, E);
  setPoint(deck, d + 1, b, tb, lb);
  return true;
}

}  // namespace tolvane
