#pragma once
// The junction at one end of a reach, as the UB and DB writers read it.

#include "network/tables.h"

namespace tolvane {

/// The junction number stored for reach `reach` in `ends` (UP_JUNCTION or
/// DOWN_JUNCTION): 0 for a reach number outside the table, which the pre-pass
/// never counted; -1 when the end is at no junction.
inline int32_t junctionAtEnd(const REACH_TABLE& reaches, const int32_t* ends, int32_t reach) {
  if (reach < 1 || reach > reaches.REACH_COUNT || reach > REACH_CAPACITY) return 0;
  int32_t j = ends[reach - 1];
  return j > JUNCTION_CAPACITY ? 0 : j;
}

/// Reaches listed at a junction end: the count kept within the list's capacity.
inline int32_t listedReaches(int32_t count) {
  return count > JUNCTION_END_CAPACITY ? JUNCTION_END_CAPACITY : count;
}

}  // namespace tolvane
