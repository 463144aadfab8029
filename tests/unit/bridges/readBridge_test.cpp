#include "bridges/readBridge.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "sections/readSection.h"
#include "streamFiles.h"

namespace tolvane {
namespace {

/// A section header line: node type in column 25, station in columns 28-35,
/// lengths from column 37.
std::string header(int type, const std::string& station, const std::string& lengths) {
  std::string rm = (station + "        ").substr(0, 8);
  return "Type RM Length L Ch R = " + std::to_string(type) + " ," + rm + "," + lengths;
}

/// A plain section of three ground points.
std::string section(const std::string& station, const std::string& lengths) {
  return joinLines({header(1, station, lengths), "#Sta/Elev= 3 ",
                    "       0     110     100     100     200     110", "#Mann= 3 , 0 , 0 ",
                    "       0     .06       0     100    .035       0     200     .06       0",
                    "Bank Sta=0,200", "Exp/Cntr=0.3,0.1"});
}

const std::string DECK_KEY =
    "Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee";

/// A deck of three points on both sides.
std::string threePointDeck(const std::string& valueLine) {
  return joinLines({DECK_KEY, valueLine, "       0      50     100", "   112.5   112.5   112.5",
                    "     105     106     105", "       0      50     100",
                    "   112.5   112.5   112.5", "     105     106     105"});
}

/// What the cards of the plain section above look like, around its X1 card.
std::string sectionCards(const std::string& x1) {
  return joinLines(
      {"NC   .06     .06    .035", x1, "GR   110       0     100     100     110     200"});
}

/// Runs the driver's part around one bridge: reads the section before it,
/// then converts the bridge.
struct BridgeRun {
  explicit BridgeRun(const std::string& geometry) : input(geometry) {
    records = std::make_unique<SECTION_RECORDS>();
    bridge = std::make_unique<BRIDGE_CONVERTER>();
    clearSectionRecords(*records);
    clearBridgeConverter(*bridge);
  }

  /// Reads up to the first bridge and converts it; the return of READ_BRIDGE.
  bool convert() {
    SECTION_RECORDS& r = *records;
    InputStream& in = input.stream();
    OutputStream& out = deckFile.stream();
    while (in.readLine(line)) {
      if (!line.has("Type RM Length")) continue;
      if (line.columns(25, 25) == "1") {
        READ_SECTION(in, out, line, r.section, r.INEFFECTIVE, r.BLOCKED, r.nValues, r.lid, status, Findings());
      } else if (line.columns(25, 25) == "3") {
        return READ_BRIDGE(in, out, consoleFile.stream(), line, r.section, r.INEFFECTIVE, r.BLOCKED,
                           r.nValues, r.lid, *bridge, status, stop, Findings());
      }
    }
    ADD_FAILURE() << "no bridge in the geometry";
    return false;
  }
  std::string deck() { return deckFile.contents(); }
  std::string consoleText() { return consoleFile.contents(); }

  InputFile input;
  OutputFile deckFile, consoleFile;
  LineBuffer line;
  std::unique_ptr<SECTION_RECORDS> records;
  std::unique_ptr<BRIDGE_CONVERTER> bridge;
  int32_t status = -1;
  RunStop stop;
};

TEST(ReadBridge, WorkedExampleCutsTheLengthsAroundTheDeck) {
  BridgeRun run(section("10.5", "100,120,140") +
                joinLines({header(3, " 10.4", ",,,"), "BEGIN DESCRIPTION:", "Bridge # 1",
                           "END DESCRIPTION:"}) +
                threePointDeck("14,66,2.6,0, 3, 3, , , 0.95, 0, 0,0,,") +
                joinLines({"BR Coef= 1 ,-1 ,-1 ,1.25, 0 ,,0.34,0.8,0,2,0,",
                           "WSPro=,,,, 1 ,,,, 0 ,,,,-1 ,-1 ,-1 ", "BC Design=,, 0 ,, 0 ,,,,,,"}) +
                section("10.3", "90,95,97"));
  ASSERT_TRUE(run.convert());
  EXPECT_EQ(run.status, SECTION_COMPLETE);
  EXPECT_EQ(run.consoleText(), "");
  const std::string bt = joinLines(
      {"BT    -3       0   112.5     105      50   112.5     106     100   112.5     105"});
  EXPECT_EQ(run.deck(),
            sectionCards("X1  10.5       3       0     200   14.00   14.00   14.00") +
                joinLines({"NC   .06     .06    .035",
                           "X1  10.4       3       0     200   66.00   66.00   66.00"}) +
                bt + joinLines({"GR   110       0     100     100     110     200"}) +
                joinLines({"NC   .06     .06    .035",
                           "X1  10.4       3       0     200   20.00   60.00   40.00"}) +
                bt + joinLines({"GR   110       0     100     100     110     200"}) +
                sectionCards("X1  10.3       3       0     200      90      97      95"));

  // The records hold the section after the bridge, with the remaining lengths.
  const CROSS_SECTION& after = run.records->section;
  EXPECT_EQ(view(after.RM), "10.3    ");
  EXPECT_EQ(view(after.LENGTH_LEFT), "      90");
  EXPECT_EQ(view(after.LENGTH_CHANNEL), "      95");
  EXPECT_EQ(view(after.LENGTH_RIGHT), "      97");
  EXPECT_EQ(after.LENGTH_LEFT_VALUE, 20.0f);
  EXPECT_EQ(after.LENGTH_CHANNEL_VALUE, 40.0f);
  EXPECT_EQ(after.LENGTH_RIGHT_VALUE, 60.0f);
  EXPECT_TRUE(run.line.has("Exp/Cntr="));
  EXPECT_EQ(view(run.bridge->BRIDGE_RM), "10.4    ");
}

TEST(ReadBridge, PierRewritesEveryTextOfTheDeckSide) {
  BridgeRun run(
      section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
      threePointDeck("14,66,2.6,0, 3, 3, , , 0.95, 0, 0,0,,") +
      joinLines({"Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,300, 2 , 0 , 0 , 0 ,,",
                 "       2       2", "     100     112", "       2       2", "     100     112"}) +
      section("10.3", "90,95,97"));
  ASSERT_TRUE(run.convert());
  const std::string deck = run.deck();
  // Upstream: the pier between 49 and 51, the underside there interpolated.
  EXPECT_NE(deck.find(joinLines(
                {"BT    -7    0.00   112.5  105.00   49.00   112.5  105.98   49.00   112.5  100.00",
                 "BT         50.00   112.5  100.00   51.00   112.5  100.00   51.00   112.5  105.98",
                 "BT        100.00   112.5  105.00"})),
            std::string::npos)
      << deck;
  // Downstream: the pier lies beyond the deck, extrapolated along the last segment.
  EXPECT_NE(deck.find(joinLines(
                {"BT    -7    0.00   112.5  105.00   50.00   112.5  106.00  100.00   112.5  105.00",
                 "BT        299.00   112.5  101.02  299.00   112.5  100.00  301.00   112.5  100.00",
                 "BT        301.00   112.5  100.98"})),
            std::string::npos)
      << deck;
}

TEST(ReadBridge, SecondPierKeepsTheDecimalsOfTheDeckAsRead) {
  BridgeRun run(
      section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
      threePointDeck("14,66,2.6,0, 3, 3") +
      joinLines({"Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,300, 2 , 0 , 0 , 0 ,,",
                 "       2       2", "     100     112", "       2       2", "     100     112",
                 "Pier Skew, UpSta & Num, DnSta & Num=  ,20, 2 ,-50, 2 , 0 , 0 , 0 ,,",
                 "       4       4", "     101     112", "       2       2", "     101     112"}) +
      section("10.3", "90,95,97"));
  ASSERT_TRUE(run.convert());
  const std::string deck = run.deck();
  EXPECT_NE(deck.find(joinLines(
                {"BT   -11    0.00   112.5  105.00   18.00   112.5  105.36   18.00   112.5  101.00",
                 "BT         22.00   112.5  101.00   22.00   112.5  105.44   49.00   112.5  105.98",
                 "BT         49.00   112.5  100.00   50.00   112.5  100.00   51.00   112.5  100.00",
                 "BT         51.00   112.5  105.98  100.00   112.5  105.00"})),
            std::string::npos)
      << deck;
  EXPECT_NE(deck.find(joinLines(
                {"BT   -11  -51.00   112.5  103.98  -51.00   112.5  101.00  -49.00   112.5  101.00",
                 "BT        -49.00   112.5  104.02    0.00   112.5  105.00   50.00   112.5  106.00",
                 "BT        100.00   112.5  105.00  299.00   112.5  101.02  299.00   112.5  100.00",
                 "BT        301.00   112.5  100.00  301.00   112.5  100.98"})),
            std::string::npos)
      << deck;
}

TEST(ReadBridge, SkewLineIsNoPierAndSidesWithoutPointsTakeNoPier) {
  BridgeRun run(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
                joinLines({DECK_KEY, "14,66,2.6,0, 0, 3, , , 0.95, 0, 0,0,,", "", "", "",
                           "       0      50     100", "   112.5   112.5   112.5",
                           "     105     106     105", "Pier Skew= 40 ",
                           "Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,50, 2 , 0 , 0 , 0 ,,",
                           "       2", "     100", "       2", "     100"}) +
                section("10.3", "90,95,97"));
  ASSERT_TRUE(run.convert());
  EXPECT_EQ(run.bridge->UPSTREAM_DECK.COUNT, 0);
  EXPECT_EQ(run.bridge->DOWNSTREAM_DECK.COUNT, 7);
  const std::string deck = run.deck();
  // The upstream face carries no BT card: its X1 card is followed by GR.
  EXPECT_NE(deck.find("   66.00   66.00   66.00\nGR"), std::string::npos) << deck;
}

TEST(ReadBridge, EveryBridgeStartsWithoutDeck) {
  BridgeRun run(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
                section("10.3", "90,95,97"));
  // Left over from an earlier bridge.
  run.bridge->DECK_DIST = 14;
  run.bridge->DECK_WIDTH = 66;
  run.bridge->UPSTREAM_DECK.COUNT = 3;
  run.bridge->DOWNSTREAM_DECK.COUNT = 3;
  ASSERT_TRUE(run.convert());
  const std::string deck = run.deck();
  EXPECT_EQ(deck.find("BT"), std::string::npos) << deck;
  EXPECT_NE(deck.find("X1  10.5       3       0     200    0.10    0.10    0.10\n"),
            std::string::npos)
      << deck;
  EXPECT_NE(deck.find("X1  10.4       3       0     200    0.00    0.00    0.00\n"),
            std::string::npos)
      << deck;
  EXPECT_NE(deck.find("X1  10.4       3       0     200  100.00  140.00  120.00\n"),
            std::string::npos)
      << deck;
}

TEST(ReadBridge, ReachKeyLineEndsTheBridgeAfterItsUpstreamFace) {
  const std::string reachLine = "River Reach=Lower Creek                     ,Reach 2         ";
  BridgeRun run(section("10.5*", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
                threePointDeck("14,66,2.6,0, 3, 3") + joinLines({"", reachLine}) +
                section("9.9", "1,2,3"));
  ASSERT_TRUE(run.convert());
  EXPECT_EQ(run.status, REACH_KEY_MET);
  EXPECT_EQ(run.line.view().substr(0, reachLine.size()), reachLine);
  const std::string deck = run.deck();
  const std::string warning =
      "* WARNING: BRIDGE AT RM=10.4     HAS NO DOWNSTREAM SECTION IN ITS REACH; ONLY ITS UPSTREAM "
      "FACE IS WRITTEN\n";
  ASSERT_GE(deck.size(), warning.size());
  EXPECT_EQ(deck.substr(deck.size() - warning.size()), warning);
  EXPECT_EQ(deck.find("X1  10.4       3       0     200   66.00   66.00   66.00\n"),
            deck.find("X1  10.4"))
      << deck;
  // The records hold the upstream section again, as it stood once written.
  const CROSS_SECTION& s = run.records->section;
  EXPECT_EQ(view(s.RM), "10.5    ");
  EXPECT_EQ(view(s.LENGTH_LEFT), "     100");
  EXPECT_EQ(view(s.LENGTH_CHANNEL), "     120");
  EXPECT_EQ(view(s.LENGTH_RIGHT), "     140");
}

/// A bridge block that stops the run, and the reason on the console.
struct ReadErrorCase {
  std::string block;
  std::string reason;
};

TEST(ReadBridge, ReadErrorsStopTheRunWithOneConsoleLine) {
  const std::string pierKey = "Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,50, 2 , 0 , 0 , 0 ,,";
  const std::string endOfInput = "END OF INPUT INSIDE THE BRIDGE BLOCK";
  const std::string noNumber = "A FIELD HOLDS NO NUMBER";
  const std::vector<ReadErrorCase> cases = {
      {joinLines({DECK_KEY}), endOfInput},
      {joinLines({DECK_KEY, "14,66,2.6,0, 3, 3", "       0      50     100"}), endOfInput},
      {joinLines({pierKey, "       2", "     100", "       2"}), endOfInput},
      {joinLines({DECK_KEY, "14,66,2.6,0, 3"}), "DECK VALUE LINE HAS FEWER THAN SIX FIELDS"},
      {joinLines({DECK_KEY, "14,x,2.6,0, 3, 3"}), noNumber},
      {joinLines({DECK_KEY, "14,66,2.6,0, x, 3"}), noNumber},
      {joinLines({DECK_KEY, "14,66,2.6,0, 3.0, 3"}), noNumber},
      {joinLines({DECK_KEY, "14,66,2.6,0, 1, 1", "       0", "    1x.5", "     105", "       0",
                  "   112.5", "     105"}),
       noNumber},
      {joinLines({"Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,50"}),
       "PIER KEY LINE HAS FEWER THAN FIVE FIELDS"},
      {joinLines({"Pier Skew, UpSta & Num, DnSta & Num=  ,5x, 2 ,50, 2"}), noNumber},
      {joinLines({pierKey, "       2", "     100", "         2", "     100"}), noNumber},
      {joinLines({pierKey, "       2", "     1OO", "       2", "     100"}), noNumber},
  };
  for (const ReadErrorCase& c : cases) {
    SCOPED_TRACE(c.block);
    std::string after = c.reason == endOfInput ? "" : section("10.3", "90,95,97");
    BridgeRun run(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) + c.block +
                  after);
    EXPECT_FALSE(run.convert());
    EXPECT_EQ(run.consoleText(), " BRIDGE AT RM=10.4    : " + c.reason + "\n");
    EXPECT_TRUE(run.stop.stopped);
    EXPECT_EQ(run.stop.status, 1);
    EXPECT_EQ(run.deck(), "");
  }
}

size_t countOf(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ReadBridge, EmptyDeckDistanceWidthAndPointCountsReadAsZeroWithOneWarning) {
  const std::string warning =
      "* WARNING: BRIDGE AT RM=10.4     HAS AN EMPTY DECK DISTANCE, WIDTH OR POINT COUNT; IT IS "
      "READ AS 0\n";
  // A placeholder bridge as the modelling program writes it: no distance, no
  // width, no deck points (each list still takes its one line).
  BridgeRun placeholder(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
                        joinLines({DECK_KEY, ",,1.4,0, 0, 0, , , 0.98, 0, 0,0,,", "", "", "", "",
                                   "", ""}) +
                        section("10.3", "90,95,97"));
  ASSERT_TRUE(placeholder.convert());
  EXPECT_EQ(placeholder.status, SECTION_COMPLETE);
  std::string deck = placeholder.deck();
  EXPECT_TRUE(deck.starts_with(warning)) << deck;
  EXPECT_EQ(countOf(deck, "* WARNING"), 1u);
  EXPECT_EQ(countOf(deck, "X1  10.4"), 2u);  // both faces
  EXPECT_EQ(countOf(deck, "BT"), 0u);
  EXPECT_EQ(placeholder.bridge->DECK_DIST, 0.0f);
  EXPECT_EQ(placeholder.bridge->DECK_WIDTH, 0.0f);

  // An empty point count reads 0; the other side keeps its points, and the
  // warning comes before the side's cards.
  BridgeRun emptyCount(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,")}) +
                       joinLines({DECK_KEY, "14,66,2.6,0, , 3", "", "", "",
                                  "       0      50     100", "   112.5   112.5   112.5",
                                  "     105     106     105"}) +
                       section("10.3", "90,95,97"));
  ASSERT_TRUE(emptyCount.convert());
  deck = emptyCount.deck();
  EXPECT_TRUE(deck.starts_with(warning)) << deck;
  EXPECT_EQ(emptyCount.bridge->UPSTREAM_DECK.COUNT, 0);
  EXPECT_EQ(emptyCount.bridge->DOWNSTREAM_DECK.COUNT, 3);
  EXPECT_EQ(countOf(deck, "BT"), 1u);
}

TEST(ReadBridge, BridgeBeforeAnySectionHasNoLengthsToCut) {
  BridgeRun run(joinLines({header(3, "10.4", ",,,")}) + threePointDeck("14,66,2.6,0, 3, 3") +
                section("10.3", "90,95,97"));
  EXPECT_FALSE(run.convert());
  EXPECT_EQ(run.consoleText(), " BRIDGE AT RM=10.4    : A FIELD HOLDS NO NUMBER\n");
  EXPECT_EQ(run.stop.status, 1);
}

TEST(ReadBridge, PierKeyScanStopsAtTheEndOfTheLine) {
  // The "=" in column 127 leaves five columns to scan: too few fields.
  std::string key = std::string(117, ' ') + "Pier Skew=,1,2,3,4,5";
  ASSERT_EQ(key.find('='), 126u);
  BridgeRun run(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,"), key}) +
                section("10.3", "90,95,97"));
  EXPECT_TRUE(run.convert());  // a line holding "Pier Skew=" is no pier key line

  std::string pier = std::string(117, ' ') + "Pier Skew,=,1,2,3,4,5";
  BridgeRun cut(section("10.5", "100,120,140") + joinLines({header(3, "10.4", ",,,"), pier}) +
                section("10.3", "90,95,97"));
  EXPECT_FALSE(cut.convert());
  EXPECT_EQ(cut.consoleText(),
            " BRIDGE AT RM=10.4    : PIER KEY LINE HAS FEWER THAN FIVE FIELDS\n");
}

/// One deck list of n copies of a value, ten 8-column fields to a line.
std::string deckList(int n, const std::string& value) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    text += value;
    if (i % 10 == 9 || i + 1 == n) text += "\n";
  }
  return text;
}

/// One deck list of the stations 0, 1, ..., n - 1.
std::string stations(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    char field[16];
    std::snprintf(field, sizeof field, "%8d", i);
    text += field;
    if (i % 10 == 9 || i + 1 == n) text += "\n";
  }
  return text;
}

TEST(ReadBridge, OverfullDeckSidesKeepFiveHundredPointsAndLeavePiersOut) {
  const std::string pierKey = "Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,50, 2 , 0 , 0 , 0 ,,";
  BridgeRun run(section("10.5", "100,120,140") +
                joinLines({header(3, "10.4", ",,,"), DECK_KEY, "14,66,2.6,0, 501, 3"}) +
                stations(501) + deckList(501, "   112.5") + deckList(501, "     105") +
                joinLines({"       0      50     100", "   112.5   112.5   112.5",
                           "     105     106     105"}) +
                joinLines({pierKey, "       2", "     100", "       2", "     100"}) +
                section("10.3", "90,95,97"));
  ASSERT_TRUE(run.convert());
  EXPECT_EQ(run.bridge->UPSTREAM_DECK.COUNT, 500);
  EXPECT_EQ(run.bridge->DOWNSTREAM_DECK.COUNT, 7);
  EXPECT_EQ(view(run.bridge->UPSTREAM_DECK.COL1[499]), "  499.00");
  const std::string deck = run.deck();
  EXPECT_EQ(deck.substr(0, deck.find("NC")),
            "* WARNING: BRIDGE AT RM=10.4     HAS MORE THAN 500 DECK POINTS ON ONE SIDE; ONLY THE "
            "FIRST 500 ARE "
            "CONVERTED\n"
            "* WARNING: BRIDGE AT RM=10.4     HAS TOO MANY PIERS; A PIER WAS LEFT OUT\n");
  EXPECT_NE(deck.find("BT  -500"), std::string::npos);
}

TEST(ReadBridge, CardsWrittenBeforeAReadErrorStay) {
  BridgeRun run(section("10.5", "100,120,140") +
                joinLines({header(3, "10.4", ",,,"), DECK_KEY, "14,66,2.6,0, 501, 3"}) +
                stations(501) + deckList(501, "   112.5") + deckList(501, "     105") +
                joinLines({"       0      50     100", "   112.5   112.5   112.5",
                           "     105     106     105"}) +
                joinLines({DECK_KEY, "14,66"}));
  EXPECT_FALSE(run.convert());
  EXPECT_EQ(run.deck(),
            "* WARNING: BRIDGE AT RM=10.4     HAS MORE THAN 500 DECK POINTS ON ONE SIDE; ONLY THE "
            "FIRST 500 ARE "
            "CONVERTED\n");
  EXPECT_EQ(run.consoleText(),
            " BRIDGE AT RM=10.4    : DECK VALUE LINE HAS FEWER THAN SIX FIELDS\n");
}

}  // namespace
}  // namespace tolvane
