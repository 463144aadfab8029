#pragma once
// Reach header and reach-end cards.

#include <string_view>

#include "deck/streams.h"
#include "network/tables.h"

namespace tolvane {

/// Writes T1 (reach number and the 33 name columns), T2 and T3.
void WRITE_T1(OutputStream& out, int32_t reach, std::string_view name);
/// Writes the reach's UB card, after the junction warning block where needed.
void WRITE_UB(OutputStream& out, int32_t reach, const REACH_TABLE& reaches,
              const JUNCTION_TABLE& junctions);
/// Writes the reach's DB card.
void WRITE_DB(OutputStream& out, int32_t reach, const REACH_TABLE& reaches,
              const JUNCTION_TABLE& junctions);

}  // namespace tolvane
