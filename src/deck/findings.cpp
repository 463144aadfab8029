#include "deck/findings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "text/numbers.h"
#include "text/printfNumbers.h"

namespace tolvane {

namespace {

constexpr FindingClass kDropped = FindingClass::DROPPED;
constexpr FindingClass kChanged = FindingClass::CHANGED;
constexpr FindingClass kWarning = FindingClass::WARNING;

struct KindText {
  std::string_view name;
  FindingClass what;
};

constexpr KindText kKinds[FINDING_KIND_COUNT] = {
    {"gr-elevation-cut", kChanged},
    {"nh-field-cut", kChanged},
    {"section-number-cut", kChanged},
    {"section-number-shared", kChanged},
    {"deck-value-rewritten", kChanged},
    {"description-cut", kChanged},
    {"blocked-elevation-cut", kChanged},
    {"hydraulics-changed", kChanged},
    {"ineffective-not-carried", kDropped},
    {"permanent-ineffective", kDropped},
    {"blocked-not-carried", kDropped},
    {"ineffective-replaced", kDropped},
    {"levee", kDropped},
    {"coefficients", kDropped},
    {"culvert", kDropped},
    {"node-skipped", kDropped},
    {"pier-width-varies", kDropped},
    {"abutment", kDropped},
    {"bridge-description", kDropped},
    {"capacity", kDropped},
    {"no-section-end", kDropped},
    {"bridge-at-reach-end", kDropped},
    {"before-first-reach", kDropped},
    {"reach-without-end", kDropped},
    {"junction-name-unmatched", kDropped},
    {"no-section", kDropped},
    {"n-not-positive", kWarning},
    {"n-stations-decreasing", kWarning},
    {"ground-stations-decreasing", kWarning},
    {"no-ground-points", kWarning},
    {"lowest-point-at-end", kWarning},
};

}  // namespace

std::string_view findingName(FindingKind kind) { return kKinds[static_cast<int>(kind)].name; }

std::string_view findingName(FindingKind kind, Field1Fit fit) {
  if (fit == Field1Fit::ROUND && kind == FindingKind::GR_ELEVATION_CUT) return "gr-elevation-rounded";
  if (fit == Field1Fit::ROUND && kind == FindingKind::NH_FIELD_CUT) return "nh-field-rounded";
  return findingName(kind);
}

FindingClass findingClass(FindingKind kind) { return kKinds[static_cast<int>(kind)].what; }

std::string_view className(FindingClass c) {
  return c == FindingClass::DROPPED ? "DROPPED" : c == FindingClass::CHANGED ? "CHANGED" : "WARNING";
}

DetailText& DetailText::text(std::string_view item) {
  size_t n = item.size() < kCapacity - length_ ? item.size() : kCapacity - length_;
  if (n == 0) return *this;  // an empty view may have no data at all
  std::memcpy(buffer_ + length_, item.data(), n);
  length_ += n;
  return *this;
}

DetailText& DetailText::quoted(std::string_view value) {
  return text("\"").text(withoutBlanks(value)).text("\"");
}

DetailText& DetailText::number(int64_t value) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  return text({digits, static_cast<size_t>(end - digits)});
}

DetailText& DetailText::amount(double value) {
  char digits[PRINTF_NUMBER_CAPACITY];
  return text({digits, formatSixDigits(value, digits)});
}

DetailText& DetailText::nodeType(std::string_view field) {
  int32_t type = 0;
  return readWholeIntegerField(field, type) ? number(type) : quoted(field);
}

std::string_view withoutBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return text.substr(0, 0);
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool decimalValue(std::string_view text, double& value) {
  text = withoutBlanks(text);
  // Only a plain decimal number is taken: sign, digits, point, exponent.
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // At most this many digits are gathered into an integer: a double holds
  // them exactly, and an int64_t could not hold more than 18 of them. A longer
  // number is left to strtod.
  constexpr int kExactDigits = 15;
  int digits = 0;
  int decimals = 0;
  int64_t mantissa = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
    if (digits < kExactDigits) mantissa = mantissa * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits, ++decimals)
      if (digits < kExactDigits) mantissa = mantissa * 10 + (text[i] - '0');
  }
  if (digits == 0) return false;
  if (i == text.size() && digits <= kExactDigits) {
    // The digits as an integer divided by an exact power of ten: rounded as
    // correctly as the library would round the text.
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    double magnitude = static_cast<double>(mantissa) / kPowers[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    int exponentDigits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != text.size()) return false;
  char copy[72];
  if (text.size() >= sizeof copy) return false;
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  value = std::strtod(copy, nullptr);
  return std::isfinite(value);
}

}  // namespace tolvane
