#pragma once
// Run setup: the command line, the geometry file, the deck and the sort flag.

#include "attach/attach.h"
#include "deck/deckFile.h"
#include "deck/stop.h"
#include "deck/streams.h"

namespace tolvane {

/// Declares INPUT, OUTPUT and SORTREACHES, vets the command line, opens the
/// geometry file and the deck (see openDeckFile), and sets the sort flag.
/// Returns false when the run stopped (its messages are on the console, its
/// explanation in `stop`).
bool OPENFILES(ATTACH_LIBRARY& attach, InputStream& input, OutputStream& output,
               OutputStream& console, bool& sorted, DECK_FILE& deck, RunStop& stop);

}  // namespace tolvane
