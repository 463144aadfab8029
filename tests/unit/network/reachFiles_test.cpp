#include "network/reachFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "networkFixture.h"
#include "platform/errors.h"

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
    // A folder named with a final separator takes none more.
    setting_.emplace(tmp_ + platform::PATH_SEPARATOR);
  }
  void TearDown() override {
    setting_.reset();
    NetworkTest::TearDown();
  }

  std::optional<TemporaryFolderSetting> setting_;
};

TEST_F(ReachDirectory, IsPrivateAndRemovedWithEveryFile) {
  ASSERT_EQ(makeReachDirectory(files_), 0);
  std::string directory = files_.directory;
  EXPECT_EQ(directory.rfind(inFolder(tmp_, "tolvane-"), 0), 0u) << directory;
#ifndef _WIN32
  struct stat st;
  ASSERT_EQ(stat(files_.directory, &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
#endif

  char path[sizeof files_.directory + 16];
  reachFilePath(files_, 12, path, sizeof path);
  EXPECT_EQ(std::string(path), inFolder(directory, "12"));

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
  TemporaryFolderSetting tooLong(inFolder("", std::string(5000, 'd')));
  EXPECT_EQ(makeReachDirectory(files_), platform::NAME_TOO_LONG);
  EXPECT_EQ(files_.directory[0], '\0');
}

#ifdef _WIN32
TEST_F(ReachDirectory, SignalRemovesTheDirectoryBeforeEndingTheProcess) {
  GTEST_SKIP() << "POSIX signals; the console events of Windows are tested end to end";
}
#else
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
#endif

}  // namespace
}  // namespace tolvane
