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

void forgetTemporary(DECK_FILE& deck) {
  platform::InterruptBlock block;
  deck.temporary[0] = '\0';
  gTemporaryActive = 0;
  gInterruptNote = nullptr;
}

}  // namespace

int openDeckFile(const char* name, DECK_FILE& deck, int& fd) {
  deck.temporary[0] = '\0';
  deck.temporaryFailed = false;
  fd = platform::NO_FILE;
  if (int rc = platform::resolveLinks(name, deck.target)) return rc;
  platform::FileKind kind = platform::FileKind::NONE;
  unsigned permissions = 0;
  if (int rc = platform::fileKind(deck.target, kind, permissions)) return rc;
  switch (kind) {
    case platform::FileKind::DIRECTORY:
      return platform::IS_DIRECTORY;
    case platform::FileKind::OTHER:
      // A terminal, /dev/null or a pipe: nothing to keep, written as it comes.
      if (int rc = platform::createForWriting(deck.target, fd)) return rc;
      noteForInterrupt(kDeckIncomplete);
      return 0;
    case platform::FileKind::REGULAR:
      // Only a deck that could be opened for writing may be replaced.
      if (int rc = platform::testWritable(deck.target)) return rc;
      break;
    case platform::FileKind::NONE:
      permissions = platform::newFilePermissions();
      break;
  }
  int rc = createTemporary(deck, permissions, fd);
  deck.temporaryFailed = rc != 0 && kind == platform::FileKind::REGULAR;
  return rc;
}

int commitDeckFile(DECK_FILE& deck) {
  if (deck.temporary[0] == '\0') return 0;
  int rc = platform::replaceFile(deck.temporary, deck.target);
  if (rc != 0) platform::removeFile(deck.temporary);
  forgetTemporary(deck);
  return rc;
}

void discardDeckFile(DECK_FILE& deck) {
  if (deck.temporary[0] != '\0') platform::removeFile(deck.temporary);
  forgetTemporary(deck);
}

const char* removeTemporaryDeckOnInterrupt() {
  const char* note = gInterruptNote ? gInterruptNote : kNoDeck;
  if (gTemporaryActive) platform::removeFile(gTemporary);
  gTemporaryActive = 0;
  return note;
}

}  // namespace tolvane
