#include <algorithm>

#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

namespace {

constexpr std::string_view kPlusLine = "* ++++++++++++++++++++++++++++++++++++++++++";

/// A comment block between two plus lines, then a bare NC card that holds the
/// section's place in the deck.
void writeBlankNc(OutputStream& out, std::string_view message) {
  writeFreeCard(out, kPlusLine);
  out.write("* ");
  out.writeLine(message);
  writeFreeCard(out, kPlusLine);
  writeFreeCard(out, "NC");
}

/// NH cards: the count, then value and end station of each n value; a value
/// that opens a further card is fitted into its 6-column field 1.
void writeNh(OutputStream& out, const N_VALUE_SET& nValues) {
  RepeatingCard nh(out, "NH");
  nh.integer(nValues.COUNT);
  int32_t count = std::min(nValues.COUNT, N_VALUE_CAPACITY);
  int item = 1;
  auto place = [&](const FIELD8& value) {
    nh.text(item++ % 10 == 0 ? fittedField1(value) : view(value));
  };
  for (int32_t i = 0; i < count; ++i) {
    place(nValues.N_VALUE[i]);
    place(nValues.END_STA[i]);
  }
  nh.finish();
}

/// One NC card: left overbank (its last six characters), right overbank,
/// channel.
void writeNc(OutputStream& out, const N_VALUE_SET& nValues) {
  CardLine nc("NC");
  nc.text(view(nValues.N_VALUE[0]).substr(2), FIELD1_WIDTH)
      .text(view(nValues.N_VALUE[2]), FIELD_WIDTH)
      .text(view(nValues.N_VALUE[1]), FIELD_WIDTH)
      .writeTo(out);
}

}  // namespace

void WRITE_N_VALUES(OutputStream& out, const N_VALUE_SET& nValues) {
  if (nValues.KH_FLAG == 1)
    writeBlankNc(out, "KH DATA NOT SUPPORTED IN MAVO. REPLACED WITH BLANK NC RECORD");
  else if (nValues.MODE != 0)
    writeNh(out, nValues);
  else if (nValues.COUNT != 0)
    writeNc(out, nValues);
  else
    writeBlankNc(out,
                 "No N Values defined for this section in BEK data, "
                 "BLANK NC RECORD written as spaceholder...");
}

}  // namespace tolvane
