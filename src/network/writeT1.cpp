#include "network/writeT1.h"

#include "deck/cards.h"

namespace tolvane {

void WRITE_T1(OutputStream& out, int32_t reach, std::string_view name) {
  CardLine card;
  card.raw("T1 ").raw("REACH#").integer(reach, 3).raw("     ").raw(" ===> ").raw(name);
  card.writeTo(out);
  out.writeLine("T2");
  out.writeLine("T3");
}

}  // namespace tolvane
