#include "deck/findings.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "text/numbers.h"
#include "text/printfNumbers.h"

namespace tolvane {

namespace {

struct KindText {
  std::string_view name;
  bool change;
};

constexpr KindText kKinds[FINDING_KIND_COUNT] = {
    {"gr-elevation-cut", true},
    {"nh-field-cut", true},
    {"section-number-cut", true},
    {"section-number-shared", true},
    {"deck-value-rewritten", true},
    {"description-cut", true},
    {"blocked-elevation-cut", true},
    {"ineffective-not-carried", false},
    {"permanent-ineffective", false},
    {"blocked-not-carried", false},
    {"ineffective-replaced", false},
    {"levee", false},
    {"coefficients", false},
    {"culvert", false},
    {"node-skipped", false},
    {"pier-width-varies", false},
    {"abutment", false},
    {"bridge-description", false},
    {"capacity", false},
    {"no-section-end", false},
    {"bridge-at-reach-end", false},
    {"before-first-reach", false},
    {"reach-without-end", false},
    {"junction-name-unmatched", false},
    {"no-section", false},
};

}  // namespace

std::string_view findingName(FindingKind kind) { return kKinds[static_cast<int>(kind)].name; }

std::string_view findingName(FindingKind kind, Field1Fit fit) {
  if (fit == Field1Fit::ROUND && kind == FindingKind::GR_ELEVATION_CUT) return "gr-elevation-rounded";
  if (fit == Field1Fit::ROUND && kind == FindingKind::NH_FIELD_CUT) return "nh-field-rounded";
  return findingName(kind);
}

bool findingIsChange(FindingKind kind) { return kKinds[static_cast<int>(kind)].change; }

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
