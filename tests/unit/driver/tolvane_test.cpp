#include "driver/tolvane.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "streamFiles.h"
#include "twoReaches.h"
#include "testSystem.h"

namespace tolvane {
namespace {

struct Outcome {
  int status;
  std::string console;
  std::string deck;
  std::string report;
};

/// Runs one conversion in-process on the geometry text, with a report when
/// asked.
Outcome convert(const std::string& geometry, bool sorted, bool withReport = false) {
  TempFile input(geometry), deck, console, report;
  std::string in = "INPUT=" + input.path(), out = "OUTPUT=" + deck.path();
  std::string r = "REPORT=" + report.path();
  std::vector<const char*> args = {in.c_str(), out.c_str()};
  if (withReport) args.push_back(r.c_str());
  if (sorted) args.push_back("SORTREACHES=YES");
  int consoleFd = ::open(console.path().c_str(), O_WRONLY | O_TRUNC);
  int devNull = ::open("/dev/null", O_RDONLY);
  int status = runTolvane(args, consoleFd, devNull, devNull);
  ::close(consoleFd);
  ::close(devNull);
  return {status, console.contents(), deck.contents(), report.contents()};
}

TEST(Conversion, RepeatedRunsInOneProcessGiveTheSameDeck) {
  for (bool sorted : {false, true}) {
    Outcome first = convert(kGeometry, sorted);
    Outcome second = convert(kGeometry, sorted);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.deck, second.deck);
    EXPECT_EQ(first.console, second.console);
  }
}

TEST(Conversion, SortedModeRenumbersReachesByTheNumberInTheirNames) {
  Outcome unsorted = convert(kGeometry, false);
  Outcome sorted = convert(kGeometry, true);
  EXPECT_NE(unsorted.deck.find("T1 REACH#  1      ===> Creek 2"), std::string::npos);
  EXPECT_NE(sorted.deck.find("T1 REACH#  1      ===> Creek 1"), std::string::npos);
  // Creek 2 flows into Creek 1: in sorted order it is reach 2, listed on
  // Creek 1's UB card.
  EXPECT_NE(sorted.deck.find("UB     2\n"), std::string::npos);
  EXPECT_NE(unsorted.deck.find("UB     1\n"), std::string::npos);
}

TEST(Conversion, ANodeTypeThatIsNotAWholeIntegerIsSkippedAndTold) {
  // Old free-format headers put a comma or a point in columns 24-25.
  std::string geometry = kGeometry;
  geometry.insert(geometry.find("River Reach=Creek 1"),
                  "Type RM Length L Ch R =1,0.5682  ,,100,,0,0,0\n"
                  "#Sta/Elev= 1 \n"
                  "       0    20.5\n"
                  "Exp/Cntr=0.3,0.1\n"
                  "Type RM Length L Ch R =1.,0.4    ,,100,,0,0,0\n"
                  "Exp/Cntr=0.3,0.1\n");
  for (bool sorted : {false, true}) {
    Outcome run = convert(geometry, sorted, true);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.deck, convert(kGeometry, sorted).deck);
    EXPECT_NE(run.report.find("node of type &quot;1,&quot;: not converted"), std::string::npos);
    EXPECT_NE(run.report.find("node of type &quot;1.&quot;: not converted"), std::string::npos);
  }
}

TEST(Conversion, AStopReturnsItsStatusEndsWithTheStopLineAndExplainsItselfOnItsOwnStream) {
  TempFile console, errors;
  std::vector<const char*> args = {"INPUT=/no/such/geometry"};
  int consoleFd = ::open(console.path().c_str(), O_WRONLY | O_TRUNC);
  int errorFd = ::open(errors.path().c_str(), O_WRONLY | O_TRUNC);
  EXPECT_EQ(runTolvane(args, consoleFd, 0, errorFd), 1);
  ::close(consoleFd);
  ::close(errorFd);
  EXPECT_EQ(console.contents(),
            numberedLine("ERROR OPENING INPUT FILE, IOSTAT=", NO_SUCH_FOLDER) +
            " TRIED TO OPEN FILE NAMED:/no/such/geometry               \n"
            " PROGRAM ABORTED\n"
            "Stop - Program terminated.\n");
  EXPECT_EQ(errors.contents(),
            "tolvane: cannot open input file '/no/such/geometry': " +
                platform::errorText(NO_SUCH_FOLDER) + "\n");
}

}  // namespace
}  // namespace tolvane
