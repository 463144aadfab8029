#pragma once
// Reading one cross-section node of the geometry file into the section records.

#include "deck/findings.h"
#include "deck/streams.h"
#include "sections/crossSection.h"

namespace tolvane {

/// Reads the section whose header line is in `line`, up to its "Exp/Cntr="
/// line (status 30), the next reach key line (status 40, the line left in
/// `line`) or the end of the input (status 99). Description lines are written
/// to `out` at once as comment cards. What the deck will not carry (area
/// lines of other forms, levees, coefficients, a missing end line) goes to
/// `findings`.
void READ_SECTION(InputStream& in, OutputStream& out, LineBuffer& line, CROSS_SECTION& section,
                  AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED, N_VALUE_SET& nValues,
                  LID_TABLE& lid, int32_t& status, const Findings& findings);

}  // namespace tolvane
