#pragma once
// The private temporary directory of sorted mode and the one reach file in it
// that holds every reach's lines, each reach as one range of bytes.

#include <cstdint>

#include "network/tables.h"

namespace tolvane {

/// Number of the file in the directory that holds the reaches.
inline constexpr int32_t REACH_FILE_NUMBER = 1;

/// A private directory of numbered files, removed with everything in it; in
/// it, file REACH_FILE_NUMBER holds the reaches.
struct REACH_FILES {
  char directory[4096] = {};
  int32_t filesMade = 0;
  /// For each reach (by number in the input, from 1): where its lines begin
  /// and end (excluded) in the reach file, in bytes.
  int64_t rangeBegin[REACH_CAPACITY + 1] = {};
  int64_t rangeEnd[REACH_CAPACITY + 1] = {};
  /// For each reach: the geometry file's line number of the line before the
  /// second line of its range. Line 1 of a range is the reach key line, the
  /// lines after it follow that line in order.
  int64_t lineBeforeSecond[REACH_CAPACITY + 1] = {};
};

/// Creates the private directory in the temporary folder; returns 0 or the
/// error number.
int makeReachDirectory(REACH_FILES& files);
/// Writes the path of file `number` of the directory into `path` (size `size`).
void reachFilePath(const REACH_FILES& files, int32_t number, char* path, int size);
/// Records that file `number` is about to be created, so that it is removed
/// with the directory even if the run is interrupted.
void noteReachFile(REACH_FILES& files, int32_t number);
/// The geometry file's number of line `line` of the range of reach `number`.
int64_t geometryLineOf(const REACH_FILES& files, int32_t number, int64_t line);
/// Removes every file made in the directory and the directory itself (safe to
/// call twice).
void removeReachDirectory(REACH_FILES& files);
/// Has an interrupt (SIGINT, SIGTERM, SIGHUP, or Ctrl-C and closing the
/// console) remove the current run's reach directory and temporary deck and
/// say so on standard error before the process ends as the interrupt would
/// have ended it, and turns a write to a pipe without reader into a write
/// error. Called once, by main().
void installReachCleanupOnSignals();

}  // namespace tolvane
