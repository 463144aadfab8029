#include "text/plainDecimal.h"

#include <cstdint>

namespace tolvane::plainDecimalDetail {

bool plainDecimalByCharacters(std::string_view text, double& value) {
  size_t i = 0, n = text.size();
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

}  // namespace tolvane::plainDecimalDetail
