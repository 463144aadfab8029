#pragma once
// The river network: reaches and the junctions that connect them. Reach and
// junction numbers run from 1; the arrays are 0-based (number r is [r-1]).

#include <array>
#include <cstdint>

namespace tolvane {

/// Capacity of the reach table.
inline constexpr int REACH_CAPACITY = 500;
/// Capacity of the junction table.
inline constexpr int JUNCTION_CAPACITY = 300;
/// Reaches listed at one end of a junction.
inline constexpr int JUNCTION_END_CAPACITY = 7;

/// A cleaned reach name, 33 characters, blank-padded.
using REACH_NAME_TEXT = std::array<char, 33>;
/// A junction name, 16 characters, blank-padded.
using JUNCTION_NAME_TEXT = std::array<char, 16>;

/// Reaches in deck order.
struct REACH_TABLE {
  int32_t REACH_COUNT = 0;
  REACH_NAME_TEXT REACH_NAME[REACH_CAPACITY];
  int64_t SORT_KEY[REACH_CAPACITY];
  /// Which range of the reach file holds the reach: its position among the
  /// reach key lines of the input (1, 2, ...), 0 when it has none.
  int32_t FILE_NUMBER[REACH_CAPACITY];
  int32_t UP_JUNCTION[REACH_CAPACITY];
  int32_t DOWN_JUNCTION[REACH_CAPACITY];
};

/// Junctions in input order with the reaches named at each end.
struct JUNCTION_TABLE {
  int32_t JUNCTION_COUNT = 0;
  JUNCTION_NAME_TEXT JUNCTION_NAME[JUNCTION_CAPACITY];
  int32_t UP_COUNT[JUNCTION_CAPACITY];
  int32_t DOWN_COUNT[JUNCTION_CAPACITY];
  REACH_NAME_TEXT UP_NAMES[JUNCTION_CAPACITY][JUNCTION_END_CAPACITY];
  REACH_NAME_TEXT DOWN_NAMES[JUNCTION_CAPACITY][JUNCTION_END_CAPACITY];
  int32_t UP_REACHES[JUNCTION_CAPACITY][JUNCTION_END_CAPACITY];
  int32_t DOWN_REACHES[JUNCTION_CAPACITY][JUNCTION_END_CAPACITY];
};

/// Sets both tables to their start state: names blank, numbers 0.
void clearNetworkTables(REACH_TABLE& reaches, JUNCTION_TABLE& junctions);

}  // namespace tolvane
