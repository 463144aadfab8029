#include "report/cardValues.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "text/plainDecimal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvane {

namespace {

/// Reads a short text holding a plain decimal number, blanks around it
/// allowed, in one pass; other forms go to the full reading.
bool shortNumber(std::string_view text, float& value) {
  double quick = 0;
  if (plainDecimalField(text, quick)) {
    value = static_cast<float>(quick);
    return true;
  }
  double v = 0;
  if (!decimalValue(text, v) || !std::isfinite(v)) return false;
  value = static_cast<float>(v);
  return true;
}

/// One bit per byte of an 8-character field loaded little-endian (bit i for
/// character i) where the per-byte test `flags` holds 0x80.
inline unsigned byteBits(uint64_t flags) {
  return static_cast<unsigned>((((flags >> 7) & 0x0101010101010101ULL) * 0x0102040810204080ULL) >> 56);
}

/// 0x80 in each byte of `x` that equals `c`, 0 elsewhere.
inline uint64_t bytesEqual(uint64_t x, unsigned char c) {
  uint64_t y = x ^ (0x0101010101010101ULL * c);
  uint64_t nonzero = ((y & 0x7F7F7F7F7F7F7F7FULL) + 0x7F7F7F7F7F7F7F7FULL) | y;
  return ~nonzero & 0x8080808080808080ULL;
}

/// A right-justified plain decimal field ("  -12.34", "     125") read in
/// one go: `key` orders the fields that have their point at the same place
/// as their values do, `point` is that place (8 without one). False for any
/// other form, and for a negative zero.
inline bool plainField(uint64_t x, int64_t& key, int& point) {
  uint64_t highThree = bytesEqual(x & 0xF0F0F0F0F0F0F0F0ULL, 0x30);
  uint64_t lowUpToNine = ~(((x & 0x0F0F0F0F0F0F0F0FULL) + 0x0606060606060606ULL) << 3);
  unsigned digits = byteBits(highThree & lowUpToNine & 0x8080808080808080ULL);
  unsigned blanks = byteBits(bytesEqual(x, ' '));
  unsigned minus = byteBits(bytesEqual(x, '-'));
  unsigned dot = byteBits(bytesEqual(x, '.'));
  if ((blanks & (blanks + 1)) != 0 || (minus != 0 && minus != blanks + 1) ||
      (dot & (dot - 1)) != 0 || digits == 0 || (blanks | minus | dot | digits) != 0xFF)
    return false;
  // The digits as one 8-digit number, the point and the rest counting as 0.
  uint64_t v = x & 0x0F0F0F0F0F0F0F0FULL & (((highThree & lowUpToNine & 0x8080808080808080ULL) >> 7) * 0xFF);
  v = v * 10 + (v >> 8);
  v = (((v & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
       (((v >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >> 32;
  if (minus != 0 && v == 0) return false;
  key = minus != 0 ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
  point = dot == 0 ? 8 : std::countr_zero(dot);
  return true;
}

/// The value of a field `plainField` read: its digits without the point,
/// over the power of ten of its decimals.
double plainFieldValue(int64_t key, int point) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  static constexpr uint64_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
  uint64_t v = static_cast<uint64_t>(key < 0 ? -key : key);
  int decimals = point == 8 ? 0 : 7 - point;
  uint64_t mantissa = point == 8 ? v : v / kTens[decimals + 1] * kTens[decimals] + v % kTens[decimals];
  double magnitude = static_cast<double>(mantissa) / kPowers[decimals];
  return key < 0 ? -magnitude : magnitude;
}

/// The 8 characters of a field as one number, character i in byte i.
inline uint64_t loadField(const char* p) {
  uint64_t x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&x, p, sizeof x);
  } else {
    for (int i = 7; i >= 0; --i) x = x << 8 | static_cast<unsigned char>(p[i]);
  }
  return x;
}

/// The bytes of `x` in the other order.
inline uint64_t swapBytes(uint64_t x) {
  x = (x & 0x00FF00FF00FF00FFULL) << 8 | ((x >> 8) & 0x00FF00FF00FF00FFULL);
  x = (x & 0x0000FFFF0000FFFFULL) << 16 | ((x >> 16) & 0x0000FFFF0000FFFFULL);
  return x << 32 | x >> 32;
}

/// A right-justified plain decimal field without a sign ("  123.45",
/// " 0012.5", "     125") checked in one go: blanks, then digits with at
/// most one point. `point` is the point's place (8 without one); `key` is
/// the text with its blanks read as zeros, first character highest, so that
/// among fields with the point at the same place it orders them as their
/// values do.
inline bool plainUnsignedField(uint64_t x, uint64_t& key, int& point) {
  uint64_t y = x ^ 0x3030303030303030ULL;  // the digits become 0 to 9
  uint64_t nonDigit = (((y & 0x7F7F7F7F7F7F7F7FULL) + 0x7676767676767676ULL) | y) & 0x8080808080808080ULL;
  uint64_t blank = bytesEqual(x, ' ');
  uint64_t dot = bytesEqual(x, '.');
  uint64_t blankBytes = (blank >> 7) * 0xFF;
  bool blanksLead = (blankBytes & (blankBytes + 1)) == 0;
  if (nonDigit != (blank | dot) || nonDigit == 0x8080808080808080ULL || !blanksLead ||
      (dot & (dot - 1)) != 0)
    return false;
  key = swapBytes(x | 0x1010101010101010ULL);  // ' ' becomes '0'; digits stay
  point = std::countr_zero(dot) >> 3;
  return true;
}

/// An opening elevation as its card shows it, right-justified: the first 6
/// characters of its text. (The field holds its text left-justified, or
/// right-justified in 6 columns.)
inline uint64_t shownOpening(uint64_t x) {
  uint64_t filled = ~bytesEqual(x, ' ') & 0x8080808080808080ULL;
  if (filled == 0) return x;
  int leading = std::countr_zero(filled) >> 3;
  int trailing = std::countl_zero(filled) >> 3;
  int length = 8 - leading - trailing;
  int drop = trailing + (length > 6 ? length - 6 : 0);
  if (drop == 0) return x;
  return x << (8 * drop) | (0x2020202020202020ULL >> (64 - 8 * drop));
}

/// The value of the field whose key `plainUnsignedField` gave.
double unsignedFieldValue(uint64_t key, int point) {
  uint64_t x = swapBytes(key);
  if (point < 8) x = (x & ~(0xFFULL << (8 * point))) | (uint64_t{'.'} << (8 * point));
  int64_t digits = 0;
  int place = 8;
  plainField(x, digits, place);
  return plainFieldValue(digits, place);
}

#if defined(__SSE2__)
/// Bit k for character k of two fields side by side: blanks, points, digits.
struct CharacterMasks {
  unsigned blanks, dots, digits;
};

inline CharacterMasks masksOfTwo(const char* fields) {
  __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(fields));
  __m128i fromZero = _mm_sub_epi8(v, _mm_set1_epi8('0'));
  __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero);
  return {static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')))),
          static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('.')))),
          static_cast<unsigned>(_mm_movemask_epi8(digit))};
}
#endif

/// The lowest elevation among those of a section read so far.
struct Lowest {
  static constexpr uint64_t kNoText = std::numeric_limits<uint64_t>::max();
  static constexpr int64_t kNoDigits = std::numeric_limits<int64_t>::max();
  /// For each place of the point, the key of the lowest plain unsigned field.
  /// Kept apart for each of the five places on a card, so that the fields of
  /// a card are compared side by side rather than one after the other.
  uint64_t text[5][9];
  /// For each place of the point, the digits of the lowest signed plain field.
  int64_t digits[9] = {kNoDigits, kNoDigits, kNoDigits, kNoDigits, kNoDigits,
                       kNoDigits, kNoDigits, kNoDigits, kNoDigits};
  /// The lowest of the others.
  double value = std::numeric_limits<double>::infinity();
  /// True once a signed or other field read as a number.
  bool any = false;

  Lowest() { std::fill(&text[0][0], &text[0][0] + 5 * 9, kNoText); }

  /// Takes in the opening elevation `i` of a card.
  void addOpening(const SectionCards& cards, int32_t i) {
    uint64_t key = 0;
    int point = 0;
    if (plainUnsignedField(shownOpening(loadField(cards.elev[i].data())), key, point)) {
      text[0][point] = std::min(text[0][point], key);
    } else {
      addOther(cards, i);
    }
  }
  /// Takes in the opening elevation `i` of a card, whose characters' masks
  /// (bit k for character k) of blanks, points and digits are given.
  void addOpeningMasked(const SectionCards& cards, int32_t i, unsigned blankBits, unsigned dotBits,
                        unsigned digitBits) {
    // Plain when its text runs without blanks and the 6 characters shown
    // hold digits and at most one point.
    unsigned filled = ~blankBits & 0xFF;
    int lead = std::countr_zero(filled | 0x100u);
    unsigned run = filled >> lead;
    unsigned shown = filled & (0x3Fu << lead);
    unsigned shownDots = dotBits & shown;
    if (filled == 0 || (run & (run + 1)) != 0 || (digitBits | dotBits) != filled ||
        (digitBits & shown) == 0 || (shownDots & (shownDots - 1)) != 0)
      return addOther(cards, i);
    // The characters shown, right-justified, blanks read as zeros.
    int length = std::min(6, std::countr_one(run));
    uint64_t x = loadField(cards.elev[i].data()) >> (8 * lead) << (8 * (8 - length));
    x |= 0x3030303030303030ULL >> (8 * length);
    int point = shownDots == 0 ? 8 : 8 - length + std::countr_zero(shownDots) - lead;
    text[0][point] = std::min(text[0][point], swapBytes(x | 0x1010101010101010ULL));
  }
  /// Takes in elevation `i`, not an opening one, at place `slot` of its card.
  void add(const SectionCards& cards, int32_t i, int slot) {
    uint64_t key = 0;
    int point = 0;
    if (plainUnsignedField(loadField(cards.elev[i].data()), key, point)) {
      text[slot][point] = std::min(text[slot][point], key);
    } else {
      addOther(cards, i);
    }
  }
  /// Takes in elevation `i`, not an opening one, at place `slot` of its
  /// card, whose characters' masks (bit k for character k) of blanks, points
  /// and digits are given.
  void addMasked(const SectionCards& cards, int32_t i, int slot, unsigned blankBits, unsigned dotBits,
                 unsigned digitBits) {
    bool plain = (blankBits | dotBits | digitBits) == 0xFF && digitBits != 0 &&
                 (blankBits & (blankBits + 1)) == 0 && (dotBits & (dotBits - 1)) == 0;
    if (!plain) return addOther(cards, i);
    int point = std::countr_zero(dotBits | 0x100u);
    uint64_t key = swapBytes(loadField(cards.elev[i].data()) | 0x1010101010101010ULL);
    text[slot][point] = std::min(text[slot][point], key);
  }
  /// Takes in elevation `i`, whatever form it has, except a plain unsigned one.
  void addOther(const SectionCards& cards, int32_t i);
  /// The lowest of all, NaN when none.
  float result() const;
};

void Lowest::addOther(const SectionCards& cards, int32_t i) {
  bool opening = i % 5 == 0;
  int64_t key = 0;
  int point = 0;
  if (!opening && plainField(loadField(cards.elev[i].data()), key, point)) {
    if (key < digits[point]) digits[point] = key;
    any = true;
    return;
  }
  float y = 0;
  if (!groundElevation(cards, i, y)) return;
  if (y < value) value = y;
  any = true;
}

float Lowest::result() const {
  double lowest = value;
  bool found = any;
  for (int point = 0; point < 9; ++point) {
    uint64_t key = std::min({text[0][point], text[1][point], text[2][point], text[3][point], text[4][point]});
    if (key != kNoText) {
      lowest = std::min(lowest, unsignedFieldValue(key, point));
      found = true;
    }
    if (digits[point] != kNoDigits) lowest = std::min(lowest, plainFieldValue(digits[point], point));
  }
  return found ? static_cast<float>(lowest) : std::nanf("");
}

}  // namespace

bool fieldValue(const FIELD8& field, float& value) { return shortNumber(view(field), value); }

bool groundElevation(const SectionCards& cards, int32_t i, float& value) {
  if (i % 5 != 0) return fieldValue(cards.elev[i], value);
  return shortNumber(withoutBlanks(view(cards.elev[i])).substr(0, 6), value);
}

// Nearly every elevation is a plain right-justified decimal without a sign:
// those are compared as texts, the lowest kept for each place of the point,
// and only those few become numbers at the end. Signed fields are compared
// as integers the same way; anything else is read in full.
float lowestElevation(const SectionCards& cards) {
  Lowest lowest;
  for (int32_t first = 0; first < cards.points; first += 5) {
    int32_t end = std::min(first + 5, cards.points);
#if defined(__SSE2__)
    if (end - first == 5) {
      // A whole card: the masks of its five fields from three loads of two.
      CharacterMasks a = masksOfTwo(cards.elev[first].data());
      CharacterMasks b = masksOfTwo(cards.elev[first + 2].data());
      CharacterMasks c = masksOfTwo(cards.elev[first + 3].data());
      lowest.addOpeningMasked(cards, first, a.blanks & 0xFF, a.dots & 0xFF, a.digits & 0xFF);
      lowest.addMasked(cards, first + 1, 1, a.blanks >> 8, a.dots >> 8, a.digits >> 8);
      lowest.addMasked(cards, first + 2, 2, b.blanks & 0xFF, b.dots & 0xFF, b.digits & 0xFF);
      lowest.addMasked(cards, first + 3, 3, b.blanks >> 8, b.dots >> 8, b.digits >> 8);
      lowest.addMasked(cards, first + 4, 4, c.blanks >> 8, c.dots >> 8, c.digits >> 8);
      continue;
    }
#endif
    lowest.addOpening(cards, first);
    int32_t i = first + 1;
    for (; i < end; ++i) lowest.add(cards, i, i - first);
  }
  return lowest.result();
}

}  // namespace tolvane
