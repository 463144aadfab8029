#include "text/stringUtils.h"

#include <cstring>

namespace tolvane {

namespace {

int length(std::string_view s) { return static_cast<int>(s.size()); }

bool windowEquals(std::string_view text, int start, std::string_view pattern) {
  return text.compare(static_cast<size_t>(start - 1), pattern.size(), pattern) == 0;
}

}  // namespace

void LAST_NONBLANK(std::string_view text, int& n) { n = LAST_MISMATCH(text, " "); }

void SQUEEZE_BLANKS(std::string_view source, std::span<char> target, int& n) {
  n = 0;
  for (char c : source) {
    if (c == ' ') continue;
    if (n == static_cast<int>(target.size())) return;
    target[static_cast<size_t>(n++)] = c;
  }
}

int LAST_MISMATCH(std::string_view text, std::string_view pattern) {
  int l = length(text), p = length(pattern);
  if (p > l) return 0;
  for (int i = l - p + 1; i >= 1; --i)
    if (!windowEquals(text, i, pattern)) return i;
  return 0;
}

int LAST_INDEX(std::string_view text, std::string_view pattern) {
  int l = length(text), p = length(pattern);
  if (p > l) return 0;
  for (int i = l - p + 1; i >= 1; --i)
    if (windowEquals(text, i, pattern)) return i;
  return 0;
}

int FIRST_MISMATCH(std::string_view text, std::string_view pattern) {
  int l = length(text), p = length(pattern);
  if (l == 0 || p == 0 || p > l) return 0;
  for (int i = 1; i <= l - p + 1; ++i)
    if (!windowEquals(text, i, pattern)) return i;
  return 0;
}

void UPPER_CASE(std::span<char> text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
}

void rightJustify(std::span<char> text) {
  size_t n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  if (n == text.size()) return;
  size_t shift = text.size() - n;
  std::memmove(text.data() + shift, text.data(), n);
  std::memset(text.data(), ' ', shift);
}

void leftJustify(std::span<char> text) {
  size_t lead = 0;
  while (lead < text.size() && text[lead] == ' ') ++lead;
  if (lead == 0 || lead == text.size()) return;
  std::memmove(text.data(), text.data() + lead, text.size() - lead);
  std::memset(text.data() + text.size() - lead, ' ', lead);
}

}  // namespace tolvane
