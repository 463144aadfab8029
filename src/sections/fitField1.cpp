#include "sections/sectionParts.h"
#include "text/decimalText.h"

namespace tolvane {

std::string_view fitField1(const FIELD8& field, Field1Fit fit, char (&room)[FIELD1_WIDTH]) {
  std::string_view text = trimmed(field);
  if (text.size() < FIELD1_WIDTH) return text;
  if (fit == Field1Fit::ROUND) {
    int n = roundToWidth(text, FIELD1_WIDTH, room);
    if (n > 0) return {room, static_cast<size_t>(n)};
  }
  return text.substr(0, FIELD1_WIDTH);
}

}  // namespace tolvane
