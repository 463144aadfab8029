#include <cmath>

#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

void CutTally::look(const FIELD8& value, std::string_view shown) {
  std::string_view text = trimmed(value);
  if (text.size() <= FIELD1_WIDTH) return;
  ++cuts_;
  double full = 0, kept = 0;
  double change = decimalValue(text, full) && decimalValue(shown, kept) ? std::fabs(full - kept) : 0;
  if (change > largest_) {
    largest_ = change;
    before_ = makeField8(text);
    after_ = makeField8(shown);
  }
}

void CutTally::report(const Findings& findings, FindingKind kind, const FIELD8& station,
                      std::string_view what, int32_t outOf) const {
  if (cuts_ == 0) return;
  DetailText detail;
  detail.number(cuts_).text(" of ").number(outOf).text(" ").text(what).text("; largest change ");
  detail.amount(largest_).text(" (").quoted(view(before_)).text(" written as ");
  detail.quoted(view(after_)).text(")");
  findings.note(kind, view(station), detail.view());
}

}  // namespace tolvane
