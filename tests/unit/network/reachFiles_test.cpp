#include "network/reachFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "networkFixture.h"

namespace tolvane {
namespace {

/// Creates reach file `number` in the directory, holding one line.
void makeFile(REACH_FILES& files, int32_t number) {
  char path[sizeof files.directory + 16];
  reachFilePath(files, number, path, sizeof path);
  noteReachFile(files, number);
  int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "x\n", 2), 2);
  close(fd);
}

class ReachDirectory : public NetworkTest {
 protected:
  void SetUp() override {
    NetworkTest::SetUp();
    const char* old = std::getenv("TMPDIR");
    hadTmpdir_ = old != nullptr;
    if (old) saved_ = old;
    setenv("TMPDIR", (tmp_ + "/").c_str(), 1);
  }
  void TearDown() override {
    if (hadTmpdir_) setenv("TMPDIR", saved_.c_str(), 1);
    else unsetenv("TMPDIR");
    NetworkTest::TearDown();
  }

  bool hadTmpdir_ = false;
  std::string saved_;
};

TEST_F(ReachDirectory, IsPrivateAndRemovedWithEveryFile) {
  ASSERT_EQ(makeReachDirectory(files_), 0);
  std::string directory = files_.directory;
  EXPECT_EQ(directory.rfind(tmp_ + "/tolvane-", 0), 0u) << directory;
  struct stat st;
  ASSERT_EQ(stat(files_.directory, &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  char path[sizeof files_.directory + 16];
  reachFilePath(files_, 12, path, sizeof path);
  EXPECT_EQ(std::string(path), directory + "/12");

  makeFile(files_, 1);
  makeFile(files_, 2);
  makeFile(files_, 3);
  EXPECT_EQ(entriesOf(directory).size(), 3u);
  // A file already removed by its reader does not hold up the rest.
  reachFilePath(files_, 2, path, sizeof path);
  unlink(path);
  removeReachDirectory(files_);
  EXPECT_TRUE(entriesOf(tmp_).empty());
  EXPECT_EQ(files_.directory[0], '\0');
  removeReachDirectory(files_);
}

TEST_F(ReachDirectory, TooLongATemporaryDirectoryIsRefused) {
  setenv("TMPDIR", ("/" + std::string(5000, 'd')).c_str(), 1);
  EXPECT_EQ(makeReachDirectory(files_), ENAMETOOLONG);
  EXPECT_EQ(files_.directory[0], '\0');
}

TEST_F(ReachDirectory, SignalRemovesTheDirectoryBeforeEndingTheProcess) {
  EXPECT_EXIT(
      {
        installReachCleanupOnSignals();
        if (makeReachDirectory(files_) != 0) std::exit(3);
        makeFile(files_, 1);
        makeFile(files_, 2);
        raise(SIGTERM);
        std::exit(4);
      },
      ::testing::KilledBySignal(SIGTERM), "");
  EXPECT_TRUE(entriesOf(tmp_).empty());
}

TEST_F(ReachDirectory, SignalAfterRemovalEndsTheProcessAsUsual) {
  EXPECT_EXIT(
      {
        installReachCleanupOnSignals();
        if (makeReachDirectory(files_) != 0) std::exit(3);
        removeReachDirectory(files_);
        raise(SIGINT);
        std::exit(4);
      },
      ::testing::KilledBySignal(SIGINT), "");
}

}  // namespace
}  // namespace tolvane
