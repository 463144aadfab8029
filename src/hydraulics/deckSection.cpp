#include "hydraulics/deckSection.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "hydraulics/fieldNumber.h"

namespace tolvane {

namespace {

/// Field f (1-10) of a card: columns 3-8, then 8 columns each; the part the
/// card holds, possibly empty.
std::string_view cardField(std::string_view card, int f) {
  size_t first = f == 1 ? 2 : 8 + 8 * static_cast<size_t>(f - 2);
  size_t width = f == 1 ? 6 : 8;
  if (first >= card.size()) return {};
  return card.substr(first, std::min(width, card.size() - first));
}

/// Appends the fields of one more card of a run (the NH count and its pairs,
/// the GR pairs), which a reader takes field after field across its cards.
/// False when one is not a number.
bool addFields(std::string_view card, double* into, int32_t capacity, int32_t& count) {
  for (int f = 1; f <= 10; ++f) {
    std::string_view field = cardField(card, f);
    if (field.empty()) break;
    double value = 0;
    if (!fieldNumber(field, value)) return false;
    if (count < capacity) into[count] = value;
    ++count;
  }
  return true;
}

/// Reads field 1 of a full card, columns 3-8, as the 8 columns 1-8 with
/// the card's name blanked: the same text right-justified, read in one go.
/// False when it is not of that plain form; the field is then read in full.
bool openingNumber(std::string_view card, double& value) {
  if (card.size() < 8) return false;
  uint64_t x;
  std::memcpy(&x, card.data(), 8);
  if constexpr (std::endian::native != std::endian::little) return false;
  x = (x & ~uint64_t{0xFFFF}) | uint64_t{0x2020};
  return plainDecimalDetail::plainDecimalBits(x, value);
}

/// Appends the fields of one more GR card: elevation and station of each
/// point in turn. A field that holds the known text of its point takes the
/// known number. False when a field is not a number.
bool addGroundFields(std::string_view card, const KnownPoints& known, DeckSection& section,
                     int32_t& items) {
  SectionShape& shape = section.shape;
  for (int f = 1; f <= 10; ++f) {
    std::string_view field = cardField(card, f);
    if (field.empty()) break;
    int32_t point = items / 2;
    bool elevation = items % 2 == 0;
    ++items;
    if (point >= SHAPE_POINT_CAPACITY) continue;
    double& value = elevation ? shape.elevation[point] : shape.station[point];
    if (point < known.points && field.size() == 8) {
      const FIELD8& text = elevation ? known.elevation[point] : known.station[point];
      if (std::memcmp(text.data(), field.data(), 8) == 0) {
        value = elevation ? known.elevationValue[point] : known.stationValue[point];
        continue;
      }
    }
    if (section.unknownCount == 0 || section.unknown[section.unknownCount - 1] != point)
      section.unknown[section.unknownCount++] = point;
    if (f == 1 && openingNumber(card, value)) continue;
    if (!fieldNumber(field, value)) return false;
  }
  return true;
}

/// The length of the card at the start of `cards`: most are full GR cards
/// of 80 columns.
size_t cardLength(std::string_view cards) {
  if (cards.size() > 80 && cards[80] == '\n') return 80;
  size_t end = cards.find('\n');
  return end == std::string_view::npos ? cards.size() : end;
}

}  // namespace

DeckReadResult readDeckSection(std::string_view cards, DeckSection& section,
                               const KnownPoints& known) {
  SectionShape& shape = section.shape;
  double nh[2 * SHAPE_STRETCH_CAPACITY + 1];
  double nc[3] = {0, 0, 0};
  int32_t grItems = 0, nhItems = 0, nhCards = 0;
  bool haveX1 = false, haveNc = false;
  double declared = 0;
  section.unknownCount = 0;
  while (!cards.empty()) {
    size_t length = cardLength(cards);
    std::string_view card = cards.substr(0, length);
    cards.remove_prefix(std::min(length + 1, cards.size()));
    if (card.size() < 2) continue;
    char a = card[0], b = card[1];
    if (a == 'G' && b == 'R') {
      if (!addGroundFields(card, known, section, grItems)) return DeckReadResult::NOT_A_NUMBER;
    } else if (a == 'X' && b == '1') {
      haveX1 = true;
      double left = 0, right = 0;
      if (!fieldNumber(cardField(card, 2), declared) || !fieldNumber(cardField(card, 3), left) ||
          !fieldNumber(cardField(card, 4), right))
        return DeckReadResult::NOT_A_NUMBER;
      section.bankLeft = left;
      section.bankRight = right;
    } else if (a == 'N' && b == 'C') {
      haveNc = true;
      for (int f = 1; f <= 3; ++f)
        if (!fieldNumber(cardField(card, f), nc[f - 1])) return DeckReadResult::NOT_A_NUMBER;
    } else if (a == 'N' && b == 'H') {
      ++nhCards;
      if (!addFields(card, nh, 2 * SHAPE_STRETCH_CAPACITY + 1, nhItems))
        return DeckReadResult::NOT_A_NUMBER;
    }
  }
  if (!haveX1) return DeckReadResult::NO_X1;

  int32_t points = std::clamp(static_cast<int32_t>(declared), 0, SHAPE_POINT_CAPACITY);
  if (grItems < 2 * points) return DeckReadResult::SHORT_GR;
  shape.points = points;

  section.nhContinued = nhCards > 1;
  if (nhItems > 0) {
    // The count, then each value and the station where it ends.
    int32_t values = std::clamp(static_cast<int32_t>(nh[0]), 0, SHAPE_STRETCH_CAPACITY);
    values = std::min(values, (std::min(nhItems, 2 * SHAPE_STRETCH_CAPACITY + 1) - 1) / 2);
    shape.stretches = values;
    for (int32_t i = 0; i < values; ++i) {
      shape.n[i] = nh[1 + 2 * i];
      shape.start[i] = i == 0 ? 0 : nh[2 * i];
    }
  } else if (haveNc) {
    // Left overbank, right overbank, channel.
    shape.stretches = 3;
    shape.start[0] = 0;
    shape.start[1] = section.bankLeft;
    shape.start[2] = section.bankRight;
    shape.n[0] = nc[0];
    shape.n[1] = nc[2];
    shape.n[2] = nc[1];
  } else {
    shape.stretches = 0;
  }
  return DeckReadResult::READ;
}

}  // namespace tolvane
