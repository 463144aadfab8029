#include "text/field8.h"

#include <cstring>

namespace tolvane {

int LineBuffer::find(std::string_view key) const {
  if (key.empty() || static_cast<int>(key.size()) > length) return 0;
  const void* hit = memmem(text, static_cast<size_t>(length), key.data(), key.size());
  return hit ? static_cast<int>(static_cast<const char*>(hit) - text) + 1 : 0;
}

void LineBuffer::assign(std::string_view data) {
  size_t n = data.size() < LINE_WIDTH ? data.size() : LINE_WIDTH;
  std::memcpy(text, data.data(), n);
  std::memset(text + n, ' ', LINE_WIDTH - n);
  length = static_cast<int>(n);
  cut = data.size() > LINE_WIDTH;
}

}  // namespace tolvane
