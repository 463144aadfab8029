#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sectionFixture.h"
#include "sections/sectionParts.h"

namespace tolvane {
namespace {

const std::string kPlus = "* ++++++++++++++++++++++++++++++++++++++++++\n";
const std::string kDash = "* *-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-\n";

class WriteSection : public SectionTest {
 protected:
  std::string writeNValues() {
    OutputFile out;
    WRITE_N_VALUES(out.stream(), records.nValues, records.section, records.section.RM, fit,
                   Findings());
    return out.contents();
  }
  std::string writeX1() {
    OutputFile out;
    WRITE_X1(out.stream(), records.section, Findings());
    return out.contents();
  }
  std::string writeX3() {
    OutputFile out;
    WRITE_X3(out.stream(), records.INEFFECTIVE, records.BLOCKED);
    return out.contents();
  }
  std::string writeGRs() {
    OutputFile out;
    WRITE_GRS(out.stream(), records.section.GROUND, records.section.RM, fit, Findings());
    return out.contents();
  }
  void setPair(AREA_PAIR& pair, std::string_view leftSta, std::string_view leftElev,
               std::string_view rightSta, std::string_view rightElev) {
    pair.PRESENT = true;
    pair.COUNT = 2;
    pair.LEFT_STA = right8(leftSta);
    pair.LEFT_ELEV = right8(leftElev);
    pair.RIGHT_STA = right8(rightSta);
    pair.RIGHT_ELEV = right8(rightElev);
  }
  void setVarying(std::initializer_list<std::string_view> values,
                  std::initializer_list<std::string_view> stations) {
    N_VALUE_SET& n = records.nValues;
    n.MODE = -1;
    n.COUNT = static_cast<int32_t>(values.size());
    int i = 0;
    for (std::string_view v : values) n.N_VALUE[i++] = right8(v);
    i = 0;
    for (std::string_view s : stations) n.END_STA[i++] = right8(s);
  }
};

// ---- roughness cards -------------------------------------------------------

TEST_F(WriteSection, ThreeNValuesGoLeftRightChannel) {
  records.nValues.COUNT = 3;
  records.nValues.N_VALUE[0] = right8(".06");
  records.nValues.N_VALUE[1] = right8(".035");
  records.nValues.N_VALUE[2] = right8(".07");
  EXPECT_EQ(writeNValues(), "NC   .06     .07    .035\n");
  // Field 1 takes characters 3-8 of the left value.
  records.nValues.N_VALUE[0] = makeField8("0.065432");
  EXPECT_EQ(writeNValues(), "NC065432     .07    .035\n");
}

class OneOrTwoNValues : public WriteSection {
 protected:
  /// A section from station 0 to 40 with banks `left` and `right` and the n
  /// values of a three-value line: start station and value, one or two of them.
  void setSection(std::string_view left, std::string_view right,
                  std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    GROUND_PROFILE& ground = records.section.GROUND;
    ground.NPTS = 3;
    ground.STA[0] = right8("0");
    ground.STA[1] = right8("20");
    ground.STA[2] = right8("40");
    records.section.BANK_LEFT = right8(left);
    records.section.BANK_RIGHT = right8(right);
    N_VALUE_SET& n = records.nValues;
    n.COUNT = static_cast<int32_t>(values.size());
    int i = 0;
    for (auto [start, value] : values) {
      n.START_STA[i] = right8(start);
      n.N_VALUE[i++] = right8(value);
    }
  }
};

TEST_F(OneOrTwoNValues, GoToTheSubsectionsWhereTheyStart) {
  // No left overbank: the first value starts at the left bank, the second at
  // the right bank.
  setSection("0", "470.02", {{"0", ".02"}, {"470.02", ".023"}});
  EXPECT_EQ(writeNValues(), "NC   .02    .023     .02\n");
  // Both start after the left bank: the first value is in force before it,
  // and still at the right bank.
  setSection("10", "30", {{"20", ".07"}, {"35", ".05"}});
  EXPECT_EQ(writeNValues(), "NC   .07     .07     .07\n");
  // Stations are compared as numbers, not as texts.
  setSection("9.5", "10", {{"0", ".04"}, {"1e1", ".03"}});
  EXPECT_EQ(writeNValues(), "NC   .04     .03     .04\n");
  // One value fills all three fields.
  records.nValues.N_VALUE[1] = BLANK_FIELD8;
  setSection("10", "30", {{"0", ".035"}});
  EXPECT_EQ(writeNValues(), "NC  .035    .035    .035\n");
}

TEST_F(OneOrTwoNValues, StayInTheirPositionsWhenAStationIsNoNumber) {
  const std::string byPosition = "NC   .02            .023\n";
  setSection("", "", {{"0", ".02"}, {"470.02", ".023"}});  // a blank bank line
  EXPECT_EQ(writeNValues(), byPosition);
  setSection("0", "470.02", {{"0", ".02"}, {"RIGHT", ".023"}});
  EXPECT_EQ(writeNValues(), byPosition);
  setSection("0", "470.02", {{"0", ".02"}, {"470.02", ".023"}});
  records.section.GROUND.STA[0] = right8("4 0");
  EXPECT_EQ(writeNValues(), byPosition);
  records.section.GROUND.NPTS = 0;
  EXPECT_EQ(writeNValues(), byPosition);
}

TEST_F(WriteSection, ThreeNValuesStayInTheirPositionsWhereverTheyStart) {
  records.section.GROUND.NPTS = 1;
  records.section.GROUND.STA[0] = right8("0");
  records.section.BANK_LEFT = right8("0");
  records.section.BANK_RIGHT = right8("10");
  records.nValues.COUNT = 3;
  const char* starts[3] = {"0", "10", "20"};
  const char* values[3] = {".06", ".035", ".07"};
  for (int i = 0; i < 3; ++i) {
    records.nValues.START_STA[i] = right8(starts[i]);
    records.nValues.N_VALUE[i] = right8(values[i]);
  }
  EXPECT_EQ(writeNValues(), "NC   .06     .07    .035\n");
}

TEST_F(WriteSection, KhDataGiveACommentBlockAndABlankNcCard) {
  setVarying({".05"}, {"100"});
  records.nValues.KH_FLAG = 1;
  EXPECT_EQ(
      writeNValues(),
      kPlus + "* KH DATA NOT SUPPORTED IN MAVO. REPLACED WITH BLANK NC RECORD\n" + kPlus + "NC\n");
}

TEST_F(WriteSection, NoNValuesGiveTheSpaceholderBlock) {
  std::string text = writeNValues();
  std::string message =
      "* No N Values defined for this section in BEK data, BLANK NC RECORD written as "
      "spaceholder...";
  EXPECT_EQ(message.size(), 93u);
  EXPECT_EQ(text, kPlus + message + "\n" + kPlus + "NC\n");
}

TEST_F(WriteSection, VaryingNValuesGoOnNhCardsWithValueBeforeStation) {
  setVarying({".05", ".04", ".03", ".045"}, {"100", "250", "400", "900"});
  EXPECT_EQ(writeNValues(),
            "NH     4     .05     100     .04     250     .03     400    .045     900\n");
  // A fifth value fills the first card; its end station opens a second card,
  // fitted into the 6 columns of field 1 (rounded up, see below).
  setVarying({".05", ".04", ".03", ".045", ".06"}, {"100", "250", "400", "900", "1234.567"});
  EXPECT_EQ(writeNValues(),
            "NH     5     .05     100     .04     250     .03     400    .045     900     .06\n"
            "NH1234.6\n");
  setVarying({".05", ".04", ".03", ".045", ".06"}, {"100", "250", "400", "900", "950"});
  EXPECT_EQ(writeNValues().substr(81), "NH   950\n");
  // A count of 0 with a nonzero mode: the count alone.
  records.nValues.COUNT = 0;
  EXPECT_EQ(writeNValues(), "NH     0\n");
}

// The last end station must reach the last ground station: when the cut to
// field 1 would lower it, field 1 holds the smallest number not below it.
TEST_F(WriteSection, LastEndStationInFieldOneIsNeverCutShort) {
  // The station goes into the last stored place: END_STA(COUNT) up to the
  // capacity of 20, END_STA(20) beyond it.
  auto lastCard = [&](int count, std::string_view station) {
    N_VALUE_SET& n = records.nValues;
    n.MODE = -1;
    n.COUNT = count;
    int stored = std::min(count, N_VALUE_CAPACITY);
    for (int i = 0; i < stored; ++i) {
      n.N_VALUE[i] = right8(".05");
      n.END_STA[i] = right8(i + 1 == stored ? std::string(station) : std::to_string(i * 10));
    }
    std::string text = writeNValues();
    return text.substr(text.rfind("NH", text.size() - 2));
  };
  EXPECT_EQ(lastCard(5, "1399.32"), "NH1399.4\n");
  EXPECT_EQ(lastCard(5, "36374.49"), "NH36375.\n");
  EXPECT_EQ(lastCard(5, "9999.99"), "NH10000.\n");
  EXPECT_EQ(lastCard(5, "99999.99"), "NH100000\n");
  EXPECT_EQ(lastCard(5, "-1234.56"), "NH-1234.\n");  // the cut does not lower it
  EXPECT_EQ(lastCard(5, "1399.30"), "NH1399.3\n");   // 1399.3 is not less
  EXPECT_EQ(lastCard(5, "1399.3"), "NH1399.3\n");    // fits as it is
  EXPECT_EQ(lastCard(5, "950"), "NH   950\n");
  EXPECT_EQ(lastCard(5, "1399.3x"), "NH1399.3\n");   // not a number: the cut stays
  EXPECT_EQ(lastCard(5, "999999.9"), "NH999999\n");  // nothing fits: the cut stays
  EXPECT_EQ(lastCard(10, "1399.32"), "NH1399.4\n");
  EXPECT_EQ(lastCard(15, "1399.32"), "NH1399.4\n");
  EXPECT_EQ(lastCard(20, "1399.32"), "NH1399.4\n");
  // Over the capacity the 20th station is not the last one: it stays cut.
  EXPECT_EQ(lastCard(21, "1399.32"), "NH1399.3\n");
  // Stations that open a card but are not the last one stay cut.
  setVarying({".05", ".04", ".03", ".045", ".06", ".07"},
             {"100", "250", "400", "900", "1234.567", "1300"});
  EXPECT_EQ(writeNValues().substr(81, 8), "NH1234.5");
  // Rounding: those round; the last station rounds when that does not
  // lower it, and is otherwise raised as before.
  fit = Field1Fit::ROUND;
  EXPECT_EQ(writeNValues().substr(81, 8), "NH1234.6");
  EXPECT_EQ(lastCard(5, "1399.36"), "NH1399.4\n");
  EXPECT_EQ(lastCard(5, "1399.32"), "NH1399.4\n");
  EXPECT_EQ(lastCard(5, "-1234.56"), "NH-1234.\n");  // -1235. would lower it
  EXPECT_EQ(lastCard(5, "1399.30"), "NH1399.3\n");
}

// ---- X1 --------------------------------------------------------------------

TEST_F(WriteSection, X1CarriesCountBanksAndLengthsRightBeforeChannel) {
  CROSS_SECTION& s = records.section;
  s.RM = makeField8("13.54");
  s.GROUND.NPTS = 7;
  s.BANK_LEFT = right8("1000");
  s.BANK_RIGHT = right8("1150");
  s.LENGTH_LEFT = right8("100");
  s.LENGTH_CHANNEL = right8("200");
  s.LENGTH_RIGHT = right8("300");
  std::string card = writeX1();
  EXPECT_EQ(card, "X1 13.54       7    1000    1150     100     300     200\n");
  EXPECT_EQ(card[15], '7');               // column 16
  EXPECT_EQ(card.substr(20, 4), "1000");  // columns 21-24
}

TEST_F(WriteSection, AnInterpolatedSectionIsFlaggedOnce) {
  records.section.RM = makeField8("5.99*");
  EXPECT_EQ(writeX1(), kDash + "*  CROSS SECTION AT RM=5.99     IS INTEPOLATED!\n" + kDash +
                           "X1  5.99       0" + std::string(40, ' ') + "\n");
  EXPECT_EQ(view(records.section.RM), "5.99    ");
  EXPECT_EQ(writeX1(), "X1  5.99       0" + std::string(40, ' ') + "\n");
  // Only the first star goes.
  records.section.RM = makeField8("1*2*");
  EXPECT_EQ(writeX1().substr(kDash.size(), 34), "*  CROSS SECTION AT RM=1 2*     IS");
}

TEST_F(WriteSection, TheSectionNumberIsTheFirstSixCharacters) {
  records.section.RM = makeField8("1234.567");
  EXPECT_EQ(writeX1().substr(0, 8), "X11234.5");
  records.section.RM = makeField8("12345 78");
  EXPECT_EQ(writeX1().substr(0, 8), "X1 12345");
}

// ---- X3 --------------------------------------------------------------------

TEST_F(WriteSection, NoAreaPairNoX3Card) {
  records.INEFFECTIVE.COUNT = 3;
  EXPECT_EQ(writeX3(), "");
}

TEST_F(WriteSection, IneffectiveAreasAreCopiedUnchanged) {
  setPair(records.INEFFECTIVE, "200", "205", "600", "205.5");
  EXPECT_EQ(writeX3(), "X3" + std::string(22, ' ') + "     200     205     600   205.5" +
                           std::string(16, ' ') + "\n");
}

TEST_F(WriteSection, BlockedObstructionsAreNegatedAndReplaceIneffectiveSideBySide) {
  setPair(records.INEFFECTIVE, "200", "205", "600", "205");
  setPair(records.BLOCKED, "150", "210", "", "215");
  EXPECT_EQ(writeX3(), "X3" + std::string(22, ' ') + "     150    -210     600     205" +
                           std::string(16, ' ') + "\n");
  EXPECT_EQ(view(records.BLOCKED.RIGHT_ELEV), "    -215");
  // Written again, the elevations stay as they are.
  EXPECT_EQ(writeX3().substr(24, 16), "     150    -210");
}

TEST_F(WriteSection, NegatingAnElevation) {
  auto negated = [](std::string_view text) {
    FIELD8 field = makeField8(text);
    negateElevation(field);
    return std::string(view(field));
  };
  EXPECT_EQ(negated("     205"), "    -205");
  EXPECT_EQ(negated("1234.567"), "-1234.56");
  EXPECT_EQ(negated(""), "       -");
  EXPECT_EQ(negated("205     "), "    -205");  // right-justified first
  EXPECT_EQ(negated(" 1234.5 "), " -1234.5");
  EXPECT_EQ(negated("  -12.5 "), "  -12.5 ");  // holds a minus: unchanged
  EXPECT_EQ(negated("1-2     "), "1-2     ");
  EXPECT_EQ(negated("   12 5 "), "   -12 5");
  EXPECT_EQ(negated(negated("12345678")), "-1234567");
}

// ---- GR --------------------------------------------------------------------

TEST_F(WriteSection, GroundPointsGoFiveToACardElevationFirst) {
  GROUND_PROFILE& g = records.section.GROUND;
  g.NPTS = 12;
  for (int i = 0; i < 12; ++i) {
    g.STA[i] = right8(std::to_string(i * 10));
    g.ELEV[i] = right8(std::to_string(100 + i));
  }
  g.ELEV[0] = right8("1234.5");
  g.ELEV[5] = makeField8("1234.567");
  g.ELEV[10] = right8("98.6");
  std::string cards = writeGRs();
  EXPECT_EQ(cards,
            "GR1234.5       0     101      10     102      20     103      30     104      40\n"
            "GR1234.5      50     106      60     107      70     108      80     109      90\n"
            "GR  98.6     100     111     110\n");
  // The opening elevations now hold what field 1 shows.
  EXPECT_EQ(view(g.ELEV[0]), "1234.5  ");
  EXPECT_EQ(view(g.ELEV[5]), "1234.567");
  EXPECT_EQ(view(g.ELEV[10]), "  98.6  ");
  EXPECT_EQ(view(g.ELEV[1]), "     101");
  // Writing again gives the same cards.
  EXPECT_EQ(writeGRs(), cards);
}

TEST_F(WriteSection, RoundingFitsOpeningElevationsAndKeepsWhatTheCardShows) {
  fit = Field1Fit::ROUND;
  GROUND_PROFILE& g = records.section.GROUND;
  const char* opening[] = {"5753.69", "1234.5", "9999.99", "-99999.9", "1.2E+03", "  98.6"};
  g.NPTS = 26;
  for (int i = 0; i < 26; ++i) {
    g.STA[i] = right8(std::to_string(i));
    g.ELEV[i] = i % 5 == 0 ? makeField8(opening[i / 5]) : right8("7.125");
  }
  std::string cards = writeGRs();
  std::string fieldOnes;
  for (size_t at = 0; at < cards.size(); at = cards.find('\n', at) + 1)
    fieldOnes += cards.substr(at + 2, 6) + "|";
  // A number that no rounding fits, and a text that is no plain decimal,
  // are cut.
  EXPECT_EQ(fieldOnes, "5753.7|1234.5|10000.|-99999|1.2E+0|  98.6|");
  EXPECT_EQ(cards.substr(8, 16), "       0   7.125");  // the rest as it was
  EXPECT_EQ(view(g.ELEV[0]), "5753.7  ");
  EXPECT_EQ(view(g.ELEV[10]), "10000.  ");
  EXPECT_EQ(view(g.ELEV[15]), "-99999.9");
  EXPECT_EQ(view(g.ELEV[20]), "1.2E+03 ");
  EXPECT_EQ(writeGRs(), cards);
}

TEST_F(WriteSection, NoGroundPointsGiveABareGrCard) {
  EXPECT_EQ(writeGRs(), "GR\n");
  records.section.GROUND.NPTS = -3;
  EXPECT_EQ(writeGRs(), "GR\n");
}

// ---- the whole section -----------------------------------------------------

TEST_F(WriteSection, CardsComeInOrderWithTheLidBeforeTheGround) {
  records.nValues.COUNT = 3;
  records.nValues.N_VALUE[0] = records.nValues.N_VALUE[1] = records.nValues.N_VALUE[2] =
      right8(".03");
  records.section.RM = makeField8("7");
  records.section.GROUND.NPTS = 1;
  records.section.GROUND.STA[0] = right8("0");
  records.section.GROUND.ELEV[0] = right8("10");
  setPair(records.INEFFECTIVE, "1", "2", "3", "4");
  records.lid.COUNT = 1;
  records.lid.COL1[0] = right8("0");
  records.lid.COL2[0] = right8("20");
  records.lid.COL3[0] = right8("-1");
  EXPECT_EQ(writeSection(),
            "NC   .03     .03     .03\n"
            "X1     7       1" +
                std::string(40, ' ') +
                "\n"
                "X3" +
                std::string(22, ' ') + "       1       2       3       4" + std::string(16, ' ') +
                "\n"
                "BT    -1       0      20      -1\n"
                "GR    10       0\n");
  records.lid.COUNT = 0;
  EXPECT_EQ(writeSection().find("BT"), std::string::npos);
}

}  // namespace
}  // namespace tolvane
