// What the section reader and writer tell the report: what the deck leaves
// out of a section, and what field 1 cuts short.

#include <gtest/gtest.h>

#include <string>

#include "recordingFindings.h"
#include "sectionFixture.h"

namespace tolvane {
namespace {

std::string endLine() { return "Exp/Cntr=0.3,0.1\n"; }

class SectionFindings : public SectionTest {
 protected:
  void SetUp() override {
    SectionTest::SetUp();
    findings = recorder.findings();
  }
  RecordingFindings recorder;
};

TEST_F(SectionFindings, LinesTheDeckDoesNotCarryAreNamed) {
  std::string body =
      "#XS Ineff= 3 ,-1 \n" + valueLine({"0", "10", "105", "20", "30", "105"}) + "\n" +
      "#XS Ineff= 2 , 0 \n" + valueLine({"0", "10", "105", "20", "30", "105"}) + "\n" +
      "#Block Obstruct= 1 ,-1 \n" + valueLine({"0", "10", "104"}) + "\n" +
      "Permanent Ineff=\n       F       F\n" +
      "Permanent Ineff=\n       T       F\n" +
      "Levee=0,,,-1,364.86,5755.92,,Levee 1\n"
      "Exp/Cntr=0.30,0.10\n";
  EXPECT_EQ(readSection(headerLine("12.5", "1,2,3"), body), SECTION_COMPLETE);
  // Only the line of another form is left out; the carried pair is not.
  ASSERT_EQ(recorder.of(FindingKind::INEFFECTIVE_NOT_CARRIED).size(), 1u);
  EXPECT_EQ(recorder.of(FindingKind::INEFFECTIVE_NOT_CARRIED)[0].station, "12.5");
  EXPECT_EQ(recorder.of(FindingKind::BLOCKED_NOT_CARRIED).size(), 1u);
  // Flags all F lose nothing.
  EXPECT_EQ(recorder.of(FindingKind::PERMANENT_INEFFECTIVE).size(), 1u);
  EXPECT_EQ(recorder.of(FindingKind::LEVEE).size(), 1u);
  // 0.30 and 0.10 are the coefficients the deck assumes.
  EXPECT_TRUE(recorder.of(FindingKind::COEFFICIENTS).empty());
  EXPECT_TRUE(recorder.of(FindingKind::NO_SECTION_END).empty());

  recorder.rows.clear();
  readSection(headerLine("12.4", "1,2,3"), "Exp/Cntr=0.5,0.3\n");
  ASSERT_EQ(recorder.of(FindingKind::COEFFICIENTS).size(), 1u);
  EXPECT_EQ(recorder.of(FindingKind::COEFFICIENTS)[0].detail,
            "expansion \"0.5\", contraction \"0.3\"");
}

TEST_F(SectionFindings, ASectionWithoutItsEndNamesTheNodesItRanInto) {
  std::string body = headerLine("12.4", "1,2,3") + "\n" + headerLine("12.3", "1,2,3") + "\n" + endLine();
  EXPECT_EQ(readSection(headerLine("12.5", "1,2,3"), body), SECTION_COMPLETE);
  auto rows = recorder.of(FindingKind::NO_SECTION_END);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].station, "12.5");
  EXPECT_NE(rows[0].detail.find("2 nodes (12.4, 12.3)"), std::string::npos) << rows[0].detail;

  recorder.rows.clear();
  EXPECT_EQ(readSection(headerLine("12.2", "1,2,3"), "Bank Sta=1,2\n"), END_OF_INPUT);
  ASSERT_EQ(recorder.of(FindingKind::NO_SECTION_END).size(), 1u);
  EXPECT_NE(recorder.rows[0].detail.find("the end of the input"), std::string::npos);
}

TEST_F(SectionFindings, TheX3CardLosesTheReplacedIneffectiveSideAndCutBlockedElevations) {
  std::string body =
      "#XS Ineff= 2 , 0 \n" + valueLine({"0", "200", "205", "600", "2000", "205.5"}) + "\n" +
      "#Block Obstruct= 2 , 0 \n" + valueLine({"0", "150", "1234.567", "", "", "-123.456"}) + "\n" +
      endLine();
  readSection(headerLine("12.5", "1,2,3"), body);
  // Only the left side is taken by the obstruction; the right keeps its area.
  auto replaced = recorder.of(FindingKind::INEFFECTIVE_REPLACED);
  ASSERT_EQ(replaced.size(), 1u);
  EXPECT_EQ(replaced[0].station, "12.5");
  EXPECT_NE(replaced[0].detail.find("left station \"200\" elevation \"205\""), std::string::npos)
      << replaced[0].detail;
  EXPECT_EQ(replaced[0].detail.find("right"), std::string::npos) << replaced[0].detail;
  auto cut = recorder.of(FindingKind::BLOCKED_ELEVATION_CUT);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].detail, "left blocked elevation \"1234.567\" written as \"-1234.56\"");

  // Without an ineffective area nothing is replaced; an elevation that has
  // room for the sign, or holds one already, stays whole.
  recorder.rows.clear();
  body = "#Block Obstruct= 2 , 0 \n" + valueLine({"0", "150", "123.456", "600", "0", "-1234.56"}) +
         "\n" + endLine();
  readSection(headerLine("12.4", "1,2,3"), body);
  EXPECT_TRUE(recorder.of(FindingKind::INEFFECTIVE_REPLACED).empty());
  EXPECT_TRUE(recorder.of(FindingKind::BLOCKED_ELEVATION_CUT).empty());
}

TEST_F(SectionFindings, ADescriptionLineBeyond132ColumnsIsCut) {
  std::string longLine(140, 'x');
  std::string body = "BEGIN DESCRIPTION:\nshort\n" + longLine + "\nEND DESCRIPTION:\n" + endLine();
  readSection(headerLine("12.5", "1,2,3"), body);
  EXPECT_EQ(recorder.of(FindingKind::DESCRIPTION_CUT).size(), 1u);
}

TEST_F(SectionFindings, CutsOfField1AreCountedWithTheLargestChange) {
  std::string body = "#Sta/Elev= 11 \n" +
                     valueLine({"0", "1818.023", "1", "1", "2", "2", "3", "3", "4", "4"}) + "\n" +
                     valueLine({"5", "1818.09", "6", "6", "7", "7", "8", "8", "9", "9"}) + "\n" +
                     valueLine({"10", "98.6"}) + "\n" + endLine();
  readSection(headerLine("1234.567", "1,2,3"), body);
  writeSection();
  auto gr = recorder.of(FindingKind::GR_ELEVATION_CUT);
  ASSERT_EQ(gr.size(), 1u);
  EXPECT_EQ(gr[0].station, "1234.567");
  EXPECT_EQ(gr[0].detail,
            "2 of 3 GR cards; largest change 0.09 (\"1818.09\" written as \"1818.0\")");
  auto number = recorder.of(FindingKind::SECTION_NUMBER_CUT);
  ASSERT_EQ(number.size(), 1u);
  EXPECT_EQ(number[0].detail, "\"1234.567\" written as \"1234.5\"");

  // The largest change is found whichever cut comes first, and whatever it
  // leaves off: decimals, the point, a negative value's decimals.
  recorder.rows.clear();
  body = "#Sta/Elev= 16 \n" +
         valueLine({"0", "1818.09", "1", "1", "2", "2", "3", "3", "4", "4"}) + "\n" +
         valueLine({"5", "1818.023", "6", "6", "7", "7", "8", "8", "9", "9"}) + "\n" +
         valueLine({"10", "-1818.5", "11", "11", "12", "12", "13", "13", "14", "14"}) + "\n" +
         valueLine({"15", "23456.78"}) + "\n" + endLine();
  readSection(headerLine("7.5", "1,2,3"), body);
  writeSection();
  gr = recorder.of(FindingKind::GR_ELEVATION_CUT);
  ASSERT_EQ(gr.size(), 1u);
  EXPECT_EQ(gr[0].detail,
            "4 of 4 GR cards; largest change 0.78 (\"23456.78\" written as \"23456.\")");

  // A bridge face repeats its neighbour's GR cards and tells no cut of them;
  // only the upstream face tells the cut of the bridge's station.
  recorder.rows.clear();
  records.section.RM = makeField8("1234.567");
  writeSection(SectionRole::UPSTREAM_FACE);
  EXPECT_TRUE(recorder.of(FindingKind::GR_ELEVATION_CUT).empty());
  EXPECT_EQ(recorder.of(FindingKind::SECTION_NUMBER_CUT).size(), 1u);
  recorder.rows.clear();
  writeSection(SectionRole::DOWNSTREAM_FACE);
  EXPECT_TRUE(recorder.rows.empty());
}

}  // namespace
}  // namespace tolvane
