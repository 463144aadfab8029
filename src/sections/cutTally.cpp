#include <cmath>

#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

namespace {

constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

/// When `text` is a plain decimal ("-12.345") and `shown` is its beginning,
/// point included, the cut leaves off decimals only: they are worth
/// `dropped` / 10^`decimals`, within a millionth of the change the two values
/// make. False for any other text or cut.
bool decimalsLeftOff(std::string_view text, std::string_view shown, int64_t& dropped, int& decimals) {
  if (shown.size() >= text.size() || text.size() > 8) return false;
  if (shown.data() != text.data() && text.substr(0, shown.size()) != shown) return false;
  size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i >= shown.size() || text[i] != '.') return false;
  decimals = static_cast<int>(text.size() - i - 1);
  dropped = 0;
  for (size_t k = i + 1; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    if (k >= shown.size()) dropped = dropped * 10 + (text[k] - '0');
  }
  return true;
}

/// The field's text between its first and last non-blank character.
std::string_view trimmedQuickly(const FIELD8& field) {
  size_t first = 0, end = field.size();
  while (first < end && field[first] == ' ') ++first;
  while (end > first && field[end - 1] == ' ') --end;
  return {field.data() + first, end - first};
}

}  // namespace

void CutTally::look(const FIELD8& value, std::string_view shown) {
  std::string_view text = trimmedQuickly(value);
  if (text.size() <= FIELD1_WIDTH) return;
  ++cuts_;
  // Most cuts change less than the largest so far, which a glance at the
  // digits left off tells without reading both values.
  // (Compared as dropped < (largest - 1e-6) x 10^decimals: no division.)
  int64_t dropped = 0;
  int decimals = 0;
  if (largest_ >= 0 && decimalsLeftOff(text, shown, dropped, decimals) &&
      static_cast<double>(dropped) < (largest_ - 1e-6) * kPowers[decimals])
    return;
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
