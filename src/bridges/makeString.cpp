#include "bridges/makeString.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "text/printfNumbers.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// Decimals the field's current text was written with: those after its
/// decimal point, or, for a whole number, 2 when short and fewer when long.
int decimalsOfText(const FIELD8& text) {
  FIELD8 justified = text;
  rightJustify(justified);
  const void* point = std::memchr(justified.data(), '.', justified.size());
  if (point) return 7 - static_cast<int>(static_cast<const char*>(point) - justified.data());
  std::string_view all = view(justified);
  size_t first = all.find_first_not_of(' ');
  int length = first == std::string_view::npos ? 0 : static_cast<int>(all.size() - first);
  return length <= 5 ? 2 : length == 6 ? 1 : 0;
}

/// Decimals the magnitude leaves room for in 8 columns.
int decimalsOfValue(float x) {
  if (x < 10.0f) return 6;
  if (x < 100.0f) return 5;
  if (x < 1000.0f) return 4;
  if (x < 10000.0f) return 3;
  if (x < 100000.0f) return 2;
  if (x < 1000000.0f) return 1;
  return 0;
}

}  // namespace

void MAKE_STRING_FROM_REAL(float x, FIELD8& text) {
  int decimals = std::min(decimalsOfText(text), decimalsOfValue(x));
  text.fill('*');
  if (!std::isfinite(x)) return;
  // Fewer decimals until the value fits: a sign, or rounding up to the next
  // power of ten, can need one column more than the magnitude test allowed.
  char digits[PRINTF_NUMBER_CAPACITY];
  for (; decimals >= 0; --decimals) {
    size_t length = formatFixed(static_cast<double>(x), decimals, digits);
    if (length > 0 && length <= 8) {
      text.fill(' ');
      std::memcpy(text.data() + 8 - length, digits, length);
      return;
    }
  }
}

}  // namespace tolvane
