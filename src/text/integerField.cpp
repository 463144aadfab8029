#include "text/numbers.h"

namespace tolvane {

int32_t readIntegerField(std::string_view field) {
  int64_t value = 0;
  bool negative = false, signSeen = false, digitSeen = false;
  for (char c : field) {
    if (c == ' ') continue;
    if (c == ',') break;
    if ((c == '-' || c == '+') && !signSeen && !digitSeen) {
      signSeen = true;
      negative = c == '-';
      continue;
    }
    if (c < '0' || c > '9') return 0;
    digitSeen = true;
    value = value * 10 + (c - '0');
    if (value > (negative ? -int64_t{INT32_MIN} : int64_t{INT32_MAX})) return 0;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

int32_t readCountAfter(std::string_view line, int separator) {
  if (separator <= 0 || separator >= static_cast<int>(line.size())) return 0;
  return readIntegerField(line.substr(static_cast<size_t>(separator), 3));
}

int lastDigit(std::string_view text) {
  for (int i = static_cast<int>(text.size()); i >= 1; --i) {
    char c = text[static_cast<size_t>(i - 1)];
    if ((c >= '0' && c <= '9') || c == '.') return i;
  }
  return 0;
}

}  // namespace tolvane
