#include "deck/deckFile.h"

#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/interrupts.h"
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
constexpr char kDeckComplete[] = "tolvane: interrupted after the deck was written whole\n";

void noteForInterrupt(const char* note) {
  platform::InterruptBlock block;
  gInterruptNote = note;
}

/// Creates the temporary file beside the target and registers it for the
/// interrupt cleanup.
int createTemporary(DECK_FILE& deck, unsigned permissions, int& fd) {
  platform::InterruptBlock block;
  int rc = platform::createHiddenBeside(deck.target, permissions, deck.temporary, fd);
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
  int rc = platform::createHiddenBeside(report.target, permissions, report.temporary, fd);
  if (rc != 0) {
    report.temporary[0] = '\0';
    report.temporaryFailed = kind == platform::FileKind::REGULAR;
    return rc;
  }
  std::memcpy(gReportTemporary, report.temporary, sizeof gReportTemporary);
  gReportActive = 1;
  return 0;
}

int commitReportFile(DECK_FILE& report) {
  if (report.temporary[0] == '\0') return 0;
  platform::InterruptBlock block;
  int rc = platform::replaceFile(report.temporary, report.target);
  if (rc != 0) platform::removeFile(report.temporary);
  report.temporary[0] = '\0';
  gReportActive = 0;
  return rc;
}

void discardReportFile(DECK_FILE& report) {
  platform::InterruptBlock block;
  if (report.temporary[0] != '\0') platform::removeFile(report.temporary);
  report.temporary[0] = '\0';
  gReportActive = 0;
}

int commitDeckFile(DECK_FILE& deck) {
  if (deck.temporary[0] == '\0') return 0;
  // Held off, so an interrupt sees the deck either still temporary or in place.
  platform::InterruptBlock block;
  int rc = platform::replaceFile(deck.temporary, deck.target);
  if (rc != 0) platform::removeFile(deck.temporary);
  forgetTemporary(deck, rc == 0 ? kDeckComplete : nullptr);
  return rc;
}

void discardDeckFile(DECK_FILE& deck) {
  if (deck.temporary[0] != '\0') platform::removeFile(deck.temporary);
  forgetTemporary(deck, nullptr);
}

const char* removeTemporaryDeckOnInterrupt() {
  const char* note = gInterruptNote ? gInterruptNote : kNoDeck;
  if (gTemporaryActive) platform::removeFile(gTemporary);
  gTemporaryActive = 0;
  if (gReportActive) platform::removeFile(gReportTemporary);
  gReportActive = 0;
  return note;
}

}  // namespace tolvane
