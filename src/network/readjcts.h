#pragma once
// The pre-pass: reaches and junctions collected from the whole geometry file.

#include "deck/findings.h"
#include "deck/stop.h"
#include "deck/streams.h"
#include "network/reachFiles.h"
#include "network/tables.h"

namespace tolvane {

/// Reads the geometry file once, fills and connects the two tables and writes
/// its console lines. In sorted mode it copies every reach into the reach file
/// of `files`, one range after the other, and closes the input and scratch
/// streams. Returns false when the
/// run stopped (a capacity or a reach file could not be written). Junction
/// names that match no reach, a reach without its "Reverse River Text" line
/// and (sorted) nodes before the first reach go to `findings`.
bool PREPROCESS_JUNCTIONS_AND_REACHES(InputStream& in, OutputStream& scratch,
                                      OutputStream& console, REACH_TABLE& reaches,
                                      JUNCTION_TABLE& junctions, bool sorted,
                                      REACH_FILES& files, RunStop& stop,
                                      const Findings& findings);

/// Number (1-based) of the first of names[0..count-1] equal to name, 0 if none.
int32_t FINDNAME(const REACH_NAME_TEXT* names, const REACH_NAME_TEXT& name, int32_t count);

}  // namespace tolvane
