#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "text/numbers.h"

namespace tolvane {
namespace {

/// The value of a free-format real, or NaN when it holds no number.
float freeReal(std::string_view text) {
  float value = -12345;
  return readFreeReal(text, value) ? value : NAN;
}

float fixedReal(std::string_view text) {
  float value = -12345;
  return readFixedReal(text, value) ? value : NAN;
}

TEST(ReadFreeReal, ValueRunsFromLeadingBlanksToBlankCommaOrSlash) {
  EXPECT_EQ(freeReal("14"), 14.0f);
  EXPECT_EQ(freeReal("   66.5"), 66.5f);
  EXPECT_EQ(freeReal("  2.61,0, 6"), 2.61f);
  EXPECT_EQ(freeReal("3/4"), 3.0f);
  EXPECT_EQ(freeReal(" 7 junk"), 7.0f);
  EXPECT_EQ(freeReal("     510"), 510.0f);
}

TEST(ReadFreeReal, SignsPointsAndExponents) {
  EXPECT_EQ(freeReal("-.5"), -0.5f);
  EXPECT_EQ(freeReal("+5."), 5.0f);
  EXPECT_EQ(freeReal("1.5E2"), 150.0f);
  EXPECT_EQ(freeReal("1.5e-2"), 0.015f);
  EXPECT_EQ(freeReal("25D-1"), 2.5f);
  EXPECT_EQ(freeReal("-2d+1"), -20.0f);
  EXPECT_EQ(freeReal("007"), 7.0f);
  EXPECT_TRUE(std::signbit(freeReal("-0")));
}

TEST(ReadFreeReal, RoundsStraightToTheNearestFloat) {
  // Just above the midpoint of two floats: through a double it would first
  // become the midpoint itself and then round down to even.
  EXPECT_EQ(freeReal("16777217.0000000001"), 16777218.0f);
  EXPECT_EQ(freeReal("16777217"), 16777216.0f);  // a tie goes to even
  EXPECT_EQ(freeReal("3.4028235e38"), 3.4028235e38f);
  EXPECT_EQ(freeReal("1e-40"), 1e-40f);
  EXPECT_EQ(freeReal("1e-60"), 0.0f);
  EXPECT_TRUE(std::signbit(freeReal("-1e-60")));
}

TEST(ReadFreeReal, AnythingElseHoldsNoNumber) {
  for (const char* text : {"", "    ", ",5", ".", "-", "+", "1e", "1e+", "E5", "1.2.3", "12a",
                           "0x10", "inf", "nan", "1e39", "-3.5e38", "\t5"}) {
    float value = 0;
    EXPECT_FALSE(readFreeReal(text, value)) << '"' << text << '"';
  }
  // The comma ends the value before the stray "e".
  EXPECT_EQ(freeReal("1,5e"), 1.0f);
}

TEST(ReadFreeInteger, SignAndDigitsOnly) {
  int32_t value = -1;
  EXPECT_TRUE(readFreeInteger(" 6", value));
  EXPECT_EQ(value, 6);
  EXPECT_TRUE(readFreeInteger("-12,", value));
  EXPECT_EQ(value, -12);
  EXPECT_TRUE(readFreeInteger("+2147483647", value));
  EXPECT_EQ(value, INT32_MAX);
  EXPECT_TRUE(readFreeInteger("-2147483648", value));
  EXPECT_EQ(value, INT32_MIN);
  for (const char* text :
       {"", "  ", "6.0", "1e2", "-", "2147483648", "99999999999999999999", "x"}) {
    value = 77;
    EXPECT_FALSE(readFreeInteger(text, value)) << '"' << text << '"';
    EXPECT_EQ(value, 77);
  }
}

TEST(ReadFixedReal, BlanksAnywhereAreIgnoredAndAllBlankIsZero) {
  EXPECT_EQ(fixedReal("  216.93"), 216.93f);
  EXPECT_EQ(fixedReal("1.100177"), 1.100177f);
  EXPECT_EQ(fixedReal(" 1 2 . 5"), 12.5f);
  EXPECT_EQ(fixedReal("     200"), 200.0f);
  EXPECT_EQ(fixedReal("        "), 0.0f);
  EXPECT_EQ(fixedReal(" -1.5E 1"), -15.0f);
}

TEST(ReadFixedReal, TheWholeFieldMustBeOneNumber) {
  for (const char* text : {"  12,5  ", "1.2.3   ", "   abc  ", "5/      ", " -      "})
    EXPECT_TRUE(std::isnan(fixedReal(text))) << text;
}

}  // namespace
}  // namespace tolvane
