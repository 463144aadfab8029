#include "bridges/deckGeometry.h"

namespace tolvane {

float INTERP_Y(const float* X, const float* Y, int32_t n, float x) {
  if (n <= 0) return 0.0f;
  if (n == 1) return Y[0];
  // Lists are 0-based here: point i of the deck is entry i - 1.
  int32_t i = 1;
  while (i < n - 1 && !(X[i] > x)) ++i;
  int32_t j = i - 1;
  if (X[i] == X[j]) return x >= X[i] ? Y[i] : Y[j];
  float slope = (Y[i] - Y[j]) / (X[i] - X[j]);
  float offset = x - X[j];
  float rise = slope * offset;
  return Y[j] + rise;
}

}  // namespace tolvane
