#include "sections/sectionParts.h"
#include "text/decimalText.h"

namespace tolvane {

std::string_view roundedField1(std::string_view text, char (&room)[FIELD1_WIDTH]) {
  int n = roundToWidth(text, FIELD1_WIDTH, room);
  return n > 0 ? std::string_view(room, static_cast<size_t>(n)) : text.substr(0, FIELD1_WIDTH);
}

}  // namespace tolvane
