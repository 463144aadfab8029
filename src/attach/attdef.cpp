#include "attach/attachRoutines.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "text/numbers.h"

namespace tolvane {

namespace {

constexpr std::string_view kScratch = "SCRATCH";
/// Digits of a scratch number after "SCRATCH."; larger numbers get more.
constexpr int kScratchDigits = 3;
/// Most digits a scratch default may carry after "SCRATCH".
constexpr size_t kMaxScratchDigits = 9;

void setText(NORMALISED_DEFAULT& normalised, std::string_view text) {
  size_t n = std::min(text.size(), sizeof normalised.text);
  std::memset(normalised.text, ' ', sizeof normalised.text);
  std::memcpy(normalised.text, text.data(), n);
  normalised.length = static_cast<int32_t>(n);
}

/// True when a default names a numbered scratch file: longer than "SCRATCH",
/// starting with it, no period, at most nine digits (blanks ignored) after it.
bool isScratchDefault(std::string_view text) {
  if (text.size() <= kScratch.size() || !text.starts_with(kScratch)) return false;
  if (text.find('.') != std::string_view::npos) return false;
  std::string_view number = text.substr(kScratch.size());
  if (number.size() > kMaxScratchDigits) return false;
  return number.find_first_not_of("0123456789 ") == std::string_view::npos;
}

}  // namespace

void ATTDEF(std::string_view defaultValue, NORMALISED_DEFAULT& normalised) {
  std::string_view word = trimmed(defaultValue);
  if (word == "STDIN" || word == "STDOUT") return setText(normalised, "CON");
  if (!isScratchDefault(defaultValue)) return setText(normalised, defaultValue);

  int32_t number = readIntegerField(defaultValue.substr(kScratch.size()));
  char digits[16];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number);
  int length = static_cast<int>(end - digits);
  char text[32] = "SCRATCH.";
  size_t used = 8;
  for (int i = length; i < kScratchDigits; ++i) text[used++] = '0';
  std::memcpy(text + used, digits, static_cast<size_t>(length));
  setText(normalised, {text, used + static_cast<size_t>(length)});
}

}  // namespace tolvane
