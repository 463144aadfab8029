#include "network/reachNames.h"

namespace tolvane {

int FIND_CHAR_OF_SET(std::string_view text, int start, int count, std::string_view set,
                     int setStart, int setLength, int& found) {
  found = 0;
  if (setStart < 1) return 0;
  int setEnd = setStart + setLength - 1;
  if (setEnd > static_cast<int>(set.size())) setEnd = static_cast<int>(set.size());
  int step = count < 0 ? -1 : 1;
  int steps = count < 0 ? -count : count;
  for (int i = 0, p = start; i < steps; ++i, p += step) {
    if (p < 1 || p > static_cast<int>(text.size())) return 0;
    char c = text[static_cast<size_t>(p - 1)];
    for (int s = setStart; s <= setEnd; ++s) {
      if (set[static_cast<size_t>(s - 1)] == c) {
        found = s - setStart + 1;
        return p;
      }
    }
  }
  return 0;
}

}  // namespace tolvane
