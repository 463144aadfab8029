#pragma once
// Where the deck is written. A deck that names a regular file, or no file yet,
// is written to a hidden temporary file in the same folder, which takes the
// deck's name only when the run ends normally: a failed or interrupted run
// leaves an earlier deck exactly as it was. Any other name (a terminal,
// /dev/null, a pipe) is written directly.

namespace tolvane {

/// Longest path the deck file keeps, terminating NUL included.
inline constexpr int DECK_PATH_CAPACITY = 4096;

/// The deck's file: the file it replaces and the temporary file it is written to.
struct DECK_FILE {
  /// The file the deck replaces, symbolic links resolved; empty when the deck
  /// is written directly.
  char target[DECK_PATH_CAPACITY] = {};
  /// The hidden temporary file being written; empty when the deck is written
  /// directly to its target or has been put in place.
  char temporary[DECK_PATH_CAPACITY] = {};
  /// Set when openDeckFile failed to create the temporary file for a deck
  /// that already exists (and could itself be opened for writing).
  bool temporaryFailed = false;
};

/// Opens the deck named `name` for writing and returns 0 with the descriptor
/// in `fd`, or the errno: EISDIR for a folder, the error of opening an
/// existing deck for writing (which is never replaced then), or the error of
/// creating the temporary file. The temporary file has the existing deck's
/// permission bits, or 0666 less the umask for a new deck.
int openDeckFile(const char* name, DECK_FILE& deck, int& fd);

/// After the deck was closed without error: renames the temporary file to the
/// target. Returns 0 or the errno (the temporary file is then removed).
int commitDeckFile(DECK_FILE& deck);

/// Removes the temporary file, if any; the target is left untouched. Safe to
/// call twice and after commitDeckFile.
void discardDeckFile(DECK_FILE& deck);

/// Opens the conversion report named `name` as the deck is opened: a regular
/// file (or none yet) through a hidden temporary file beside it, any other
/// name directly. Returns 0 or the errno, as openDeckFile.
int openReportFile(const char* name, DECK_FILE& report, int& fd);

/// After the report was closed without error (after a stop too): puts it in
/// place, as commitDeckFile. Returns 0 or the errno.
int commitReportFile(DECK_FILE& report);

/// Removes the temporary report, if any: a report that could not be written.
void discardReportFile(DECK_FILE& report);

/// For the interrupt cleanup: removes the temporary deck of the run in
/// progress and its temporary report, if any, and returns the standard-error
/// line that tells what became of the deck.
const char* removeTemporaryDeckOnInterrupt();

}  // namespace tolvane
