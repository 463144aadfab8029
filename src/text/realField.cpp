#include <charconv>
#include <cstring>
#include <system_error>

#include "text/field8.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// The characters of one free-format value: from the first non-blank
/// character to the next blank, comma or slash (or the end of the text).
std::string_view freeValue(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_first_of(" ,/", first);
  if (last == std::string_view::npos) last = text.size();
  return text.substr(first, last - first);
}

/// The parts of a real written as sign, digits with an optional point, and
/// an optional exponent.
struct RealSyntax {
  size_t mantissaStart = 0;  ///< just after the sign
  size_t exponentMark = 0;   ///< position of E, e, D or d; npos when absent
  int decimalOrder = 0;      ///< position of the first significant digit relative to the point
  bool zero = true;          ///< every mantissa digit is 0
  long exponent = 0;         ///< the exponent, saturated far beyond the float range
};

/// Checks the syntax of a whole value; false when it is not a real.
bool parseReal(std::string_view s, RealSyntax& r) {
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  r.mantissaStart = i;
  int digits = 0, integerDigits = 0, leadingFractionZeros = 0;
  bool point = false;
  for (; i < n; ++i) {
    char c = s[i];
    if (c == '.' && !point) {
      point = true;
    } else if (isDigit(c)) {
      ++digits;
      if (c != '0') {
        if (r.zero && point) r.decimalOrder = -leadingFractionZeros;
        r.zero = false;
      } else if (r.zero && point) {
        ++leadingFractionZeros;
      }
      if (!point && !r.zero) ++integerDigits;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (integerDigits > 0) r.decimalOrder = integerDigits;
  r.exponentMark = std::string_view::npos;
  if (i == n) return true;
  if (s[i] != 'E' && s[i] != 'e' && s[i] != 'D' && s[i] != 'd') return false;
  r.exponentMark = i++;
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i == n) return false;
  for (; i < n; ++i) {
    if (!isDigit(s[i])) return false;
    if (r.exponent < 100000) r.exponent = r.exponent * 10 + (s[i] - '0');
  }
  if (negative) r.exponent = -r.exponent;
  return true;
}

/// Converts a value already known to be a real straight to the nearest float.
/// Values too small for a float become a zero of their sign; values too large
/// are refused.
bool convertReal(std::string_view s, const RealSyntax& r, float& value) {
  bool negative = s[0] == '-';
  std::string_view number = s.substr(negative ? 0 : r.mantissaStart);
  // The exponent letters D and d are not known to from_chars: hand it a copy
  // with E in their place.
  char copy[2 * LINE_WIDTH];
  if (r.exponentMark != std::string_view::npos &&
      (s[r.exponentMark] == 'D' || s[r.exponentMark] == 'd')) {
    if (number.size() > sizeof copy) return false;
    std::memcpy(copy, number.data(), number.size());
    copy[r.exponentMark - (s.size() - number.size())] = 'E';
    number = {copy, number.size()};
  }
  float result = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), result,
                                   std::chars_format::general);
  if (end != number.data() + number.size()) return false;
  if (ec == std::errc::result_out_of_range) {
    if (r.zero || r.decimalOrder + r.exponent < 0) {
      value = negative ? -0.0f : 0.0f;
      return true;
    }
    return false;
  }
  if (ec != std::errc()) return false;
  value = result;
  return true;
}

bool readRealValue(std::string_view s, float& value) {
  RealSyntax syntax;
  return parseReal(s, syntax) && convertReal(s, syntax, value);
}

}  // namespace

bool readFreeReal(std::string_view text, float& value) {
  std::string_view number = freeValue(text);
  return !number.empty() && readRealValue(number, value);
}

bool readFreeInteger(std::string_view text, int32_t& value) {
  std::string_view number = freeValue(text);
  size_t i = 0;
  bool negative = false;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
  if (i == number.size()) return false;
  int64_t magnitude = 0;
  for (; i < number.size(); ++i) {
    if (!isDigit(number[i])) return false;
    magnitude = magnitude * 10 + (number[i] - '0');
    if (magnitude > int64_t{INT32_MAX} + 1) return false;
  }
  int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX) return false;
  value = static_cast<int32_t>(result);
  return true;
}

bool readFixedReal(std::string_view field, float& value) {
  char squeezed[LINE_WIDTH];
  size_t n = 0;
  for (char c : field) {
    if (c == ' ') continue;
    if (n == sizeof squeezed) return false;
    squeezed[n++] = c;
  }
  if (n == 0) {
    value = 0;
    return true;
  }
  return readRealValue({squeezed, n}, value);
}

}  // namespace tolvane
