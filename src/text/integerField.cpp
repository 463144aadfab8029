#include "text/numbers.h"

namespace tolvane {

bool readWholeIntegerField(std::string_view field, int32_t& value) {
  int64_t magnitude = 0;
  bool negative = false, signSeen = false, digitSeen = false;
  for (char c : field) {
    if (c == ' ') continue;
    if ((c == '-' || c == '+') && !signSeen && !digitSeen) {
      signSeen = true;
      negative = c == '-';
      continue;
    }
    if (c < '0' || c > '9') return false;
    digitSeen = true;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > (negative ? -int64_t{INT32_MIN} : int64_t{INT32_MAX})) return false;
  }
  if (signSeen && !digitSeen) return false;
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}

int32_t readIntegerField(std::string_view field) {
  int32_t value = 0;
  return readWholeIntegerField(field.substr(0, field.find(',')), value) ? value : 0;
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
