#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hydraulics/deckSection.h"
#include "hydraulics/geometrySection.h"
#include "recordingFindings.h"

namespace tolvane {
namespace {

TEST(DeckSection, ReadsCardsByTheirColumns) {
  // Field 1 of a GR card is 6 columns; the NC values are left, right, channel.
  const std::string cards =
      "NC   .06     .05    .035\n"
      "X1   100       6     200     300     100     100     100\n"
      "* a comment card between\n"
      "GR5753.6     100 5750.12     200 5748.00     250 5748.50     280 5751.00     300\n"
      "GR5753.7     400\n";
  DeckSection deck;
  ASSERT_EQ(readDeckSection(cards, deck), DeckReadResult::READ);
  const SectionShape& s = deck.shape;
  ASSERT_EQ(s.points, 6);
  EXPECT_DOUBLE_EQ(s.elevation[0], 5753.6);
  EXPECT_DOUBLE_EQ(s.station[0], 100);
  EXPECT_DOUBLE_EQ(s.elevation[1], 5750.12);
  EXPECT_DOUBLE_EQ(s.elevation[5], 5753.7);
  EXPECT_DOUBLE_EQ(s.station[5], 400);
  EXPECT_DOUBLE_EQ(deck.bankLeft, 200);
  EXPECT_DOUBLE_EQ(deck.bankRight, 300);
  ASSERT_EQ(s.stretches, 3);
  EXPECT_DOUBLE_EQ(s.n[0], .06);
  EXPECT_DOUBLE_EQ(s.start[1], 200);
  EXPECT_DOUBLE_EQ(s.n[1], .035);
  EXPECT_DOUBLE_EQ(s.start[2], 300);
  EXPECT_DOUBLE_EQ(s.n[2], .05);
}

TEST(DeckSection, NhValuesRunOnOverFurtherCards) {
  // Five values: the fifth end station opens the second card in field 1.
  const std::string cards =
      "NH     5     .05     100     .04     200    .035     300     .04     400     .05\n"
      "NH   500\n"
      "X1     1       2\n"
      "GR    10       0      10     500\n";
  DeckSection deck;
  ASSERT_EQ(readDeckSection(cards, deck), DeckReadResult::READ);
  ASSERT_EQ(deck.shape.stretches, 5);
  EXPECT_TRUE(deck.nhContinued);
  EXPECT_DOUBLE_EQ(deck.shape.n[2], .035);
  EXPECT_DOUBLE_EQ(deck.shape.start[2], 200);
  EXPECT_DOUBLE_EQ(deck.shape.start[4], 400);
  EXPECT_DOUBLE_EQ(deck.shape.n[4], .05);

  // A blank NC card: three n values of 0.
  DeckSection blank;
  ASSERT_EQ(readDeckSection("NC\nX1     1       0\nGR\n", blank), DeckReadResult::READ);
  EXPECT_EQ(blank.shape.stretches, 3);
  EXPECT_EQ(blank.shape.n[1], 0);
  EXPECT_EQ(blank.shape.points, 0);
}

TEST(DeckSection, CardsAReaderCannotTake) {
  DeckSection deck;
  EXPECT_EQ(readDeckSection("NC   .06     .05    .035\nGR    10       0\n", deck),
            DeckReadResult::NO_X1);
  EXPECT_EQ(readDeckSection("X1     1       3\nGR    10       0      10     500\n", deck),
            DeckReadResult::SHORT_GR);
  EXPECT_EQ(readDeckSection("X1     1       1\nGR    1O       0\n", deck),
            DeckReadResult::NOT_A_NUMBER);
}

/// Texts of a section as the reader hands them over.
struct Texts {
  std::vector<FIELD8> sta, elev, n, end, start;
  SectionTexts texts;

  Texts(std::vector<std::pair<const char*, const char*>> points, int mode,
        std::vector<std::pair<const char*, const char*>> nValues, const char* left = "",
        const char* right = "") {
    for (auto [x, z] : points) {
      sta.push_back(makeField8(x));
      elev.push_back(makeField8(z));
    }
    for (auto [value, station] : nValues) {
      n.push_back(makeField8(value));
      (mode == 0 ? start : end).push_back(makeField8(station));
    }
    texts.station = makeField8("12.5");
    texts.sta = sta.data();
    texts.elev = elev.data();
    texts.points = static_cast<int32_t>(points.size());
    texts.bankLeft = makeField8(left);
    texts.bankRight = makeField8(right);
    texts.nMode = mode;
    texts.nCount = static_cast<int32_t>(nValues.size());
    texts.nValue = n.data();
    texts.nEnd = end.data();
    texts.nStart = mode == 0 ? start.data() : nullptr;
  }

  std::vector<FindingKind> warnings() {
    GeometrySection section;
    readGeometrySection(texts, section);
    RecordingFindings recorded;
    noteWarnings(texts, section, recorded.findings());
    std::vector<FindingKind> kinds;
    for (const auto& row : recorded.rows) kinds.push_back(row.kind);
    return kinds;
  }
};

using Kinds = std::vector<FindingKind>;

TEST(GeometrySection, ThreeValuesSplitAtTheirOwnStarts) {
  // The left overbank left out: .02 starts at the left bank, .023 at the right.
  Texts t({{"0", "10"}, {"100", "0"}, {"470.02", "0"}, {"600", "10"}}, 0,
          {{".02", "0"}, {".023", "470.02"}}, "0", "470.02");
  GeometrySection section;
  readGeometrySection(t.texts, section);
  ASSERT_TRUE(section.readable);
  ASSERT_EQ(section.shape.stretches, 2);
  EXPECT_DOUBLE_EQ(section.shape.start[1], 470.02);
  EXPECT_DOUBLE_EQ(section.shape.n[1], .023);
  EXPECT_TRUE(section.banksKnown);
  EXPECT_EQ(t.warnings(), Kinds{});
}

TEST(GeometrySection, EachWarningOnASmallSection) {
  EXPECT_EQ(Texts({{"0", "10"}, {"50", "2"}, {"100", "10"}}, 0, {{".05", "0"}, {"0", "40"}, {".05", "60"}})
                .warnings(),
            Kinds{FindingKind::N_NOT_POSITIVE});
  // A zero n on a stretch of no width is fine.
  EXPECT_EQ(Texts({{"0", "10"}, {"50", "2"}, {"100", "10"}}, 0, {{".05", "0"}, {"0", "40"}, {".05", "40"}})
                .warnings(),
            Kinds{});
  EXPECT_EQ(Texts({{"0", "10"}, {"50", "2"}, {"100", "10"}}, 0, {}).warnings(),
            Kinds{FindingKind::N_NOT_POSITIVE});
  // Equal NH end stations are fine; one below the one before is not.
  EXPECT_EQ(Texts({{"0", "10"}, {"50", "2"}, {"100", "10"}}, -1,
                  {{".05", "40"}, {".04", "40"}, {".05", "100"}})
                .warnings(),
            Kinds{});
  EXPECT_EQ(Texts({{"0", "10"}, {"50", "2"}, {"100", "10"}}, -1,
                  {{".05", "60"}, {".04", "40"}, {".05", "100"}})
                .warnings(),
            Kinds{FindingKind::N_STATIONS_DECREASING});
  EXPECT_EQ(Texts({{"0", "10"}, {"50", "2"}, {"40", "10"}}, -1, {{".05", "40"}}).warnings(),
            Kinds{FindingKind::GROUND_STATIONS_DECREASING});
  EXPECT_EQ(Texts({}, -1, {{"-9999", ""}}).warnings(), Kinds{FindingKind::NO_GROUND_POINTS});
  EXPECT_EQ(Texts({{"0", "1"}, {"50", "2"}, {"100", "10"}}, -1, {{".05", "100"}}).warnings(),
            Kinds{FindingKind::LOWEST_POINT_AT_END});
  // An end point level with the lowest inner point is not below it.
  EXPECT_EQ(Texts({{"0", "2"}, {"50", "2"}, {"100", "10"}}, -1, {{".05", "100"}}).warnings(),
            Kinds{});
}

}  // namespace
}  // namespace tolvane
