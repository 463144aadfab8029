#include "deck/findings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tolvane {
namespace {

/// What the C library reads from the same text.
double libraryValue(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// Coordinate lines whose 16-digit numbers run together give fields of 19 and
// more digits: they are read like any number, never gathered past what an
// integer holds.
TEST(DecimalValue, ReadsLongDigitRunsAsTheLibraryDoes) {
  for (int length = 15; length <= 40; ++length) {
    std::string digits;
    for (int i = 0; i < length; ++i) digits += static_cast<char>('1' + (i * 7) % 9);
    for (const std::string& text :
         {digits, "-" + digits, digits.substr(0, 3) + "." + digits.substr(3),
          "0." + digits, digits + ".", "  " + digits.substr(0, length / 2) + "." +
                                           digits.substr(length / 2) + " "}) {
      double value = 0;
      ASSERT_TRUE(decimalValue(text, value)) << text;
      EXPECT_EQ(value, libraryValue(text)) << text;
    }
  }
}

TEST(DecimalValue, ReadsShortNumbersExactly) {
  double value = 0;
  ASSERT_TRUE(decimalValue("  -12.345 ", value));
  EXPECT_EQ(value, -12.345);
  ASSERT_TRUE(decimalValue("999999999999999", value));
  EXPECT_EQ(value, 999999999999999.0);
  ASSERT_TRUE(decimalValue("1.5E+3", value));
  EXPECT_EQ(value, 1500.0);
}

TEST(DecimalValue, RefusesWhatIsNotAPlainNumber) {
  double value = 0;
  for (const char* text : {"", "   ", "-", ".", "1.2.3", "12a", "1E", "1e400"})
    EXPECT_FALSE(decimalValue(text, value)) << text;
}

}  // namespace
}  // namespace tolvane
