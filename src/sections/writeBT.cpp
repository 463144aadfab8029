#include "sections/writeBT.h"

#include <algorithm>

#include "deck/cards.h"

namespace tolvane {

namespace {

/// Points a BT card carries.
constexpr int32_t kPointsPerCard = 3;

}  // namespace

void WRITE_LID(OutputStream& out, const LID_TABLE& lid) {
  int32_t count = std::min(lid.COUNT, LID_CAPACITY);
  CardLine card("BT");
  card.integer(-static_cast<int64_t>(lid.COUNT), FIELD1_WIDTH);
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0 && i % kPointsPerCard == 0) {
      card.writeTo(out);
      card.restart("BT");
      card.text("", FIELD1_WIDTH);
    }
    card.text(view(lid.COL1[i]), FIELD_WIDTH)
        .text(view(lid.COL2[i]), FIELD_WIDTH)
        .text(view(lid.COL3[i]), FIELD_WIDTH);
  }
  card.writeTo(out);
}

}  // namespace tolvane
