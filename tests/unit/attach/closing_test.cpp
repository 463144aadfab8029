// Closing a group of declarations, command lines that are too long and values
// too long for the caller's name.

#include <gtest/gtest.h>

#include <string>

#include "attach/attachRun.h"

namespace tolvane {
namespace {

std::string unrecognized(std::string_view keyword) {
  return " UNRECOGNIZED KEYWORD - " + padded(keyword, 80) + "\n";
}

TEST(Closing, ReportsEveryUnclaimedKeywordAndStops) {
  AttachRun run({"I=a", "INPUT=b", "xyz=1", "OUTPUT=c", "OUTPUT=d"});
  AttachResult input, output, sort;
  EXPECT_FALSE(run.declareProgramKeywords(input, output, sort));
  EXPECT_EQ(input.name, padded("b"));
  EXPECT_EQ(output.name, padded("c"));
  EXPECT_EQ(run.messages(), unrecognized("I") + unrecognized("XYZ") + unrecognized("OUTPUT"));
  EXPECT_EQ(run.stop.status, 1);
  EXPECT_EQ(run.stop.finalLine, STOP_LINE);
}

TEST(Closing, ReturnsWhenEverythingWasClaimed) {
  AttachRun run({"I=a"});
  AttachResult input, output, sort;
  EXPECT_TRUE(run.declareProgramKeywords(input, output, sort));
  EXPECT_FALSE(run.stop.stopped);
  EXPECT_EQ(run.lib.declared.count, 0);
}

TEST(Closing, TooManySubstitutionsStopTheFirstCall) {
  AttachRun run(std::vector<std::string>(41, "k="));
  AttachResult input = run.attach(0, "INPUT", " ", "NOP");
  EXPECT_FALSE(input.ok);
  EXPECT_EQ(run.stop.status, 1);
  EXPECT_EQ(run.stop.finalLine, "TO MANY FILE SUBSTITUTIONS ON COMMAND LINE");
}

TEST(CommandLineTooLong, DroppedArgumentsAreReportedAndStopTheRun) {
  std::string input = "INPUT=" + std::string(120, 'r');
  AttachRun run({input, "O=deck", "S=YES"});
  AttachResult in, out, sort;
  EXPECT_FALSE(run.declareProgramKeywords(in, out, sort));
  EXPECT_EQ(in.status, 36);  // 120 characters for a name of 32
  EXPECT_EQ(out.name, padded("MAVO.CS"));
  EXPECT_EQ(run.messages(),
            " COMMAND LINE TOO LONG, ARGUMENT IGNORED: O=deck\n"
            " COMMAND LINE TOO LONG, ARGUMENT IGNORED: S=YES\n");
  EXPECT_EQ(run.stop.status, 1);
}

TEST(CommandLineTooLong, TheStopComesAfterTheUnrecognisedKeywords) {
  AttachRun run({"X=1", std::string(126, 'a'), "O=deck"});
  AttachResult in, out, sort;
  EXPECT_FALSE(run.declareProgramKeywords(in, out, sort));
  EXPECT_EQ(run.messages(), " COMMAND LINE TOO LONG, ARGUMENT IGNORED: O=deck\n" +
                                unrecognized("X"));
  EXPECT_EQ(run.stop.status, 1);
}

TEST(CommandLineTooLong, TheListingStillEndsNormally) {
  AttachRun run({"?", std::string(130, 'a')});
  AttachResult in, out, sort;
  EXPECT_FALSE(run.declareProgramKeywords(in, out, sort));
  std::string messages = run.messages();
  EXPECT_EQ(messages.rfind(" COMMAND LINE TOO LONG, ARGUMENT IGNORED: " + std::string(80, 'a') +
                               "\n    UNIT",
                           0),
            0u);
  EXPECT_EQ(run.stop.status, 0);
}

TEST(ValueTooLong, ANameThatCannotHoldTheValueGivesStatus36) {
  std::string value(33, 'v');
  AttachRun run({"INPUT=" + value, "OUTPUT=" + value.substr(0, 32)});
  AttachResult in, out, sort;
  EXPECT_TRUE(run.declareProgramKeywords(in, out, sort));
  EXPECT_EQ(in.status, 36);
  EXPECT_EQ(in.name, value.substr(0, 32));
  EXPECT_EQ(out.status, -1);
  EXPECT_EQ(out.name, value.substr(0, 32));
}

TEST(ValueTooLong, ValuesBeyondEightyCharactersAreTooLongForAnyName) {
  std::string value(100, 'v');
  AttachRun run({"F=" + value});
  AttachResult f = run.attach(0, "F", "", "NOP", 120);
  EXPECT_EQ(f.status, 36);
  EXPECT_EQ(f.name, padded(std::string(80, 'v'), 120));
}

TEST(Runs, EachLibraryStartsAfresh) {
  for (int i = 0; i < 2; ++i) {
    AttachRun run({"INPUT=a"});
    AttachResult in, out, sort;
    EXPECT_TRUE(run.declareProgramKeywords(in, out, sort));
    EXPECT_EQ(in.status, -1);
    EXPECT_EQ(in.name, padded("a"));
  }
}

}  // namespace
}  // namespace tolvane
