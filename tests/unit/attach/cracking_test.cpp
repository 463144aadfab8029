// Building the command line and cracking it into keyword=value entries.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attach/attachRoutines.h"
#include "attach/attachRun.h"

namespace tolvane {
namespace {

std::string keywordOf(const ATTACH_LIBRARY& lib, int k) {
  return std::string(trimmed({lib.substitutions.keyword[k], SUBSTITUTION_WIDTH}));
}

std::string valueOf(const ATTACH_LIBRARY& lib, int k) {
  return std::string(trimmed({lib.substitutions.value[k], SUBSTITUTION_WIDTH}));
}

/// Cracks the given arguments; returns the status.
int32_t crack(AttachRun& run) {
  int32_t status = 12345;
  EXPECT_TRUE(ATTCRK(run.lib, status, run.stop));
  return status;
}

TEST(BuildCommandLine, JoinsArgumentsWithOneBlank) {
  AttachRun run({"a", "bb  ", "", "c"});
  char line[COMMAND_LINE_WIDTH];
  int32_t length = -1;
  EXPECT_EQ(ATTCMD(run.lib.arguments, line, length, run.lib.messages), 0);
  // Trailing blanks of an argument go; an empty argument adds one blank.
  EXPECT_EQ(std::string(line, 8), "a bb  c ");
  EXPECT_EQ(length, 7);
  AttachRun none;
  EXPECT_EQ(ATTCMD(none.lib.arguments, line, length, none.lib.messages), 0);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(std::string(line, sizeof line), std::string(132, ' '));
}

TEST(BuildCommandLine, DropsTheArgumentThatWouldEndAfterColumn130AndAllAfterIt) {
  std::string first(128, 'x');
  AttachRun fits({first, "y"});
  char line[COMMAND_LINE_WIDTH];
  int32_t length = 0;
  EXPECT_EQ(ATTCMD(fits.lib.arguments, line, length, fits.lib.messages), 0);
  EXPECT_EQ(line[129], 'y');
  EXPECT_EQ(length, 130);

  std::string long90(90, 'L');
  AttachRun dropped({first, "yz", "w", long90});
  EXPECT_EQ(ATTCMD(dropped.lib.arguments, line, length, dropped.lib.messages), 3);
  EXPECT_EQ(line[129], ' ');
  EXPECT_EQ(length, 128);
  EXPECT_EQ(dropped.messages(),
            " COMMAND LINE TOO LONG, ARGUMENT IGNORED: yz\n"
            " COMMAND LINE TOO LONG, ARGUMENT IGNORED: w\n"
            " COMMAND LINE TOO LONG, ARGUMENT IGNORED: " + std::string(80, 'L') + "\n");
}

TEST(Cracking, KeywordsAreUpperCasedValuesAreNot) {
  AttachRun run({"input=River.txt", "o=deck.txt"});
  EXPECT_EQ(crack(run), 99);
  ASSERT_EQ(run.lib.substitutions.count, 2);
  EXPECT_EQ(keywordOf(run.lib, 0), "INPUT");
  EXPECT_EQ(valueOf(run.lib, 0), "River.txt");
  EXPECT_EQ(keywordOf(run.lib, 1), "O");
  EXPECT_EQ(valueOf(run.lib, 1), "deck.txt");
}

TEST(Cracking, BlanksAndCommasAroundTheEqualsSign) {
  AttachRun spaced({"INPUT", "=", "river.txt"});
  EXPECT_EQ(crack(spaced), 99);
  EXPECT_EQ(keywordOf(spaced.lib, 0), "INPUT");
  EXPECT_EQ(valueOf(spaced.lib, 0), "river.txt");

  AttachRun commas({"I=a,O=b,,S=c"});
  EXPECT_EQ(crack(commas), 99);
  ASSERT_EQ(commas.lib.substitutions.count, 3);
  EXPECT_EQ(valueOf(commas.lib, 0), "a");
  EXPECT_EQ(keywordOf(commas.lib, 2), "S");
  EXPECT_EQ(valueOf(commas.lib, 2), "c");
}

TEST(Cracking, AnEmptyValueTakesTheNextWord) {
  AttachRun alone({"INPUT="});
  EXPECT_EQ(crack(alone), 99);
  EXPECT_EQ(valueOf(alone.lib, 0), "");
  EXPECT_EQ(alone.lib.substitutions.valueLength[0], 0);

  AttachRun next({"INPUT=", "OUTPUT=x"});
  EXPECT_EQ(crack(next), 99);
  ASSERT_EQ(next.lib.substitutions.count, 2);
  EXPECT_EQ(valueOf(next.lib, 0), "OUTPUT=x");
  EXPECT_EQ(keywordOf(next.lib, 1), "OUTPUT");
  EXPECT_EQ(valueOf(next.lib, 1), "x");
}

TEST(Cracking, WordsWithoutEqualsSignAreIgnored) {
  AttachRun stray({"hello", "I=a", "world"});
  EXPECT_EQ(crack(stray), 99);
  EXPECT_EQ(stray.lib.substitutions.count, 1);
  EXPECT_EQ(ignoredWord(stray.lib), "hello");
  AttachRun words({"hello", "world"});
  EXPECT_EQ(crack(words), 0);
  EXPECT_EQ(words.lib.substitutions.count, 0);
  EXPECT_EQ(ignoredWord(words.lib), "hello");
}

TEST(Cracking, TheFirstIgnoredWordIsNoKeywordNorValue) {
  struct Case {
    std::vector<std::string> arguments;
    std::string ignored;
  } cases[] = {
      {{"I=a", "river.geo", "b"}, "river.geo"},
      {{"I=a,river.geo"}, "river.geo"},
      {{"INPUT", "=", "river.geo"}, ""},
      {{"INPUT=", "OUTPUT=x"}, ""},
      {{"INPUT="}, ""},
      {{"INPUT='my river.geo'", "x.cs"}, "x.cs"},
      {{"OUTPUT=\"a b\"xyz"}, ""},
      {{"T='a", "b=c"}, ""},
      {{"A=B=C", "D"}, "D"},
  };
  for (const Case& c : cases) {
    AttachRun run(c.arguments);
    crack(run);
    EXPECT_EQ(ignoredWord(run.lib), c.ignored) << c.arguments[0];
  }
  // A second crack forgets the first one's word.
  AttachRun run({"river.geo"});
  crack(run);
  run.lib.arguments = {};
  crack(run);
  EXPECT_EQ(ignoredWord(run.lib), "");
}

TEST(Cracking, NothingOnTheLine) {
  AttachRun none;
  EXPECT_EQ(crack(none), -2);
  AttachRun blanks({"   ", ""});
  EXPECT_EQ(crack(blanks), -2);
  EXPECT_EQ(blanks.lib.substitutions.count, 0);
}

TEST(Cracking, QuotedValues) {
  AttachRun run({"INPUT='my river.geo'", "OUTPUT=\"a b\"xyz", "S=c"});
  EXPECT_EQ(crack(run), 99);
  ASSERT_EQ(run.lib.substitutions.count, 3);
  EXPECT_EQ(valueOf(run.lib, 0), "my river.geo");
  // Characters after the closing quote up to the next blank are dropped.
  EXPECT_EQ(valueOf(run.lib, 1), "a b");
  EXPECT_EQ(valueOf(run.lib, 2), "c");
}

TEST(Cracking, AnEqualsSignInsideQuotesBelongsToTheValue) {
  AttachRun run({"T='a=b'", "U=c"});
  EXPECT_EQ(crack(run), 99);
  ASSERT_EQ(run.lib.substitutions.count, 2);
  EXPECT_EQ(valueOf(run.lib, 0), "a=b");
  EXPECT_EQ(keywordOf(run.lib, 1), "U");
}

TEST(Cracking, AnUnclosedQuoteRunsToTheEndOfTheLine) {
  AttachRun run({"T='a", "b=c  "});
  EXPECT_EQ(crack(run), 99);
  ASSERT_EQ(run.lib.substitutions.count, 1);
  EXPECT_EQ(valueOf(run.lib, 0), "a b=c");
  EXPECT_EQ(run.lib.substitutions.valueLength[0], 5);
}

TEST(Cracking, ListingRequests) {
  struct Case {
    std::vector<std::string> arguments;
    int32_t status;
  };
  for (const Case& c : std::vector<Case>{{{"?"}, -10},
                                         {{"??"}, -11},
                                         {{"?x"}, -10},
                                         {{"???"}, -10},
                                         {{"?", "INPUT=a"}, -10},
                                         {{"  ", "??", "x"}, -11},
                                         {{"-h"}, 0},
                                         {{"--version"}, 0}}) {
    AttachRun run(c.arguments);
    EXPECT_EQ(crack(run), c.status) << c.arguments[0];
    EXPECT_EQ(run.lib.substitutions.count, 0);
  }
  // Only a first word that begins with "?" asks for the listing.
  AttachRun later({"I=a", "?"});
  EXPECT_EQ(crack(later), 99);
}

TEST(Cracking, FortyEqualsSignsAreAcceptedFortyOneStopTheRun) {
  std::vector<std::string> forty(40, "k=");
  AttachRun accepted(forty);
  EXPECT_EQ(crack(accepted), 99);
  EXPECT_EQ(accepted.lib.substitutions.count, 40);
  EXPECT_FALSE(accepted.stop.stopped);

  std::vector<std::string> fortyOne(41, "k=");
  AttachRun refused(fortyOne);
  int32_t status = 0;
  EXPECT_FALSE(ATTCRK(refused.lib, status, refused.stop));
  EXPECT_TRUE(refused.stop.stopped);
  EXPECT_EQ(refused.stop.status, 1);
  EXPECT_EQ(refused.stop.finalLine, "TO MANY FILE SUBSTITUTIONS ON COMMAND LINE");
  EXPECT_EQ(refused.messages(), "");
}

TEST(Cracking, ALineOfMoreThanFortyTokensIsAccepted) {
  std::vector<std::string> arguments(60, "x");
  arguments.push_back("a=b");
  AttachRun run(arguments);
  EXPECT_EQ(crack(run), 99);
  ASSERT_EQ(run.lib.substitutions.count, 1);
  EXPECT_EQ(keywordOf(run.lib, 0), "A");
  EXPECT_EQ(valueOf(run.lib, 0), "b");
}

TEST(Cracking, KeepsTheFullLengthOfALongValue) {
  std::string value(100, 'v');
  AttachRun run({"F=" + value});
  EXPECT_EQ(crack(run), 99);
  EXPECT_EQ(run.lib.substitutions.valueLength[0], 100);
  EXPECT_EQ(valueOf(run.lib, 0), std::string(80, 'v'));
}

}  // namespace
}  // namespace tolvane
