#include <cstring>

#include "network/reachNames.h"
#include "text/stringUtils.h"

namespace tolvane {

void REPLACECHAR(std::span<char> text, char oldChar, char newChar, int first, int last) {
  if (first < 1) first = 1;
  if (last > static_cast<int>(text.size())) last = static_cast<int>(text.size());
  for (int i = first; i <= last; ++i)
    if (text[static_cast<size_t>(i - 1)] == oldChar) text[static_cast<size_t>(i - 1)] = newChar;
}

void cleanName(std::span<char> name) {
  static constexpr char kUnfit[] = {',', '/', '\\', ':', '.', '?', '<', '>', '|', '*', '"', ' '};
  int last = 0;
  LAST_NONBLANK({name.data(), name.size()}, last);
  for (char c : kUnfit) REPLACECHAR(name, c, '_', 1, last);
}

void takeName(std::string_view columns, std::span<char> name) {
  size_t lead = columns.find_first_not_of(' ');
  if (lead == std::string_view::npos) lead = columns.size();
  std::string_view rest = columns.substr(lead);
  size_t n = rest.size() < name.size() ? rest.size() : name.size();
  std::memcpy(name.data(), rest.data(), n);
  std::memset(name.data() + n, ' ', name.size() - n);
}

}  // namespace tolvane
