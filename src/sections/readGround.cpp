#include <algorithm>

#include "sections/sectionParts.h"
#include "text/numbers.h"

namespace tolvane {

void READ_GROUND(InputStream& in, OutputStream& out, LineBuffer& line, CROSS_SECTION& section,
                 int32_t& status, const Findings& findings) {
  GROUND_PROFILE& ground = section.GROUND;
  int e = firstOf(line, '=');
  int p = lastDigit(line.content());
  ground.NPTS_TEXT = BLANK_FIELD8;
  if (e > 0 && p > e) ground.NPTS_TEXT = rightJustifiedPiece(line.columns(e + 1, p));
  int32_t announced = readIntegerField(view(ground.NPTS_TEXT));

  // Every announced line is read so that the file stays in step; points past
  // the capacity are dropped.
  int32_t lines = announced > 0 ? (announced + 4) / 5 : 0;
  int32_t read = 0;
  status = BLOCK_READ;
  for (; read < lines; ++read) {
    if (!in.readLine(line)) {
      status = END_OF_INPUT;
      break;
    }
    int32_t first = 5 * read;
    if (first >= GROUND_CAPACITY) continue;
    for (int j = 0; j < 5; ++j) {
      ground.STA[first + j] = valueField(line, 2 * j + 1);
      ground.ELEV[first + j] = valueField(line, 2 * j + 2);
    }
  }

  int32_t kept = std::min(announced, 5 * read);
  if (kept > GROUND_CAPACITY) {
    writeCapacityWarning(out, section.RM, GROUND_OVERFLOW, findings);
    kept = GROUND_CAPACITY;
  }
  ground.NPTS = kept;
}

}  // namespace tolvane
