#pragma once
// The private temporary directory that holds one reach file per reach in
// sorted mode, named by the reach's position in the input.

#include <cstdint>

#include "network/tables.h"

namespace tolvane {

/// A private directory of reach files, removed with everything in it.
struct REACH_FILES {
  char directory[4096] = {};
  int32_t filesMade = 0;
  /// For each reach file (by number, from 1): the geometry file's line number
  /// of the line before the reach file's second line. Line 1 of a reach file
  /// is the reach key line, the lines after it follow that line in order.
  int64_t lineBeforeSecond[REACH_CAPACITY + 1] = {};
};

/// Creates the private directory in the temporary folder; returns 0 or the
/// error number.
int makeReachDirectory(REACH_FILES& files);
/// Writes the path of reach file `number` into `path` (size `size`).
void reachFilePath(const REACH_FILES& files, int32_t number, char* path, int size);
/// Records that reach file `number` is about to be created, so that it is
/// removed with the directory even if the run is interrupted.
void noteReachFile(REACH_FILES& files, int32_t number);
/// The geometry file's number of line `line` of reach file `number`.
int64_t geometryLineOf(const REACH_FILES& files, int32_t number, int64_t line);
/// Removes every reach file and the directory itself (safe to call twice).
void removeReachDirectory(REACH_FILES& files);
/// Has an interrupt (SIGINT, SIGTERM, SIGHUP, or Ctrl-C and closing the
/// console) remove the current run's reach directory and temporary deck and
/// say so on standard error before the process ends as the interrupt would
/// have ended it, and turns a write to a pipe without reader into a write
/// error. Called once, by main().
void installReachCleanupOnSignals();

}  // namespace tolvane
