#include "deck/deckFile.h"

#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/interrupts.h"
#include "platform/leftovers.h"
#include "platform/replacement.h"

namespace tolvane {

namespace {

// What the interrupt cleanup removes and says. Written only while interrupts
// are held off; read only by the cleanup.
char gTemporary[DECK_PATH_CAPACITY];
volatile int gTemporaryActive = 0;
char gReportTemporary[DECK_PATH_CAPACITY];
volatile int gReportActive = 0;
const char* volatile gInterruptNote = nullptr;

constexpr char kNoDeck[] = "tolvane: interrupted; no deck was written\n";
constexpr char kDeckUnchanged[] =
    "tolvane: interrupted; no deck was written, an earlier deck of that name is unchanged\n";
constexpr char kDeckIncomplete[] = "tolvane: interrupted; the deck written so far is incomplete\n";

void noteForInterrupt(const char* note) {
  platform::InterruptBlock block;
  gInterruptNote = note;
}

/// Creates the temporary file beside the target and registers it for the
/// interrupt cleanup.
int createTemporary(DECK_FILE& deck, unsigned permissions, int& fd) {
  platform::InterruptBlock block;
  deck.permissions = permissions;
  int rc = platform::createHiddenBeside(deck.target, permissions, deck.temporary, fd,
                                        deck.permissionError);
  if (rc != 0) return rc;
  std::memcpy(gTemporary, deck.temporary, sizeof gTemporary);
  gTemporaryActive = 1;
  gInterruptNote = kDeckUnchanged;
  return 0;
}

void forgetTemporary(DECK_FILE& deck, const char* note) {
  platform::InterruptBlock block;
  deck.temporary[0] = '\0';
  gTemporaryActive = 0;
  gInterruptNote = note;
}

/// Removes a temporary file; one that cannot be removed now is tried again
/// at the end of the run.
void removeTemporary(const char* path) {
  if (path[0] != '\0' && platform::removeFile(path) != 0) platform::noteLeftover(path, false);
}

/// Puts the earlier file back from its second name.
int putEarlierBack(DECK_FILE& file) {
  int rc = platform::replaceFile(file.earlier, file.target);
  // Where the second name was a hard link, both names remain.
  if (rc == 0) removeTemporary(file.earlier);
  if (rc == 0) file.earlier[0] = '\0';
  return rc;
}

/// Renames the report into place, its earlier file kept under a second name.
int placeReport(DECK_FILE& report) {
  std::size_t n = std::strlen(report.temporary);
  std::memcpy(report.earlier, report.temporary, n);
  std::memcpy(report.earlier + n, ".earlier", sizeof ".earlier");
  int rc = platform::keepUnderSecondName(report.target, report.earlier);
  if (rc == platform::NOT_FOUND) {
    report.earlier[0] = '\0';  // no earlier report
  } else if (rc != 0) {
    report.earlier[0] = '\0';
    return rc;
  }
  rc = platform::replaceFile(report.temporary, report.target);
  if (rc != 0 && report.earlier[0] != '\0') putEarlierBack(report);
  return rc;
}

/// After the deck could not be put in place: the report goes back to what
/// it was, the earlier one or none.
int undoReport(DECK_FILE& report) {
  if (report.earlier[0] != '\0') return putEarlierBack(report);
  int rc = platform::removeFile(report.target);
  return rc == platform::NOT_FOUND ? 0 : rc;
}

/// True when both paths name files of one folder.
bool sameFolder(const char* first, const char* second) {
  auto folderLength = [](const char* path) {
    size_t n = std::strlen(path);
    while (n > 0 && path[n - 1] != '/' && path[n - 1] != '\\') --n;
    return n;
  };
  size_t n = folderLength(first);
  return n == folderLength(second) && std::memcmp(first, second, n) == 0;
}

/// Makes the renames durable: the folder of each file put in place.
int syncFolders(const DECK_FILE& deck, const DECK_FILE* report) {
  int rc = deck.target[0] != '\0' ? platform::syncFolderOf(deck.target) : 0;
  if (report && report->target[0] != '\0' &&
      (deck.target[0] == '\0' || !sameFolder(deck.target, report->target))) {
    int second = platform::syncFolderOf(report->target);
    if (rc == 0) rc = second;
  }
  return rc;
}

/// How a file that replaces another is to be written.
enum class Writing { DIRECTLY, REPLACING };

/// Decides how the file `name` is written: directly (a terminal, /dev/null, a
/// pipe, the file the console writes to), opened here; or by replacing its
/// target, found here with the permission bits the replacement takes.
int settleTarget(const char* name, DECK_FILE& file, Writing& writing, unsigned& permissions,
                 platform::FileKind& kind, int& fd) {
  file.temporary[0] = '\0';
  file.target[0] = '\0';
  file.temporaryFailed = false;
  fd = platform::NO_FILE;
  writing = Writing::REPLACING;
  // What the name leads to decides; links are resolved only to find the file
  // to replace, since names like /dev/stdout lead through links that are no
  // paths (a pipe's).
  kind = platform::FileKind::NONE;
  permissions = 0;
  if (int rc = platform::fileKind(name, kind, permissions)) return rc;
  switch (kind) {
    case platform::FileKind::DIRECTORY:
      return platform::IS_DIRECTORY;
    case platform::FileKind::OTHER:
      // A terminal, /dev/null or a pipe: nothing to keep, written as it comes.
      writing = Writing::DIRECTLY;
      return platform::createForWriting(name, fd);
    case platform::FileKind::REGULAR:
      // The file the console itself writes to (/dev/stdout redirected to a
      // file) is written as before: renaming over it would lose the console.
      if (platform::isStandardStream(name)) {
        writing = Writing::DIRECTLY;
        return platform::createForWriting(name, fd);
      }
      if (int rc = platform::resolveLinks(name, file.target)) return rc;
      // Only a file that could be opened for writing may be replaced.
      return platform::testWritable(file.target);
    case platform::FileKind::NONE:
      // No file, or a link to none: the file is made where the link points.
      if (int rc = platform::resolveLinks(name, file.target)) return rc;
      permissions = platform::newFilePermissions();
      return 0;
  }
  return 0;
}

}  // namespace

int openDeckFile(const char* name, DECK_FILE& deck, int& fd) {
  noteForInterrupt(nullptr);
  Writing writing = Writing::REPLACING;
  unsigned permissions = 0;
  platform::FileKind kind = platform::FileKind::NONE;
  if (int rc = settleTarget(name, deck, writing, permissions, kind, fd)) return rc;
  if (writing == Writing::DIRECTLY) {
    noteForInterrupt(kDeckIncomplete);
    return 0;
  }
  int rc = createTemporary(deck, permissions, fd);
  deck.temporaryFailed = rc != 0 && kind == platform::FileKind::REGULAR;
  return rc;
}

int openReportFile(const char* name, DECK_FILE& report, int& fd) {
  Writing writing = Writing::REPLACING;
  unsigned permissions = 0;
  platform::FileKind kind = platform::FileKind::NONE;
  if (int rc = settleTarget(name, report, writing, permissions, kind, fd)) return rc;
  if (writing == Writing::DIRECTLY) return 0;
  platform::InterruptBlock block;
  report.permissions = permissions;
  int rc = platform::createHiddenBeside(report.target, permissions, report.temporary, fd,
                                        report.permissionError);
  if (rc != 0) {
    report.temporary[0] = '\0';
    report.temporaryFailed = kind == platform::FileKind::REGULAR;
    return rc;
  }
  std::memcpy(gReportTemporary, report.temporary, sizeof gReportTemporary);
  gReportActive = 1;
  return 0;
}

void discardReportFile(DECK_FILE& report) {
  platform::InterruptBlock block;
  removeTemporary(report.temporary);
  report.temporary[0] = '\0';
  gReportActive = 0;
}

RunCommit commitRun(DECK_FILE& deck, DECK_FILE* report) {
  // From the first rename on, an interrupt could leave the report new and
  // the deck earlier: it waits, and the process ends by its own status.
  platform::holdInterruptsUntilExit();
  RunCommit result;
  if (report && report->temporary[0] != '\0') {
    if (int rc = placeReport(*report); rc != 0) {
      result = {CommitFailure::REPORT, rc, 0, 0};
      discardReportFile(*report);
      discardDeckFile(deck);
      return result;
    }
    report->temporary[0] = '\0';
    gReportActive = 0;
  }
  if (deck.temporary[0] != '\0') {
    if (int rc = platform::replaceFile(deck.temporary, deck.target); rc != 0) {
      result = {CommitFailure::DECK, rc, 0, 0};
      if (report) result.restoreError = undoReport(*report);
      discardDeckFile(deck);
      return result;
    }
    forgetTemporary(deck, nullptr);
  }
  if (report && report->earlier[0] != '\0') {
    removeTemporary(report->earlier);
    report->earlier[0] = '\0';
  }
  result.syncError = syncFolders(deck, report);
  return result;
}

void discardDeckFile(DECK_FILE& deck) {
  removeTemporary(deck.temporary);
  forgetTemporary(deck, nullptr);
}

const char* removeTemporaryDeckOnInterrupt() {
  const char* note = gInterruptNote ? gInterruptNote : kNoDeck;
  if (gTemporaryActive) platform::removeFile(gTemporary);
  gTemporaryActive = 0;
  if (gReportActive) platform::removeFile(gReportTemporary);
  gReportActive = 0;
  platform::removeLeftoversOnInterrupt();
  return note;
}

}  // namespace tolvane
