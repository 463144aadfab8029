#include <gtest/gtest.h>

#include <string>

#include "network/writeT1.h"
#include "networkFixture.h"

namespace tolvane {
namespace {

class ReachCards : public NetworkTest {
 protected:
  /// The T1..UB cards and the DB card of every reach, as the driver writes them.
  std::string deck() {
    OutputFile out;
    for (int32_t r = 1; r <= reaches_.REACH_COUNT; ++r) {
      WRITE_UB(out.stream(), r, reaches_, junctions_);
      WRITE_DB(out.stream(), r, reaches_, junctions_);
    }
    return out.contents();
  }
  std::string ub(int32_t r) {
    OutputFile out;
    WRITE_UB(out.stream(), r, reaches_, junctions_);
    return out.contents();
  }
  std::string db(int32_t r) {
    OutputFile out;
    WRITE_DB(out.stream(), r, reaches_, junctions_);
    return out.contents();
  }
};

const std::string A = riverReach("Creek", "A");
const std::string B = riverReach("Creek", "B");
const std::string C = riverReach("Creek", "C");

const std::string kWarning =
    "* +++++++++++++++++++++++++++++++++++++++++\n"
    "* inadequate or incomplete junction data in\n"
    "* data file.  you must fix this UB record: \n"
    "* +++++++++++++++++++++++++++++++++++++++++\n";

TEST(WRITE_T1, WritesTheHeaderCards) {
  OutputFile out;
  WRITE_T1(out.stream(), 1, riverReach("Fall River", "Upper"));
  EXPECT_EQ(out.contents(),
            "T1 REACH#  1      ===> Fall River      ,Upper           \nT2\nT3\n");
}

TEST(WRITE_T1, NumberFillsColumns10To12) {
  OutputFile out;
  WRITE_T1(out.stream(), 100, std::string(33, ' '));
  WRITE_T1(out.stream(), 1000, "x");
  std::string text = out.contents();
  std::string first = text.substr(0, text.find('\n'));
  EXPECT_EQ(first.size(), 56u);
  EXPECT_EQ(first.substr(9, 3), "100");
  EXPECT_NE(text.find("T1 REACH#***      ===> x\n"), std::string::npos);
}

TEST_F(ReachCards, WorkedJunctionOfTwoUpstreamAndOneDownstreamReach) {
  ASSERT_TRUE(run(junctionBlock("J", {A, B}, {C}) + reachBlock(A) + reachBlock(B) + reachBlock(C),
                  false));
  EXPECT_EQ(deck(),
            "UB\nDB     3\n"
            "UB\nDB     3\n"
            "UB     1       2\nDB\n");
}

TEST_F(ReachCards, SevenUpstreamReachesFillOneCard) {
  std::vector<std::string> names;
  std::string reaches;
  for (int i = 1; i <= 8; ++i) {
    names.push_back(riverReach("Creek", std::to_string(i)));
    reaches += reachBlock(names.back());
  }
  std::vector<std::string> up(names.begin(), names.begin() + 7);
  ASSERT_TRUE(run(junctionBlock("J", up, {names[7]}) + reaches, false));
  std::string card = ub(8);
  EXPECT_EQ(card, "UB     1       2       3       4       5       6       7\n");
  EXPECT_EQ(card.size(), 57u);
}

TEST_F(ReachCards, JunctionWithDownstreamReachesOnlyWarnsOnEachUBCard) {
  ASSERT_TRUE(run(junctionBlock("J", {}, {A, B}) + reachBlock(A) + reachBlock(B), false));
  EXPECT_EQ(deck(), kWarning + "UB     0\nDB\n" + kWarning + "UB     0\nDB\n");
}

TEST_F(ReachCards, JunctionWithUpstreamReachesOnlyGivesDBZero) {
  ASSERT_TRUE(run(junctionBlock("J", {A}, {}) + reachBlock(A), false));
  EXPECT_EQ(deck(), "UB\nDB     0\n");
}

TEST_F(ReachCards, UnmatchedNameIsAZeroInItsField) {
  ASSERT_TRUE(
      run(junctionBlock("J", {riverReach("Creek", "X"), A}, {B}) + reachBlock(A) + reachBlock(B),
          false));
  EXPECT_EQ(ub(2), "UB     0       1\n");
}

TEST_F(ReachCards, JunctionCutOffGivesBareCards) {
  ASSERT_TRUE(run(reachBlock(A), false));
  EXPECT_EQ(deck(), "UB\nDB\n");
}

TEST_F(ReachCards, ReachNumbersOutsideTheTableReadJunctionZero) {
  ASSERT_TRUE(run(reachBlock(A), false));
  EXPECT_EQ(ub(2), "UB     0\n");
  EXPECT_EQ(db(2), "DB     0\n");
  EXPECT_EQ(ub(501), "UB     0\n");
  EXPECT_EQ(db(1000), "DB     0\n");
}

}  // namespace
}  // namespace tolvane
