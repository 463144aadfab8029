#pragma once
// The quick reading of a number field: the plain decimal form that nearly
// every field holds, in one pass. Inline: the hydraulic check reads every
// ground point's two fields.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tolvane {

namespace plainDecimalDetail {

inline constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
inline constexpr uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr uint64_t kHigh = 0x8080808080808080ULL;
inline constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;

/// 0x80 in each byte of `x` that equals `c`, 0 elsewhere (exact, no borrow).
inline uint64_t bytesEqual(uint64_t x, unsigned char c) {
  uint64_t z = x ^ (kOnes * c);
  return ~(((z & kLow7) + kLow7) | z | kLow7);
}

/// The usual field, right-justified in 8 characters ("  5753.69", "     .06"),
/// read eight characters at a time, given as they lie in memory (character i
/// in byte i on a little-endian machine). False when it has another form.
inline bool plainDecimalBits(uint64_t x, double& value) {
  if constexpr (std::endian::native != std::endian::little) return false;
  uint64_t blanks = bytesEqual(x, ' ');
  uint64_t filled = ~blanks & kHigh;
  if (filled == 0) return false;
  int lead = std::countr_zero(filled) / 8;
  if ((blanks >> (8 * lead)) != 0) return false;  // a blank after the number
  unsigned first = static_cast<unsigned>(x >> (8 * lead)) & 0xFF;
  bool sign = first == '-' || first == '+';
  if (sign) x += static_cast<uint64_t>('0' - first) << (8 * lead);  // read as a leading 0
  uint64_t dots = bytesEqual(x, '.');
  if (dots & (dots - 1)) return false;  // two points
  // Blanks and the point read as 0 digits; then every byte must be a digit.
  x |= (blanks >> 3);
  x += (dots >> 6);
  if ((x & 0xF0F0F0F0F0F0F0F0ULL) != 0x3030303030303030ULL ||
      (((x & 0x0F0F0F0F0F0F0F0FULL) + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) != 0)
    return false;
  int digits = 8 - lead - (sign ? 1 : 0) - (dots ? 1 : 0);
  if (digits <= 0) return false;
  uint64_t v = x & 0x0F0F0F0F0F0F0F0FULL;
  int decimals = 0;
  if (dots) {
    // Take the point out: the digits after it move up by one place and the
    // whole run gains a leading 0.
    int p = std::countr_zero(dots) / 8;
    uint64_t before = p == 0 ? 0 : v & (~0ULL >> (64 - 8 * p));
    uint64_t after = p == 7 ? 0 : (v >> (8 * (p + 1))) << (8 * p);
    v = (before | after) << 8;
    decimals = 7 - p;
  }
  // Eight digits, the first in the lowest byte, to their value.
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;
  v = (v * 10000 + (v >> 32)) & 0xFFFFFFFFULL;
  double magnitude = static_cast<double>(v) / kPowers[decimals];
  value = first == '-' ? -magnitude : magnitude;
  return true;
}

/// The same for the 8 characters at `field`.
inline bool plainDecimalAtOnce(const char* field, double& value) {
  uint64_t x;
  std::memcpy(&x, field, 8);
  return plainDecimalBits(x, value);
}

/// The one-pass reading, character by character: any text of up to 8.
bool plainDecimalByCharacters(std::string_view text, double& value);

}  // namespace plainDecimalDetail

/// Reads a field of at most 8 characters that holds a plain decimal number
/// (blanks around it, a sign, digits with at most one point) exactly as the
/// library would round its text. False for any other form, or a longer text:
/// the caller then reads it the full way.
inline bool plainDecimalField(std::string_view text, double& value) {
  // Eight characters hold at most eight digits, which the mantissa holds
  // exactly, and dividing by an exact power of ten rounds it once.
  if (text.size() > 8) return false;
  if (text.size() == 8 && plainDecimalDetail::plainDecimalAtOnce(text.data(), value)) return true;
  return plainDecimalDetail::plainDecimalByCharacters(text, value);
}

}  // namespace tolvane
