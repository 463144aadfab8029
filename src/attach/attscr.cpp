#include "attach/attachRoutines.h"

#include <charconv>
#include <cstring>

namespace tolvane {

bool ATTSCR(std::span<char> name, int32_t unit) {
  char text[24] = "SCRATCH.";
  auto [end, ec] = std::to_chars(text + 8, text + sizeof text, unit);
  size_t length = static_cast<size_t>(end - text);
  if (length > name.size()) return false;
  copyPadded({text, length}, name);
  return true;
}

}  // namespace tolvane
