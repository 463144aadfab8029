#include "network/readjcts.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <string>

#include "networkFixture.h"

namespace tolvane {
namespace {

const std::string A = riverReach("Creek", "A");
const std::string B = riverReach("Creek", "B");
const std::string C = riverReach("Creek", "C");

/// Junction J: A and B flow into it, C flows out.
std::string workedNetwork() {
  return junctionBlock("J", {A, B}, {C}) + reachBlock(A, nodeLine("30")) +
         reachBlock(B, nodeLine("20")) + reachBlock(C, nodeLine("10"));
}

using PrePass = NetworkTest;

TEST_F(PrePass, ConnectsReachesAndJunctions) {
  ASSERT_TRUE(run(workedNetwork(), false));
  EXPECT_FALSE(stop_.stopped);
  EXPECT_EQ(console(), kProgressLine);
  ASSERT_EQ(reaches_.REACH_COUNT, 3);
  ASSERT_EQ(junctions_.JUNCTION_COUNT, 1);
  EXPECT_EQ(name(1), "Creek____________A");
  EXPECT_EQ(std::string(junctions_.JUNCTION_NAME[0].data(), 16), "J               ");
  EXPECT_EQ(junctions_.UP_COUNT[0], 2);
  EXPECT_EQ(junctions_.DOWN_COUNT[0], 1);
  EXPECT_EQ(junctions_.UP_REACHES[0][0], 1);
  EXPECT_EQ(junctions_.UP_REACHES[0][1], 2);
  EXPECT_EQ(junctions_.DOWN_REACHES[0][0], 3);
  EXPECT_EQ(reaches_.UP_JUNCTION[0], -1);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[0], 1);
  EXPECT_EQ(reaches_.UP_JUNCTION[1], -1);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[1], 1);
  EXPECT_EQ(reaches_.UP_JUNCTION[2], 1);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[2], -1);
  // Unsorted: no reach file, the input left open for the second pass.
  EXPECT_TRUE(input_->stream().isOpen());
  EXPECT_EQ(files_.directory[0], '\0');
}

TEST_F(PrePass, WithoutJunctionsEveryEndIsAtNoJunction) {
  ASSERT_TRUE(run(reachBlock(A) + reachBlock(B), false));
  EXPECT_EQ(junctions_.JUNCTION_COUNT, 0);
  EXPECT_EQ(reaches_.REACH_COUNT, 2);
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(reaches_.UP_JUNCTION[r], -1);
    EXPECT_EQ(reaches_.DOWN_JUNCTION[r], -1);
  }
}

TEST_F(PrePass, StartsFromCleanTablesOnEveryRun) {
  ASSERT_TRUE(run(workedNetwork(), false));
  ASSERT_TRUE(run(reachBlock(C), false));
  EXPECT_EQ(junctions_.JUNCTION_COUNT, 0);
  EXPECT_EQ(junctions_.UP_COUNT[0], 0);
  EXPECT_EQ(reaches_.REACH_COUNT, 1);
  EXPECT_EQ(name(2), "");
}

TEST_F(PrePass, JunctionBlockAfterTheFirstReachIsNotSeen) {
  ASSERT_TRUE(run(reachBlock(A) + junctionBlock("J", {A}, {B}) + reachBlock(B), false));
  EXPECT_EQ(junctions_.JUNCTION_COUNT, 0);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[0], -1);
  EXPECT_EQ(reaches_.UP_JUNCTION[1], -1);
}

TEST_F(PrePass, JunctionCutOffByTheEndOfTheFileHasNoReaches) {
  ASSERT_TRUE(run(junctionBlock("K", {}, {}) + "Junct Name=J\nUp River,Reach=" + A +
                      "\nDn River,Reach=" + B + "\n",
                  false));
  EXPECT_EQ(console(), kProgressLine);
  EXPECT_EQ(junctions_.JUNCTION_COUNT, 2);
  EXPECT_EQ(junctions_.UP_COUNT[1], 0);
  EXPECT_EQ(junctions_.DOWN_COUNT[1], 0);
  EXPECT_EQ(reaches_.REACH_COUNT, 0);
}

TEST_F(PrePass, JunctionBlockWithoutItsEndLineRunsOn) {
  std::string geometry = "Junct Name=J\nUp River,Reach=" + A + "\nJunct Name=K\nRiver Reach=" +
                         B + "\nDn River,Reach=" + C + "\nJunc L&A=50,\n" + reachBlock(A) +
                         reachBlock(C);
  ASSERT_TRUE(run(geometry, false));
  EXPECT_EQ(junctions_.JUNCTION_COUNT, 1);
  EXPECT_EQ(junctions_.UP_COUNT[0], 1);
  EXPECT_EQ(junctions_.DOWN_COUNT[0], 1);
  EXPECT_EQ(reaches_.REACH_COUNT, 2);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[0], 1);
  EXPECT_EQ(reaches_.UP_JUNCTION[1], 1);
}

TEST_F(PrePass, ReportsJunctionNamesThatMatchNoReach) {
  std::string X = riverReach("Creek", "X");
  std::string geometry = junctionBlock("Lower", {A, X}, {B, X}) + reachBlock(A) + reachBlock(B);
  ASSERT_TRUE(run(geometry, false));
  EXPECT_EQ(console(), kProgressLine +
                           " An upstream reach named at Junction:Lower           \n"
                           "  was not found in data. RCHNAME=Creek____________X               \n"
                           " A downstream reach named at Junction:Lower           \n"
                           "  was not found in data. RCHNAME=Creek____________X               \n");
  EXPECT_EQ(junctions_.UP_REACHES[0][1], 0);
  EXPECT_EQ(junctions_.DOWN_REACHES[0][0], 2);
  EXPECT_EQ(junctions_.DOWN_REACHES[0][1], 0);
}

TEST_F(PrePass, NamesMatchAfterCleaningOnly) {
  std::string geometry = junctionBlock("J",
                                       {"    " + A, "Creek      .    B", "creek           ,C"},
                                       {riverReach("Creek", "D")}) +
                         reachBlock(A) + reachBlock(B) + reachBlock(C) +
                         reachBlock("Creek           .D");
  ASSERT_TRUE(run(geometry, false));
  EXPECT_EQ(junctions_.UP_REACHES[0][0], 1);  // leading blanks removed
  EXPECT_EQ(junctions_.UP_REACHES[0][1], 0);  // inner blanks differ
  EXPECT_EQ(junctions_.UP_REACHES[0][2], 0);  // letter case differs
  EXPECT_EQ(junctions_.DOWN_REACHES[0][0], 4);  // period and comma both become "_"
}

TEST_F(PrePass, ReachWithoutReverseTextIsCountedButNotFiled) {
  std::string geometry = junctionBlock("J", {A}, {C}) + reachBlock(A) + "River Reach=" + B +
                         "\nReach XY= 2 \n" + "River Reach=" + C + "\n" + nodeLine("5");
  ASSERT_TRUE(run(geometry, true));
  ASSERT_EQ(reaches_.REACH_COUNT, 2);
  EXPECT_EQ(name(2), "");
  EXPECT_EQ(reaches_.FILE_NUMBER[0], 1);
  EXPECT_EQ(reaches_.FILE_NUMBER[1], 0);
  EXPECT_EQ(reaches_.UP_JUNCTION[1], -1);
  EXPECT_EQ(junctions_.DOWN_REACHES[0][0], 0);
  EXPECT_NE(console().find("RCHNAME=Creek____________C"), std::string::npos);
  EXPECT_EQ(entriesOf(files_.directory), std::vector<std::string>{"1"});
}

TEST_F(PrePass, OnlyAKeyInColumnOneStartsAReach) {
  std::string geometry = reachBlock(A, nodeLine("1")) + "CM River Reach=Creek,X\n" +
                         " River Reach=" + B + "\nJunct Name=Late\n";
  ASSERT_TRUE(run(geometry, true));
  EXPECT_EQ(reaches_.REACH_COUNT, 1);
  EXPECT_EQ(reachFile(1), "River Reach=" + A + "\n" + nodeLine("1") +
                              "CM River Reach=Creek,X\n River Reach=" + B + "\nJunct Name=Late\n");
}

TEST_F(PrePass, SortedModeWritesOneFilePerReachAndOrdersByKey) {
  std::string r1 = riverReach("River", "Reach 1"), r2 = riverReach("River", "Reach 2"),
              r3 = riverReach("River", "Reach 3");
  std::string geometry = "header line\n" + junctionBlock("J", {r3, r1}, {r2}) +
                         reachBlock(r3, nodeLine("3.1") + nodeLine("3.2")) +
                         reachBlock(r1, nodeLine("1.1")) + reachBlock(r2, "");
  ASSERT_TRUE(run(geometry, true));
  EXPECT_EQ(console(), kProgressLine);
  ASSERT_EQ(reaches_.REACH_COUNT, 3);
  EXPECT_EQ(name(1), "River____________Reach_1");
  EXPECT_EQ(name(2), "River____________Reach_2");
  EXPECT_EQ(name(3), "River____________Reach_3");
  EXPECT_EQ(reaches_.FILE_NUMBER[0], 2);
  EXPECT_EQ(reaches_.FILE_NUMBER[1], 3);
  EXPECT_EQ(reaches_.FILE_NUMBER[2], 1);
  // The junction lists carry the sorted numbers.
  EXPECT_EQ(junctions_.UP_REACHES[0][0], 3);
  EXPECT_EQ(junctions_.UP_REACHES[0][1], 1);
  EXPECT_EQ(junctions_.DOWN_REACHES[0][0], 2);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[0], 1);
  EXPECT_EQ(reaches_.UP_JUNCTION[1], 1);
  EXPECT_EQ(reaches_.DOWN_JUNCTION[2], 1);
  // Each file: the key line, then the lines after "Reverse River Text".
  EXPECT_EQ(reachFile(1), "River Reach=" + r3 + "\n" + nodeLine("3.1") + nodeLine("3.2"));
  EXPECT_EQ(reachFile(2), "River Reach=" + r1 + "\n" + nodeLine("1.1"));
  EXPECT_EQ(reachFile(3), "River Reach=" + r2 + "\n");
  EXPECT_FALSE(input_->stream().isOpen());
  EXPECT_FALSE(scratch_.isOpen());
  // One file holds them all, one range after the other.
  EXPECT_EQ(files_.filesMade, 1);
  EXPECT_EQ(files_.rangeBegin[1], 0);
  EXPECT_EQ(files_.rangeBegin[2], files_.rangeEnd[1]);
  EXPECT_EQ(files_.rangeBegin[3], files_.rangeEnd[2]);
}

TEST_F(PrePass, SortedModeKeepsReachesWithEqualNamesApart) {
  std::string geometry = reachBlock("Creek,A", nodeLine("2")) + reachBlock("Creek.A", nodeLine("1"));
  ASSERT_TRUE(run(geometry, true));
  ASSERT_EQ(reaches_.REACH_COUNT, 2);
  EXPECT_EQ(name(1), name(2));
  EXPECT_EQ(reachFile(reaches_.FILE_NUMBER[0]), "River Reach=Creek,A\n" + nodeLine("2"));
  EXPECT_EQ(reachFile(reaches_.FILE_NUMBER[1]), "River Reach=Creek.A\n" + nodeLine("1"));
}

TEST_F(PrePass, SortedModeFilesAReachWithABlankName) {
  ASSERT_TRUE(run(reachBlock("R2", nodeLine("2")) + reachBlock("", nodeLine("0")), true));
  EXPECT_EQ(name(1), "");
  EXPECT_EQ(reaches_.FILE_NUMBER[0], 2);
  EXPECT_EQ(reachFile(2), "River Reach=\n" + nodeLine("0"));
}

TEST_F(PrePass, ReachFilesReadBackAsTheSameLines) {
  std::string body = "carriage return inside\r.\ntrailing one\r\r\n" + std::string(140, 'x') +
                     "\n  trailing blanks  \nlast line without an end";
  // A reach before it makes its range start inside the file.
  ASSERT_TRUE(run(reachBlock("First", nodeLine("1")) + reachBlock(A, body), true));
  InputStream copy;
  InputFile source(reachBlock(A, body));
  char path[sizeof files_.directory + 16];
  reachFilePath(files_, REACH_FILE_NUMBER, path, sizeof path);
  ASSERT_EQ(copy.open(path), 0);
  copy.readRange(files_.rangeBegin[2], files_.rangeEnd[2]);
  LineBuffer want, got;
  // Skip the source lines the reach file leaves out.
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(source.stream().readLine(want));
  ASSERT_TRUE(copy.readLine(got));
  int lines = 0;
  while (source.stream().readLine(want)) {
    ASSERT_TRUE(copy.readLine(got)) << "line " << lines;
    EXPECT_EQ(got.view(), want.view()) << "line " << lines;
    EXPECT_EQ(got.length, want.length) << "line " << lines;
    ++lines;
  }
  EXPECT_EQ(lines, 5);
  EXPECT_FALSE(copy.readLine(got));
}

TEST_F(PrePass, SortedModeStopsWhenNoTemporaryDirectoryCanBeMade) {
  std::string missing = tmp_ + "/missing";
  EXPECT_FALSE(run(reachBlock(A), true, missing.c_str()));
  EXPECT_TRUE(stop_.stopped);
  EXPECT_EQ(stop_.status, 1);
  EXPECT_EQ(console(), numberedLine("ERROR CREATING TEMPORARY DIRECTORY, IOSTAT=", NO_SUCH_FOLDER));
}

TEST_F(PrePass, SortedModeStopsWhenAReachFileCannotBeWritten) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a file size limit (POSIX)";
#else
  // A file size limit makes every write past it fail, as a full disk would.
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  std::string body;
  for (int i = 0; i < 20000; ++i) body += nodeLine(std::to_string(i));
  load(reachBlock(A, body) + reachBlock(B));
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool ok = runLoaded(true);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(stop_.status, 1);
  EXPECT_EQ(console(), " ERROR WRITING TEMPORARY REACH FILE, IOSTAT=          27\n");
  EXPECT_FALSE(scratch_.isOpen());
#endif
}

TEST_F(PrePass, StopsAtTheReachCapacity) {
  std::string geometry;
  for (int i = 1; i <= 501; ++i) geometry += reachBlock(std::string("R").append(std::to_string(i)));
  EXPECT_FALSE(run(geometry, true));
  EXPECT_EQ(stop_.status, 1);
  EXPECT_EQ(console(), " TOO MANY REACHES, THE LIMIT IS         500\n");
  EXPECT_EQ(reaches_.REACH_COUNT, 500);

  geometry.resize(geometry.size() - reachBlock("R501").size());
  stop_ = RunStop();
  removeReachDirectory(files_);
  EXPECT_TRUE(run(geometry, true));
  EXPECT_EQ(reaches_.REACH_COUNT, 500);
  EXPECT_EQ(name(500), "R500");
}

TEST_F(PrePass, StopsAtTheJunctionCapacity) {
  std::string geometry;
  for (int i = 1; i <= 301; ++i) geometry += junctionBlock(std::string("J").append(std::to_string(i)), {A}, {B});
  EXPECT_FALSE(run(geometry + reachBlock(A), false));
  EXPECT_EQ(console(), " TOO MANY JUNCTIONS, THE LIMIT IS         300\n");
  EXPECT_EQ(junctions_.JUNCTION_COUNT, 300);
}

TEST_F(PrePass, StopsAtTheCapacityOfAJunctionEnd) {
  std::vector<std::string> seven(7, A), eight(8, A);
  ASSERT_TRUE(run(junctionBlock("Seven", seven, seven) + reachBlock(A), false));
  EXPECT_EQ(junctions_.UP_COUNT[0], 7);
  EXPECT_EQ(junctions_.UP_REACHES[0][6], 1);

  EXPECT_FALSE(run(junctionBlock("Up", eight, {}), false));
  EXPECT_EQ(console(), " TOO MANY REACHES AT JUNCTION Up              , THE LIMIT IS           7\n");
  stop_ = RunStop();
  EXPECT_FALSE(run(junctionBlock("Down side", {}, eight), false));
  EXPECT_EQ(console(), " TOO MANY REACHES AT JUNCTION Down side       , THE LIMIT IS           7\n");
  EXPECT_EQ(stop_.status, 1);
}

}  // namespace
}  // namespace tolvane
