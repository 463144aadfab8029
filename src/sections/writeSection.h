#pragma once
// Writing one cross section as cards: NC/NH, X1, X3, BT and GR.

#include "deck/cards.h"
#include "deck/findings.h"
#include "deck/streams.h"
#include "sections/crossSection.h"

namespace tolvane {

/// Writes the section's cards. `lid` is the section's own lid table or, for a
/// bridge face, a deck side. Blanks the first "*" of RM, rewrites the first
/// elevation of each GR card and negates the blocked elevations in place.
/// `fit` fits the values that open GR and continuation NH cards into field 1.
/// Tells `findings` what the cards cut, then the cards themselves as `role`.
void WRITE_SECTION(OutputStream& out, CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE,
                   AREA_PAIR& BLOCKED, N_VALUE_SET& nValues, LID_TABLE& lid, Field1Fit fit,
                   const Findings& findings, SectionRole role);

}  // namespace tolvane
