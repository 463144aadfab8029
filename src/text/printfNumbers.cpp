#include "text/printfNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tolvane {

namespace {

constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

/// Rounds a non-negative `scaled` below 2^32 to the nearest integer when it
/// lies clearly off a half: the product that made it errs by far less than
/// the margin, so the exact value rounds the same way. False near a half.
bool roundClearly(double scaled, uint64_t& rounded) {
  if (!(scaled < 4294967296.0)) return false;
  double whole = std::floor(scaled);
  double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5) <= 1e-5) return false;
  rounded = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
  return true;
}

/// Writes `digits` / 10^decimals with a point and at least one digit before it.
size_t writeScaled(bool negative, uint64_t digits, int decimals, char* out) {
  char text[24];
  char* end = std::to_chars(text, text + sizeof text, digits).ptr;
  size_t length = static_cast<size_t>(end - text);
  size_t at = 0;
  if (negative) out[at++] = '-';
  size_t whole = length > static_cast<size_t>(decimals) ? length - decimals : 0;
  if (whole == 0) {
    out[at++] = '0';
  } else {
    std::memcpy(out + at, text, whole);
    at += whole;
  }
  if (decimals > 0) {
    out[at++] = '.';
    for (size_t k = length; k < static_cast<size_t>(decimals); ++k) out[at++] = '0';
    std::memcpy(out + at, text + whole, length - whole);
    at += length - whole;
  }
  return at;
}

size_t byPrintf(char* out, const char* format, int decimals, double value) {
  int n = decimals < 0 ? std::snprintf(out, PRINTF_NUMBER_CAPACITY, format, value)
                       : std::snprintf(out, PRINTF_NUMBER_CAPACITY, format, decimals, value);
  if (n < 0) return 0;
  size_t length = static_cast<size_t>(n);
  return length < PRINTF_NUMBER_CAPACITY ? length : PRINTF_NUMBER_CAPACITY - 1;
}

}  // namespace

size_t formatFixed(double value, int decimals, char* out) {
  uint64_t rounded = 0;
  if (decimals >= 0 && decimals <= 9 && std::isfinite(value) &&
      roundClearly(std::fabs(value) * kPowers[decimals], rounded))
    return writeScaled(std::signbit(value), rounded, decimals, out);
  return byPrintf(out, "%.*f", decimals, value);
}

size_t formatSixDigits(double value, char* out) {
  // The powers of ten that bound the exponents of the fixed form, -4 to 5.
  static constexpr double kBounds[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
  double magnitude = std::fabs(value);
  if (std::isfinite(value) && magnitude >= kBounds[0] && magnitude < kBounds[10]) {
    int exponent = -4;
    while (magnitude >= kBounds[exponent + 5]) ++exponent;
    int decimals = 5 - exponent;
    uint64_t rounded = 0;
    // Six significant digits, unless rounding reached the next power of ten.
    if (roundClearly(magnitude * kPowers[decimals], rounded) && rounded >= 100000 && rounded < 1000000) {
      size_t length = writeScaled(value < 0, rounded, decimals, out);
      // Without '#', "%g" drops trailing zeros, and the point they leave.
      if (decimals > 0) {
        while (out[length - 1] == '0') --length;
        if (out[length - 1] == '.') --length;
      }
      return length;
    }
  }
  return byPrintf(out, "%.6g", -1, value);
}

}  // namespace tolvane
