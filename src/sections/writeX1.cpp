#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

namespace {

constexpr std::string_view kDashLine = "* *-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-";

/// The section number: RM left-justified, cut to 6 characters, those
/// right-justified.
FIELD8 sectionNumber(const FIELD8& RM) {
  FIELD8 number = RM;
  leftJustify(number);
  std::span<char> six(number.data(), FIELD1_WIDTH);
  rightJustify(six);
  return number;
}

}  // namespace

void WRITE_X1(OutputStream& out, CROSS_SECTION& section) {
  FIELD8& RM = section.RM;
  char* star = static_cast<char*>(std::memchr(RM.data(), '*', RM.size()));
  if (star) {
    *star = ' ';
    writeFreeCard(out, kDashLine);
    out.write("*  CROSS SECTION AT RM=");
    out.write(view(RM));
    out.writeLine(" IS INTEPOLATED!");
    writeFreeCard(out, kDashLine);
  }
  CardLine x1("X1");
  x1.raw(view(sectionNumber(RM)).substr(0, FIELD1_WIDTH))
      .integer(section.GROUND.NPTS, FIELD_WIDTH)
      .text(view(section.BANK_LEFT), FIELD_WIDTH)
      .text(view(section.BANK_RIGHT), FIELD_WIDTH)
      .text(view(section.LENGTH_LEFT), FIELD_WIDTH)
      .text(view(section.LENGTH_RIGHT), FIELD_WIDTH)
      .text(view(section.LENGTH_CHANNEL), FIELD_WIDTH)
      .writeTo(out);
}

}  // namespace tolvane
