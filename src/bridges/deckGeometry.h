#pragma once
// Deck and pier geometry: piers folded into one side of a bridge deck as
// blocks, with the deck's elevations interpolated at the pier edges.

#include <cstdint>

#include "sections/crossSection.h"

namespace tolvane {

/// Y at x on the polyline (X, Y) of n points (0-based lists): linear within the
/// segment whose right end is the first station beyond x, extrapolated along
/// the first or last segment; one point gives its Y, a vertical segment the Y
/// on the side of x.
float INTERP_Y(const float* X, const float* Y, int32_t n, float x);

/// Inserts a pier of width W, elevation E and centre station S into the value
/// lists of a deck side as four points; false (nothing changed) when the side
/// has no point or no room for four more.
bool ADD_PIER_TO_DECK(LID_TABLE& deck, float W, float E, float S);

}  // namespace tolvane
