#pragma once
// Lid records: a lid table written as BT cards.

#include "deck/streams.h"
#include "sections/crossSection.h"

namespace tolvane {

/// Writes the lid's BT cards: -COUNT in field 1 of the first card, three
/// points (nine texts) a card, texts copied exactly.
void WRITE_LID(OutputStream& out, const LID_TABLE& lid);

}  // namespace tolvane
