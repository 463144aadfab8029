#pragma once
// Where the deck and the report are written. A file that names a regular
// file, or no file yet, is written to a hidden temporary file in the same
// folder, which takes the file's name only when the run ends normally: a
// failed or interrupted run leaves an earlier deck and report exactly as they
// were. Any other name (a terminal, /dev/null, a pipe) is written directly.

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
  /// The permission bits the temporary file was to take, and the error that
  /// kept it from taking them (0 when it has them).
  unsigned permissions = 0;
  int permissionError = 0;
  /// While the report is put in place: the second name of the earlier report.
  char earlier[DECK_PATH_CAPACITY + 16] = {};
};

/// Opens the deck named `name` for writing and returns 0 with the descriptor
/// in `fd`, or the errno: EISDIR for a folder, the error of opening an
/// existing deck for writing (which is never replaced then), or the error of
/// creating the temporary file. The temporary file has the existing deck's
/// permission bits, or 0666 less the umask for a new deck.
int openDeckFile(const char* name, DECK_FILE& deck, int& fd);

/// Which file of a run could not be put in place.
enum class CommitFailure { NONE, REPORT, DECK };

/// How putting a run's files in place went.
struct RunCommit {
  CommitFailure failed = CommitFailure::NONE;
  int error = 0;         ///< the error of the failed step
  int restoreError = 0;  ///< the earlier report could not be put back; it is
                         ///< in the report's `earlier`
  int syncError = 0;     ///< a folder's names could not be made durable
};

/// Puts a run's files, written whole, synced and closed, in place: the report
/// (when `report` is not null) first, the deck last. An earlier report is kept
/// under a second hidden name until the deck is in place, and put back when
/// the deck cannot be. Interrupts are held off from here to the end of the
/// process, so that the run is either wholly done or wholly undone; the
/// folders are synced after the renames. On failure the temporary files are
/// removed and the earlier files are as they were.
RunCommit commitRun(DECK_FILE& deck, DECK_FILE* report);

/// Removes the temporary file, if any; the target is left untouched. Safe to
/// call twice and after commitRun. A file that cannot be removed is left to
/// the end of the run (see platform/leftovers.h).
void discardDeckFile(DECK_FILE& deck);

/// Opens the conversion report named `name` as the deck is opened: a regular
/// file (or none yet) through a hidden temporary file beside it, any other
/// name directly. Returns 0 or the errno, as openDeckFile.
int openReportFile(const char* name, DECK_FILE& report, int& fd);

/// Removes the temporary report, if any: a report that is not to be kept.
void discardReportFile(DECK_FILE& report);

/// For the interrupt cleanup: removes the temporary deck of the run in
/// progress and its temporary report, if any, and returns the standard-error
/// line that tells what became of the deck.
const char* removeTemporaryDeckOnInterrupt();

}  // namespace tolvane
