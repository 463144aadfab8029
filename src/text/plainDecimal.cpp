#include "text/plainDecimal.h"

#include <cstdint>

namespace tolvane {

bool plainDecimalField(std::string_view text, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  size_t i = 0, n = text.size();
  // Eight characters hold at most eight digits, which the mantissa holds
  // exactly, and dividing by an exact power of ten rounds it once.
  if (n > 8) return false;
  while (i < n && text[i] == ' ') ++i;
  bool negative = i < n && text[i] == '-';
  if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
  int64_t mantissa = 0;
  int digits = 0, decimals = -1;
  for (; i < n; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      mantissa = mantissa * 10 + (c - '0');
      ++digits;
      if (decimals >= 0) ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      break;
    }
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n || digits == 0) return false;
  double magnitude = static_cast<double>(mantissa) / kPowers[decimals > 0 ? decimals : 0];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace tolvane
