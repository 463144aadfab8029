#pragma once
// A bridge node: the section before it, the two bridge faces with the deck
// as their lids, and the section after it.

#include "deck/cards.h"
#include "deck/findings.h"
#include "deck/stop.h"
#include "deck/streams.h"
#include "sections/crossSection.h"
#include "text/fieldScan.h"

namespace tolvane {

/// State the bridge converter keeps for a whole run.
struct BRIDGE_CONVERTER {
  FIELD8 BRIDGE_RM = BLANK_FIELD8;
  float DECK_DIST = 0;
  float DECK_WIDTH = 0;
  LID_TABLE UPSTREAM_DECK;
  LID_TABLE DOWNSTREAM_DECK;
  bool pierSeen = false;
  int32_t upstreamCountBeforePiers = 0;
  int32_t downstreamCountBeforePiers = 0;
  float remainingLeft = 0;
  float remainingChannel = 0;
  float remainingRight = 0;
  CHAR_CLASS_TABLE classes;
  /// Set by the caller before each bridge: the section before the bridge is
  /// already in the deck, so writing it again repeats it.
  bool upstreamWritten = false;
  /// Set by the caller for the run: how the sections fit values into field 1.
  Field1Fit fit = Field1Fit::CUT;
};

/// Sets the converter to its start state.
void clearBridgeConverter(BRIDGE_CONVERTER& bridge);

/// Converts the bridge whose node header line is in `line`; the records hold
/// the section before the bridge. status: 30 when the section after the bridge
/// was read, 99 at the end of the input, 40 when a reach key line ended the
/// bridge's reach (the line is left in `line`). Returns false when a read error
/// stopped the run (the message is on the console, its plain words in `stop`).
/// What the deck cannot carry (abutments, pier widths varying with height,
/// deck values rewritten with fewer decimals, a missing downstream face) goes
/// to `findings`.
bool READ_BRIDGE(InputStream& in, OutputStream& out, OutputStream& console, LineBuffer& line,
                 CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED,
                 N_VALUE_SET& nValues, LID_TABLE& lid, BRIDGE_CONVERTER& bridge,
                 int32_t& status, RunStop& stop, const Findings& findings);

}  // namespace tolvane
