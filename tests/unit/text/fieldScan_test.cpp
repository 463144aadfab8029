#include "text/fieldScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tolvane {
namespace {

/// One field as the splitter describes it, with its text cut from the line.
struct Field {
  std::string text;
  int32_t start, endClass, endIndex;
  bool operator==(const Field&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Field& f) {
  return os << "{\"" << f.text << "\" @" << f.start << " class " << f.endClass << " index "
            << f.endIndex << "}";
}

/// Splits columns start..start+count-1 of text with the given table; limit 0
/// means no limit (n = 0 on entry).
std::vector<Field> split(std::string_view text, int start, int count, int limit,
                         CHAR_CLASS_TABLE& table) {
  std::array<int32_t, 500> starts{}, lengths{}, classes{}, indexes{};
  int n = -limit;
  SPLIT_FIELDS(text, start, count, n, starts, lengths, classes, indexes, table);
  std::vector<Field> fields;
  for (int i = 0; i < n; ++i)
    fields.push_back({std::string(text.substr(static_cast<size_t>(starts[i] - 1),
                                              static_cast<size_t>(lengths[i]))),
                      starts[i], classes[i], indexes[i]});
  return fields;
}

std::vector<Field> split(std::string_view text, int limit = 0) {
  CHAR_CLASS_TABLE table;
  return split(text, 1, static_cast<int>(text.size()), limit, table);
}

TEST(SplitFields, NumberListWithAnEmptyField) {
  std::string line = "14,66,2.6,,3,3" + std::string(20, ' ');
  std::vector<Field> expected = {{"14", 1, 1, 1}, {"66", 4, 1, 1}, {"2.6", 7, 1, 1},
                                 {"", 11, 1, 1},  {"3", 12, 1, 1}, {"3", 14, 2, 1}};
  EXPECT_EQ(split(line), expected);
  expected.resize(3);
  EXPECT_EQ(split(line, 3), expected);
}

TEST(SplitFields, QuotesEndAndOpenFields) {
  std::vector<Field> expected = {{"abc", 1, 3, 1}, {"d e", 5, 3, 1}, {"f", 9, 4, 1}};
  EXPECT_EQ(split("abc\"d e\"f"), expected);
  // A quoted field keeps separators; the other quote is an ordinary character inside.
  expected = {{"a,b'c", 2, 3, 1}};
  EXPECT_EQ(split("\"a,b'c\""), expected);
  // A closing quote followed by blanks then a word ends with the blank class.
  expected = {{"x", 2, 2, 1}, {"y", 6, 4, 1}};
  EXPECT_EQ(split("'x'  y"), expected);
  expected = {{"x", 2, 1, 2}, {"y", 6, 4, 1}};
  EXPECT_EQ(split("'x' =y"), expected);
  // A quote after blanks opens a quoted field and ends the previous one.
  expected = {{"a", 1, 3, 2}, {"b", 4, 5, 1}};
  EXPECT_EQ(split("a 'b"), expected);
}

TEST(SplitFields, UnclosedQuoteRunsToTheEndOfTheStretch) {
  std::vector<Field> expected = {{"ab, c  ", 2, 5, 1}};
  EXPECT_EQ(split("'ab, c  "), expected);
}

TEST(SplitFields, BlanksAndSeparators) {
  std::vector<Field> expected = {{"a", 1, 1, 1}, {"b", 5, 4, 1}};
  EXPECT_EQ(split("a , b"), expected);
  expected = {{"", 1, 1, 1}, {"a", 2, 4, 1}};
  EXPECT_EQ(split(",a"), expected);
  expected = {{"a", 1, 1, 1}};
  EXPECT_EQ(split("a,"), expected);
  expected = {{"a", 1, 2, 1}, {"b", 4, 2, 1}};
  EXPECT_EQ(split("a  b "), expected);
  // Every default separator, with its index.
  expected = {{"a", 1, 1, 2}, {"b", 3, 1, 3}, {"c", 5, 1, 4}, {"d", 7, 1, 5}, {"e", 9, 1, 6},
              {"f", 11, 4, 1}};
  EXPECT_EQ(split("a=b/c>d(e)f"), expected);
  // Leading blanks are skipped.
  expected = {{"KEY", 4, 1, 2}, {"v", 8, 4, 1}};
  EXPECT_EQ(split("   KEY=v"), expected);
}

TEST(SplitFields, EmptyAndBlankStretches) {
  EXPECT_TRUE(split("").empty());
  EXPECT_TRUE(split("      ").empty());
  CHAR_CLASS_TABLE table;
  std::array<int32_t, 4> starts = {7, 7, 7, 7}, lengths = starts, classes = starts,
                         indexes = starts;
  int n = 3;
  SPLIT_FIELDS("abc", 1, 0, n, starts, lengths, classes, indexes, table);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(starts[0], 7);
  EXPECT_EQ(lengths[0], 7);
}

TEST(SplitFields, LimitStopsBeforeTheNextFieldWhateverItsKind) {
  std::vector<Field> two = {{"a", 1, 1, 1}, {"b", 3, 1, 1}};
  EXPECT_EQ(split("a,b,c", 2), two);
  EXPECT_EQ(split("a,b,,c", 2), two);
  EXPECT_EQ(split("a,b,'c'", 2), two);
  two = {{"a", 1, 2, 1}, {"b", 3, 3, 1}};
  EXPECT_EQ(split("a b\"c\"", 2), two);
}

TEST(SplitFields, ScansOnlyTheStretchAfterAKey) {
  // Five values after an equals sign, scanned over 50 columns with a limit of 5.
  std::string line = "Deck Dist=" + std::string(4, ' ') + "1,2,3,4,5,6,7" + std::string(60, ' ');
  CHAR_CLASS_TABLE table;
  std::vector<Field> fields = split(line, 11, 50, 5, table);
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[0], (Field{"1", 15, 1, 1}));
  EXPECT_EQ(fields[4], (Field{"5", 23, 1, 1}));
  // A stretch that stops inside a word ends it with class 4 there.
  fields = split("abcdef", 2, 3, 0, table);
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0], (Field{"bcd", 2, 4, 1}));
}

TEST(SplitFields, RefusesAStretchOutsideTheText) {
  CHAR_CLASS_TABLE table;
  std::array<int32_t, 4> a{}, b{}, c{}, d{};
  int n = 0;
  SPLIT_FIELDS("abc", 2, 3, n, a, b, c, d, table);
  EXPECT_EQ(n, 0);
  n = 0;
  SPLIT_FIELDS("abc", 0, 2, n, a, b, c, d, table);
  EXPECT_EQ(n, 0);
  n = 0;
  SPLIT_FIELDS("abc", 1, -1, n, a, b, c, d, table);
  EXPECT_EQ(n, 0);
}

TEST(SplitFields, NeverWritesPastTheShortestList) {
  CHAR_CLASS_TABLE table;
  std::array<int32_t, 2> starts{}, lengths{}, classes{};
  std::array<int32_t, 3> indexes{};
  int n = 0;  // no limit: 500 fields asked, two can be held
  SPLIT_FIELDS("a b c d", 1, 7, n, starts, lengths, classes, indexes, table);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(starts[1], 3);
}

TEST(SplitFields, HighCharactersAreOrdinaryOutsideQuotes) {
  std::string text = "a\xc3\xa9 \x7f\xff";
  std::vector<Field> expected = {{"a\xc3\xa9", 1, 2, 1}, {"\x7f\xff", 5, 4, 1}};
  EXPECT_EQ(split(text), expected);
  expected = {{"\xe9 x", 2, 3, 1}};
  EXPECT_EQ(split("\"\xe9 x\""), expected);
}

TEST(CharClassTable, DefaultsFillTheThreeClasses) {
  CHAR_CLASS_TABLE table;
  SET_FIELD_DELIMITERS(0, "", 0, 0, table);
  EXPECT_EQ(table.entry[0], CLASS_TABLE_MARKER);
  EXPECT_EQ(table.entry[1 + ','], 101);
  EXPECT_EQ(table.entry[1 + ')'], 106);
  EXPECT_EQ(table.entry[1 + ' '], 201);
  EXPECT_EQ(table.entry[1 + '"'], 301);
  EXPECT_EQ(table.entry[1 + '\''], 302);
  EXPECT_EQ(table.entry[1 + 'A'], 1);
  EXPECT_EQ(table.entry[1 + 0], 1);
  EXPECT_EQ(table.entry[1 + 126], 1);
}

TEST(CharClassTable, AFreshTableGetsOnlyTheClassAskedFor) {
  CHAR_CLASS_TABLE table;
  SET_FIELD_DELIMITERS(1, "xy/", 3, 3, table);
  EXPECT_EQ(table.entry[0], CLASS_TABLE_MARKER);
  EXPECT_EQ(table.entry[1 + '/'], 103);  // index = position in the list given
  EXPECT_EQ(table.entry[1 + ','], 1);
  EXPECT_EQ(table.entry[1 + ' '], 1);
  EXPECT_EQ(table.entry[1 + '"'], 1);
  // The blank is now an ordinary character: "a b/c" splits at the slash only.
  std::vector<Field> expected = {{"a b", 1, 1, 3}, {"c", 5, 4, 1}};
  EXPECT_EQ(split("a b/c", 1, 5, 0, table), expected);
}

TEST(CharClassTable, SettingAClassReplacesItsMembers) {
  CHAR_CLASS_TABLE table;
  SET_FIELD_DELIMITERS(0, "", 0, 0, table);
  SET_FIELD_DELIMITERS(1, " ", 1, 1, table);  // the space becomes the only separator
  EXPECT_EQ(table.entry[1 + ' '], 101);
  EXPECT_EQ(table.entry[1 + ','], 1);
  SET_FIELD_DELIMITERS(2, "", 1, 0, table);  // an empty list empties the blank class
  SET_FIELD_DELIMITERS(3, "", 1, 0, table);
  EXPECT_EQ(table.entry[1 + '"'], 1);
  EXPECT_EQ(table.entry[1 + ' '], 101);
  SET_FIELD_DELIMITERS(1, "", 0, -1, table);  // last < 0: back to the default separators
  EXPECT_EQ(table.entry[1 + ' '], 1);
  EXPECT_EQ(table.entry[1 + '='], 102);
  // A character listed twice keeps its later position.
  SET_CHAR_CLASS(3, "|#|", 1, 3, table);
  EXPECT_EQ(table.entry[1 + '|'], 303);
  EXPECT_EQ(table.entry[1 + '#'], 302);
}

TEST(CharClassTable, AnInitialisedTableIsNeverResetBySplitting) {
  CHAR_CLASS_TABLE table;
  SET_FIELD_DELIMITERS(1, ";", 1, 1, table);
  CHAR_CLASS_TABLE before = table;
  std::vector<Field> expected = {{"a,b", 1, 1, 1}, {"c", 5, 4, 1}};
  EXPECT_EQ(split("a,b;c", 1, 5, 0, table), expected);
  EXPECT_TRUE(std::equal(std::begin(table.entry), std::end(table.entry), before.entry));
}

}  // namespace
}  // namespace tolvane
