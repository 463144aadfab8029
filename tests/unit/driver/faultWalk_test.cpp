// Every file call of a conversion made to fail in turn, in a run of its own:
// each error, a short write, a full disk and an interrupt at each call, in
// both modes, with and without a report, with and without earlier files.
// Whatever fails, the run keeps its promise: it ends with status 0 and both
// files new and whole, or with status 1 or by the interrupt, both earlier
// files exactly as they were (bytes, permission bits, the file itself) and no
// file where there was none; and nothing is left behind.

#ifndef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "driver/tolvane.h"
#include "network/reachFiles.h"
#include "platform/faults.h"
#include "twoReaches.h"

namespace tolvane {
namespace {

using platform::Fault;
using platform::FaultPlan;

const char kEarlierDeck[] = "T1 an earlier deck\nEJ\n";
const char kEarlierReport[] = "<p>an earlier report</p>\n";
constexpr mode_t kEarlierDeckBits = 0640;
constexpr mode_t kEarlierReportBits = 0604;
constexpr mode_t kUmask = 022;

struct Setup {
  bool sorted;
  bool report;
  bool earlier;
};

/// What one run left.
struct RunResult {
  int status = -1;  // exit status, or 128 + the signal that ended it
  std::string console;
  std::string errors;
  int64_t calls = 0;
};

/// A file as it stands: its bytes, permission bits and identity.
struct FileState {
  bool exists = false;
  std::string bytes;
  mode_t bits = 0;
  ino_t inode = 0;
};

std::string readWhole(const std::string& path) {
  std::string text;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return text;
  char buffer[65536];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  ::close(fd);
  return text;
}

FileState stateOf(const std::string& path) {
  FileState state;
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return state;
  state.exists = true;
  state.bytes = readWhole(path);
  state.bits = st.st_mode & 07777;
  state.inode = st.st_ino;
  return state;
}

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* d = ::opendir(folder.c_str())) {
    while (dirent* e = ::readdir(d))
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
    ::closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void writeFile(const std::string& path, std::string_view text, mode_t bits) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0) << path;
  ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::fchmod(fd, bits);
  ::close(fd);
}

class FaultWalk : public ::testing::TestWithParam<Setup> {
 protected:
  void SetUp() override {
    // In memory where the system has it: syncs cost nothing there.
    struct stat st;
    bool memory = ::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && ::access("/dev/shm", W_OK) == 0;
    std::string pattern = memory ? "/dev/shm/tolvane-walk-XXXXXX" : "/tmp/tolvane-walk-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    work_ = root_ + "/work";
    tmp_ = root_ + "/tmp";
    ASSERT_EQ(::mkdir(work_.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(tmp_.c_str(), 0700), 0);
  }
  void TearDown() override {
    clearWork();
    ::unlink((root_ + "/console").c_str());
    ::unlink((root_ + "/errors").c_str());
    ::rmdir(work_.c_str());
    ::rmdir(tmp_.c_str());
    ::rmdir(root_.c_str());
  }

  void clearWork() {
    for (const std::string& name : namesIn(work_)) ::unlink((work_ + "/" + name).c_str());
    for (const std::string& name : namesIn(tmp_)) {
      std::string path = tmp_ + "/" + name;
      for (const std::string& inner : namesIn(path)) ::unlink((path + "/" + inner).c_str());
      ::rmdir(path.c_str());
      ::unlink(path.c_str());
    }
  }

  /// A fresh working folder: the geometry file, and the earlier files when
  /// the setup has them.
  void prepare() {
    clearWork();
    writeFile(work_ + "/in.geo", kGeometry, 0644);
    if (GetParam().earlier) {
      writeFile(work_ + "/out.cs", kEarlierDeck, kEarlierDeckBits);
      if (GetParam().report) writeFile(work_ + "/r.html", kEarlierReport, kEarlierReportBits);
    }
    deckBefore_ = stateOf(work_ + "/out.cs");
    reportBefore_ = stateOf(work_ + "/r.html");
  }

  /// Converts in a child process with `plan`, from a fresh working folder.
  RunResult convert(const FaultPlan& plan) {
    prepare();
    int counted[2];
    if (::pipe(counted) != 0) return {};
    std::string console = root_ + "/console", errors = root_ + "/errors";
    pid_t child = ::fork();
    if (child == 0) {
      ::close(counted[0]);
      ::umask(kUmask);
      if (::chdir(work_.c_str()) != 0) ::_exit(99);
      ::setenv("TMPDIR", tmp_.c_str(), 1);
      // The console and standard error are what they are for a modeller: a
      // full disk leaves them be.
      int consoleFd = ::open(console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (::dup2(consoleFd, STDOUT_FILENO) < 0) ::_exit(96);
      consoleFd = STDOUT_FILENO;
      // Standard error itself: the interrupt cleanup writes there.
      int errorFd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (::dup2(errorFd, STDERR_FILENO) < 0) ::_exit(97);
      errorFd = STDERR_FILENO;
      int answers = ::open("/dev/null", O_RDONLY);
      std::vector<const char*> args = {"INPUT=in.geo", "OUTPUT=out.cs"};
      if (GetParam().sorted) args.push_back("SORTREACHES=YES");
      if (GetParam().report) args.push_back("REPORT=r.html");
      installReachCleanupOnSignals();
      platform::planFault(plan);
      int status = runTolvane(args, consoleFd, answers, errorFd);
      int64_t calls = platform::fileCallsMade();
      if (::write(counted[1], &calls, sizeof calls) != sizeof calls) ::_exit(98);
      ::_exit(status);
    }
    ::close(counted[1]);
    RunResult run;
    if (::read(counted[0], &run.calls, sizeof run.calls) != sizeof run.calls) run.calls = -1;
    ::close(counted[0]);
    int wait = 0;
    ::waitpid(child, &wait, 0);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    run.console = readWhole(console);
    run.errors = readWhole(errors);
    return run;
  }

  /// Checks the promises after a run; returns false (with failures recorded)
  /// when one is broken.
  bool keptItsPromise(const RunResult& run, const std::string& label) {
    auto broken = [&](const std::string& what) {
      ADD_FAILURE() << label << ": " << what << "\nstatus " << run.status << "\nconsole:\n"
                    << run.console << "standard error:\n"
                    << run.errors;
      return false;
    };
    std::vector<std::string> expectedNames = {"in.geo"};
    FileState deck = stateOf(work_ + "/out.cs"), report = stateOf(work_ + "/r.html");
    if (!namesIn(tmp_).empty()) return broken("left in the temporary folder: " + namesIn(tmp_)[0]);
    if (run.status == 0) {
      if (deck.bytes != reference_.deck) return broken("the deck is not the whole new deck");
      if (GetParam().report && report.bytes != reference_.report)
        return broken("the report is not the whole new report");
      bool warned = run.errors.find("tolvane: warning: cannot give") != std::string::npos;
      mode_t deckBits = deckBefore_.exists ? deckBefore_.bits : 0666 & ~kUmask;
      if (deck.bits != deckBits && !(warned && deck.bits == 0600))
        return broken("the deck has the permission bits " + std::to_string(deck.bits));
      if (deckBefore_.exists && deck.inode == deckBefore_.inode)
        return broken("the deck was written over in place");
      for (size_t at = 0; at < run.errors.size(); at = run.errors.find('\n', at) + 1)
        if (run.errors.compare(at, 18, "tolvane: warning: ") != 0)
          return broken("standard error holds more than warnings");
    } else {
      if (run.status != 1 && run.status != 128 + SIGTERM) return broken("an unexpected status");
      if (run.errors.rfind("tolvane: ", 0) != 0) return broken("no plain-word line on standard error");
      auto unchanged = [](const FileState& before, const FileState& after) {
        return before.exists == after.exists && before.bytes == after.bytes &&
               before.bits == after.bits && before.inode == after.inode;
      };
      if (!unchanged(deckBefore_, deck)) return broken("the earlier deck changed");
      if (!unchanged(reportBefore_, report)) return broken("the earlier report changed");
    }
    if (deck.exists) expectedNames.push_back("out.cs");
    if (report.exists) expectedNames.push_back("r.html");
    std::sort(expectedNames.begin(), expectedNames.end());
    if (namesIn(work_) != expectedNames) {
      std::string names;
      for (const std::string& n : namesIn(work_)) names += n + " ";
      return broken("the working folder holds " + names);
    }
    return true;
  }

  struct Reference {
    std::string deck;
    std::string report;
  };

  std::string root_, work_, tmp_;
  FileState deckBefore_, reportBefore_;
  Reference reference_;
};

TEST_P(FaultWalk, EveryFailingCallKeepsThePromise) {
  RunResult clean = convert({});
  ASSERT_EQ(clean.status, 0) << clean.console << clean.errors;
  ASSERT_GT(clean.calls, 10);
  reference_ = {readWhole(work_ + "/out.cs"), readWhole(work_ + "/r.html")};
  ASSERT_NE(reference_.deck.find("EJ\n"), std::string::npos);

  const struct {
    FaultPlan plan;
    const char* name;
  } kFaults[] = {{{0, Fault::ERROR, EIO}, "EIO"},
                 {{0, Fault::ERROR, ENOSPC}, "ENOSPC"},
                 {{0, Fault::SHORT_WRITE, 0}, "a short write"},
                 {{0, Fault::FULL_DISK, 0}, "a full disk"},
                 {{0, Fault::INTERRUPT, 0}, "SIGTERM"}};
  int broken = 0, stopped = 0, runs = 1;
  // A few calls past the clean run's count: a failing run may make more.
  for (int64_t call = 1; call <= clean.calls + 4 && broken < 5; ++call) {
    for (const auto& fault : kFaults) {
      FaultPlan plan = fault.plan;
      plan.call = call;
      RunResult run = convert(plan);
      ++runs;
      if (run.status != 0) ++stopped;
      if (!keptItsPromise(run, std::string(fault.name) + " at call " + std::to_string(call)))
        ++broken;
    }
  }
  EXPECT_GT(stopped, 0);  // the faults were felt
  RecordProperty("runs", runs);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, FaultWalk,
    ::testing::Values(Setup{false, false, false}, Setup{false, false, true},
                      Setup{false, true, false}, Setup{false, true, true},
                      Setup{true, false, false}, Setup{true, false, true},
                      Setup{true, true, false}, Setup{true, true, true}),
    [](const ::testing::TestParamInfo<Setup>& info) {
      return std::string(info.param.sorted ? "Sorted" : "Unsorted") +
             (info.param.report ? "WithReport" : "") +
             (info.param.earlier ? "OverEarlierFiles" : "");
    });

}  // namespace
}  // namespace tolvane

#endif  // _WIN32
