#include "network/tables.h"

#include <cstddef>

namespace tolvane {

namespace {

template <std::size_t N>
void blank(std::array<char, N>& text) {
  text.fill(' ');
}

}  // namespace

void clearNetworkTables(REACH_TABLE& reaches, JUNCTION_TABLE& junctions) {
  reaches.REACH_COUNT = 0;
  for (int r = 0; r < REACH_CAPACITY; ++r) {
    blank(reaches.REACH_NAME[r]);
    reaches.SORT_KEY[r] = 0;
    reaches.FILE_NUMBER[r] = 0;
    reaches.UP_JUNCTION[r] = 0;
    reaches.DOWN_JUNCTION[r] = 0;
  }
  junctions.JUNCTION_COUNT = 0;
  for (int j = 0; j < JUNCTION_CAPACITY; ++j) {
    blank(junctions.JUNCTION_NAME[j]);
    junctions.UP_COUNT[j] = 0;
    junctions.DOWN_COUNT[j] = 0;
    for (int k = 0; k < JUNCTION_END_CAPACITY; ++k) {
      blank(junctions.UP_NAMES[j][k]);
      blank(junctions.DOWN_NAMES[j][k]);
      junctions.UP_REACHES[j][k] = 0;
      junctions.DOWN_REACHES[j][k] = 0;
    }
  }
}

}  // namespace tolvane
