// The keyword listing, byte for byte, and how it ends the run.

#include <gtest/gtest.h>

#include <string>

#include "attach/attachRun.h"

namespace tolvane {
namespace {

const std::string kHeader = "    UNIT      KEYWORD          *ABREV    **MAX   DEFAULT\n";
const std::string kVersion = "  ATTACH  VER 2.7 (Jan 1992)   \n";
const std::string kProgramRows =
    "     NOP      INPUT            I          32      \n"
    "     NOP      OUTPUT           O          32     MAVO.CS\n"
    "     NOP      SORTREACHES      S          32     NO\n";
const std::string kLegend =
    "\n"
    "    * ABREV - SHORTEST ABBREVIATION ALLOWED FOR KEYWORD\n"
    "    ** MAX - MAXIMUM # OF CHARACTERS FOR FILENAME (OR STRING)\n";

/// Runs the program's declarations on the arguments; returns the messages.
std::string listingOf(std::vector<std::string> arguments, AttachResult& input) {
  AttachRun run(std::move(arguments));
  AttachResult output, sort;
  EXPECT_FALSE(run.declareProgramKeywords(input, output, sort));
  EXPECT_TRUE(run.stop.stopped);
  EXPECT_EQ(run.stop.status, 0);
  EXPECT_EQ(run.stop.finalLine, STOP_LINE);
  // Later calls leave the status alone; every name comes back blank.
  EXPECT_EQ(output.status, 0);
  EXPECT_EQ(sort.status, 0);
  EXPECT_EQ(output.name, padded(""));
  return run.messages();
}

TEST(Listing, QuestionMarkListsTheProgramKeywords) {
  AttachResult input;
  EXPECT_EQ(listingOf({"?"}, input), kHeader + kProgramRows + kLegend);
  EXPECT_EQ(input.status, -10);
  EXPECT_EQ(input.name, padded(""));
}

TEST(Listing, TwoQuestionMarksAddTheVersionLine) {
  AttachResult input;
  EXPECT_EQ(listingOf({"??"}, input), kVersion + kHeader + kProgramRows + kLegend);
  EXPECT_EQ(input.status, -11);
}

TEST(Listing, AnyFirstWordBeginningWithAQuestionMarkListsWithoutTheVersion) {
  AttachResult input;
  EXPECT_EQ(listingOf({"?x", "INPUT=a"}, input), kHeader + kProgramRows + kLegend);
  EXPECT_EQ(input.status, -10);
}

TEST(Listing, RowsShowTheUnitTheNormalisedDefaultAndTheAbbreviation) {
  AttachRun run({"?"});
  run.attach(12, "LOG", "STDOUT", "S=N", 80);
  run.attach(7, "INPUT", "SCRATCH3", "", 20);
  run.attach(8, "INPUTS", "", "", 100);
  run.attach(9, "INP", "x", "", 8);
  EXPECT_FALSE(ATTCHK(run.lib, run.stop));
  EXPECT_EQ(run.messages(),
            kHeader +
                "      12      LOG              L          80     CON\n"
                "       7      INPUT            I          20     SCRATCH.003\n"
                "       8      INPUTS           INPUTS    100      \n" +
                std::string(" ** WARNING TO PROGRAMMER **\n"
                            " THIS VERSION OF ATTACH ALLOWS ABBREVIATION OF KEYWORDS. THERE\n"
                            " COULD BE A COLLISION OF KEYWORDS AND ABBREVIATION OF KEYWORDS\n"
                            " IN YOUR CALLS TO ATTACH.  EITHER CHANGE THE KEYWORD OR\n"
                            " REARRANGE THE CALLS SO THAT THE SHORTER OF THE CONFLICTING\n"
                            " KEYWORDS APPEAR EARLIER.\n") +
                "       9      INP              I           8     x\n" + kLegend);
  // Nothing was opened in listing mode.
  EXPECT_EQ(run.lib.unitFile(12), nullptr);
}

TEST(Listing, AVeryLongKeywordPushesTheLaterColumnsRight) {
  AttachRun run({"?"});
  run.attach(1, "ABCDEFGHIJKLMNOPQRSTU", "d", "NOP");
  EXPECT_FALSE(ATTCHK(run.lib, run.stop));
  EXPECT_EQ(run.messages(),
            kHeader + "     NOP      ABCDEFGHIJKLMNOPQRSTU A     32     d\n" + kLegend);
}

}  // namespace
}  // namespace tolvane
