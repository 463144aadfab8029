#include "text/plainDecimal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace tolvane {
namespace {

/// What the quick reading must give: the plain form (blanks, sign, digits
/// with at most one point, blanks) rounded as strtod rounds it.
bool expected(const std::string& text, double& value) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return false;
  size_t end = text.find_last_not_of(' ') + 1;
  std::string number = text.substr(i, end - i);
  size_t j = number[0] == '-' || number[0] == '+' ? 1 : 0;
  int digits = 0, points = 0;
  for (; j < number.size(); ++j) {
    if (number[j] >= '0' && number[j] <= '9') ++digits;
    else if (number[j] == '.') ++points;
    else return false;
  }
  if (digits == 0 || points > 1) return false;
  value = std::strtod(number.c_str(), nullptr);
  return true;
}

TEST(PlainDecimal, EveryFormOfAnEightCharacterField) {
  for (const char* text : {" 5753.69", "5753.690", "     .06", "-1234.56", "      0.", "+12.5   ",
                           "  12 34 ", "1.2.3   ", "     -  ", "   1e3  ", "99999999", "       .",
                           "-.5     ", "      -0"}) {
    double want = 0, got = 0;
    bool plain = expected(text, want);
    ASSERT_EQ(plainDecimalField(text, got), plain) << '"' << text << '"';
    if (plain) {
      EXPECT_EQ(got, want) << '"' << text << '"';
    }
  }
  // Random fields of the characters numbers are made of.
  std::mt19937 random(7);
  const std::string alphabet = "   0123456789012345678901234567890123456789..-+x";
  for (int round = 0; round < 200000; ++round) {
    std::string text(8, ' ');
    int blanks = static_cast<int>(random() % 9);
    for (int k = blanks; k < 8; ++k) text[k] = alphabet[random() % alphabet.size()];
    double want = 0, got = 0;
    bool plain = expected(text, want);
    ASSERT_EQ(plainDecimalField(text, got), plain) << '"' << text << '"';
    if (plain) {
      ASSERT_EQ(got, want) << '"' << text << '"';
    }
  }
}

TEST(PlainDecimal, ShorterFieldsReadAsTheirOwnText) {
  // Field 1 of a card has 6 columns; any text of up to 8 characters, blanks
  // after it included, reads as itself.
  std::mt19937 random(11);
  const std::string alphabet = "   0123456789012345678901234567890123456789..-+x";
  for (int round = 0; round < 100000; ++round) {
    std::string text(random() % 8, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    double want = 0, got = 0;
    bool plain = expected(text, want);
    ASSERT_EQ(plainDecimalField(text, got), plain) << '"' << text << '"';
    if (plain) {
      ASSERT_EQ(got, want) << '"' << text << '"';
    }
  }
  double value = 1;
  EXPECT_FALSE(plainDecimalField({}, value));
  EXPECT_FALSE(plainDecimalField("123456789", value));
}

}  // namespace
}  // namespace tolvane
