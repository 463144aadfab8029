#include "bridges/makeString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tolvane {
namespace {

/// The text that `x` gets in a field that held `current`.
std::string made(float x, std::string_view current) {
  FIELD8 text = makeField8(current);
  MAKE_STRING_FROM_REAL(x, text);
  return std::string(view(text));
}

TEST(MakeStringFromReal, KeepsTheDecimalsOfTheFieldAsFarAsTheMagnitudeAllows) {
  EXPECT_EQ(made(14.0f, "100"), "   14.00");
  EXPECT_EQ(made(102.1f, "103.25"), "  102.10");
  EXPECT_EQ(made(0.1f, "1200.5"), "     0.1");
  EXPECT_EQ(made(4321.25f, "12.345"), "4321.250");
  EXPECT_EQ(made(5.0f, ""), "    5.00");
  EXPECT_EQ(made(-3.3f, "12.5"), "    -3.3");
  // The text's position in the field does not matter.
  EXPECT_EQ(made(14.0f, "     100"), "   14.00");
  EXPECT_EQ(made(102.1f, "  103.25"), "  102.10");
}

TEST(MakeStringFromReal, WholeNumbersTakeTheirDecimalsFromTheirLength) {
  EXPECT_EQ(made(7.5f, "12345"), "    7.50");
  EXPECT_EQ(made(7.5f, "123456"), "     7.5");
  EXPECT_EQ(made(7.5f, "1234567"), "       8");  // 7.5 to even
  EXPECT_EQ(made(6.5f, "12345678"), "       6");
  // A decimal point as the last character calls for no decimals.
  EXPECT_EQ(made(5.25f, "100."), "       5");
}

TEST(MakeStringFromReal, TheMagnitudeLimitsTheDecimals) {
  EXPECT_EQ(made(123456.7f, "1.123456"), "123456.7");
  EXPECT_EQ(made(99999.5f, "1.123456"), "99999.50");
  EXPECT_EQ(made(1234567.0f, "1.5"), " 1234567");
  EXPECT_EQ(made(12345678.0f, "1.5"), "12345678");
}

TEST(MakeStringFromReal, FewerDecimalsWhenTheTextWouldNotFit) {
  // A sign needs one column more than the magnitude test allows for.
  EXPECT_EQ(made(-2.5f, "2.123456"), "-2.50000");
  EXPECT_EQ(made(-0.25f, "0.123456"), "-0.25000");
  // Rounding up to the next power of ten as well as the sign.
  EXPECT_EQ(made(std::nextafter(-10.0f, 0.0f), "1.123456"), "-10.0000");
  EXPECT_EQ(made(-1234567.0f, "1.5"), "-1234567");
  EXPECT_EQ(made(-999999.9f, "1.5"), "-1000000");
}

TEST(MakeStringFromReal, AsterisksOnlyWhenEvenTheWholeNumberDoesNotFit) {
  EXPECT_EQ(made(100000000.0f, "1.5"), "********");
  EXPECT_EQ(made(-12345678.0f, "1.5"), "********");
  EXPECT_EQ(made(std::numeric_limits<float>::infinity(), "1.5"), "********");
  EXPECT_EQ(made(std::numeric_limits<float>::quiet_NaN(), "1.5"), "********");
}

TEST(MakeStringFromReal, RoundsTheExactBinaryValueTiesToEven) {
  EXPECT_EQ(made(0.125f, "1.25"), "    0.12");
  EXPECT_EQ(made(0.375f, "1.25"), "    0.38");
  // 2.675 is stored a little below, so it rounds down.
  EXPECT_EQ(made(2.675f, "1.25"), "    2.67");
  EXPECT_EQ(made(100.9f, "1.5"), "   100.9");
  // A value that rounds to zero from below keeps its sign.
  EXPECT_EQ(made(-0.001f, "1.25"), "   -0.00");
}

}  // namespace
}  // namespace tolvane
