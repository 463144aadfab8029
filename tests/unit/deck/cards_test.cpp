#include "deck/cards.h"

#include <gtest/gtest.h>

#include <string>

#include "streamFiles.h"

namespace tolvane {
namespace {

TEST(CardLine, PlacesTextAndIntegersInFields) {
  EXPECT_EQ(CardLine("UB").integer(0, 6).view(), "UB     0");
  EXPECT_EQ(CardLine("UB").integer(1, 6).integer(2, 8).view(), "UB     1       2");
  EXPECT_EQ(CardLine("DB").integer(-7, 6).view(), "DB    -7");
  // An integer that needs more columns than the field becomes asterisks.
  EXPECT_EQ(CardLine("UB").integer(1000000, 6).view(), "UB******");
  EXPECT_EQ(CardLine("UB").integer(999999, 6).view(), "UB999999");
  // Text is right-justified when short and cut on the right when long.
  EXPECT_EQ(CardLine("X1").text("12.5", 6).view(), "X1  12.5");
  EXPECT_EQ(CardLine("X1").text("1234.567", 6).view(), "X11234.5");
  EXPECT_EQ(CardLine("GR").text(" 98.6   ", 8).view(), "GR 98.6   ");
}

TEST(FreeLine, LeadingBlankTextsAndTwelveColumnIntegers) {
  OutputFile out;
  FreeLine().text("error closing reach file..iostat=").integer(2).writeTo(out.stream());
  EXPECT_EQ(out.contents(), " error closing reach file..iostat=           2\n");
}

TEST(RepeatingCard, StartsANewCardAfterTheTenthField) {
  OutputFile out;
  RepeatingCard gr(out.stream(), "GR");
  for (int i = 1; i <= 23; ++i) gr.text(std::to_string(i));
  gr.finish();
  EXPECT_EQ(out.contents(),
            "GR     1       2       3       4       5       6       7       8       9      10\n"
            "GR    11      12      13      14      15      16      17      18      19      20\n"
            "GR    21      22      23\n");
}

TEST(RepeatingCard, WritesTheIdentifierAloneWhenNoItemFollows) {
  OutputFile out;
  RepeatingCard gr(out.stream(), "GR");
  gr.finish();
  EXPECT_EQ(out.contents(), "GR\n");
}

TEST(RepeatingCard, ExactlyTenItemsMakeOneCard) {
  OutputFile out;
  RepeatingCard nh(out.stream(), "NH");
  nh.integer(4);
  for (int i = 0; i < 9; ++i) nh.text("1");
  nh.finish();
  EXPECT_EQ(out.contents(), "NH     4" + std::string(9 * 8, ' ').replace(7, 1, "1").replace(15, 1, "1")
                                .replace(23, 1, "1").replace(31, 1, "1").replace(39, 1, "1")
                                .replace(47, 1, "1").replace(55, 1, "1").replace(63, 1, "1")
                                .replace(71, 1, "1") + "\n");
}

TEST(Banner, StationFollowsTheTextDirectly) {
  OutputFile out;
  writeBanner(out.stream(), "*  CULVERT NODE ENCOUNTERED AT RM=", makeField8("10.4"));
  std::string stars(50, '*');
  EXPECT_EQ(out.contents(), stars + "\n*  CULVERT NODE ENCOUNTERED AT RM=10.4    \n" + stars + "\n");
}

}  // namespace
}  // namespace tolvane
