#include "deck/streams.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "streamFiles.h"

namespace tolvane {
namespace {

std::string readAll(const std::string& contents) {
  InputFile file(contents);
  LineBuffer line;
  std::string lines;
  while (file.stream().readLine(line)) {
    lines += std::string(line.view().substr(0, static_cast<size_t>(line.length)));
    lines += '|';
  }
  return lines;
}

TEST(InputStream, SplitsLinesAndDropsTheCarriageReturnThatEndsOne) {
  EXPECT_EQ(readAll("a\nbb\n\nc"), "a|bb||c|");
  EXPECT_EQ(readAll("a\r\nb\r\n"), "a|b|");
  // Only the carriage return just before the line end goes.
  EXPECT_EQ(readAll("a\r\r\nb\rc\n"), "a\r|b\rc|");
  EXPECT_EQ(readAll(""), "");
  EXPECT_EQ(readAll("\n"), "|");
}

TEST(InputStream, PadsShortLinesAndCutsLongOnesAt132Columns) {
  InputFile file("abc\n" + std::string(140, 'x') + "\nnext\n");
  LineBuffer line;
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.length, 3);
  EXPECT_EQ(line.view(), "abc" + std::string(129, ' '));
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), std::string(132, 'x'));
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), "next" + std::string(128, ' '));
  EXPECT_FALSE(file.stream().readLine(line));
}

// A line is copied with whatever follows it in the read buffer and padded in
// the same pass: nothing of a longer line before it, of the line after it or
// of the end of the data read may show through.
TEST(InputStream, EveryLineIsBlankPaddedWhateverSurroundsIt) {
  std::string full(132, 'f'), over(133, 'o');
  InputFile file(full + "\n" + over + "\r\nab\n" + std::string(131, 'z') + "\r\nend");
  LineBuffer line;
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), full);
  EXPECT_FALSE(line.cut);
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), std::string(132, 'o'));
  EXPECT_TRUE(line.cut);
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), "ab" + std::string(130, ' '));
  EXPECT_EQ(line.length, 2);
  EXPECT_FALSE(line.cut);
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), std::string(131, 'z') + " ");
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), "end" + std::string(129, ' '));
  EXPECT_FALSE(file.stream().readLine(line));
}

TEST(InputStream, KeepsNulAndHighBytesAsOrdinaryCharacters) {
  std::string text("a\0b\xff\tc\n", 7);
  InputFile file(text);
  LineBuffer line;
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.length, 6);
  EXPECT_EQ(std::string(line.text, 6), text.substr(0, 6));
}

TEST(InputStream, ALineLongerThanTheReadBufferIsCutAndTheNextLineFollows) {
  std::string huge(3 << 20, 'y');
  InputFile file("first\n" + huge + "\nlast");
  LineBuffer line;
  ASSERT_TRUE(file.stream().readLine(line));
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.view(), std::string(132, 'y'));
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.columns(1, 4), "last");
  EXPECT_FALSE(file.stream().readLine(line));
  EXPECT_EQ(file.stream().error(), 0);
}

TEST(InputStream, RewindStartsAgainFromTheFirstLine) {
  InputFile file("one\ntwo\n");
  LineBuffer line;
  while (file.stream().readLine(line)) {
  }
  EXPECT_EQ(file.stream().rewind(), 0);
  ASSERT_TRUE(file.stream().readLine(line));
  EXPECT_EQ(line.columns(1, 3), "one");
}

TEST(InputStream, ARangeReadsAsAFileOfItsOwn) {
  InputFile file("zero\none\ntwo\nthree");
  InputStream& in = file.stream();
  LineBuffer line;
  in.readRange(5, 12);  // "one\ntwo" without the line end after it
  ASSERT_TRUE(in.readLine(line));
  EXPECT_EQ(line.content(), "one");
  ASSERT_TRUE(in.readLine(line));
  EXPECT_EQ(line.content(), "two");
  EXPECT_EQ(in.lineNumber(), 2);
  EXPECT_FALSE(in.readLine(line));
  EXPECT_EQ(in.error(), 0);
  // Rewinding goes back to the range's start, and another range follows.
  ASSERT_EQ(in.rewind(), 0);
  ASSERT_TRUE(in.readLine(line));
  EXPECT_EQ(line.content(), "one");
  in.readRange(13, 18);
  ASSERT_TRUE(in.readLine(line));
  EXPECT_EQ(line.content(), "three");
  EXPECT_FALSE(in.readLine(line));
  in.readRange(18, 18);
  EXPECT_FALSE(in.readLine(line));
}

TEST(InputStream, ADirectoryCannotBeOpened) {
  InputStream in;
  EXPECT_NE(in.open("/"), 0);
  EXPECT_FALSE(in.isOpen());
  EXPECT_NE(in.open("/no/such/file"), 0);
}

TEST(LineBuffer, FindsKeysByPosition) {
  LineBuffer line;
  line.assign("Type RM Length L Ch R = 1 ,5.99    ,440,600,400");
  EXPECT_EQ(line.find("Type RM Length"), 1);
  EXPECT_EQ(line.find("= 1"), 23);
  EXPECT_EQ(line.find("Exp/Cntr="), 0);
  EXPECT_EQ(line.find("400 "), 0);  // the padding is never part of a key
}

TEST(OutputStream, AFullDeviceIsReportedWhenTheBufferIsWrittenOut) {
  OutputStream out;
  ASSERT_EQ(out.create("/dev/full"), 0);
  out.writeLine("EJ");
  EXPECT_NE(out.close(), 0);
}

TEST(OutputStream, LargeOutputArrivesWhole) {
  OutputFile out;
  std::string card(80, 'G');
  for (int i = 0; i < 20000; ++i) out.stream().writeLine(card);
  std::string all = out.contents();
  EXPECT_EQ(all.size(), 20000u * 81u);
  EXPECT_EQ(all.substr(all.size() - 81), card + "\n");
}

/// A spill target that opens a temporary file, or fails with `failure`.
struct FileOnDemand : SpillTarget {
  int openSpill(int& fd) override {
    ++calls;
    if (failure != 0) return failure;
    return platform::openAsAllowed(file.path().c_str(), {true, false}, fd);
  }
  TempFile file;
  int calls = 0;
  int failure = 0;
};

TEST(OutputStream, AHeldStreamMakesItsFileOnlyWhenItsTextOutgrowsTheBuffer) {
  FileOnDemand target;
  OutputStream out;
  out.holdInMemory(target);
  out.write("held ");
  out.writeLine("text");
  EXPECT_EQ(out.flush(), 0);  // a flush keeps it in memory
  EXPECT_TRUE(out.isHeld());
  EXPECT_EQ(out.held(), "held text\n");
  EXPECT_EQ(target.calls, 0);

  std::string card(80, 'G');
  std::string all = "held text\n";
  for (int i = 0; i < 5000; ++i) {
    out.writeLine(card);
    all += card + "\n";
  }
  EXPECT_FALSE(out.isHeld());
  EXPECT_EQ(out.flush(), 0);
  EXPECT_EQ(target.calls, 1);
  EXPECT_EQ(target.file.contents(), all);
  int fd = platform::NO_FILE;
  ASSERT_EQ(platform::openForReading(target.file.path().c_str(), fd), 0);
  out.close();  // the target's descriptor is not the stream's to close
  platform::closeFile(fd);
}

TEST(OutputStream, AHeldStreamWhoseFileCannotBeMadeFailsAsAWriteWould) {
  FileOnDemand target;
  target.failure = platform::INPUT_OUTPUT;
  OutputStream out;
  out.holdInMemory(target);
  std::string big(300000, 'x');
  out.write(big);
  out.write("after");
  EXPECT_EQ(out.flush(), platform::INPUT_OUTPUT);
  EXPECT_EQ(out.error(), platform::INPUT_OUTPUT);
  EXPECT_FALSE(out.isHeld());
  EXPECT_EQ(target.calls, 1);
}

TEST(OutputStream, AnAppendedFileFollowsWhatWasWrittenFromWhereItWasRead) {
  std::string body;
  for (int i = 0; body.size() < 3000000; ++i) body += "line " + std::to_string(i) + "\n";
  TempFile source(body);
  int fd = platform::NO_FILE;
  ASSERT_EQ(platform::openForReading(source.path().c_str(), fd), 0);
  char skipped[10];
  size_t got = 0;
  ASSERT_EQ(platform::readSome(fd, skipped, sizeof skipped, got), 0);
  ASSERT_EQ(got, sizeof skipped);

  OutputFile out;
  out.stream().write("head\n");
  EXPECT_EQ(out.stream().appendFile(fd), 0);
  out.stream().write("tail\n");
  EXPECT_EQ(out.contents(), "head\n" + body.substr(sizeof skipped) + "tail\n");
  EXPECT_EQ(out.stream().error(), 0);
  platform::closeFile(fd);

  // On a full device the copy fails like any write.
  TempFile again(body);
  ASSERT_EQ(platform::openForReading(again.path().c_str(), fd), 0);
  OutputStream full;
  ASSERT_EQ(full.create("/dev/full"), 0);
  full.appendFile(fd);
  EXPECT_NE(full.close(), 0);
  platform::closeFile(fd);
}

}  // namespace
}  // namespace tolvane
