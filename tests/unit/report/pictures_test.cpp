#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "report/bridgeFace.h"
#include "report/bridgePicture.h"
#include "report/longProfile.h"
#include "report/svg.h"
#include "streamFiles.h"
#include "xmlCheck.h"

namespace tolvane {
namespace {

void setGround(BridgeFace& face, std::initializer_list<GroundPoint> points) {
  face.groundCount = 0;
  for (const GroundPoint& point : points) face.ground[face.groundCount++] = point;
}

void setLid(BridgeFace& face, std::initializer_list<LidPoint> points) {
  face.lidCount = 0;
  for (const LidPoint& point : points) face.lid[face.lidCount++] = point;
}

TEST(OpeningArea, MatchesShapesMeasuredByHand) {
  BridgeFace face;
  // A flat bed under a level low chord: a rectangle 10 wide and 5 high.
  setGround(face, {{0, 0}, {10, 0}});
  setLid(face, {{0, 8, 5}, {10, 8, 5}});
  EXPECT_DOUBLE_EQ(openingArea(face), 50);

  // A trapezoidal channel, 10 wide at the chord, 6 at the bed, 6 deep.
  setGround(face, {{0, 6}, {2, 0}, {8, 0}, {10, 6}});
  setLid(face, {{0, 9, 6}, {10, 9, 6}});
  EXPECT_DOUBLE_EQ(openingArea(face), 48);

  // A sloping chord that dips under the bed at station 2: only the triangle
  // above the bed counts.
  setGround(face, {{0, 0}, {10, 0}});
  setLid(face, {{0, 9, -2}, {10, 9, 8}});
  EXPECT_DOUBLE_EQ(openingArea(face), 32);

  // A pier 2 wide folded into the chord, reaching below the bed.
  setLid(face, {{0, 8, 5}, {4, 8, 5}, {4, 8, -1}, {6, 8, -1}, {6, 8, 5}, {10, 8, 5}});
  EXPECT_DOUBLE_EQ(openingArea(face), 40);

  // The chord is only counted over the stations the ground covers.
  setGround(face, {{0, 0}, {5, 0}});
  setLid(face, {{-5, 8, 5}, {10, 8, 5}});
  EXPECT_DOUBLE_EQ(openingArea(face), 25);

  // The chord lying on or below the ground everywhere leaves no opening.
  setGround(face, {{0, 3}, {10, 3}});
  setLid(face, {{0, 8, 3}, {10, 8, 2}});
  EXPECT_DOUBLE_EQ(openingArea(face), 0);
}

TEST(OpeningArea, TakesEachChordSpanOverJustTheGroundUnderIt) {
  BridgeFace face;
  // A flat bed with a point every 10 stations; the chord spans only some.
  face.groundCount = 11;
  for (int i = 0; i <= 10; ++i) face.ground[i] = {static_cast<float>(10 * i), 0};
  setLid(face, {{35, 8, 4}, {55, 8, 4}});
  EXPECT_DOUBLE_EQ(openingArea(face), 80);
  setLid(face, {{30, 8, 4}, {40, 8, 4}, {40, 8, 2}, {50, 8, 2}, {50, 8, 4}, {60, 8, 4}});
  EXPECT_DOUBLE_EQ(openingArea(face), 100);

  // Vertical channel walls: repeated stations.
  setGround(face, {{0, 5}, {20, 5}, {20, 0}, {80, 0}, {80, 5}, {100, 5}});
  setLid(face, {{10, 9, 6}, {90, 9, 6}});
  EXPECT_DOUBLE_EQ(openingArea(face), 380);

  // A ground line that steps back: every forward span counts, the stretch
  // from 40 to 50 twice.
  setGround(face, {{0, 0}, {50, 0}, {40, 0}, {100, 0}});
  setLid(face, {{0, 8, 4}, {100, 8, 4}});
  EXPECT_DOUBLE_EQ(openingArea(face), 440);
}

TEST(OpeningArea, IsZeroWithoutALidOrAGroundLineAndSafeWithBadCounts) {
  BridgeFace face;
  setGround(face, {{0, 0}, {10, 0}});
  EXPECT_EQ(openingArea(face), 0);
  setLid(face, {{0, 8, 5}, {10, 8, 5}});
  face.groundCount = 1;
  EXPECT_EQ(openingArea(face), 0);
  face.groundCount = -3;
  EXPECT_EQ(openingArea(face), 0);
  // Counts beyond the capacity read only the points the face holds.
  face.groundCount = 100000;
  face.lidCount = 100000;
  EXPECT_TRUE(std::isfinite(openingArea(face)));
}

TEST(RoundTicks, EncloseTheRangeInStepsOfOneTwoOrFive) {
  struct Range {
    double low, high;
  };
  for (Range range : {Range{0, 97}, Range{1812.3, 1830.9}, Range{0, 0.37}, Range{-12.5, 3}, Range{5, 5},
                      Range{0, 0}, Range{-1e6, 4e7}, Range{664.46, 664.5}}) {
    SCOPED_TRACE(std::to_string(range.low) + " .. " + std::to_string(range.high));
    Ticks ticks = roundTicks(range.low, range.high, 6);
    ASSERT_GE(ticks.count, 2);
    EXPECT_LE(ticks.count, 14);
    EXPECT_LE(ticks.value(0), range.low);
    EXPECT_GE(ticks.value(ticks.count - 1), range.high);
    double mantissa = ticks.step / std::pow(10.0, std::floor(std::log10(ticks.step)) );
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                std::fabs(mantissa - 5) < 1e-9)
        << ticks.step;
    // The labels show the step exactly.
    EXPECT_LT(std::fabs(std::round(ticks.step * std::pow(10.0, ticks.decimals)) -
                        ticks.step * std::pow(10.0, ticks.decimals)),
              1e-6);
  }
  Ticks ticks = roundTicks(0, 97, 6);
  EXPECT_EQ(ticks.step, 20);
  EXPECT_EQ(ticks.value(ticks.count - 1), 100);
  EXPECT_EQ(roundTicks(0, 0.37, 6).decimals, 2);
}

TEST(SvgWriter, EscapesTextsAndWritesNumbersInOneFixedForm) {
  OutputFile file;
  SvgWriter svg(file.stream());
  svg.text("a<b & \"c\" 'd'>\x01\xe9").raw("|");
  svg.number(12.0).raw(" ").number(-0.01).raw(" ").number(3.25).raw(" ");
  svg.number(std::numeric_limits<double>::quiet_NaN()).raw(" ").number(1e30).raw("|");
  svg.fixed(-0.001, 2).raw(" ").fixed(1812.5, 1).raw(" ").integer(-42);
  EXPECT_EQ(file.contents(),
            "a&lt;b &amp; &quot;c&quot; &#39;d&#39;&gt;  |12 0 3.2 0 10000000|0.00 1812.5 -42");
}

/// A bridge face like a converted one: a channel with banks and a deck with
/// one pier folded into its low chord.
BridgeFace sampleFace(float shift) {
  BridgeFace face;
  face.station = makeField8("12.5");
  setGround(face, {{0, 110}, {20, 104}, {40, 101 + shift}, {60, 100}, {80, 102}, {100, 109}});
  setLid(face, {{0, 112, 108},
                {45, 112, 108},
                {45, 112, 99},
                {47, 112, 99},
                {47, 112, 108},
                {100, 112, 108}});
  face.hasBanks = true;
  face.bankLeft = 20;
  face.bankRight = 80;
  face.ineffectiveLeft = {true, false, 15, 106};
  face.ineffectiveRight = {true, false, 85, 106.5f};
  return face;
}

TEST(BridgePicture, IsWellFormedAndCaptionsEachFaceWithItsOpening) {
  BridgeFace upstream = sampleFace(0);
  BridgeFace downstream = sampleFace(0.5f);
  OutputFile file;
  writeBridgePicture(file.stream(), upstream, downstream, "Bridge RM 12.5 <Reach \"A&B\">", 3);
  std::string svg = file.contents();
  EXPECT_EQ(xmlProblem(svg), "");
  EXPECT_NE(svg.find("<title>Bridge RM 12.5 &lt;Reach &quot;A&amp;B&quot;&gt;</title>"), std::string::npos);
  char caption[80];
  std::snprintf(caption, sizeof caption, "Opening area under the low chord: %.1f", openingArea(upstream));
  EXPECT_NE(svg.find(caption), std::string::npos);
  std::snprintf(caption, sizeof caption, "Opening area under the low chord: %.1f", openingArea(downstream));
  EXPECT_NE(svg.find(caption), std::string::npos);
  EXPECT_NE(svg.find("Upstream face, RM 12.5"), std::string::npos);
  // The picture's ids carry its number, so pictures on one page differ.
  EXPECT_NE(svg.find("id=\"tb3-hatch\""), std::string::npos);
  EXPECT_EQ(svg.find("id=\"tb0"), std::string::npos);
  EXPECT_EQ(svg.find("Blocked"), std::string::npos);
}

TEST(BridgePicture, DrawsABlockedObstructionFilledFromTheGroundUp) {
  BridgeFace upstream = sampleFace(0);
  upstream.ineffectiveRight.blocked = true;
  OutputFile file;
  writeBridgePicture(file.stream(), upstream, sampleFace(0), "", 1);
  std::string svg = file.contents();
  EXPECT_EQ(xmlProblem(svg), "");
  // Solid from its elevation down, under the ground drawn after it: only the
  // part above the ground shows. Its edge is drawn as blocked, not hatched.
  size_t fill = svg.find("fill=\"#7a7a7a\" stroke=\"none\"");
  size_t ground = svg.find("fill=\"#e9dcc0\"", svg.find("<g clip-path"));
  ASSERT_NE(fill, std::string::npos);
  EXPECT_LT(fill, ground);
  EXPECT_NE(svg.find("<polyline fill=\"none\" stroke=\"#333333\""), std::string::npos);
  EXPECT_NE(svg.find("Blocked (X3)"), std::string::npos);
}

TEST(BridgePicture, StaysWellFormedForEmptyFullAndNonsenseFaces) {
  BridgeFace empty;
  BridgeFace full;
  full.groundCount = 700;
  full.lidCount = FACE_POINTS;
  for (int i = 0; i < FACE_POINTS; ++i) {
    full.ground[i] = {static_cast<float>(i), static_cast<float>(i % 7)};
    full.lid[i] = {static_cast<float>(i), 20, 10};
  }
  BridgeFace odd = sampleFace(0);
  odd.ground[1].elevation = std::numeric_limits<float>::quiet_NaN();
  odd.ground[2].station = std::numeric_limits<float>::infinity();
  odd.lid[0].top = 3e38f;
  odd.ineffectiveLeft.elevation = -106;  // a blocked obstruction's negated elevation
  for (const BridgeFace* other : {&empty, &full, &odd}) {
    OutputFile file;
    writeBridgePicture(file.stream(), *other, empty, "", 1);
    std::string svg = file.contents();
    EXPECT_EQ(xmlProblem(svg), "");
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
  }
  OutputFile file;
  writeBridgePicture(file.stream(), empty, empty, "", 1);
  EXPECT_NE(file.contents().find("No deck on this face (no BT cards)"), std::string::npos);
}

/// A reach of `count` sections 10 apart, falling gently, generated on each
/// pass; counts how often it was rewound.
class SyntheticReach : public ProfileSource {
 public:
  explicit SyntheticReach(int count) : count_(count) {}
  bool rewind() override {
    ++rewinds;
    next_ = 0;
    return rewindWorks;
  }
  bool next(ProfilePoint& point) override {
    if (next_ >= count_) return false;
    int i = next_++;
    point.distance = 10.0f * i;
    point.lowestElevation = 500.0f - 0.001f * i + (i % 3 == 0 ? -0.5f : 0.0f);
    point.station = makeField8(std::to_string(count_ - i));
    point.bridges = i % 1000 == 500;
    point.sections = 1 - point.bridges;
    point.culvert = i == 777;
    // A culvert lies between two sections and has a station of its own.
    point.culvertStation = makeField8(point.culvert ? "49222.5" : "");
    point.findingClasses = i % 7 == 0 ? findingClassBit(i % 3) : 0;
    return true;
  }

  int rewinds = 0;
  bool rewindWorks = true;

 private:
  int count_;
  int next_ = 0;
};

TEST(LongProfile, DrawsTensOfThousandsOfSectionsAsASmallWellFormedPicture) {
  SyntheticReach reach(50000);
  OutputFile file;
  ASSERT_TRUE(writeLongProfile(file.stream(), reach, "Reach 1: Main Channel", 7));
  EXPECT_EQ(reach.rewinds, 2);
  std::string svg = file.contents();
  EXPECT_EQ(xmlProblem(svg), "");
  EXPECT_LT(svg.size(), 120000u);
  EXPECT_NE(svg.find("49950 cross sections, 50 bridges, 1 culvert, 7143 with findings"), std::string::npos);
  // Bridges 10,000 apart lie in columns of their own: every one is marked.
  for (int i = 500; i < 50000; i += 1000) {
    std::string title = "<title>Bridge at RM " + std::to_string(50000 - i) + "</title>";
    EXPECT_NE(svg.find(title), std::string::npos) << title;
  }
  EXPECT_NE(svg.find("<title>Culvert at RM 49222.5</title>"), std::string::npos);
  // Each class of finding has its own lane and colour along the bottom (the
  // plot's bottom at 330, lanes 8 high), drawn before the legend's samples.
  const char* colours[] = {"#aa0000", "#885500", "#0055aa"};
  for (int c = 0; c < 3; ++c) {
    std::string lane = std::string("stroke=\"") + colours[c] + "\" stroke-width=\"2\" d=\"M80.5 " +
                       std::to_string(330 - 8 * c) + "v-7M";
    EXPECT_NE(svg.find(lane), std::string::npos) << lane;
  }
}

/// Sections with conveyance changes of 0.2%, -0.8% and 25%, one not judged.
class ChangingReach : public ProfileSource {
 public:
  bool rewind() override {
    next_ = 0;
    return true;
  }
  bool next(ProfilePoint& point) override {
    const float changes[] = {0.002f, -0.008f, NAN, 0.25f};
    if (next_ >= 4) return false;
    point = ProfilePoint();
    point.distance = 100.0f * next_;
    point.lowestElevation = 10;
    point.station = makeField8(std::to_string(400 - 100 * next_));
    point.conveyanceChange = changes[next_++];
    return true;
  }

 private:
  int next_ = 0;
};

TEST(LongProfile, DrawsEachSectionsConveyanceChangeInAStripUnderIt) {
  ChangingReach reach;
  OutputFile file;
  ASSERT_TRUE(writeLongProfile(file.stream(), reach, "Reach 1", 1));
  std::string svg = file.contents();
  EXPECT_EQ(xmlProblem(svg), "");
  EXPECT_NE(svg.find("largest +25.00% at RM 100</text>"), std::string::npos);
  // 25% lies beyond the strip's 20%: cut at its edge, with a cap; each size of
  // change has its colour, and the section not judged draws nothing.
  EXPECT_NE(svg.find("stroke=\"#9a9a9a\" stroke-width=\"2\" d=\"M80.5 "), std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#d08a00\" stroke-width=\"2\" d=\"M373.5 "), std::string::npos);
  size_t big = svg.find("stroke=\"#c0002a\" stroke-width=\"2\" d=\"M959.5 515V470M956.5 470h6\"");
  EXPECT_NE(big, std::string::npos);
  EXPECT_EQ(svg.find("M666.5 515V"), std::string::npos);
  EXPECT_NE(svg.find(">-10</text>"), std::string::npos);
}

TEST(LongProfile, WritesNothingWhenThePointsCannotBeReadAgain) {
  SyntheticReach reach(10);
  reach.rewindWorks = false;
  OutputFile file;
  EXPECT_FALSE(writeLongProfile(file.stream(), reach, "Reach", 1));
  EXPECT_EQ(file.contents(), "");
}

/// A fixed list of points.
class ListedReach : public ProfileSource {
 public:
  ListedReach(std::initializer_list<ProfilePoint> points) : points_(points) {}
  bool rewind() override {
    next_ = 0;
    return true;
  }
  bool next(ProfilePoint& point) override {
    if (next_ >= points_.size()) return false;
    point = points_[next_++];
    return true;
  }

 private:
  std::vector<ProfilePoint> points_;
  size_t next_ = 0;
};

TEST(LongProfile, StaysWellFormedForEmptySingleAndNonsenseReaches) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  ProfilePoint bridgeWithoutGround;
  bridgeWithoutGround.distance = 5;
  bridgeWithoutGround.lowestElevation = nan;
  bridgeWithoutGround.bridges = 1;
  bridgeWithoutGround.sections = 0;
  ProfilePoint far;
  far.distance = 3e38f;
  far.lowestElevation = -3e38f;
  ProfilePoint unknown;
  unknown.distance = nan;
  ListedReach empty({});
  ListedReach single({ProfilePoint{}});
  ListedReach odd({ProfilePoint{}, bridgeWithoutGround, far, unknown});
  for (ProfileSource* reach : {static_cast<ProfileSource*>(&empty), static_cast<ProfileSource*>(&single),
                               static_cast<ProfileSource*>(&odd)}) {
    OutputFile file;
    ASSERT_TRUE(writeLongProfile(file.stream(), *reach, "R", 1));
    std::string svg = file.contents();
    EXPECT_EQ(xmlProblem(svg), "");
    EXPECT_EQ(svg.find("nan"), std::string::npos);
  }
}

}  // namespace
}  // namespace tolvane
