#include "hydraulics/sectionShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "hydraulics/sectionCheck.h"

namespace tolvane {
namespace {

/// A shape from (station, elevation) points and one n value, or the stretches given.
SectionShape shapeOf(std::initializer_list<std::pair<double, double>> points,
                     std::initializer_list<std::pair<double, double>> stretches = {{0, 0.04}}) {
  SectionShape shape;
  for (auto [x, z] : points) {
    shape.station[shape.points] = x;
    shape.elevation[shape.points++] = z;
  }
  for (auto [start, n] : stretches) {
    shape.start[shape.stretches] = start;
    shape.n[shape.stretches++] = n;
  }
  return shape;
}

Flow flowAt(const SectionShape& shape, double level) {
  Flow flow;
  tolvane::flowAt(shape, &level, 1, &flow);
  return flow;
}

double conveyance(double area, double perimeter, double n) {
  double r = area / perimeter;
  return area * std::cbrt(r * r) / n;
}

TEST(SectionShape, KnownAreasAndConveyances) {
  // A rectangle with vertical walls: the walls are wetted too.
  SectionShape rectangle = shapeOf({{0, 10}, {0, 0}, {10, 0}, {10, 10}});
  Flow f = flowAt(rectangle, 5);
  EXPECT_DOUBLE_EQ(f.area, 50);
  EXPECT_NEAR(f.conveyance, conveyance(50, 20, 0.04), 1e-9);

  // A V: the water line crosses both sides between their points.
  SectionShape v = shapeOf({{0, 10}, {10, 0}, {20, 10}});
  f = flowAt(v, 5);
  EXPECT_DOUBLE_EQ(f.area, 25);
  EXPECT_NEAR(f.conveyance, conveyance(25, 2 * std::sqrt(50.0), 0.04), 1e-9);

  // A trapezoid with the level between the elevations of its points.
  SectionShape trapezoid = shapeOf({{0, 4}, {2, 0}, {6, 0}, {8, 4}});
  f = flowAt(trapezoid, 1);
  EXPECT_DOUBLE_EQ(f.area, 4.5);
  EXPECT_NEAR(f.conveyance, conveyance(4.5, 4 + 2 * std::sqrt(1.25), 0.04), 1e-9);

  // Dry: a level at or below every point.
  EXPECT_EQ(flowAt(trapezoid, 0).area, 0);
  EXPECT_EQ(flowAt(trapezoid, 0).conveyance, 0);
}

TEST(SectionShape, StretchesSplitAreaAndWettedLength) {
  // A step down at station 5, where the second n value starts: the wall of
  // the step belongs to the stretch that starts there, and no wall of water
  // separates the two.
  SectionShape step = shapeOf({{0, 5}, {0, 0}, {5, 0}, {5, -2}, {10, -2}, {10, 5}},
                              {{0, 0.03}, {5, 0.05}});
  Flow f = flowAt(step, 1);
  EXPECT_DOUBLE_EQ(f.area, 20);
  EXPECT_NEAR(f.conveyance, conveyance(5, 6, 0.03) + conveyance(15, 10, 0.05), 1e-9);

  // A boundary inside a sloping segment splits it where it crosses.
  SectionShape v = shapeOf({{0, 10}, {10, 0}, {20, 10}}, {{0, 0.03}, {10, 0.05}});
  f = flowAt(v, 5);
  double side = std::sqrt(50.0);
  EXPECT_DOUBLE_EQ(f.area, 25);
  EXPECT_NEAR(f.conveyance, conveyance(12.5, side, 0.03) + conveyance(12.5, side, 0.05), 1e-9);

  // A stretch whose n is not positive adds area but no conveyance; so does
  // a section without n values.
  SectionShape zero = shapeOf({{0, 10}, {10, 0}, {20, 10}}, {{0, 0}, {10, 0.05}});
  f = flowAt(zero, 5);
  EXPECT_DOUBLE_EQ(f.area, 25);
  EXPECT_NEAR(f.conveyance, conveyance(12.5, side, 0.05), 1e-9);
  SectionShape none = shapeOf({{0, 10}, {10, 0}, {20, 10}}, {});
  EXPECT_EQ(flowAt(none, 5).conveyance, 0);
  EXPECT_DOUBLE_EQ(flowAt(none, 5).area, 25);

  // The value in force is that of the last start not above the station, in
  // the order written: a start that goes backwards hides the one before.
  SectionShape backwards = shapeOf({{0, 10}, {10, 0}, {20, 10}}, {{0, 0.03}, {15, 0.02}, {10, 0.05}});
  EXPECT_NEAR(flowAt(backwards, 5).conveyance, flowAt(v, 5).conveyance, 1e-9);
}

TEST(SectionShape, GroundBetweenPoints) {
  SectionShape v = shapeOf({{0, 10}, {10, 0}, {20, 10}});
  double z = 0;
  ASSERT_TRUE(groundAt(v, 15, z));
  EXPECT_DOUBLE_EQ(z, 5);
  EXPECT_FALSE(groundAt(v, 21, z));
}

TEST(JudgedLevels, BankfullTopAndShallowLevels) {
  // Banks on the slopes at 4 and 17: BANKFULL is the lower ground there.
  SectionShape v = shapeOf({{0, 10}, {10, 0}, {20, 8}});
  JudgedLevels levels;
  judgeLevels(v, true, 4, 17, levels);
  ASSERT_EQ(levels.count, 2);
  EXPECT_EQ(levels.kind[0], LevelKind::BANKFULL);
  EXPECT_DOUBLE_EQ(levels.level[0], 5.6);
  EXPECT_EQ(levels.kind[1], LevelKind::TOP);
  EXPECT_DOUBLE_EQ(levels.level[1], 8);

  // A bank above the lower end: BANKFULL becomes TOP, judged once.
  judgeLevels(v, true, 1, 20, levels);
  ASSERT_EQ(levels.count, 1);
  EXPECT_EQ(levels.kind[0], LevelKind::TOP);

  // Without bank stations only TOP.
  judgeLevels(v, false, 0, 0, levels);
  ASSERT_EQ(levels.count, 1);
  EXPECT_EQ(levels.kind[0], LevelKind::TOP);

  // A wide flat section whose low end is 0.1 above the bed: the water there
  // is below 5% of the area under the high end, too shallow to judge.
  SectionShape flat = shapeOf({{0, 0.1}, {1, 0}, {100, 0}, {100, 10}});
  judgeLevels(flat, false, 0, 0, levels);
  EXPECT_EQ(levels.count, 0);
  SectionShape deeper = shapeOf({{0, 1}, {1, 0}, {100, 0}, {100, 10}});
  judgeLevels(deeper, false, 0, 0, levels);
  EXPECT_EQ(levels.count, 1);
}

TEST(JudgedLevels, ChangesOfTheDeckAgainstTheGeometry) {
  SectionShape geometry = shapeOf({{0, 10}, {0, 0}, {10, 0}, {10, 10}});
  JudgedLevels levels;
  judgeLevels(geometry, false, 0, 0, levels);
  ASSERT_EQ(levels.count, 1);
  // The deck's left wall cut 0.5 lower: TOP falls in the geometry's terms,
  // but the deck's section is compared at the geometry's level.
  SectionShape deck = geometry;
  deck.elevation[1] = 0.5;
  deck.elevation[0] = 9.5;
  FlowChange change;
  compareFlows(levels, deck, change);
  double deckArea = 100 - 0.5 * 10 / 2;
  EXPECT_NEAR(change.area, deckArea / 100 - 1, 1e-12);
  EXPECT_EQ(change.areaLevel, 0);
  EXPECT_LT(change.conveyance, 0);
}

}  // namespace
}  // namespace tolvane
