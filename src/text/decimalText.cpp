#include "text/decimalText.h"

#include <algorithm>

namespace tolvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// Largest exponent magnitude read; anything beyond is far outside every
/// field this program writes.
constexpr int MAX_EXPONENT = 9999;

/// The digit of |number| at the decimal position `place` (0 = units,
/// 1 = tens, -1 = tenths, ...).
int digitAt(const DECIMAL_TEXT& number, int place) {
  int index = number.exponent - 1 - place;
  return index >= 0 && index < number.count ? number.digits[index] - '0' : 0;
}

/// True when |number| has a nonzero digit below the decimal position `place`.
bool hasDigitsBelow(const DECIMAL_TEXT& number, int place) {
  return number.exponent - 1 - place < number.count - 1;
}

/// Formats the number rounded towards plus infinity at `decimals` decimals,
/// with a decimal point when `point` is set. Returns the length, or 0 when it
/// would be longer than `width`.
int formatRoundedUp(const DECIMAL_TEXT& number, int decimals, bool point, int width,
                    char* out) {
  // Digits from the highest place down to 10^-decimals, one spare place for
  // a carry; a magnitude wider than the field is refused before any work.
  int highest = std::max(number.exponent - 1, 0);
  if (number.count > 0 && highest + 1 > width) return 0;
  char places[24];
  int length = highest + 1 + decimals;
  for (int i = 0; i < length; ++i) places[i + 1] = static_cast<char>(digitAt(number, highest - i));
  places[0] = 0;
  ++length;
  // Rounding up drops the cut digits of a negative number and adds one unit
  // in the last place to a positive one that had any.
  if (!number.negative && number.count > 0 && hasDigitsBelow(number, -decimals)) {
    int i = length - 1;
    while (places[i] == 9) places[i--] = 0;
    ++places[i];
  }
  int first = 0;
  int integerDigits = highest + 2;  // places[0 .. integerDigits) are the integer part
  while (first < integerDigits && places[first] == 0) ++first;
  bool zero = std::all_of(places + first, places + length, [](char d) { return d == 0; });

  char text[32];
  int n = 0;
  if (number.negative && !zero) text[n++] = '-';
  for (int i = first; i < integerDigits; ++i) text[n++] = static_cast<char>('0' + places[i]);
  if (first == integerDigits && (decimals == 0 || !point)) text[n++] = '0';
  if (point) text[n++] = '.';
  for (int i = integerDigits; i < length; ++i) text[n++] = static_cast<char>('0' + places[i]);
  if (n > width) return 0;
  std::copy(text, text + n, out);
  return n;
}

/// A plain decimal text split into its parts.
struct PlainDecimal {
  std::string_view sign;
  std::string_view integer;
  std::string_view fraction;
  bool point = false;
};

/// Splits a plain decimal: optional sign, digits, at most one point, at
/// least one digit, nothing else. False for any other text.
bool splitPlainDecimal(std::string_view text, PlainDecimal& number) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  number.sign = text.substr(0, i);
  size_t start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  number.integer = text.substr(start, i - start);
  number.point = i < text.size() && text[i] == '.';
  if (number.point) ++i;
  start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  number.fraction = text.substr(start, i - start);
  return i == text.size() && !(number.integer.empty() && number.fraction.empty());
}

/// Writes the number rounded half away from zero at `decimals` decimals
/// (no more than it has), with its point when `point` is set. Returns the
/// length, or 0 when it would be longer than `width`.
int formatRounded(const PlainDecimal& number, int decimals, bool point, int width, char* out) {
  // The kept digits, one spare place in front for a carry.
  char digits[48];
  int length = 1;
  digits[0] = '0';
  for (char c : number.integer) digits[length++] = c;
  for (int i = 0; i < decimals; ++i) digits[length++] = number.fraction[static_cast<size_t>(i)];
  if (static_cast<size_t>(decimals) < number.fraction.size() &&
      number.fraction[static_cast<size_t>(decimals)] >= '5') {
    int i = length - 1;
    while (digits[i] == '9') digits[i--] = '0';
    ++digits[i];
  }
  int integerEnd = length - decimals;
  int first = digits[0] == '0' ? 1 : 0;
  // A carry into a missing integer part writes it; otherwise it stays away,
  // except where nothing else would be left of the number.
  if (first == integerEnd && decimals == 0) first = integerEnd - 1;
  int n = static_cast<int>(number.sign.size()) + (integerEnd - first) + (point ? 1 : 0) + decimals;
  if (n > width) return 0;
  char* p = std::copy(number.sign.begin(), number.sign.end(), out);
  p = std::copy(digits + first, digits + integerEnd, p);
  if (point) *p++ = '.';
  std::copy(digits + integerEnd, digits + length, p);
  return n;
}

/// The common case of rounding, without building the digits again: the
/// first `keep` characters of a plain decimal, its point among them, rounded
/// by the digit after them. Returns `keep`, or 0 when a carry runs past the
/// first digit (the number then needs one more place).
int roundInPlace(std::string_view text, int keep, char* out) {
  for (int i = 0; i < keep; ++i) out[i] = text[static_cast<size_t>(i)];  // a few characters
  if (static_cast<size_t>(keep) >= text.size() || text[static_cast<size_t>(keep)] < '5')
    return keep;
  for (int i = keep - 1; i >= 0; --i) {
    if (out[i] == '.') continue;
    if (!isDigit(out[i])) return 0;  // the sign
    if (out[i] != '9') {
      ++out[i];
      return keep;
    }
    out[i] = '0';
  }
  return 0;
}

}  // namespace

int roundToWidth(std::string_view text, int width, char* out) {
  width = std::clamp(width, 1, 16);
  // The common case first: a sign, digits and a point with decimals after
  // it, the point within the width. It keeps the characters up to the most
  // decimals that fit and rounds them by the next digit.
  size_t n = text.size();
  size_t i = n > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  size_t digitsFrom = i;
  while (i < n && isDigit(text[i])) ++i;
  size_t point = i;
  if (i < n && text[i] == '.')
    for (++i; i < n && isDigit(text[i]);) ++i;
  if (i != n || n > 32 || n - digitsFrom < 2) {
    // Not plain, or too short to be sure it holds a digit: the careful way.
  } else if (point < n && static_cast<int>(point) < width) {
    int most = std::min({5, static_cast<int>(n - point - 1), width - static_cast<int>(point) - 1});
    int kept = roundInPlace(text, static_cast<int>(point) + 1 + most, out);
    if (kept > 0) return kept;
  }
  PlainDecimal number;
  if (n > 32 || !splitPlainDecimal(text, number)) return 0;
  if (!number.point) return formatRounded(number, 0, false, width, out);
  // Start at the decimals that leave room for the sign, the integer digits
  // and the point; a carry into a new digit takes one decimal more off.
  int room = width - static_cast<int>(number.sign.size() + number.integer.size()) - 1;
  int most = std::min({5, static_cast<int>(number.fraction.size()), room});
  for (int decimals = most; decimals >= 0; --decimals) {
    int length = formatRounded(number, decimals, true, width, out);
    if (length > 0) return length;
  }
  return formatRounded(number, 0, false, width, out);
}

bool parseDecimalText(std::string_view text, DECIMAL_TEXT& number) {
  number = DECIMAL_TEXT{};
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.negative = text[i++] == '-';
  bool anyDigit = false;
  bool point = false;
  int integerDigits = 0;  // digits before the point, leading zeros dropped
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (isDigit(c)) {
      anyDigit = true;
      if (number.count == 0 && c == '0') {
        if (point) --number.exponent;  // a leading zero after the point
        continue;
      }
      if (number.count == DECIMAL_TEXT::MAX_DIGITS) return false;
      number.digits[number.count++] = c;
      if (!point) ++integerDigits;
    } else {
      break;
    }
  }
  if (!anyDigit) return false;
  int exponent = 0;
  if (i < text.size()) {
    char e = text[i++];
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
      if (!isDigit(text[i])) return false;
      exponent = exponent * 10 + (text[i] - '0');
      if (exponent > MAX_EXPONENT) return false;
    }
    if (negativeExponent) exponent = -exponent;
  }
  while (number.count > 0 && number.digits[number.count - 1] == '0') --number.count;
  if (number.count == 0) {
    number.exponent = 0;
    return true;
  }
  number.exponent = (integerDigits > 0 ? integerDigits : number.exponent) + exponent;
  return true;
}

int compareDecimalTexts(const DECIMAL_TEXT& a, const DECIMAL_TEXT& b) {
  bool aZero = a.count == 0;
  bool bZero = b.count == 0;
  if (aZero && bZero) return 0;
  int aSign = aZero ? 0 : (a.negative ? -1 : 1);
  int bSign = bZero ? 0 : (b.negative ? -1 : 1);
  if (aSign != bSign) return aSign < bSign ? -1 : 1;
  // Same sign, both nonzero: compare the magnitudes, then apply the sign.
  int magnitude = 0;
  if (a.exponent != b.exponent) {
    magnitude = a.exponent < b.exponent ? -1 : 1;
  } else {
    for (int i = 0; i < std::max(a.count, b.count) && magnitude == 0; ++i) {
      char da = i < a.count ? a.digits[i] : '0';
      char db = i < b.count ? b.digits[i] : '0';
      if (da != db) magnitude = da < db ? -1 : 1;
    }
  }
  return aSign * magnitude;
}

int roundUpToWidth(const DECIMAL_TEXT& number, int width, char* out) {
  width = std::clamp(width, 1, 16);
  for (int decimals = 5; decimals >= 0; --decimals) {
    int n = formatRoundedUp(number, decimals, true, width, out);
    if (n > 0) return n;
  }
  return formatRoundedUp(number, 0, false, width, out);
}

}  // namespace tolvane
