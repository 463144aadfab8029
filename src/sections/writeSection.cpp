#include "sections/writeSection.h"

#include "bridges/writeBT.h"
#include "sections/sectionParts.h"

namespace tolvane {

void WRITE_SECTION(OutputStream& out, CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE,
                   AREA_PAIR& BLOCKED, N_VALUE_SET& nValues, LID_TABLE& lid) {
  WRITE_N_VALUES(out, nValues);
  WRITE_X1(out, section);
  WRITE_X3(out, INEFFECTIVE, BLOCKED);
  if (lid.COUNT > 0) WRITE_LID(out, lid);
  WRITE_GRS(out, section.GROUND);
}

}  // namespace tolvane
