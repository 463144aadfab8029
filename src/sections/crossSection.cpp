#include "sections/crossSection.h"

#include <algorithm>

namespace tolvane {

void clearLidTable(LID_TABLE& lid) {
  lid.COUNT = 0;
  std::fill(std::begin(lid.COL1), std::end(lid.COL1), BLANK_FIELD8);
  std::fill(std::begin(lid.COL2), std::end(lid.COL2), BLANK_FIELD8);
  std::fill(std::begin(lid.COL3), std::end(lid.COL3), BLANK_FIELD8);
  std::fill(std::begin(lid.COL1_VALUE), std::end(lid.COL1_VALUE), 0.0f);
  std::fill(std::begin(lid.COL2_VALUE), std::end(lid.COL2_VALUE), 0.0f);
  std::fill(std::begin(lid.COL3_VALUE), std::end(lid.COL3_VALUE), 0.0f);
}

void clearSectionRecords(SECTION_RECORDS& records) {
  records.section = CROSS_SECTION{};
  std::fill(std::begin(records.section.GROUND.STA), std::end(records.section.GROUND.STA), BLANK_FIELD8);
  std::fill(std::begin(records.section.GROUND.ELEV), std::end(records.section.GROUND.ELEV), BLANK_FIELD8);
  records.INEFFECTIVE = AREA_PAIR{};
  records.BLOCKED = AREA_PAIR{};
  records.nValues = N_VALUE_SET{};
  std::fill(std::begin(records.nValues.END_STA), std::end(records.nValues.END_STA), BLANK_FIELD8);
  std::fill(std::begin(records.nValues.N_VALUE), std::end(records.nValues.N_VALUE), BLANK_FIELD8);
  clearLidTable(records.lid);
}

}  // namespace tolvane
