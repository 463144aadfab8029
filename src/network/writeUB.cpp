#include "deck/cards.h"
#include "network/junctionEnds.h"
#include "network/writeT1.h"

namespace tolvane {

namespace {

void writeJunctionWarning(OutputStream& out) {
  static constexpr std::string_view kRule = "* +++++++++++++++++++++++++++++++++++++++++";
  out.writeLine(kRule);
  out.writeLine("* inadequate or incomplete junction data in");
  out.writeLine("* data file.  you must fix this UB record: ");
  out.writeLine(kRule);
}

}  // namespace

void WRITE_UB(OutputStream& out, int32_t reach, const REACH_TABLE& reaches,
              const JUNCTION_TABLE& junctions) {
  CardLine card("UB");
  int32_t j = junctionAtEnd(reaches, reaches.UP_JUNCTION, reach);
  if (j > 0) {
    int32_t n = listedReaches(junctions.UP_COUNT[j - 1]);
    if (n <= 0) {
      writeJunctionWarning(out);
      card.integer(0, FIELD1_WIDTH);
    }
    for (int32_t k = 0; k < n; ++k)
      card.integer(junctions.UP_REACHES[j - 1][k], k == 0 ? FIELD1_WIDTH : FIELD_WIDTH);
  } else if (j == 0) {
    card.integer(0, FIELD1_WIDTH);
  }
  card.writeTo(out);
}

}  // namespace tolvane
