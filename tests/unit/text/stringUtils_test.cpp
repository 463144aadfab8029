#include "text/stringUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvane {
namespace {

int lastNonblank(std::string_view text) {
  int n = -1;
  LAST_NONBLANK(text, n);
  return n;
}

TEST(LastNonblank, FindsTheLastCharacterThatIsNotASpace) {
  EXPECT_EQ(lastNonblank("    "), 0);
  EXPECT_EQ(lastNonblank(""), 0);
  EXPECT_EQ(lastNonblank("AB  "), 2);
  EXPECT_EQ(lastNonblank("  A"), 3);
  // Only the space is blank: a tab counts.
  EXPECT_EQ(lastNonblank("AB\t "), 3);
}

TEST(WindowScans, LastMismatchTestsWholeWindows) {
  EXPECT_EQ(LAST_MISMATCH("ABCABC", "ABC"), 3);
  EXPECT_EQ(LAST_MISMATCH("ABCABC", "ABCABC"), 0);
  EXPECT_EQ(LAST_MISMATCH("xx  ", " "), 2);
  EXPECT_EQ(LAST_MISMATCH("abc", ""), 0);
}

TEST(WindowScans, LastIndexFindsTheLastOccurrence) {
  EXPECT_EQ(LAST_INDEX("A.B.C", "."), 4);
  EXPECT_EQ(LAST_INDEX("ABC", "X"), 0);
  EXPECT_EQ(LAST_INDEX("ABAB", "AB"), 3);
  // The empty window after the last character matches first.
  EXPECT_EQ(LAST_INDEX("ABC", ""), 4);
}

TEST(WindowScans, FirstMismatchFindsTheFirstDifferingWindow) {
  EXPECT_EQ(FIRST_MISMATCH("  X ", " "), 3);
  EXPECT_EQ(FIRST_MISMATCH("    ", " "), 0);
  EXPECT_EQ(FIRST_MISMATCH("ABABX", "AB"), 2);
  EXPECT_EQ(FIRST_MISMATCH("", " "), 0);
  EXPECT_EQ(FIRST_MISMATCH("abc", ""), 0);
}

TEST(WindowScans, PatternLongerThanTextGivesZero) {
  EXPECT_EQ(LAST_MISMATCH("AB", "ABC"), 0);
  EXPECT_EQ(LAST_INDEX("AB", "ABC"), 0);
  EXPECT_EQ(FIRST_MISMATCH("AB", "ABC"), 0);
}

TEST(SqueezeBlanks, PacksTheNonBlankCharactersToTheFront) {
  std::string target(8, ' ');
  int n = -1;
  SQUEEZE_BLANKS(" 1 2.5 ", target, n);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(target, "12.5    ");
}

TEST(SqueezeBlanks, StopsWhenTheTargetIsFull) {
  std::string target(4, ' ');
  int n = -1;
  SQUEEZE_BLANKS("ab cd ef", target, n);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(target, "abcd");
}

TEST(SqueezeBlanks, LeavesThePositionsAfterNAsTheyWere) {
  std::string target = "zzzzzzzz";
  int n = -1;
  SQUEEZE_BLANKS("        ", target, n);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(target, "zzzzzzzz");
  SQUEEZE_BLANKS(" a b", target, n);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(target, "abzzzzzz");
}

TEST(UpperCase, ChangesOnlyTheAsciiLetters) {
  std::string text = "sortreaches";
  UPPER_CASE(text);
  EXPECT_EQ(text, "SORTREACHES");
  text = "a1.b z{`\xe9";
  UPPER_CASE(text);
  EXPECT_EQ(text, "A1.B Z{`\xe9");
}

TEST(Justify, MovesBlanksToTheOtherEnd) {
  std::string text = "12.5    ";
  rightJustify(text);
  EXPECT_EQ(text, "    12.5");
  leftJustify(text);
  EXPECT_EQ(text, "12.5    ");
  text = "        ";
  rightJustify(text);
  leftJustify(text);
  EXPECT_EQ(text, "        ");
  text = " a b ";
  rightJustify(text);
  EXPECT_EQ(text, "  a b");
  leftJustify(text);
  EXPECT_EQ(text, "a b  ");
}

}  // namespace
}  // namespace tolvane
