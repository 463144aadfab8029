#include "network/reachFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace tolvane {

namespace {

constexpr char kTemplate[] = "/tolvane-XXXXXX";
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The directory the signal handler removes. It is written only while both
// signals are blocked and read only by the handler.
char gDirectory[sizeof REACH_FILES::directory];
volatile sig_atomic_t gActive = 0;
volatile sig_atomic_t gFilesMade = 0;
const REACH_FILES* gOwner = nullptr;

/// Blocks SIGINT and SIGTERM for the life of the guard, so the handler never
/// sees a half-registered directory.
class SignalBlock {
 public:
  SignalBlock() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kSignals) sigaddset(&set, s);
    sigprocmask(SIG_BLOCK, &set, &saved_);
  }
  ~SignalBlock() { sigprocmask(SIG_SETMASK, &saved_, nullptr); }
  SignalBlock(const SignalBlock&) = delete;
  SignalBlock& operator=(const SignalBlock&) = delete;

 private:
  sigset_t saved_;
};

/// Writes directory/number into path with plain character code only, so the
/// signal handler can use it. Returns false when the path does not fit.
bool formatPath(const char* directory, int32_t number, char* path, int size) {
  int n = 0;
  while (directory[n] != '\0') {
    if (n + 1 >= size) return false;
    path[n] = directory[n];
    ++n;
  }
  char digits[12];
  int d = 0;
  uint32_t value = number < 0 ? 0 : static_cast<uint32_t>(number);
  do {
    digits[d++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  if (n + 1 + d + 1 > size) return false;
  path[n++] = '/';
  while (d > 0) path[n++] = digits[--d];
  path[n] = '\0';
  return true;
}

/// Unlinks files 1..count of the directory, then the directory itself.
void removeAll(const char* directory, int32_t count) {
  char path[sizeof REACH_FILES::directory + 16];
  for (int32_t number = 1; number <= count; ++number)
    if (formatPath(directory, number, path, sizeof path)) unlink(path);
  rmdir(directory);
}

void removeReachDirectoryOnSignal(int signal) {
  int saved = errno;
  if (gActive) removeAll(gDirectory, gFilesMade);
  gActive = 0;
  errno = saved;
  // The handler was reset to the default action on entry: the signal, pending
  // until the handler returns, now ends the process as it would have.
  raise(signal);
}

}  // namespace

int makeReachDirectory(REACH_FILES& files) {
  const char* base = std::getenv("TMPDIR");
  if (base == nullptr || *base == '\0') base = "/tmp";
  size_t length = std::strlen(base);
  while (length > 1 && base[length - 1] == '/') --length;
  if (length + sizeof kTemplate > sizeof files.directory) return ENAMETOOLONG;
  char directory[sizeof files.directory];
  std::memcpy(directory, base, length);
  std::memcpy(directory + length, kTemplate, sizeof kTemplate);

  SignalBlock block;
  if (mkdtemp(directory) == nullptr) return errno;
  std::memcpy(files.directory, directory, sizeof directory);
  files.filesMade = 0;
  std::memcpy(gDirectory, directory, sizeof directory);
  gFilesMade = 0;
  gOwner = &files;
  gActive = 1;
  return 0;
}

void reachFilePath(const REACH_FILES& files, int32_t number, char* path, int size) {
  if (!formatPath(files.directory, number, path, size) && size > 0) path[0] = '\0';
}

void noteReachFile(REACH_FILES& files, int32_t number) {
  if (number <= files.filesMade) return;
  SignalBlock block;
  files.filesMade = number;
  if (gOwner == &files) gFilesMade = number;
}

void removeReachDirectory(REACH_FILES& files) {
  if (files.directory[0] == '\0') return;
  SignalBlock block;
  removeAll(files.directory, files.filesMade);
  files.directory[0] = '\0';
  files.filesMade = 0;
  if (gOwner == &files) {
    gActive = 0;
    gOwner = nullptr;
  }
}

void installReachCleanupOnSignals() {
  // A deck or console whose reader has gone is a write error that the run
  // reports and cleans up after like any other, not a silent end by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  for (int s : kSignals) {
    struct sigaction old;
    if (sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = removeReachDirectoryOnSignal;
    sigemptyset(&action.sa_mask);
    for (int other : kSignals) sigaddset(&action.sa_mask, other);
    action.sa_flags = SA_RESETHAND;
    sigaction(s, &action, nullptr);
  }
}

}  // namespace tolvane
