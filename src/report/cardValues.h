#pragma once
// The numbers the deck's cards show, read back for the report's pictures:
// what the target model will read, not what the geometry file held.

#include <cstdint>

#include "deck/findings.h"
#include "text/field8.h"

namespace tolvane {

/// Reads a field of the deck as a number; false when it holds none.
bool fieldValue(const FIELD8& field, float& value);

/// The value GR elevation `i` shows on its card: an opening elevation (the
/// first point of each card) keeps only the first 6 characters of its text
/// without blanks, as field 1 does. False when it shows no number.
bool groundElevation(const SectionCards& cards, int32_t i, float& value);

/// The lowest of the section's ground elevations as `groundElevation` reads
/// them; NaN when none shows a number. Called for every section: plain
/// fields are compared as texts and only the few lowest become numbers.
float lowestElevation(const SectionCards& cards);

}  // namespace tolvane
