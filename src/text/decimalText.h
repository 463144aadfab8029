#pragma once
// Decimal numbers handled as their texts, digit by digit, so that a value is
// compared and rounded exactly as it was written, never through a binary
// floating-point value ("1399.30" stays 1399.30).

#include <string_view>

namespace tolvane {

/// A decimal number as written: sign, significant digits and the power of ten
/// of the first digit (value = 0.d1 d2 d3 ... x 10^exponent; no digits is zero).
struct DECIMAL_TEXT {
  static constexpr int MAX_DIGITS = 32;
  bool negative = false;
  int count = 0;
  char digits[MAX_DIGITS] = {};
  int exponent = 0;
};

/// Reads a number written as an optional sign, digits with at most one
/// decimal point, and an optional exponent (E, e, D or d, optional sign,
/// digits). The whole text must be the number (no blanks). False otherwise.
bool parseDecimalText(std::string_view text, DECIMAL_TEXT& number);

/// -1, 0 or 1 as a is less than, equal to or greater than b.
int compareDecimalTexts(const DECIMAL_TEXT& a, const DECIMAL_TEXT& b);

/// Writes into `out` the smallest number not less than `number` that can be
/// written in at most `width` characters (width 1..16): with as many
/// decimals as fit, from 5 down to 0 (at 0 with its decimal point, "36375."),
/// else the whole number without a point ("100000"). A zero integer part is
/// left out before decimals (".12346"). Returns the length written, or 0 when
/// no such text fits.
int roundUpToWidth(const DECIMAL_TEXT& number, int width, char* out);

/// Writes into `out` a plain decimal text (optional sign, digits, at most one
/// point, no exponent, no blanks) rounded half away from zero to the most
/// decimals, from 5 down to 0, whose text fits `width` characters (1..16).
/// The digits are those written: sign, integer digits and a missing integer
/// part stay as they are (".123456" gives ".12346" in 6), so a text that fits
/// is itself. At 0 decimals the text keeps its point ("5754."); when that is
/// too long it is the whole number without one. Returns the length written,
/// or 0 when the text is not a plain decimal or no rounding fits.
int roundToWidth(std::string_view text, int width, char* out);

}  // namespace tolvane
