#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "report/cardValues.h"

namespace tolvane {
namespace {

FIELD8 field(const std::string& text) {
  FIELD8 f = BLANK_FIELD8;
  std::memcpy(f.data(), text.data(), std::min<size_t>(text.size(), 8));
  return f;
}

/// What a GR elevation's card shows, read the slow and sure way: an opening
/// elevation (every fifth) shows the first 6 characters of its text.
bool shownElevation(const FIELD8& field, bool opening, float& value) {
  std::string_view text = withoutBlanks(view(field));
  double v = 0;
  if (!decimalValue(opening ? text.substr(0, 6) : text, v)) return false;
  value = static_cast<float>(v);
  return true;
}

/// The lowest elevation read one point at a time.
float lowestReadOneByOne(const SectionCards& cards) {
  float lowest = std::numeric_limits<float>::quiet_NaN();
  for (int32_t i = 0; i < cards.points; ++i) {
    float y = 0, quick = 0;
    bool shown = shownElevation(cards.elev[i], i % 5 == 0, y);
    bool read = groundElevation(cards, i, quick);
    EXPECT_EQ(read, shown) << view(cards.elev[i]);
    if (read && shown) {
      EXPECT_EQ(quick, y) << view(cards.elev[i]);
    }
    if (!shown) continue;
    if (std::isnan(lowest) || y < lowest) lowest = y;
  }
  return lowest;
}

void expectSameLowest(const std::vector<FIELD8>& elevations) {
  SectionCards cards;
  cards.elev = elevations.data();
  cards.points = static_cast<int32_t>(elevations.size());
  float expected = lowestReadOneByOne(cards);
  float got = lowestElevation(cards);
  std::string shown;
  for (const FIELD8& f : elevations) shown.append("[").append(view(f)).append("]");
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(got)) << shown;
  } else {
    EXPECT_EQ(got, expected) << shown;
  }
}

TEST(LowestElevation, EveryFormOfFieldAgreesWithReadingEachPointSlowly) {
  // Each text stands alone after an opening elevation that reads high, so
  // that it decides the result, and once as the opening elevation itself.
  const char* texts[] = {
      " 1782.14", "  1781.7", "10294.65", "       0", "    .125", "   125. ", "0012.500",
      "  -12.34", "   -0.00", "  -0    ", "12345678", "99999999", "1.2E+03 ", "  +12.5 ",
      "12 34.56", "12.3.4  ", "        ", "  ---   ", " 1782.14", "1782.14 ", "123456 7",
      "12345 .7", "1782.1  ", " 999.9  ", ".1234567", "1234567.", "  12\x80\x34", "1e39    ",
      "  00.001", "   7.   ", "-1782.14", "  12-3  "};
  for (const char* text : texts) {
    expectSameLowest({field("99999.0"), field(text)});
    expectSameLowest({field(text), field("99999.0")});
  }
}

TEST(LowestElevation, RandomSectionsAgreeWithReadingEachPointSlowly) {
  // Fields that are mostly plain decimals of varied shapes, some with a
  // sign, stray blanks or letters, so that every reading path is taken and
  // the plain ones of one section have their point at different places.
  std::mt19937 random(20261209);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int section = 0; section < 3000; ++section) {
    std::vector<FIELD8> elevations(1 + pick(23));
    for (FIELD8& f : elevations) {
      std::string text;
      int digits = 1 + pick(7);
      int point = pick(digits + 2) - 1;  // -1: none
      if (pick(8) == 0) text += '-';
      for (int k = 0; k < digits; ++k) {
        if (k == point) text += '.';
        text += static_cast<char>('0' + (k == 0 && pick(3) != 0 ? 1 + pick(9) : pick(10)));
      }
      if (pick(20) == 0) {
        size_t at = static_cast<size_t>(pick(static_cast<int>(text.size()) + 1));
        text.insert(at, 1, " E+-"[pick(4)]);
      }
      if (text.size() > 8) text.resize(8);
      bool left = pick(6) == 0;
      f = BLANK_FIELD8;
      std::memcpy(f.data() + (left ? 0 : 8 - text.size()), text.data(), text.size());
    }
    expectSameLowest(elevations);
  }
}

}  // namespace
}  // namespace tolvane
