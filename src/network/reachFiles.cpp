#include "network/reachFiles.h"

#include <cstring>

#include "deck/deckFile.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/interrupts.h"
#include "platform/leftovers.h"
#include "platform/replacement.h"
#include "platform/temporaryDirectory.h"

namespace tolvane {

namespace {

constexpr char kPrefix[] = "tolvane-";

// The directory the interrupt cleanup removes. It is written only while
// interrupts are held off and read only by the cleanup.
char gDirectory[sizeof REACH_FILES::directory];
volatile int gActive = 0;
volatile int32_t gFilesMade = 0;
const REACH_FILES* gOwner = nullptr;

/// Writes directory/number into path with plain character code only, so the
/// interrupt cleanup can use it. Returns false when the path does not fit.
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
  path[n++] = platform::PATH_SEPARATOR;
  while (d > 0) path[n++] = digits[--d];
  path[n] = '\0';
  return true;
}

/// How removeAll treats what it cannot remove.
enum class Failures { IGNORED, LEFT_TO_THE_END };

/// Removes files 1..count of the directory (those already read and deleted
/// are gone), then the directory itself.
void removeAll(const char* directory, int32_t count, Failures failures) {
  char path[sizeof REACH_FILES::directory + 16];
  bool keep = failures == Failures::LEFT_TO_THE_END;
  for (int32_t number = 1; number <= count; ++number) {
    if (!formatPath(directory, number, path, sizeof path)) continue;
    int rc = platform::removeFile(path);
    if (keep && rc != 0 && rc != platform::NOT_FOUND) platform::noteLeftover(path, false);
  }
  if (platform::removeDirectory(directory) != 0 && keep) platform::noteLeftover(directory, true);
}

/// Removes the run's temporary files and says on standard error what became
/// of the deck.
void removeTemporaryFilesOnInterrupt() {
  if (gActive) removeAll(gDirectory, gFilesMade, Failures::IGNORED);
  gActive = 0;
  const char* note = removeTemporaryDeckOnInterrupt();
  platform::writeAll(platform::STANDARD_ERROR, note, std::strlen(note));
}

}  // namespace

int64_t geometryLineOf(const REACH_FILES& files, int32_t number, int64_t line) {
  if (number < 1 || number > REACH_CAPACITY || line < 2) return line;
  return files.lineBeforeSecond[number] + line - 1;
}

int makeReachDirectory(REACH_FILES& files) {
  char directory[sizeof files.directory];
  platform::InterruptBlock block;
  if (int rc = platform::makePrivateDirectory(kPrefix, directory); rc != 0) return rc;
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
  platform::InterruptBlock block;
  files.filesMade = number;
  if (gOwner == &files) gFilesMade = number;
}

void removeReachDirectory(REACH_FILES& files) {
  if (files.directory[0] == '\0') return;
  platform::InterruptBlock block;
  removeAll(files.directory, files.filesMade, Failures::LEFT_TO_THE_END);
  files.directory[0] = '\0';
  files.filesMade = 0;
  if (gOwner == &files) {
    gActive = 0;
    gOwner = nullptr;
  }
}

void installReachCleanupOnSignals() {
  platform::installInterruptCleanup(removeTemporaryFilesOnInterrupt);
}

}  // namespace tolvane
