#include "network/reachNames.h"

namespace tolvane {

namespace {

constexpr std::string_view kDigits = "0123456789";
/// Characters of a name that make up its key, at most.
constexpr int kKeyWidth = 10;

}  // namespace

int64_t nameKey(const REACH_NAME_TEXT& name) {
  std::string_view text(name.data(), name.size());
  int size = static_cast<int>(name.size()), found = 0;
  int first = FIND_CHAR_OF_SET(text, 1, size, kDigits, 1, 10, found);
  if (first == 0) return 0;
  int last = FIND_CHAR_OF_SET(text, size, -size, kDigits, 1, 10, found);
  if (last - first + 1 > kKeyWidth) last = first + kKeyWidth - 1;
  int64_t key = 0;
  for (int p = first; p <= last; ++p) {
    char c = text[static_cast<size_t>(p - 1)];
    if (c >= '0' && c <= '9') key = key * 10 + (c - '0');
  }
  return key;
}

void INSERTREACH(bool sorted, const REACH_NAME_TEXT& name, int32_t fileNumber,
                 REACH_TABLE& reaches, int64_t& key, int32_t count) {
  key = sorted ? nameKey(name) : 1;
  if (count < 1 || count > REACH_CAPACITY) return;
  int last = count - 1;
  int p = last;
  // Stable: the new reach goes after every reach whose key is not greater.
  while (p > 0 && reaches.SORT_KEY[p - 1] > key) {
    reaches.SORT_KEY[p] = reaches.SORT_KEY[p - 1];
    reaches.REACH_NAME[p] = reaches.REACH_NAME[p - 1];
    reaches.FILE_NUMBER[p] = reaches.FILE_NUMBER[p - 1];
    --p;
  }
  reaches.SORT_KEY[p] = key;
  reaches.REACH_NAME[p] = name;
  reaches.FILE_NUMBER[p] = fileNumber;
}

}  // namespace tolvane
