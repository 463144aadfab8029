#include "report/htmlText.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace tolvane {

size_t utf8Length(std::string_view text, size_t i) {
  auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  uint8_t lead = byte(i);
  size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  if (n == 3 && lead == 0xE0 && byte(i + 1) < 0xA0) return 0;  // overlong
  if (n == 3 && lead == 0xED && byte(i + 1) >= 0xA0) return 0;  // surrogate
  if (n == 4 && lead == 0xF0 && byte(i + 1) < 0x90) return 0;  // overlong
  if (n == 4 && lead == 0xF4 && byte(i + 1) >= 0x90) return 0;  // beyond U+10FFFF
  return n;
}

namespace {

/// True for the bytes written as they are without a look at their
/// neighbours: printable ASCII but for the four that markup reserves, and tab.
constexpr std::array<bool, 256> kPlainByte = [] {
  std::array<bool, 256> plain{};
  for (int c = 0x20; c < 0x7F; ++c) plain[c] = c != '&' && c != '<' && c != '>' && c != '"';
  plain['\t'] = true;
  return plain;
}();

}  // namespace

void writeEscaped(OutputStream& out, std::string_view text) {
  size_t plain = 0;  // start of the run of characters written as they are
  auto flush = [&](size_t end) {
    if (end > plain) out.write(text.substr(plain, end - plain));
  };
  for (size_t i = 0; i < text.size();) {
    uint8_t c = static_cast<uint8_t>(text[i]);
    if (kPlainByte[c]) {
      ++i;
      continue;
    }
    std::string_view replacement;
    char reference[16];
    size_t advance = 1;
    if (c == '&') replacement = "&amp;";
    else if (c == '<') replacement = "&lt;";
    else if (c == '>') replacement = "&gt;";
    else if (c == '"') replacement = "&quot;";
    else if (c < 0x20 && c != '\t') replacement = "&#65533;";
    else if (c == 0x7F) replacement = "&#65533;";
    else if (c >= 0x80) {
      size_t n = utf8Length(text, i);
      if (n > 0) {
        i += n;
        continue;
      }
      int len = std::snprintf(reference, sizeof reference, "&#%u;", static_cast<unsigned>(c));
      replacement = {reference, static_cast<size_t>(len)};
    }
    if (replacement.empty()) {
      ++i;
      continue;
    }
    flush(i);
    out.write(replacement);
    i += advance;
    plain = i;
  }
  flush(text.size());
}

void writeNumber(OutputStream& out, long long value) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  out.write({digits, static_cast<size_t>(end - digits)});
}

}  // namespace tolvane
