#include "text/field8.h"

#include <cstring>

namespace tolvane {

int LineBuffer::find(std::string_view key) const {
  if (key.empty() || static_cast<int>(key.size()) > length) return 0;
  size_t hit = std::string_view(text, static_cast<size_t>(length)).find(key);
  return hit == std::string_view::npos ? 0 : static_cast<int>(hit) + 1;
}

void LineBuffer::assign(std::string_view data) {
  size_t n = data.size() < LINE_WIDTH ? data.size() : LINE_WIDTH;
  std::memcpy(text, data.data(), n);
  std::memset(text + n, ' ', LINE_WIDTH - n);
  length = static_cast<int>(n);
  cut = data.size() > LINE_WIDTH;
}

}  // namespace tolvane
