#pragma once
// Run setup: the command line, the geometry file, the deck and the sort flag.

#include "attach/attach.h"
#include "deck/stop.h"
#include "deck/streams.h"

namespace tolvane {

/// Declares INPUT, OUTPUT and SORTREACHES, vets the command line, opens the
/// geometry file and creates the deck, and sets the sort flag. Returns false
/// when the run stopped (its messages are on the console).
bool OPENFILES(ATTACH_LIBRARY& attach, InputStream& input, OutputStream& output,
               OutputStream& console, bool& sorted, RunStop& stop);

}  // namespace tolvane
