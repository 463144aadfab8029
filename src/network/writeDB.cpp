#include "deck/cards.h"
#include "network/junctionEnds.h"
#include "network/writeT1.h"

namespace tolvane {

void WRITE_DB(OutputStream& out, int32_t reach, const REACH_TABLE& reaches,
              const JUNCTION_TABLE& junctions) {
  CardLine card("DB");
  int32_t j = junctionAtEnd(reaches, reaches.DOWN_JUNCTION, reach);
  int32_t n = j > 0 ? listedReaches(junctions.DOWN_COUNT[j - 1]) : 0;
  if (j >= 0 && n <= 0) card.integer(0, FIELD1_WIDTH);
  for (int32_t k = 0; k < n; ++k)
    card.integer(junctions.DOWN_REACHES[j - 1][k], k == 0 ? FIELD1_WIDTH : FIELD_WIDTH);
  card.writeTo(out);
}

}  // namespace tolvane
