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

/// Opens the named file itself for writing, emptied.
int openDirectly(const char* name, int& fd) {
  if (int rc = platform::createForWriting(name, fd)) return rc;
  noteForInterrupt(kDeckIncomplete);
  return 0;
}

}  // namespace

int openDeckFile(const char* name, DECK_FILE& deck, int& fd) {
  deck.temporary[0] = '\0';
  deck.target[0] = '\0';
  deck.temporaryFailed = false;
  fd = platform::NO_FILE;
  noteForInterrupt(nullptr);
  // What the name leads to decides; links are resolved only to find the file
  // to replace, since names like /dev/stdout lead through links that are no
  // paths (a pipe's).
  platform::FileKind kind = platform::FileKind::NONE;
  unsigned permissions = 0;
  if (int rc = platform::fileKind(name, kind, permissions)) return rc;
  switch (kind) {
    case platform::FileKind::DIRECTORY:
      return platform::IS_DIRECTORY;
    case platform::FileKind::OTHER:
      // A terminal, /dev/null or a pipe: nothing to keep, written as it comes.
      return openDirectly(name, fd);
    case platform::FileKind::REGULAR:
      // The file the console itself writes to (/dev/stdout redirected to a
      // file) is written as before: renaming over it would lose the console.
      if (platform::isStandardStream(name)) return openDirectly(name, fd);
      if (int rc = platform::resolveLinks(name, deck.target)) return rc;
      // Only a deck that could be opened for writing may be replaced.
      if (int rc = platform::testWritable(deck.target)) return rc;
      break;
    case platform::FileKind::NONE:
      // No file, or a link to none: the deck is made where the link points.
      if (int rc = platform::resolveLinks(name, deck.target)) return rc;
      permissions = platform::newFilePermissions();
      break;
  }
  int rc = createTemporary(deck, permissions, fd);
  deck.temporaryFailed = rc != 0 && kind == platform::FileKind::REGULAR;
  return rc;
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
  return note;
}

}  // namespace tolvane
