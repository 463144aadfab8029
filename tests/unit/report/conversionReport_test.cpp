// The conversion report as a whole: rows, shared section numbers, escaping,
// and a file that an XML reader takes whole.

#include <gtest/gtest.h>

#include <string>

#include "report/conversionReport.h"
#include "report/htmlText.h"
#include "streamFiles.h"
#include "xmlCheck.h"

namespace tolvane {
namespace {

/// The cards of a plain section: station and X1 number only.
SectionCards section(std::string_view station, std::string_view number,
                     SectionRole role = SectionRole::SECTION) {
  SectionCards cards;
  cards.role = role;
  cards.station = makeField8(station);
  cards.number = number;
  return cards;
}

class Report : public ::testing::Test {
 protected:
  /// Runs `convert` between the opening and the end of a report; returns
  /// the file.
  template <typename Convert>
  std::string write(Convert convert) {
    EXPECT_EQ(report.open(file.path().c_str()), 0);
    report.begin({"river.geo", "river.cs", false, fit, "tolvane test"});
    report.setNetwork(reaches, junctions);
    convert();
    EXPECT_EQ(report.complete(), 0);
    EXPECT_EQ(commitRun(deck, &report.place()).failed, CommitFailure::NONE);
    std::string html = file.contents();
    EXPECT_EQ(xmlProblem(html), "");
    return html;
  }
  static size_t count(const std::string& html, std::string_view what) {
    size_t n = 0;
    for (size_t at = html.find(what); at != std::string::npos; at = html.find(what, at + 1)) ++n;
    return n;
  }

  TempFile file;
  Field1Fit fit = Field1Fit::CUT;
  DECK_FILE deck;  // none: only the report is put in place
  REACH_TABLE reaches;
  JUNCTION_TABLE junctions;
  ConversionReport report;
};

TEST_F(Report, DistinctSectionsWithOneNumberInOneReachAreShared) {
  std::string html = write([&] {
    report.startReach(1, "Creek           ,Upper");
    report.sectionWritten(section("-944.1", "-944.1"));
    report.sectionWritten(section("-944.11", "-944.1"));
    // The two faces of a bridge carry one station: not a group.
    report.sectionWritten(section("1127.69", "1127.6", SectionRole::UPSTREAM_FACE));
    report.sectionWritten(section("1127.69", "1127.6", SectionRole::DOWNSTREAM_FACE));
    report.startReach(2, "Creek           ,Lower");
    // The same number in another reach is no group either.
    report.sectionWritten(section("-944.12", "-944.1"));
  });
  EXPECT_EQ(count(html, "data-kind=\"section-number-shared\""), 2u);
  EXPECT_NE(html.find("data-kind=\"section-number-shared\" data-rm=\"-944.11\" data-reach=\"1\""),
            std::string::npos);
  EXPECT_NE(html.find("X1 number &quot;-944.1&quot; is also carried by &quot;-944.11&quot;"),
            std::string::npos);
  EXPECT_EQ(report.changedCount(), 2);
  EXPECT_EQ(report.droppedCount(), 0);
}

TEST_F(Report, FindingsAreGroupedByReachAndCountedByClass) {
  std::string html = write([&] {
    report.finding(FindingKind::JUNCTION_NAME_UNMATCHED, "", "no such reach");
    report.startReach(1, "Creek           ,Upper");
    report.finding(FindingKind::LEVEE, "5.99", "levee line");
    report.finding(FindingKind::GR_ELEVATION_CUT, "5.99", "1 of 1 GR cards");
  });
  EXPECT_NE(html.find("<tr data-kind=\"junction-name-unmatched\" data-rm=\"\" data-reach=\"0\""),
            std::string::npos);
  EXPECT_NE(html.find("<tr data-kind=\"levee\" data-rm=\"5.99\" data-reach=\"1\""),
            std::string::npos);
  EXPECT_EQ(count(html, "<tbody>"), 2u);
  EXPECT_EQ(report.droppedCount(), 2);
  EXPECT_EQ(report.changedCount(), 1);
}

TEST_F(Report, SaysWhichFitWasUsedAndNamesTheFieldOneFindingsByIt) {
  auto fieldOneFindings = [&] {
    report.startReach(1, "Creek           ,Upper");
    report.finding(FindingKind::GR_ELEVATION_CUT, "5.99", "1 of 1 GR cards");
    report.finding(FindingKind::NH_FIELD_CUT, "5.99", "1 of 1 continuation NH cards");
    report.finding(FindingKind::SECTION_NUMBER_CUT, "5.99", "the X1 number stays cut");
  };
  std::string cut = write(fieldOneFindings);
  EXPECT_NE(cut.find("<th>Field 1</th><td>cut (FIT=CUT)"), std::string::npos);
  EXPECT_EQ(count(cut, "rounded"), 0u);
  fit = Field1Fit::ROUND;
  std::string rounded = write(fieldOneFindings);
  EXPECT_NE(rounded.find("<th>Field 1</th><td>rounded (FIT=ROUND)"), std::string::npos);
  EXPECT_EQ(count(rounded, "gr-elevation-cut"), 0u);
  EXPECT_EQ(count(rounded, "nh-field-cut"), 0u);
  // Each in the summary, and the row's kind and name.
  EXPECT_EQ(count(rounded, "gr-elevation-rounded"), 3u);
  EXPECT_EQ(count(rounded, "nh-field-rounded"), 3u);
  EXPECT_EQ(count(rounded, "section-number-cut"), 3u);
  EXPECT_EQ(report.changedCount(), 3);
}

TEST_F(Report, ReachNamesAreShownWithoutTheirPadding) {
  std::string html = write([&] {
    report.startReach(1, "Test Creek      ,Reach 1         ");
    report.finding(FindingKind::LEVEE, "5.99", "levee line");
    report.sectionWritten(section("5.99", "  5.99"));
    report.startReach(2, "NoComma          ");
    report.sectionWritten(section("4.0", "   4.0"));
  });
  // The findings' reach row, the reaches table and the long profile's title.
  EXPECT_EQ(count(html, "Test Creek,Reach 1"), count(html, "Test Creek"));
  EXPECT_GE(count(html, "Test Creek,Reach 1"), 3u);
  EXPECT_NE(html.find("Long profile of reach 1: Test Creek,Reach 1<"), std::string::npos);
  EXPECT_NE(html.find("Long profile of reach 2: NoComma<"), std::string::npos);
}

TEST_F(Report, AnyInputBytesLeaveTheFileWellFormed) {
  std::string odd = "a<b>&\"c\x01\x7f\xe9\xc3\xa9\xff\xed\xa0\x80";
  write([&] {
    report.startReach(1, odd);
    report.finding(FindingKind::LEVEE, odd, odd);
  });
  OutputFile out;
  writeEscaped(out.stream(), "\xc3\xa9\xe9<\x01\t");
  // UTF-8 stays as it is; a lone byte is taken as Latin-1.
  EXPECT_EQ(out.contents(), "\xc3\xa9&#233;&lt;&#65533;\t");
}

TEST_F(Report, AReportWithoutFindingsSaysSo) {
  std::string html = write([&] {
    report.startReach(1, "Creek           ,Upper");
    report.sectionWritten(section("12.5", "  12.5"));
  });
  EXPECT_NE(html.find("No findings"), std::string::npos);
  EXPECT_EQ(report.sectionsWritten(), 1);
}

}  // namespace
}  // namespace tolvane
