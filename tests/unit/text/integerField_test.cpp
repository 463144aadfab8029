#include <gtest/gtest.h>

#include "text/numbers.h"

namespace tolvane {
namespace {

TEST(ReadIntegerField, IgnoresBlanksAndReadsASignedInteger) {
  EXPECT_EQ(readIntegerField("  12"), 12);
  EXPECT_EQ(readIntegerField(" -7 "), -7);
  EXPECT_EQ(readIntegerField("+3"), 3);
  EXPECT_EQ(readIntegerField("1 2"), 12);
  EXPECT_EQ(readIntegerField("- 4"), -4);
  EXPECT_EQ(readIntegerField("   "), 0);
  EXPECT_EQ(readIntegerField(""), 0);
  EXPECT_EQ(readIntegerField("-"), 0);
}

TEST(ReadIntegerField, ACommaEndsTheNumberEarly) {
  EXPECT_EQ(readIntegerField("12,3"), 12);
  EXPECT_EQ(readIntegerField(",5"), 0);
  EXPECT_EQ(readIntegerField(" 9,x"), 9);
}

TEST(ReadIntegerField, ATextThatIsNotAnIntegerReadsZero) {
  EXPECT_EQ(readIntegerField("1.5"), 0);
  EXPECT_EQ(readIntegerField("12a"), 0);
  EXPECT_EQ(readIntegerField("1-"), 0);
  EXPECT_EQ(readIntegerField("+-1"), 0);
  EXPECT_EQ(readIntegerField("\t1"), 0);
}

TEST(ReadIntegerField, ReadsTheWholeRangeOfA32BitInteger) {
  EXPECT_EQ(readIntegerField("2147483647"), INT32_MAX);
  EXPECT_EQ(readIntegerField("-2147483648"), INT32_MIN);
  EXPECT_EQ(readIntegerField("2147483648"), 0);
  EXPECT_EQ(readIntegerField("-2147483649"), 0);
  EXPECT_EQ(readIntegerField("99999999999999999999999"), 0);
}

TEST(ReadWholeIntegerField, TakesOnlyASignAndDigitsBetweenBlanks) {
  int32_t value = -5;
  EXPECT_TRUE(readWholeIntegerField(" 1", value));
  EXPECT_EQ(value, 1);
  EXPECT_TRUE(readWholeIntegerField("- 3", value));
  EXPECT_EQ(value, -3);
  EXPECT_TRUE(readWholeIntegerField("  ", value));
  EXPECT_EQ(value, 0);
  value = 7;
  for (const char* field : {"1,", "1.", ",1", "-", "+ ", "1a", "2147483648"})
    EXPECT_FALSE(readWholeIntegerField(field, value)) << field;
  EXPECT_EQ(value, 7);
}

TEST(ReadCountAfter, ReadsTheThreeCharactersAfterTheSeparator) {
  EXPECT_EQ(readCountAfter("#Sta/Elev= 12 ", 10), 12);
  EXPECT_EQ(readCountAfter("#Mann= 3 , 0", 6), 3);
  EXPECT_EQ(readCountAfter("#Sta/Elev=1234", 10), 123);
  EXPECT_EQ(readCountAfter("K=7", 2), 7);
  EXPECT_EQ(readCountAfter("K=", 2), 0);
  EXPECT_EQ(readCountAfter("K=7", 0), 0);
  EXPECT_EQ(readCountAfter("K=7", -1), 0);
}

TEST(LastDigit, FindsTheLastDigitOrPeriod) {
  EXPECT_EQ(lastDigit("RM 12.5  "), 7);
  EXPECT_EQ(lastDigit("ab."), 3);
  EXPECT_EQ(lastDigit("abc"), 0);
  EXPECT_EQ(lastDigit(""), 0);
  EXPECT_EQ(lastDigit("9xyz"), 1);
}

}  // namespace
}  // namespace tolvane
