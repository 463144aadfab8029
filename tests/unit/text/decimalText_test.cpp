#include "text/decimalText.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvane {
namespace {

std::string roundedUp(std::string_view text, int width = 6) {
  DECIMAL_TEXT number;
  if (!parseDecimalText(text, number)) return "not a number";
  char out[16];
  int n = roundUpToWidth(number, width, out);
  return n > 0 ? std::string(out, n) : "does not fit";
}

std::string rounded(std::string_view text, int width = 6) {
  char out[16];
  int n = roundToWidth(text, width, out);
  return n > 0 ? std::string(out, n) : "no rounding";
}

int compared(std::string_view a, std::string_view b) {
  DECIMAL_TEXT x, y;
  EXPECT_TRUE(parseDecimalText(a, x)) << a;
  EXPECT_TRUE(parseDecimalText(b, y)) << b;
  return compareDecimalTexts(x, y);
}

TEST(DecimalText, ComparesAsWrittenWithoutBinaryRounding) {
  EXPECT_EQ(compared("1399.3", "1399.30"), 0);
  EXPECT_EQ(compared("1399.3", "1399.32"), -1);
  EXPECT_EQ(compared("-1234.", "-1234.56"), 1);
  EXPECT_EQ(compared("0.1", ".10000"), 0);
  EXPECT_EQ(compared("007.5", "7.5"), 0);
  EXPECT_EQ(compared("1.2E+0", "1.2E+03"), -1);
  EXPECT_EQ(compared("12D-1", "1.2"), 0);
  EXPECT_EQ(compared("-0", "0.000"), 0);
  EXPECT_EQ(compared("-0.001", "0"), -1);
  EXPECT_EQ(compared("100", "99.999"), 1);
  EXPECT_EQ(compared("0.00123", "0.0012"), 1);
}

TEST(DecimalText, RejectsWhatIsNotANumber) {
  DECIMAL_TEXT number;
  for (std::string_view text : {"", "-", ".", "1.2.3", "1399.3x", "1E", "1E+", "12 3", "abc"})
    EXPECT_FALSE(parseDecimalText(text, number)) << text;
}

TEST(DecimalText, RoundsUpToTheSmallestNumberThatFits) {
  EXPECT_EQ(roundedUp("1399.32"), "1399.4");
  EXPECT_EQ(roundedUp("1399.30"), "1399.3");
  EXPECT_EQ(roundedUp("36374.49"), "36375.");
  EXPECT_EQ(roundedUp("9999.99"), "10000.");
  EXPECT_EQ(roundedUp("99999.99"), "100000");
  EXPECT_EQ(roundedUp("999999.9"), "does not fit");
  EXPECT_EQ(roundedUp("1234567"), "does not fit");
  EXPECT_EQ(roundedUp("0.1234567"), ".12346");
  EXPECT_EQ(roundedUp("1.2E+03"), "1200.0");
  EXPECT_EQ(roundedUp("+1399.32"), "1399.4");
  // A negative number rounds up by dropping digits.
  EXPECT_EQ(roundedUp("-12.34567"), "-12.34");
  EXPECT_EQ(roundedUp("-0.0000001"), ".00000");
  EXPECT_EQ(roundedUp("1399.32", 8), "1399.320");
}

TEST(DecimalText, RoundsHalfAwayFromZeroToTheMostDecimalsThatFit) {
  EXPECT_EQ(rounded("5753.69"), "5753.7");
  EXPECT_EQ(rounded("-12.3456"), "-12.35");
  EXPECT_EQ(rounded("1234.567"), "1234.6");
  EXPECT_EQ(rounded("0.123456"), "0.1235");
  EXPECT_EQ(rounded("5753.65"), "5753.7");
  EXPECT_EQ(rounded("-57.365"), "-57.37");
  EXPECT_EQ(rounded("5753.649"), "5753.6");
  // The digits are those written: no zero is added before the point, a sign
  // stays.
  EXPECT_EQ(rounded(".123456"), ".12346");
  EXPECT_EQ(rounded("+12.3456"), "+12.35");
  // A text that fits is itself.
  for (std::string_view text : {"1234.5", "+1.234", ".12345", "123456", "12345.", "-0.000"})
    EXPECT_EQ(rounded(text), text);
  // A carry may lengthen the integer part; no decimal left keeps the point,
  // then drops it.
  EXPECT_EQ(rounded("9999.99"), "10000.");
  EXPECT_EQ(rounded("99.99999"), "100.00");
  EXPECT_EQ(rounded(".9999999"), "1.0000");
  EXPECT_EQ(rounded("99999.7"), "100000");
  EXPECT_EQ(rounded("-99999.9"), "no rounding");
  EXPECT_EQ(rounded("1234567"), "no rounding");
  EXPECT_EQ(rounded("1234.567", 8), "1234.567");
}

TEST(DecimalText, RoundsOnlyPlainDecimals) {
  for (std::string_view text : {"1.2E+03", "1.5d2", "12 3456", "1234.5x", "--1234.5", "1.234.56",
                                "", ".", "-", "+."})
    EXPECT_EQ(rounded(text), "no rounding") << text;
}

}  // namespace
}  // namespace tolvane
