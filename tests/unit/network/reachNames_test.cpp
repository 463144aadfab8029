#include "network/reachNames.h"

#include <gtest/gtest.h>

#include <string>

#include "network/readjcts.h"

namespace tolvane {
namespace {

REACH_NAME_TEXT nameOf(std::string_view text) {
  REACH_NAME_TEXT name;
  takeName(text, name);
  return name;
}

std::string str(const REACH_NAME_TEXT& name) { return {name.data(), name.size()}; }

std::string pad33(std::string text) { return text + std::string(33 - text.size(), ' '); }

REACH_NAME_TEXT cleaned(std::string_view text) {
  REACH_NAME_TEXT name = nameOf(text);
  cleanName(name);
  return name;
}

TEST(NameCleaning, RiverAndReachBecomeOneWord) {
  EXPECT_EQ(str(cleaned("Fall River      ,Upper           ")),
            pad33("Fall_River_______Upper"));
}

TEST(NameCleaning, ReplacesEveryUnfitCharacterUpToTheLastNonBlank) {
  EXPECT_EQ(str(cleaned("a,b/c\\d:e.f?g<h>i|j*k\"l m")), pad33("a_b_c_d_e_f_g_h_i_j_k_l_m"));
  EXPECT_EQ(str(cleaned("")), pad33(""));
  EXPECT_EQ(str(cleaned("x-y=z")), pad33("x-y=z"));
}

TEST(NameTaking, DropsLeadingBlanksAndCutsAt33) {
  EXPECT_EQ(str(nameOf("   abc")), pad33("abc"));
  EXPECT_EQ(str(nameOf(std::string(40, 'n'))), std::string(33, 'n'));
  JUNCTION_NAME_TEXT junction;
  takeName("  Upper           and more", junction);
  EXPECT_EQ(std::string(junction.data(), junction.size()), "Upper           ");
}

TEST(REPLACECHAR, ReplacesWithinTheRangeOnly) {
  std::string text = "a.a.a.a";
  REPLACECHAR(text, '.', '_', 3, 5);
  EXPECT_EQ(text, "a.a_a.a");
  REPLACECHAR(text, 'a', 'b', 5, 4);
  EXPECT_EQ(text, "a.a_a.a");
  REPLACECHAR(text, 'a', 'b', 0, 99);  // kept within the text
  EXPECT_EQ(text, "b.b_b.b");
}

TEST(FIND_CHAR_OF_SET, ScansForwardAndBackward) {
  int found = -1;
  EXPECT_EQ(FIND_CHAR_OF_SET("ab3d5f", 1, 6, "0123456789", 1, 10, found), 3);
  EXPECT_EQ(found, 4);
  EXPECT_EQ(FIND_CHAR_OF_SET("ab3d5f", 6, -6, "0123456789", 1, 10, found), 5);
  EXPECT_EQ(found, 6);
  EXPECT_EQ(FIND_CHAR_OF_SET("abcdef", 1, 6, "0123456789", 1, 10, found), 0);
  EXPECT_EQ(found, 0);
  // Only the positions and the part of the set asked for.
  EXPECT_EQ(FIND_CHAR_OF_SET("ab3d5f", 4, 3, "0123456789", 1, 10, found), 5);
  EXPECT_EQ(FIND_CHAR_OF_SET("ab3d5f", 1, 6, "0123456789", 6, 5, found), 5);
  EXPECT_EQ(found, 1);
  // Never past either end of the text.
  EXPECT_EQ(FIND_CHAR_OF_SET("ab", 1, 50, "9", 1, 1, found), 0);
  EXPECT_EQ(FIND_CHAR_OF_SET("ab", 2, -50, "9", 1, 1, found), 0);
}

TEST(SortKey, ReadsTheDigitsBetweenTheFirstAndLastDigit) {
  EXPECT_EQ(nameKey(cleaned("Reach 3")), 3);
  EXPECT_EQ(nameKey(cleaned("R1_A2")), 12);
  EXPECT_EQ(nameKey(cleaned("Reach 10 of 12")), 1012);
  EXPECT_EQ(nameKey(cleaned("1abcdefghij2")), 1);  // only ten characters from the first digit
  EXPECT_EQ(nameKey(cleaned("no digit")), 0);
  EXPECT_EQ(nameKey(cleaned("")), 0);
  EXPECT_EQ(nameKey(cleaned("x9999999999y")), 9999999999LL);
  EXPECT_EQ(nameKey(cleaned("123456789012")), 1234567890LL);
}

/// Files the names in order as the pre-pass does and returns the table's names.
std::string fileAll(bool sorted, std::initializer_list<const char*> names, REACH_TABLE& table) {
  JUNCTION_TABLE junctions;
  clearNetworkTables(table, junctions);
  int32_t count = 0;
  for (const char* text : names) {
    ++count;
    int64_t key = -1;
    INSERTREACH(sorted, cleaned(text), count, table, key, count);
    EXPECT_EQ(key, sorted ? nameKey(cleaned(text)) : 1);
  }
  std::string order;
  for (int32_t i = 0; i < count; ++i) {
    std::string name = str(table.REACH_NAME[i]);
    order += name.substr(0, name.find(' ')) + "|";
  }
  return order;
}

TEST(INSERTREACH, SortedModeOrdersByKeyAndMovesTheFileNumber) {
  REACH_TABLE table;
  EXPECT_EQ(fileAll(true, {"Reach 3", "Reach 1", "Reach 2"}, table),
            "Reach_1|Reach_2|Reach_3|");
  EXPECT_EQ(table.FILE_NUMBER[0], 2);
  EXPECT_EQ(table.FILE_NUMBER[1], 3);
  EXPECT_EQ(table.FILE_NUMBER[2], 1);
  EXPECT_EQ(table.SORT_KEY[2], 3);
}

TEST(INSERTREACH, EqualKeysKeepTheirInputOrder) {
  REACH_TABLE table;
  EXPECT_EQ(fileAll(true, {"B7", "A7", "C1", "D7"}, table), "C1|B7|A7|D7|");
  EXPECT_EQ(table.FILE_NUMBER[0], 3);
  EXPECT_EQ(table.FILE_NUMBER[3], 4);
  // A name without a digit (key 0) comes first.
  EXPECT_EQ(fileAll(true, {"R2", "none", "R1"}, table), "none|R1|R2|");
}

TEST(INSERTREACH, UnsortedModeKeepsInputOrder) {
  REACH_TABLE table;
  EXPECT_EQ(fileAll(false, {"Reach 3", "Reach 1", "Reach 2"}, table),
            "Reach_3|Reach_1|Reach_2|");
  EXPECT_EQ(table.FILE_NUMBER[1], 2);
}

TEST(INSERTREACH, TenDigitKeysCompareWithoutOverflow) {
  REACH_TABLE table;
  EXPECT_EQ(fileAll(true, {"9999999999", "3000000000", "2147483648"}, table),
            "2147483648|3000000000|9999999999|");
}

TEST(FINDNAME, ReturnsTheFirstEqualNameOrZero) {
  REACH_NAME_TEXT names[3] = {cleaned("A"), cleaned("B"), cleaned("A")};
  EXPECT_EQ(FINDNAME(names, cleaned("A"), 3), 1);
  EXPECT_EQ(FINDNAME(names, cleaned("  B"), 3), 2);
  EXPECT_EQ(FINDNAME(names, cleaned("b"), 3), 0);
  EXPECT_EQ(FINDNAME(names, cleaned("B"), 1), 0);
  EXPECT_EQ(FINDNAME(names, cleaned("A"), 0), 0);
}

}  // namespace
}  // namespace tolvane
