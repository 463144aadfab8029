#include "attach/attachRoutines.h"

#include <algorithm>

namespace tolvane {

void copyPadded(std::string_view text, std::span<char> name) {
  size_t n = std::min(text.size(), name.size());
  std::copy_n(text.begin(), n, name.begin());
  std::fill(name.begin() + static_cast<std::ptrdiff_t>(n), name.end(), ' ');
}

std::string_view trimmed(std::string_view text) {
  size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

bool readAnswer(ATTACH_LIBRARY& lib, LineBuffer& line) {
  if (lib.messages) lib.messages->flush();
  return lib.answers && lib.answers->readLine(line);
}

}  // namespace tolvane
