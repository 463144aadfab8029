// Opening units: the overwrite and missing-file dialogues, scratch and append
// names, direct access, failures.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "attach/attachRun.h"

namespace tolvane {
namespace {

constexpr size_t kNameLength = 200;

void writeFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string overwriteQuestion(const std::string& path) {
  return " [" + path + "] ALREADY EXISTS...DO YOU WISH TO OVERWRITE IT? \n";
}

std::string missingOld(const std::string& path) {
  return " OPEN STATUS IS OLD BUT FILE [" + path + "] DOES NOT EXIST\n\n ENTER ANOTHER FILE NAME: \n";
}

std::string generated(const std::string& path) {
  return " : WARNING: FILE GENERATED -- " + padded(path, kNameLength) + "\n";
}

class Opening : public ::testing::Test {
 protected:
  /// Declares LOG on unit 10 with the value given on the command line.
  AttachResult openLog(AttachRun& run, std::string_view options) {
    return run.attach(10, "LOG", "default.log", options, kNameLength);
  }

  TempDirectory dir;
};

TEST_F(Opening, ConsoleUnitsAtStart) {
  AttachRun run;
  ASSERT_NE(run.lib.unitFile(5), nullptr);
  EXPECT_TRUE(run.lib.unitFile(5)->console);
  EXPECT_TRUE(run.lib.unitFile(6)->console);
  EXPECT_EQ(run.lib.unitFile(10), nullptr);
}

TEST_F(Opening, AMissingFileIsCreatedAndAnnounced) {
  std::string path = dir.file("out.txt");
  AttachRun run({"LOG=" + path});
  AttachResult log = openLog(run, "");
  EXPECT_EQ(log.status, -1);
  EXPECT_EQ(log.name, padded(path, kNameLength));
  EXPECT_EQ(run.messages(), generated(path));
  const UNIT_FILE* unit = run.lib.unitFile(10);
  ASSERT_NE(unit, nullptr);
  EXPECT_GE(unit->fd, 0);
  EXPECT_FALSE(unit->mode.direct);
  EXPECT_TRUE(unit->mode.formatted);
  EXPECT_TRUE(exists(path));
}

TEST_F(Opening, ADefaultFileIsCreatedSilently) {
  WorkingDirectory inside(dir.path());
  AttachRun run;
  AttachResult log = openLog(run, "S=N");
  EXPECT_EQ(log.status, -2);
  EXPECT_EQ(run.messages(), "");
  EXPECT_TRUE(exists(dir.file("default.log")));
}

TEST_F(Opening, AnExistingFileIsOpenedAtItsStartUnchanged) {
  std::string path = dir.file("data.txt");
  writeFile(path, "keep\n");
  AttachRun run({"LOG=" + path});
  openLog(run, "");
  EXPECT_EQ(run.messages(), "");
  char first[4] = {};
  ASSERT_EQ(::read(run.lib.unitFile(10)->fd, first, 4), 4);
  EXPECT_EQ(std::string(first, 4), "keep");
  EXPECT_EQ(readFile(path), "keep\n");
}

TEST_F(Opening, NewFileThatExistsAnsweredYes) {
  std::string path = dir.file("deck.txt");
  writeFile(path, "old contents\n");
  AttachRun run({"LOG=" + path}, "YES\n");
  AttachResult log = openLog(run, "S=N");
  EXPECT_EQ(log.status, -1);
  EXPECT_EQ(run.messages(), overwriteQuestion(path));
  ASSERT_NE(run.lib.unitFile(10), nullptr);
  EXPECT_EQ(readFile(path), "");
}

TEST_F(Opening, NewFileThatExistsAnsweredLowerCaseAsksAgain) {
  std::string path = dir.file("deck.txt");
  writeFile(path, "old\n");
  AttachRun run({"LOG=" + path}, "y\n\nY\n");
  openLog(run, "S=NEW");
  EXPECT_EQ(run.messages(), overwriteQuestion(path) + " UNRECOGNIZED RESPONSE\n" +
                                overwriteQuestion(path) + " UNRECOGNIZED RESPONSE\n" +
                                overwriteQuestion(path));
  EXPECT_NE(run.lib.unitFile(10), nullptr);
}

TEST_F(Opening, NewFileThatExistsAnsweredNoWithANewName) {
  std::string path = dir.file("deck.txt");
  std::string taken = dir.file("taken.txt");
  std::string fresh = dir.file("fresh.txt");
  writeFile(path, "old\n");
  writeFile(taken, "taken\n");
  AttachRun run({"LOG=" + path}, "N\n" + taken + "\nN\n  " + fresh + "\n");
  AttachResult log = openLog(run, "S=N");
  EXPECT_EQ(log.name, padded(fresh, kNameLength));
  EXPECT_EQ(log.status, -1);
  EXPECT_EQ(run.messages(), overwriteQuestion(path) + " ENTER NEW FILE NAME: \n" +
                                overwriteQuestion(taken) + " ENTER NEW FILE NAME: \n" +
                                generated(fresh));
  EXPECT_EQ(readFile(path), "old\n");
  EXPECT_EQ(readFile(taken), "taken\n");
  EXPECT_TRUE(exists(fresh));
}

TEST_F(Opening, NewFileFromTheDefaultIsNotQuestioned) {
  WorkingDirectory inside(dir.path());
  writeFile("default.log", "old\n");
  AttachRun run({"X=1"}, "N\n");
  run.attach(0, "X", "", "NOP");
  AttachResult log = openLog(run, "S=N");
  EXPECT_EQ(log.status, 0);
  EXPECT_EQ(run.messages(), "");
  EXPECT_NE(run.lib.unitFile(10), nullptr);
}

TEST_F(Opening, NewFileDialogueWithoutAnAnswer) {
  std::string path = dir.file("deck.txt");
  writeFile(path, "old\n");
  for (std::string answers : {"", "N\n", "maybe\n"}) {
    AttachRun run({"LOG=" + path}, answers);
    AttachResult log = openLog(run, "S=N");
    EXPECT_TRUE(log.ok);
    EXPECT_EQ(log.status, NO_ANSWER) << answers;
    std::string messages = run.messages();
    EXPECT_EQ(messages.substr(messages.size() - 27), " NO ANSWER, OPEN ABANDONED\n");
    EXPECT_EQ(run.lib.unitFile(10), nullptr);
  }
  EXPECT_EQ(readFile(path), "old\n");
}

TEST_F(Opening, OldFileMissingAsksUntilOneExists) {
  std::string missing = dir.file("missing.txt");
  std::string alsoMissing = dir.file("also.txt");
  std::string present = dir.file("present.txt");
  writeFile(present, "data\n");
  AttachRun run({"LOG=" + missing}, alsoMissing + "\n" + present + "\n");
  AttachResult log = openLog(run, "S=O");
  EXPECT_EQ(log.name, padded(present, kNameLength));
  EXPECT_EQ(log.status, -1);
  EXPECT_EQ(run.messages(), missingOld(missing) + missingOld(alsoMissing));
  EXPECT_NE(run.lib.unitFile(10), nullptr);
  EXPECT_FALSE(exists(missing));
}

TEST_F(Opening, OldFileDialogueWithoutAnAnswer) {
  std::string missing = dir.file("missing.txt");
  AttachRun run({"LOG=" + missing});
  AttachResult log = openLog(run, "S=O");
  EXPECT_EQ(log.status, NO_ANSWER);
  EXPECT_EQ(log.name, padded("", kNameLength));
  EXPECT_EQ(run.messages(), missingOld(missing) + " NO ANSWER, OPEN ABANDONED\n");
  EXPECT_EQ(run.lib.unitFile(10), nullptr);
  EXPECT_FALSE(exists(missing));
}

TEST_F(Opening, ConsoleNameIsNeverQuestioned) {
  for (std::string_view options : {"S=O", "S=N"}) {
    AttachRun run({"LOG=CON"});
    AttachResult log = openLog(run, options);
    EXPECT_EQ(log.status, -1);
    EXPECT_EQ(run.messages(), "");
    ASSERT_NE(run.lib.unitFile(10), nullptr);
    EXPECT_TRUE(run.lib.unitFile(10)->console);
  }
  // A default of STDOUT is the console too.
  AttachRun run;
  run.attach(11, "OUT", "STDOUT", "", kNameLength);
  EXPECT_TRUE(run.lib.unitFile(11)->console);
}

TEST_F(Opening, TheTerminalOnAConsoleUnitOpensNothing) {
  AttachRun run({"LOG=/dev/tty"});
  AttachResult log = run.attach(6, "LOG", "", "", kNameLength);
  EXPECT_EQ(log.status, -1);
  EXPECT_EQ(run.messages(), "");
  EXPECT_TRUE(run.lib.unitFile(6)->console);
}

TEST_F(Opening, ScratchNamesFollowTheUnit) {
  WorkingDirectory inside(dir.path());
  AttachRun run({"WORK=SCRATCH.5"});
  AttachResult seven = run.attach(7, "WORK", "", "", 20);
  EXPECT_EQ(seven.name, padded("SCRATCH.7", 20));
  AttachResult twelve = run.attach(12, "TEMP", "SCRATCH1", "S=O", 20);
  EXPECT_EQ(twelve.name, padded("SCRATCH.12", 20));
  // No existence test, no question, no announcement.
  EXPECT_EQ(run.messages(), "");
  EXPECT_TRUE(exists(dir.file("SCRATCH.7")));
  EXPECT_TRUE(exists(dir.file("SCRATCH.12")));
  EXPECT_FALSE(exists(dir.file("SCRATCH.5")));
}

TEST_F(Opening, AppendNameWritesAtTheEnd) {
  std::string path = dir.file("log.txt");
  writeFile(path, "old\n");
  AttachRun run({"LOG=+" + path});
  AttachResult log = openLog(run, "S=N");
  EXPECT_EQ(log.name, padded(path, kNameLength));
  EXPECT_EQ(run.messages(), "");
  const UNIT_FILE* unit = run.lib.unitFile(10);
  ASSERT_NE(unit, nullptr);
  EXPECT_TRUE(unit->mode.append);
  ASSERT_EQ(::write(unit->fd, "new\n", 4), 4);
  EXPECT_EQ(readFile(path), "old\nnew\n");
}

TEST_F(Opening, AppendNameWithDirectAccessStopsTheRun) {
  std::string path = dir.file("log.dat");
  AttachRun run({"LOG=+" + path});
  AttachResult log = openLog(run, "A=D");
  EXPECT_FALSE(log.ok);
  EXPECT_EQ(run.messages(),
            " ERROR ** CANNOT APPEND TO A DIRECT ACCESS FILE: " + padded(path, kNameLength) + "\n");
  EXPECT_EQ(run.stop.status, 1);
  EXPECT_EQ(run.stop.finalLine, STOP_LINE);
  EXPECT_FALSE(exists(path));
}

TEST_F(Opening, DirectAccessWithARecordLength) {
  std::string path = dir.file("table.dat");
  AttachRun run({"LOG=" + path});
  openLog(run, "A=D/256,F=U");
  const UNIT_FILE* unit = run.lib.unitFile(10);
  ASSERT_NE(unit, nullptr);
  EXPECT_TRUE(unit->mode.direct);
  EXPECT_FALSE(unit->mode.formatted);
  EXPECT_EQ(unit->mode.recordLength, 256);
  EXPECT_EQ(writeRecord(*unit, 2, std::string_view("abc")), 0);
  std::string contents = readFile(path);
  ASSERT_EQ(contents.size(), 512u);
  EXPECT_EQ(contents.substr(256, 4), std::string("abc\0", 4));
  char back[5] = {};
  EXPECT_EQ(readRecord(*unit, 2, std::span<char>(back, 4)), 0);
  EXPECT_EQ(std::string(back, 4), std::string("abc\0", 4));
  EXPECT_EQ(readRecord(*unit, 3, std::span<char>(back, 4)), platform::INPUT_OUTPUT);
  EXPECT_EQ(writeRecord(*unit, 1, std::string(257, 'x')), platform::INVALID_ARGUMENT);
  EXPECT_EQ(writeRecord(*unit, 0, std::string_view("x")), platform::INVALID_ARGUMENT);
}

TEST_F(Opening, FormattedRecordsArePaddedWithBlanks) {
  std::string path = dir.file("text.dat");
  AttachRun run({"LOG=" + path});
  openLog(run, "A=D/8");
  EXPECT_EQ(writeRecord(*run.lib.unitFile(10), 1, std::string_view("ab")), 0);
  EXPECT_EQ(readFile(path), "ab      ");
}

TEST_F(Opening, AFailedOpenIsReportedWithItsNumber) {
  std::string path = dir.file("no/such/dir/file.txt");
  AttachRun run({"LOG=" + path});
  AttachResult log = openLog(run, "");
  EXPECT_TRUE(log.ok);
  EXPECT_EQ(log.status, NO_SUCH_FOLDER);
  std::string number = std::to_string(NO_SUCH_FOLDER);
  EXPECT_EQ(run.messages(), " : ERROR: NUMBER " + std::string(5 - number.size(), ' ') + number +
                                " WHILE TRYING TO OPEN UNIT  10\n");
  EXPECT_EQ(run.lib.unitFile(10), nullptr);
}

TEST_F(Opening, ADirectoryIsNotAFile) {
  AttachRun run({"LOG=" + dir.path()});
  AttachResult log = openLog(run, "");
  EXPECT_EQ(log.status, platform::IS_DIRECTORY);
  EXPECT_EQ(run.lib.unitFile(10), nullptr);
}

TEST_F(Opening, AValueTooLongOpensNothing) {
  std::string path = dir.file("a-rather-long-file-name.txt");
  AttachRun run({"LOG=" + path});
  AttachResult log = run.attach(10, "LOG", "", "", 12);
  EXPECT_EQ(log.status, 36);
  EXPECT_EQ(run.messages(), "");
  EXPECT_EQ(run.lib.unitFile(10), nullptr);
}

}  // namespace
}  // namespace tolvane
