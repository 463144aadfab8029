#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

void negateElevation(FIELD8& elevation) {
  if (std::memchr(elevation.data(), '-', elevation.size())) return;
  rightJustify(elevation);
  std::string_view digits = trimmed(elevation);
  if (digits.size() == elevation.size()) {
    // No room for the sign: the last character gives way.
    elevation[7] = ' ';
    rightJustify(elevation);
    digits = trimmed(elevation);
  }
  elevation[elevation.size() - digits.size() - 1] = '-';
}

void WRITE_X3(OutputStream& out, const AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED) {
  if (!INEFFECTIVE.PRESENT && !BLOCKED.PRESENT) return;
  FIELD8 leftSta = BLANK_FIELD8, leftElev = BLANK_FIELD8;
  FIELD8 rightSta = BLANK_FIELD8, rightElev = BLANK_FIELD8;
  if (INEFFECTIVE.PRESENT) {
    leftSta = INEFFECTIVE.LEFT_STA;
    leftElev = INEFFECTIVE.LEFT_ELEV;
    rightSta = INEFFECTIVE.RIGHT_STA;
    rightElev = INEFFECTIVE.RIGHT_ELEV;
  }
  if (BLOCKED.PRESENT) {
    negateElevation(BLOCKED.LEFT_ELEV);
    negateElevation(BLOCKED.RIGHT_ELEV);
    if (!isBlank(view(BLOCKED.LEFT_STA))) {
      leftSta = BLOCKED.LEFT_STA;
      leftElev = BLOCKED.LEFT_ELEV;
    }
    if (!isBlank(view(BLOCKED.RIGHT_STA))) {
      rightSta = BLOCKED.RIGHT_STA;
      rightElev = BLOCKED.RIGHT_ELEV;
    }
  }
  // Fields 1 to 3 and 8 to 9 stay blank but are written.
  CardLine x3("X3");
  x3.text(view(BLANK_FIELD8), FIELD1_WIDTH)
      .text(view(BLANK_FIELD8), FIELD_WIDTH)
      .text(view(BLANK_FIELD8), FIELD_WIDTH)
      .text(view(leftSta), FIELD_WIDTH)
      .text(view(leftElev), FIELD_WIDTH)
      .text(view(rightSta), FIELD_WIDTH)
      .text(view(rightElev), FIELD_WIDTH)
      .text(view(BLANK_FIELD8), FIELD_WIDTH)
      .text(view(BLANK_FIELD8), FIELD_WIDTH)
      .writeTo(out);
}

}  // namespace tolvane
