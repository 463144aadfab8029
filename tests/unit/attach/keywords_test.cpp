// Matching declared keywords against the command line: abbreviations, exact
// matches, consumption, and the collision warning.

#include <gtest/gtest.h>

#include <string>

#include "attach/attachRoutines.h"
#include "attach/attachRun.h"

namespace tolvane {
namespace {

const std::string kCollisionWarning =
    " ** WARNING TO PROGRAMMER **\n"
    " THIS VERSION OF ATTACH ALLOWS ABBREVIATION OF KEYWORDS. THERE\n"
    " COULD BE A COLLISION OF KEYWORDS AND ABBREVIATION OF KEYWORDS\n"
    " IN YOUR CALLS TO ATTACH.  EITHER CHANGE THE KEYWORD OR\n"
    " REARRANGE THE CALLS SO THAT THE SHORTER OF THE CONFLICTING\n"
    " KEYWORDS APPEAR EARLIER.\n";

/// A substitution table holding the given keywords, in order.
SUBSTITUTION_TABLE tableOf(std::initializer_list<std::string_view> keywords) {
  SUBSTITUTION_TABLE table;
  for (std::string_view keyword : keywords) copyPadded(keyword, table.keyword[table.count++]);
  return table;
}

DECLARED_KEYWORDS declaredOf(std::initializer_list<std::string_view> keywords) {
  DECLARED_KEYWORDS declared;
  for (std::string_view keyword : keywords) copyPadded(keyword, declared.slot[declared.count++]);
  return declared;
}

TEST(LookUp, ExactMatchWinsOverAnAbbreviation) {
  EXPECT_EQ(ATTKEY(tableOf({"I", "INPUT"}), "INPUT", 1), 2);
  EXPECT_EQ(ATTKEY(tableOf({"INPUT", "I"}), "INPUT", 1), 1);
  // The first of two exact matches.
  EXPECT_EQ(ATTKEY(tableOf({"INPUT", "INPUT"}), "INPUT", 1), 1);
}

TEST(LookUp, TheLastAbbreviationWins) {
  EXPECT_EQ(ATTKEY(tableOf({"IN", "INP", "O"}), "INPUT", 1), 2);
  EXPECT_EQ(ATTKEY(tableOf({"INPUTS", "X"}), "INPUT", 1), 0);
}

TEST(LookUp, AbbreviationsShorterThanAllowedAndConsumedEntriesDoNotMatch) {
  EXPECT_EQ(ATTKEY(tableOf({"IN"}), "INPUT", 3), 0);
  EXPECT_EQ(ATTKEY(tableOf({"INP"}), "INPUT", 3), 1);
  EXPECT_EQ(ATTKEY(tableOf({"", "I"}), "INPUT", 1), 2);
  // Matching is exact: a lower-case keyword never matches.
  EXPECT_EQ(ATTKEY(tableOf({"I"}), "input", 1), 0);
}

TEST(LookUp, TheDeclaredKeywordEndsAtItsFirstBlank) {
  EXPECT_EQ(ATTKEY(tableOf({"INPUT"}), "INPUT   ", 1), 1);
  EXPECT_EQ(ATTKEY(tableOf({"INPUT"}), "INPUT FILE", 1), 1);
}

TEST(ShortestAbbreviation, IsTheFirstPrefixNoEarlierKeywordStartsWith) {
  bool collision = true;
  EXPECT_EQ(shortestAbbreviation(declaredOf({"INPUT"}), "OUTPUT", collision), 1);
  EXPECT_FALSE(collision);
  EXPECT_EQ(shortestAbbreviation(declaredOf({"IN"}), "INPUT", collision), 3);
  EXPECT_EQ(shortestAbbreviation(declaredOf({"INPUT", "OUTPUT"}), "SORTREACHES", collision), 1);
  EXPECT_EQ(shortestAbbreviation(declaredOf({"SORT", "SORTREACHES"}), "SORTED", collision), 5);
  EXPECT_FALSE(collision);
}

TEST(ShortestAbbreviation, AKeywordThatStartsAnEarlierOneCollides) {
  bool collision = false;
  EXPECT_EQ(shortestAbbreviation(declaredOf({"INPUTS"}), "INPUT", collision), 1);
  EXPECT_TRUE(collision);
  // An earlier keyword that fills its whole slot takes no part.
  EXPECT_EQ(shortestAbbreviation(declaredOf({"ABCDEFGHIJKLMNOP"}), "ABC", collision), 1);
  EXPECT_FALSE(collision);
}

TEST(Matching, TheProgramKeywordsWithAbbreviations) {
  AttachRun run({"input=river.txt", "o=deck.txt", "S=YES"});
  AttachResult input, output, sort;
  ASSERT_TRUE(run.declareProgramKeywords(input, output, sort));
  EXPECT_EQ(input.name, padded("river.txt"));
  EXPECT_EQ(input.status, -1);
  EXPECT_EQ(output.name, padded("deck.txt"));
  EXPECT_EQ(output.status, -1);
  EXPECT_EQ(sort.name, padded("YES"));
  EXPECT_EQ(sort.status, -1);
  EXPECT_EQ(run.messages(), "");
}

TEST(Matching, DefaultsWhenTheKeywordsAreAbsent) {
  AttachRun run({"INPUT=river.txt"});
  AttachResult input, output, sort;
  ASSERT_TRUE(run.declareProgramKeywords(input, output, sort));
  EXPECT_EQ(output.name, padded("MAVO.CS"));
  EXPECT_EQ(output.status, 0);
  EXPECT_EQ(sort.name, padded("NO"));
  EXPECT_EQ(sort.status, 0);
}

TEST(Matching, AnEmptyCommandLineGivesMinusTwoThenZero) {
  AttachRun run;
  AttachResult input, output, sort;
  ASSERT_TRUE(run.declareProgramKeywords(input, output, sort));
  EXPECT_EQ(input.name, padded(""));
  EXPECT_EQ(input.status, -2);
  EXPECT_EQ(output.status, 0);
  EXPECT_EQ(sort.status, 0);
  EXPECT_FALSE(run.stop.stopped);
}

TEST(Matching, AnEmptyValueIsTakenNotTheDefault) {
  AttachRun run({"OUTPUT="});
  AttachResult input, output, sort;
  ASSERT_TRUE(run.declareProgramKeywords(input, output, sort));
  EXPECT_EQ(output.name, padded(""));
  EXPECT_EQ(output.status, -1);
}

TEST(Matching, EntriesAreConsumedInDeclarationOrder) {
  // IN is declared first, so the ambiguous I goes to it; INPUT needs INP.
  AttachRun run({"I=first", "INP=second"});
  AttachResult in = run.attach(0, "IN", "", "NOP");
  AttachResult input = run.attach(0, "INPUT", "", "NOP");
  EXPECT_EQ(in.name, padded("first"));
  EXPECT_EQ(input.name, padded("second"));
  EXPECT_TRUE(ATTCHK(run.lib, run.stop));
}

TEST(Matching, AnAbbreviationTooShortIsReported) {
  AttachRun run({"IN=a", "I=b"});
  AttachResult in = run.attach(0, "IN", "", "NOP");
  AttachResult input = run.attach(0, "INPUT", "dflt", "NOP");
  EXPECT_EQ(in.name, padded("a"));
  EXPECT_EQ(input.name, padded("dflt"));
  EXPECT_EQ(input.status, 0);
  EXPECT_FALSE(ATTCHK(run.lib, run.stop));
  EXPECT_EQ(run.messages(), " UNRECOGNIZED KEYWORD - I" + std::string(79, ' ') + "\n");
}

TEST(Matching, CollidingDeclarationsWarnAndCarryOn) {
  AttachRun run({"INPUT=a"});
  AttachResult inputs = run.attach(0, "INPUTS", "", "NOP");
  AttachResult input = run.attach(0, "INPUT", "", "NOP");
  EXPECT_EQ(inputs.name, padded("a"));  // I, IN, ... all abbreviate INPUTS
  EXPECT_EQ(input.status, 0);
  EXPECT_EQ(run.messages(), kCollisionWarning);
}

TEST(Matching, ALaterGroupStartsAFreshKeywordList) {
  AttachRun run({"INPUTS=a"});
  run.attach(0, "INPUTS", "", "NOP");
  ASSERT_TRUE(ATTCHK(run.lib, run.stop));
  // INPUTS is no longer declared: INPUT draws no warning.
  AttachResult input = run.attach(0, "INPUT", "", "NOP");
  EXPECT_EQ(input.status, 0);
  EXPECT_EQ(run.messages(), "");
  EXPECT_TRUE(ATTCHK(run.lib, run.stop));
}

TEST(Matching, SkipsTheLookUpForStatusMinusTwoOrBelow) {
  AttachRun run({"A=x", "B=y"});
  run.attach(0, "A", "", "NOP");
  AttachResult b = run.attach(0, "B", "dflt", "NOP", 32, -2);
  EXPECT_EQ(b.name, padded("dflt"));
  EXPECT_EQ(b.status, -2);
  EXPECT_FALSE(ATTCHK(run.lib, run.stop));
}

}  // namespace
}  // namespace tolvane
