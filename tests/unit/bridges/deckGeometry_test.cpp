#include "bridges/deckGeometry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

namespace tolvane {
namespace {

struct Point {
  float station, top, low;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Point& p) {
  return os << "(" << p.station << ", " << p.top << ", " << p.low << ")";
}

/// A deck side built from points; texts are left blank.
std::unique_ptr<LID_TABLE> deckOf(std::initializer_list<Point> points) {
  auto deck = std::make_unique<LID_TABLE>();
  clearLidTable(*deck);
  for (const Point& p : points) {
    deck->COL1_VALUE[deck->COUNT] = p.station;
    deck->COL2_VALUE[deck->COUNT] = p.top;
    deck->COL3_VALUE[deck->COUNT] = p.low;
    ++deck->COUNT;
  }
  return deck;
}

std::vector<Point> pointsOf(const LID_TABLE& deck) {
  std::vector<Point> points;
  for (int i = 0; i < deck.COUNT; ++i)
    points.push_back({deck.COL1_VALUE[i], deck.COL2_VALUE[i], deck.COL3_VALUE[i]});
  return points;
}

/// Four points at stations 0, 10, 20, 30, tops 100..103, undersides 95.
std::unique_ptr<LID_TABLE> exampleDeck() {
  return deckOf({{0, 100, 95}, {10, 101, 95}, {20, 102, 95}, {30, 103, 95}});
}

TEST(AddPierToDeck, WidePierCoversTwoDeckPoints) {
  auto deck = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 12, 80, 15));
  std::vector<Point> expected = {{0, 100, 95},  {9, 100.9f, 95},  {9, 100.9f, 80},  {10, 101, 80},
                                 {20, 102, 80}, {21, 102.1f, 80}, {21, 102.1f, 95}, {30, 103, 95}};
  EXPECT_EQ(pointsOf(*deck), expected);
}

TEST(AddPierToDeck, NarrowPierBetweenTwoDeckPoints) {
  auto deck = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 2, 80, 15));
  std::vector<Point> expected = {{0, 100, 95},     {10, 101, 95},    {14, 101.4f, 95},
                                 {14, 101.4f, 80}, {16, 101.6f, 80}, {16, 101.6f, 95},
                                 {20, 102, 95},    {30, 103, 95}};
  EXPECT_EQ(pointsOf(*deck), expected);
}

TEST(AddPierToDeck, PiersOutsideTheDeckExtrapolateAlongTheEndSegments) {
  auto left = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*left, 4, 80, -10));
  std::vector<Point> expectedLeft = {{-12, 98.8f, 95}, {-12, 98.8f, 80}, {-8, 99.2f, 80},
                                     {-8, 99.2f, 95},  {0, 100, 95},     {10, 101, 95},
                                     {20, 102, 95},    {30, 103, 95}};
  EXPECT_EQ(pointsOf(*left), expectedLeft);

  auto right = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*right, 4, 80, 40));
  std::vector<Point> expectedRight = {{0, 100, 95},     {10, 101, 95},    {20, 102, 95},
                                      {30, 103, 95},    {38, 103.8f, 95}, {38, 103.8f, 80},
                                      {42, 104.2f, 80}, {42, 104.2f, 95}};
  EXPECT_EQ(pointsOf(*right), expectedRight);
}

TEST(AddPierToDeck, PointAtTheLeftEdgeStaysOutsideAndPointAtTheRightEdgeGoesUnder) {
  auto deck = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 10, 80, 15));  // edges 10 and 20
  std::vector<Point> expected = {{0, 100, 95},  {10, 101, 95}, {10, 101, 95}, {10, 101, 80},
                                 {20, 102, 80}, {20, 102, 80}, {20, 102, 95}, {30, 103, 95}};
  EXPECT_EQ(pointsOf(*deck), expected);
}

TEST(AddPierToDeck, PierOfWidthZeroGoesAfterDeckPointsAtItsStation) {
  auto deck = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 0, 80, 10));
  std::vector<Point> expected = {{0, 100, 95},  {10, 101, 95}, {10, 101, 95}, {10, 101, 80},
                                 {10, 101, 80}, {10, 101, 95}, {20, 102, 95}, {30, 103, 95}};
  EXPECT_EQ(pointsOf(*deck), expected);
}

TEST(AddPierToDeck, SecondPierOverlappingTheFirstTreatsItsPointsAsDeck) {
  auto deck = exampleDeck();
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 2, 80, 15));  // points at 14, 14, 16, 16
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 2, 70, 16));  // edges 15 and 17
  ASSERT_EQ(deck->COUNT, 12);
  // Stations and undersides exactly; tops as interpolated between the points.
  const Point expected[] = {{0, 100, 95},     {10, 101, 95},    {14, 101.4f, 95}, {14, 101.4f, 80},
                            {15, 101.5f, 80}, {15, 101.5f, 70}, {16, 101.6f, 70}, {16, 101.6f, 70},
                            {17, 101.7f, 70}, {17, 101.7f, 95}, {20, 102, 95},    {30, 103, 95}};
  std::vector<Point> points = pointsOf(*deck);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(points[i].station, expected[i].station) << i;
    EXPECT_FLOAT_EQ(points[i].top, expected[i].top) << i;
    EXPECT_EQ(points[i].low, expected[i].low) << i;
  }
}

TEST(AddPierToDeck, SidesWithoutPointsOrWithoutRoomAreLeftAlone) {
  auto empty = deckOf({});
  EXPECT_FALSE(ADD_PIER_TO_DECK(*empty, 2, 80, 15));
  EXPECT_EQ(empty->COUNT, 0);

  auto full = exampleDeck();
  full->COUNT = LID_CAPACITY - 3;
  EXPECT_FALSE(ADD_PIER_TO_DECK(*full, 2, 80, 15));
  EXPECT_EQ(full->COUNT, LID_CAPACITY - 3);

  auto room = exampleDeck();
  for (int i = 4; i < LID_CAPACITY - 4; ++i) room->COL1_VALUE[i] = 100.0f + static_cast<float>(i);
  room->COUNT = LID_CAPACITY - 4;
  EXPECT_TRUE(ADD_PIER_TO_DECK(*room, 2, 80, 15));
  EXPECT_EQ(room->COUNT, LID_CAPACITY);
}

TEST(AddPierToDeck, OnePointSideTakesThePierAtThatPointsLevel) {
  auto deck = deckOf({{10, 101, 95}});
  ASSERT_TRUE(ADD_PIER_TO_DECK(*deck, 2, 80, 15));
  std::vector<Point> expected = {
      {10, 101, 95}, {14, 101, 95}, {14, 101, 80}, {16, 101, 80}, {16, 101, 95}};
  EXPECT_EQ(pointsOf(*deck), expected);
}

TEST(InterpY, EndsAndStations) {
  const float X[] = {0, 10, 20, 30};
  const float Y[] = {100, 101, 103, 106};
  EXPECT_EQ(INTERP_Y(X, Y, 4, 0), 100.0f);   // X(1): first segment
  EXPECT_EQ(INTERP_Y(X, Y, 4, 30), 106.0f);  // X(n): last segment
  EXPECT_EQ(INTERP_Y(X, Y, 4, 10), 101.0f);  // inner station: segment to its right
  EXPECT_EQ(INTERP_Y(X, Y, 4, 20), 103.0f);
  EXPECT_EQ(INTERP_Y(X, Y, 4, -10), 99.0f);  // before X(1): first segment
  EXPECT_EQ(INTERP_Y(X, Y, 4, 40), 109.0f);  // beyond X(n): last segment
  EXPECT_EQ(INTERP_Y(X, Y, 4, 15), 102.0f);
}

TEST(InterpY, OnePointAndEqualStations) {
  const float one[] = {5};
  const float oneY[] = {42};
  EXPECT_EQ(INTERP_Y(one, oneY, 1, -100), 42.0f);
  EXPECT_EQ(INTERP_Y(one, oneY, 1, 100), 42.0f);

  // Vertical first segment: left of it Y(j), at or right of it Y(i).
  const float X[] = {10, 10, 20};
  const float Y[] = {90, 95, 96};
  EXPECT_EQ(INTERP_Y(X, Y, 3, 5), 90.0f);
  // Vertical last segment.
  const float Xl[] = {0, 10, 10};
  const float Yl[] = {96, 95, 90};
  EXPECT_EQ(INTERP_Y(Xl, Yl, 3, 10), 90.0f);
  EXPECT_EQ(INTERP_Y(Xl, Yl, 3, 12), 90.0f);
  EXPECT_EQ(INTERP_Y(Xl, Yl, 3, 9), 95.1f);
}

}  // namespace
}  // namespace tolvane
