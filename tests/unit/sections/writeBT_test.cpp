#include "sections/writeBT.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "streamFiles.h"

namespace tolvane {
namespace {

/// A lid of `count` points whose texts are "s<i>", "t<i>" and "u<i>".
std::unique_ptr<LID_TABLE> numberedLid(int count) {
  auto lid = std::make_unique<LID_TABLE>();
  clearLidTable(*lid);
  lid->COUNT = count;
  for (int i = 0; i < count && i < LID_CAPACITY; ++i) {
    std::string n = std::to_string(i + 1);
    lid->COL1[i] = makeField8("s" + n);
    lid->COL2[i] = makeField8("t" + n);
    lid->COL3[i] = makeField8("u" + n);
  }
  return lid;
}

std::vector<std::string> lidCards(const LID_TABLE& lid) {
  OutputFile out;
  WRITE_LID(out.stream(), lid);
  std::istringstream text(out.contents());
  std::vector<std::string> cards;
  for (std::string card; std::getline(text, card);) cards.push_back(card);
  return cards;
}

/// The three 8-column texts of point n as WRITE_LID copies them.
std::string point(int n) {
  std::string i = std::to_string(n);
  return std::string(makeField8("s" + i).data(), 8) + std::string(makeField8("t" + i).data(), 8) +
         std::string(makeField8("u" + i).data(), 8);
}

TEST(WriteLid, SevenPointsMakeThreeCards) {
  std::vector<std::string> cards = lidCards(*numberedLid(7));
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0], "BT    -7" + point(1) + point(2) + point(3));
  EXPECT_EQ(cards[1], "BT      " + point(4) + point(5) + point(6));
  EXPECT_EQ(cards[2], "BT      " + point(7));
  EXPECT_EQ(cards[0].size(), 80u);
  EXPECT_EQ(cards[2].size(), 32u);
}

TEST(WriteLid, CardsEndAfterTheLastPoint) {
  std::vector<std::string> one = lidCards(*numberedLid(1));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], "BT    -1" + point(1));
  std::vector<std::string> three = lidCards(*numberedLid(3));
  ASSERT_EQ(three.size(), 1u);
  EXPECT_EQ(three[0].size(), 80u);
  std::vector<std::string> four = lidCards(*numberedLid(4));
  ASSERT_EQ(four.size(), 2u);
  EXPECT_EQ(four[1], "BT      " + point(4));
}

TEST(WriteLid, AFullLidMakes167Cards) {
  std::vector<std::string> cards = lidCards(*numberedLid(500));
  ASSERT_EQ(cards.size(), 167u);
  EXPECT_EQ(cards[0].substr(0, 8), "BT  -500");
  EXPECT_EQ(cards[166], "BT      " + point(499) + point(500));
}

TEST(WriteLid, TextsAreCopiedExactly) {
  std::unique_ptr<LID_TABLE> owner = numberedLid(1);
  LID_TABLE& lid = *owner;
  lid.COL1[0] = makeField8(" 12.5   ");
  lid.COL2[0] = makeField8("abcdefgh");
  lid.COL3[0] = BLANK_FIELD8;
  lid.COL1_VALUE[0] = 99;  // the value lists are not looked at
  EXPECT_EQ(lidCards(lid)[0], "BT    -1 12.5   abcdefgh        ");
}

}  // namespace
}  // namespace tolvane
