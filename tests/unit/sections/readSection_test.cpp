#include <gtest/gtest.h>

#include <string>

#include "sectionFixture.h"
#include "sections/sectionParts.h"

namespace tolvane {
namespace {

const std::string kEnd = "Exp/Cntr=0.3,0.1\n";

class ReadSection : public SectionTest {};

// ---- header line -----------------------------------------------------------

TEST_F(ReadSection, HeaderGivesTheIdentifierAndTheThreeLengths) {
  EXPECT_EQ(readSection(headerLine("13.54*", "510,510,510"), kEnd), SECTION_COMPLETE);
  EXPECT_EQ(view(records.section.RM), "13.54*  ");
  EXPECT_EQ(view(records.section.LENGTH_LEFT), "     510");
  EXPECT_EQ(view(records.section.LENGTH_CHANNEL), "     510");
  EXPECT_EQ(view(records.section.LENGTH_RIGHT), "     510");
  // Blanks inside the identifier are squeezed out, whatever its position.
  readSection(headerLine("  1 2.5", "1,2,3"), kEnd);
  EXPECT_EQ(view(records.section.RM), "12.5    ");
}

TEST_F(ReadSection, HeaderLengthsFollowTheirCommas) {
  readSection(headerLine("1", "100,200"), kEnd);
  EXPECT_EQ(view(records.section.LENGTH_LEFT), "     100");
  EXPECT_EQ(view(records.section.LENGTH_CHANNEL), "        ");
  EXPECT_EQ(view(records.section.LENGTH_RIGHT), "     200");
  // An empty first length: the first comma is at position 1, all blank.
  readSection(headerLine("1", ",200,300"), kEnd);
  EXPECT_EQ(view(records.section.LENGTH_LEFT), "        ");
  EXPECT_EQ(view(records.section.LENGTH_RIGHT), "        ");
  // No comma at all.
  readSection(headerLine("1", "510"), kEnd);
  EXPECT_EQ(view(records.section.LENGTH_RIGHT), "        ");
  // The third length ends at its last digit; longer pieces keep 8 characters.
  readSection(headerLine("1", "1.5 , 123456789 ,7.25   xx"), kEnd);
  EXPECT_EQ(view(records.section.LENGTH_LEFT), "     1.5");
  EXPECT_EQ(view(records.section.LENGTH_CHANNEL), " 1234567");
  EXPECT_EQ(view(records.section.LENGTH_RIGHT), "    7.25");
}

TEST_F(ReadSection, GET3STRINGSSplitsAtTheFirstAndLastComma) {
  FIELD8 a, b, c;
  GET3STRINGS("1,2,3,4", a, b, c);
  EXPECT_EQ(view(a), "       1");
  EXPECT_EQ(view(b), "     2,3");
  EXPECT_EQ(view(c), "       4");
  GET3STRINGS("5,", a, b, c);
  EXPECT_EQ(view(a), "       5");
  EXPECT_EQ(view(c), "        ");
}

TEST_F(ReadSection, EveryNewSectionClearsAreasAndLidButKeepsTheRest) {
  records.INEFFECTIVE.PRESENT = records.BLOCKED.PRESENT = true;
  records.INEFFECTIVE.COUNT = records.BLOCKED.COUNT = 2;
  records.lid.COUNT = 4;
  records.section.BANK_LEFT = right8("10");
  records.nValues.COUNT = 3;
  readSection(headerLine("2", "1,1,1"), kEnd);
  EXPECT_FALSE(records.INEFFECTIVE.PRESENT);
  EXPECT_FALSE(records.BLOCKED.PRESENT);
  EXPECT_EQ(records.INEFFECTIVE.COUNT, 0);
  EXPECT_EQ(records.BLOCKED.COUNT, 0);
  EXPECT_EQ(records.lid.COUNT, 0);
  EXPECT_EQ(view(records.section.BANK_LEFT), "      10");
  EXPECT_EQ(records.nValues.COUNT, 3);
}

// ---- key lines -------------------------------------------------------------

TEST_F(ReadSection, DescriptionLinesBecomeCommentCardsOfTheWholeBuffer) {
  std::string body = joinLines({"BEGIN DESCRIPTION:", "Upstream face #Mann= 3", "  of the weir",
                                "END DESCRIPTION:", "Bank Sta=1,2"}) +
                     kEnd;
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), body), SECTION_COMPLETE);
  std::string first = "Upstream face #Mann= 3";
  std::string second = "  of the weir";
  first.resize(132, ' ');
  second.resize(132, ' ');
  EXPECT_EQ(deck, "* " + first + "\n* " + second + "\n");
  EXPECT_EQ(records.nValues.COUNT, 0);  // keys inside a description are not read
  EXPECT_EQ(view(records.section.BANK_LEFT), "       1");
}

TEST_F(ReadSection, BankStationsAreTheTextsAroundTheFirstComma) {
  readSection(headerLine("1", "1,1,1"), "Bank Sta=1000,1150\n" + kEnd);
  EXPECT_EQ(view(records.section.BANK_LEFT), "    1000");
  EXPECT_EQ(view(records.section.BANK_RIGHT), "    1150");
  readSection(headerLine("1", "1,1,1"), "Bank Sta=,1150  \n" + kEnd);
  EXPECT_EQ(view(records.section.BANK_LEFT), "        ");
  EXPECT_EQ(view(records.section.BANK_RIGHT), "    1150");
  // Without a comma both are blank.
  readSection(headerLine("1", "1,1,1"), "Bank Sta=1000\n" + kEnd);
  EXPECT_EQ(view(records.section.BANK_LEFT), "        ");
  EXPECT_EQ(view(records.section.BANK_RIGHT), "        ");
}

TEST_F(ReadSection, TheFirstKeyInTestOrderWinsWhereverItStands) {
  // "Bank Sta=" comes before "Exp/Cntr=": the section goes on.
  // "#XS Ineff=" is tested before "#Block Obstruct=" although it stands further right.
  std::string body = "Bank Sta=5,6 Exp/Cntr=0.3,0.1\n#Block Obstruct= 2 , 0 #XS Ineff=\n" +
                     valueLine({"0", "200", "205", "600", "900", "205"}) + "\n" + kEnd;
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), body), SECTION_COMPLETE);
  EXPECT_EQ(view(records.section.BANK_LEFT), "       5");
  EXPECT_TRUE(records.INEFFECTIVE.PRESENT);
  EXPECT_FALSE(records.BLOCKED.PRESENT);
  EXPECT_EQ(view(records.INEFFECTIVE.RIGHT_STA), "     600");
}

TEST_F(ReadSection, KeysAreCaseSensitiveAndOtherLinesArePassedOver) {
  std::string body = joinLines({"#sta/elev= 3", "Node Last Edited Time=Dec/08/2005 10:23:03",
                                "XS HTab Starting El and Incr=-11,1, 50", "#Mann"}) +
                     kEnd;
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), body), SECTION_COMPLETE);
  EXPECT_EQ(records.section.GROUND.NPTS, 0);
  EXPECT_EQ(deck, "");
}

TEST_F(ReadSection, ASectionWithoutItsEndStopsAtTheNextReachKeyLine) {
  // The next node's keys still run into it, but the next reach's key line
  // ends it and stays in the line buffer for the driver.
  std::string body = joinLines({"Bank Sta=10,20", headerLine("2", "5,5,5"), "Bank Sta=30,40",
                                "CM River Reach=Fall River      ,Upper",
                                "River Reach=Fall River      ,Lower", "Bank Sta=50,60"}) +
                     kEnd;
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), body), REACH_KEY_MET);
  EXPECT_EQ(view(records.section.BANK_LEFT), "      30");
  EXPECT_EQ(line.columns(1, 17), "River Reach=Fall ");
}

TEST_F(ReadSection, AreaPairsNeedTwoAreasAndZeroAfterTheComma) {
  std::string values = valueLine({"-1000", "200", "205", "600", "2000", "205"}) + "\n";
  readSection(headerLine("1", "1,1,1"), "#XS Ineff= 2 , 0 \n" + values + kEnd);
  const AREA_PAIR& ineffective = records.INEFFECTIVE;
  EXPECT_TRUE(ineffective.PRESENT);
  EXPECT_EQ(ineffective.COUNT, 2);
  EXPECT_EQ(view(ineffective.LEFT_STA), "     200");
  EXPECT_EQ(view(ineffective.LEFT_ELEV), "     205");
  EXPECT_EQ(view(ineffective.RIGHT_STA), "     600");
  EXPECT_EQ(view(ineffective.RIGHT_ELEV), "     205");

  // Three areas: not present, and the value lines are passed over.
  std::string three =
      valueLine({"0", "10", "100", "200", "210", "100", "400", "500", "100"}) + "\n";
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), "#XS Ineff= 3 , 0 \n" + three + kEnd),
            SECTION_COMPLETE);
  EXPECT_FALSE(records.INEFFECTIVE.PRESENT);
  EXPECT_EQ(records.INEFFECTIVE.COUNT, 3);

  readSection(headerLine("1", "1,1,1"), "#Block Obstruct= 2 ,-1 \n" + values + kEnd);
  EXPECT_FALSE(records.BLOCKED.PRESENT);
  EXPECT_EQ(records.BLOCKED.COUNT, 0);
}

TEST_F(ReadSection, ASecondAreaKeyLineClearsIneffectiveButNotBlocked) {
  std::string values = valueLine({"0", "200", "205", "600", "900", "205"}) + "\n";
  std::string body = "#XS Ineff= 2 , 0\n" + values + "#Block Obstruct= 2 , 0\n" + values +
                     "#XS Ineff= 1 , 0\n#Block Obstruct= 1 , 0\n" + kEnd;
  readSection(headerLine("1", "1,1,1"), body);
  EXPECT_FALSE(records.INEFFECTIVE.PRESENT);
  EXPECT_TRUE(records.BLOCKED.PRESENT);
  EXPECT_EQ(records.BLOCKED.COUNT, 0);
  EXPECT_EQ(view(records.BLOCKED.RIGHT_STA), "     600");
}

TEST_F(ReadSection, LidTripletsFillTheThreeColumns) {
  std::string body = "#XS Lid=4\n" +
                     valueLine({"0", "20", "-1", "6", "20", "0", "12", "20", "-1"}) + "\n" +
                     valueLine({"18", "21", "-2"}) + "\n" + kEnd;
  readSection(headerLine("1", "1,1,1"), body);
  const LID_TABLE& lid = records.lid;
  EXPECT_EQ(lid.COUNT, 4);
  EXPECT_EQ(view(lid.COL1[2]), "      12");
  EXPECT_EQ(view(lid.COL3[3]), "      -2");
  // The last line always yields three triplets: 5 and 6 are blank here.
  EXPECT_EQ(view(lid.COL1[4]), "        ");
  EXPECT_EQ(view(lid.COL2[5]), "        ");
  EXPECT_EQ(lid.COL1_VALUE[0], 0.0f);  // the value lists are not touched
}

TEST_F(ReadSection, CountsAreTheThreeCharactersAfterTheSeparator) {
  // "150" after one blank: only " 15" is read.
  std::string lines;
  for (int i = 0; i < 5; ++i)
    lines += valueLine({"1", "2", "3", "4", "5", "6", "7", "8", "9"}) + "\n";
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), "#XS Lid= 150\n" + lines + kEnd),
            SECTION_COMPLETE);
  EXPECT_EQ(records.lid.COUNT, 15);
  // A count that is not an integer reads 0 and reads no value line.
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), "#XS Lid=a5\n" + kEnd), SECTION_COMPLETE);
  EXPECT_EQ(records.lid.COUNT, 0);
}

// ---- ground points ---------------------------------------------------------

TEST_F(ReadSection, GroundPointsComeFiveToALine) {
  std::string body =
      "#Sta/Elev= 7 \n" +
      valueLine({"0", "105.2", "10", "101", "25", "99.5", "40", "98.6", "55", "99"}) + "\n" +
      valueLine({"70", "102", "90", "106.1"}) + "\n" + kEnd;
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), body), SECTION_COMPLETE);
  const GROUND_PROFILE& ground = records.section.GROUND;
  EXPECT_EQ(ground.NPTS, 7);
  EXPECT_EQ(view(ground.NPTS_TEXT), "       7");
  EXPECT_EQ(view(ground.STA[0]), "       0");
  EXPECT_EQ(view(ground.ELEV[0]), "   105.2");
  EXPECT_EQ(view(ground.STA[6]), "      90");
  EXPECT_EQ(view(ground.ELEV[6]), "   106.1");
  for (int i = 7; i < 10; ++i) {
    EXPECT_EQ(view(ground.STA[i]), "        ");
    EXPECT_EQ(view(ground.ELEV[i]), "        ");
  }
}

TEST_F(ReadSection, ZeroOrUnreadableGroundCountsReadNoValueLine) {
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), "#Sta/Elev= 0\n" + kEnd), SECTION_COMPLETE);
  EXPECT_EQ(records.section.GROUND.NPTS, 0);
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), "#Sta/Elev= x\n" + kEnd), SECTION_COMPLETE);
  EXPECT_EQ(records.section.GROUND.NPTS, 0);
  EXPECT_EQ(view(records.section.GROUND.NPTS_TEXT), "        ");
}

// ---- n values --------------------------------------------------------------

TEST_F(ReadSection, ThreeNValuesComeFromFieldsTwoFiveAndEight) {
  std::string body = "#Mann= 3 , 0 , 0 \n" +
                     valueLine({"0", ".06", "0", "200", ".035", "0", "400", ".06", "0"}) + "\n" +
                     kEnd;
  readSection(headerLine("1", "1,1,1"), body);
  const N_VALUE_SET& n = records.nValues;
  EXPECT_EQ(n.COUNT, 3);
  EXPECT_EQ(n.MODE, 0);
  EXPECT_EQ(n.KH_FLAG, 0);
  EXPECT_EQ(view(n.N_VALUE[0]), "     .06");
  EXPECT_EQ(view(n.N_VALUE[1]), "    .035");
  EXPECT_EQ(view(n.N_VALUE[2]), "     .06");
  EXPECT_EQ(view(n.START_STA[0]), "       0");
  EXPECT_EQ(view(n.START_STA[1]), "     200");
  EXPECT_EQ(view(n.START_STA[2]), "     400");
}

TEST_F(ReadSection, VaryingNValuesKeepTheStationWhereEachEnds) {
  std::string body = "#Sta/Elev= 2\n" + valueLine({"0", "10", "900", "12"}) + "\n" +
                     "#Mann= 4 ,-1 , 0 \n" +
                     valueLine({"0", ".05", "0", "100", ".04", "0", "250", ".03", "0"}) + "\n" +
                     valueLine({"400", ".045", "0"}) + "\n" + kEnd;
  readSection(headerLine("1", "1,1,1"), body);
  const N_VALUE_SET& n = records.nValues;
  EXPECT_EQ(n.MODE, -1);
  EXPECT_EQ(n.COUNT, 4);
  EXPECT_EQ(view(n.END_STA[0]), "     100");
  EXPECT_EQ(view(n.END_STA[1]), "     250");
  EXPECT_EQ(view(n.END_STA[2]), "     400");
  EXPECT_EQ(view(n.END_STA[3]), "     900");
  EXPECT_EQ(view(n.N_VALUE[3]), "    .045");
}

TEST_F(ReadSection, VaryingNValuesWithoutGroundOrCountHaveNoLastStation) {
  records.section.GROUND.NPTS = 0;
  readSection(headerLine("1", "1,1,1"),
              "#Mann= 1 , 1 , 0\n" + valueLine({"0", ".05", "0"}) + "\n" + kEnd);
  EXPECT_EQ(records.nValues.COUNT, 1);
  EXPECT_EQ(view(records.nValues.END_STA[0]), "        ");
  // Count 0 with a nonzero mode reads no value line.
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), "#Mann= 0 , 1 , 0\n" + kEnd), SECTION_COMPLETE);
  EXPECT_EQ(records.nValues.COUNT, 0);
  EXPECT_EQ(records.nValues.MODE, 1);
}

TEST_F(ReadSection, TheKhFlagFollowsTheLastComma) {
  std::string values = valueLine({"0", ".06", "0", "200", ".035", "0", "400", ".06", "0"}) + "\n";
  readSection(headerLine("1", "1,1,1"), "#Mann= 3 , 0 , 1 \n" + values + kEnd);
  EXPECT_EQ(records.nValues.KH_FLAG, 1);
  readSection(headerLine("1", "1,1,1"), "#Mann= 3 , 0 \n" + values + kEnd);
  EXPECT_EQ(records.nValues.KH_FLAG, 0);
  readSection(headerLine("1", "1,1,1"), "#Mann= 3 , 0 , -12\n" + values + kEnd);
  EXPECT_EQ(records.nValues.KH_FLAG, -12);
  // An optional sign and digits after leading blanks; no digits reads 0.
  readSection(headerLine("1", "1,1,1"), "#Mann= 3 , 0 , 1.5\n" + values + kEnd);
  EXPECT_EQ(records.nValues.KH_FLAG, 1);
  readSection(headerLine("1", "1,1,1"), "#Mann= 3 , 0 , .5\n" + values + kEnd);
  EXPECT_EQ(records.nValues.KH_FLAG, 0);
}

// ---- capacities ------------------------------------------------------------

std::string repeatLine(const std::string& line, int times) {
  std::string lines;
  for (int i = 0; i < times; ++i) lines += line + "\n";
  return lines;
}

TEST_F(ReadSection, MoreThan500GroundPointsKeepTheFirst500AndWarn) {
  std::string body =
      "#Sta/Elev= 503\n" +
      repeatLine(valueLine({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), 100) +
      valueLine({"501", "11", "502", "12", "503", "13"}) + "\n" + "Bank Sta=7,8\n" + kEnd;
  EXPECT_EQ(readSection(headerLine("17.5", "1,1,1"), body), SECTION_COMPLETE);
  EXPECT_EQ(records.section.GROUND.NPTS, 500);
  EXPECT_EQ(view(records.section.GROUND.STA[499]), "       9");
  EXPECT_EQ(view(records.section.BANK_LEFT), "       7");  // still in step
  EXPECT_EQ(
      deck,
      "* WARNING: SECTION RM=17.5     HAS MORE THAN 500 GROUND POINTS; ONLY THE FIRST 500 ARE "
      "CONVERTED\n");
  // Exactly 500 points: no warning.
  body = "#Sta/Elev= 500\n" +
         repeatLine(valueLine({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), 100) + kEnd;
  EXPECT_EQ(readSection(headerLine("17.5", "1,1,1"), body), SECTION_COMPLETE);
  EXPECT_EQ(records.section.GROUND.NPTS, 500);
  EXPECT_EQ(deck, "");
}

TEST_F(ReadSection, MoreThan20VaryingNValuesKeepTheFirst20AndEndAtTheLastStation) {
  std::string body =
      "#Sta/Elev= 2\n" + valueLine({"0", "10", "950", "12"}) + "\n" + "#Mann= 22 , -1 , 0\n" +
      repeatLine(valueLine({"0", ".05", "0", "10", ".04", "0", "20", ".03", "0"}), 8) +
      "Bank Sta=3,4\n" + kEnd;
  EXPECT_EQ(readSection(headerLine("9*", "1,1,1"), body), SECTION_COMPLETE);
  EXPECT_EQ(records.nValues.COUNT, 20);
  EXPECT_EQ(view(records.nValues.END_STA[18]), "      10");
  EXPECT_EQ(view(records.nValues.END_STA[19]), "     950");
  EXPECT_EQ(view(records.section.BANK_LEFT), "       3");
  EXPECT_EQ(deck,
            "* WARNING: SECTION RM=9*       HAS MORE THAN 20 N VALUES; ONLY THE FIRST 20 ARE "
            "CONVERTED\n");
}

TEST_F(ReadSection, TheThreeValueFormReadsOneLineWhateverItsCount) {
  std::string values = valueLine({"0", ".06", "0", "200", ".035", "0", "400", ".07", "0"});
  std::string body = "#Mann= 25 , 0 , 0\n" + values + "\n" + values + "\n" + kEnd;
  EXPECT_EQ(readSection(headerLine("1", "1,1,1"), body), SECTION_COMPLETE);
  EXPECT_EQ(records.nValues.COUNT, 25);
  EXPECT_EQ(view(records.nValues.N_VALUE[2]), "     .07");
  EXPECT_EQ(deck, "");
}

// ---- end of the input ------------------------------------------------------

TEST_F(ReadSection, EndOfInputInTheLineLoopKeepsWhatWasRead) {
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), "Bank Sta=1,2\n"), END_OF_INPUT);
  EXPECT_EQ(view(records.section.BANK_RIGHT), "       2");
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), ""), END_OF_INPUT);
  EXPECT_EQ(view(records.section.RM), "3       ");
}

TEST_F(ReadSection, EndOfInputInsideADescriptionKeepsTheCardsWritten) {
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), "BEGIN DESCRIPTION:\nfirst\n"), END_OF_INPUT);
  EXPECT_EQ(deck, "* first" + std::string(127, ' ') + "\n");
}

TEST_F(ReadSection, EndOfInputInsideGroundPointsKeepsTheLinesRead) {
  std::string body =
      "#Sta/Elev= 12\n" + valueLine({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) + "\n";
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), body), END_OF_INPUT);
  EXPECT_EQ(records.section.GROUND.NPTS, 5);
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), "#Sta/Elev= 3\n"), END_OF_INPUT);
  EXPECT_EQ(records.section.GROUND.NPTS, 0);
}

TEST_F(ReadSection, EndOfInputInsideNValuesKeepsTheLinesRead) {
  std::string body = "#Mann= 5 , -1 , 0\n" +
                     valueLine({"0", ".05", "0", "10", ".04", "0", "20", ".03", "0"}) + "\n";
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), body), END_OF_INPUT);
  EXPECT_EQ(records.nValues.COUNT, 3);
  EXPECT_EQ(view(records.nValues.END_STA[0]), "       0");  // nothing further done
  records.nValues.N_VALUE[0] = right8(".9");
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), "#Mann= 3 , 0 , 0\n"), END_OF_INPUT);
  EXPECT_EQ(records.nValues.COUNT, 0);
  EXPECT_EQ(records.nValues.MODE, 0);
  EXPECT_EQ(view(records.nValues.N_VALUE[0]), "      .9");
}

TEST_F(ReadSection, EndOfInputBeforeAnAreaValueLineLeavesThePairAbsent) {
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), "#XS Ineff= 2 , 0\n"), END_OF_INPUT);
  EXPECT_FALSE(records.INEFFECTIVE.PRESENT);
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), "#Block Obstruct= 2 , 0\n"), END_OF_INPUT);
  EXPECT_FALSE(records.BLOCKED.PRESENT);
}

TEST_F(ReadSection, EndOfInputInsideALidKeepsTheTripletsRead) {
  std::string body =
      "#XS Lid=7\n" + valueLine({"1", "2", "3", "4", "5", "6", "7", "8", "9"}) + "\n";
  EXPECT_EQ(readSection(headerLine("3", "1,1,1"), body), END_OF_INPUT);
  EXPECT_EQ(records.lid.COUNT, 3);
}

TEST_F(ReadSection, READ3OF3ReportsTheEndOfTheInput) {
  InputFile in(valueLine({"1", "2", "3", "4", "5", "6", "7", "8", "9"}) + "\n");
  FIELD8 a[2], b[2];
  int32_t triplets = -1, status = -1;
  READ3OF3(in.stream(), line, 4, a, b, {}, triplets, status);
  EXPECT_EQ(status, END_OF_INPUT);
  EXPECT_EQ(triplets, 3);
  // Two entries of room: the third triplet is read and dropped.
  EXPECT_EQ(view(a[1]), "       4");
  EXPECT_EQ(view(b[1]), "       5");
}

}  // namespace
}  // namespace tolvane
