#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

namespace {

constexpr std::string_view kDashLine = "* *-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-";

}  // namespace

FIELD8 x1SectionNumber(const FIELD8& RM) {
  FIELD8 number = RM;
  leftJustify(number);
  std::span<char> six(number.data(), FIELD1_WIDTH);
  rightJustify(six);
  return number;
}

void WRITE_X1(OutputStream& out, CROSS_SECTION& section, const Findings& findings) {
  FIELD8& RM = section.RM;
  const FIELD8 station = RM;
  char* star = static_cast<char*>(std::memchr(RM.data(), '*', RM.size()));
  if (star) {
    *star = ' ';
    writeFreeCard(out, kDashLine);
    out.write("*  CROSS SECTION AT RM=");
    out.write(view(RM));
    out.writeLine(" IS INTEPOLATED!");
    writeFreeCard(out, kDashLine);
  }
  FIELD8 number = x1SectionNumber(RM);
  if (findings.active() && trimmed(RM).size() > FIELD1_WIDTH) {
    findings.note(FindingKind::SECTION_NUMBER_CUT, view(station),
                  DetailText()
                      .quoted(view(RM))
                      .text(" written as ")
                      .quoted(view(number).substr(0, FIELD1_WIDTH))
                      .view());
  }
  CardLine x1("X1");
  x1.raw(view(number).substr(0, FIELD1_WIDTH))
      .integer(section.GROUND.NPTS, FIELD_WIDTH)
      .text(view(section.BANK_LEFT), FIELD_WIDTH)
      .text(view(section.BANK_RIGHT), FIELD_WIDTH)
      .text(view(section.LENGTH_LEFT), FIELD_WIDTH)
      .text(view(section.LENGTH_RIGHT), FIELD_WIDTH)
      .text(view(section.LENGTH_CHANNEL), FIELD_WIDTH)
      .writeTo(out);
}

}  // namespace tolvane
