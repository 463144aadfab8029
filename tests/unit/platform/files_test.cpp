#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/temporaryDirectory.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolvane::platform {
namespace {

/// A private directory for one test, removed with the files the test names.
class PlatformFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(makePrivateDirectory("tolvane-test-", directory_), 0); }
  void TearDown() override {
    for (const std::string& f : made_) removeFile(f.c_str());
    EXPECT_EQ(removeDirectory(directory_), 0);
  }
  std::string path(const std::string& name) {
    std::string p = std::string(directory_) + PATH_SEPARATOR + name;
    made_.push_back(p);
    return p;
  }
  /// Creates the file holding `text`.
  void write(const std::string& file, std::string_view text) {
    int fd = NO_FILE;
    ASSERT_EQ(createForWriting(file.c_str(), fd), 0);
    EXPECT_EQ(writeAll(fd, text.data(), text.size()), 0);
    EXPECT_EQ(closeFile(fd), 0);
  }
  /// The whole file, read from the start and again after a rewind.
  std::string read(const std::string& file) {
    int fd = NO_FILE;
    EXPECT_EQ(openForReading(file.c_str(), fd), 0);
    std::string text;
    for (int pass = 0; pass < 2; ++pass) {
      if (pass == 1) {
        EXPECT_EQ(rewindFile(fd), 0);
        text.clear();
      }
      char buffer[7];
      size_t got = 0;
      while (readSome(fd, buffer, sizeof buffer, got) == 0 && got > 0) text.append(buffer, got);
    }
    EXPECT_EQ(closeFile(fd), 0);
    return text;
  }

  char directory_[4096];
  std::vector<std::string> made_;
};

TEST_F(PlatformFiles, BytesPassUnchanged) {
  // Line ends and control bytes are data: nothing is translated either way.
  const std::string text("one\r\ntwo\nthree\x1a\r\n\0end", 22);
  std::string file = path("deck");
  write(file, text);
  EXPECT_EQ(read(file), text);
  // Creating an existing file empties it.
  write(file, "x\n");
  EXPECT_EQ(read(file), "x\n");
}

TEST_F(PlatformFiles, RecordsAtOffsets) {
  std::string file = path("records");
  int fd = NO_FILE;
  ASSERT_EQ(openAsAllowed(file.c_str(), {}, fd), 0);
  EXPECT_EQ(writeAllAt(fd, "BBBB", 4, 4), 0);
  EXPECT_EQ(writeAllAt(fd, "AAAA", 4, 0), 0);
  char data[8] = {};
  size_t got = 0;
  EXPECT_EQ(readAt(fd, data, 8, 0, got), 0);
  EXPECT_EQ(std::string(data, got), "AAAABBBB");
  EXPECT_EQ(readAt(fd, data, 8, 100, got), 0);
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(closeFile(fd), 0);
  // Appending keeps what is there; truncating empties it.
  ASSERT_EQ(openAsAllowed(file.c_str(), {false, true}, fd), 0);
  EXPECT_EQ(writeAll(fd, "C", 1), 0);
  EXPECT_EQ(closeFile(fd), 0);
  EXPECT_EQ(read(file), "AAAABBBBC");
  ASSERT_EQ(openAsAllowed(file.c_str(), {true, false}, fd), 0);
  EXPECT_EQ(closeFile(fd), 0);
  EXPECT_EQ(read(file), "");
}

TEST_F(PlatformFiles, SameFileSeesThroughSpellings) {
  std::string input = path("input.txt");
  std::string other = path("other.txt");
  write(input, "a\n");
  write(other, "a\n");
  std::string spelled = std::string(directory_) + PATH_SEPARATOR + "." + PATH_SEPARATOR + "input.txt";
  EXPECT_TRUE(sameFile(input.c_str(), spelled.c_str()));
  EXPECT_FALSE(sameFile(input.c_str(), other.c_str()));
  EXPECT_FALSE(sameFile(input.c_str(), path("missing").c_str()));
#ifdef _WIN32
  // A drive letter in either case, and either slash.
  char full[4096];
  ASSERT_GT(GetFullPathNameA(input.c_str(), sizeof full, full, nullptr), 2u);
  ASSERT_EQ(full[1], ':');
  std::string respelled = full;
  respelled[0] = static_cast<char>(respelled[0] ^ 0x20);
  for (char& c : respelled) if (c == '\\') c = '/';
  EXPECT_TRUE(sameFile(full, respelled.c_str()));
  EXPECT_EQ(read(respelled), "a\n");
#endif
}

TEST_F(PlatformFiles, FailuresCarryTheirErrorNumber) {
  int fd = NO_FILE;
  std::string missing = path("missing");
  EXPECT_NE(openForReading(missing.c_str(), fd), 0);
  EXPECT_EQ(fd, NO_FILE);
  EXPECT_FALSE(fileExists(missing.c_str()));
  EXPECT_NE(removeFile(missing.c_str()), 0);
  EXPECT_EQ(openForReading(directory_, fd), IS_DIRECTORY);
  EXPECT_EQ(fd, NO_FILE);
  EXPECT_TRUE(fileExists(directory_));
  EXPECT_FALSE(errorText(IS_DIRECTORY).empty());
}

TEST(PlatformTemporaryDirectory, TooLongAPathIsRefused) {
  char small[12];
  std::memset(small, 'x', sizeof small);
  EXPECT_EQ(makePrivateDirectory("tolvane-", small), NAME_TOO_LONG);
}

}  // namespace
}  // namespace tolvane::platform
