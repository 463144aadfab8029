#pragma once
// Run setup: the command line, the geometry file, the deck and the sort flag.

#include <array>

#include "attach/attach.h"
#include "deck/cards.h"
#include "deck/deckFile.h"
#include "deck/stop.h"
#include "deck/streams.h"
#include "report/conversionReport.h"

namespace tolvane {

/// Length of the names and values the program takes from the command line.
inline constexpr int NAME_LENGTH = 32;
/// A name or value from the command line, blank-padded.
using NameText = std::array<char, NAME_LENGTH>;

/// The files a run works on, as the command line names them.
struct RunFiles {
  NameText input;
  NameText output;
  NameText report;  ///< blank: no report
};

/// Declares INPUT, OUTPUT, SORTREACHES, REPORT and FIT, vets the command
/// line and the fit (a FIT value other than CUT or ROUND, in any case, stops
/// the run before any file is opened), opens the geometry file, creates the
/// report (when one is named) and the deck (see openDeckFile), and sets the
/// sort flag and the fit. A report that cannot be created, or that names the
/// input or the deck, stops the run before the deck is touched. Returns false
/// when the run stopped (its messages are on the console, its explanation in
/// `stop`); `report` is open from the moment it was created.
bool OPENFILES(ATTACH_LIBRARY& attach, InputStream& input, OutputStream& output,
               OutputStream& console, bool& sorted, Field1Fit& fit, DECK_FILE& deck,
               RunStop& stop, RunFiles& files, ConversionReport& report);

}  // namespace tolvane
