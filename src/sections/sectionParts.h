#pragma once
// The inner routines of the section reader and writer, and the small field
// helpers they share.

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "deck/cards.h"
#include "deck/findings.h"
#include "deck/streams.h"
#include "sections/crossSection.h"
#include "text/field8.h"
#include "text/stringUtils.h"

namespace tolvane {

// ---- reading ---------------------------------------------------------------

/// Reads the ground points announced by the "#Sta/Elev=" line in `line`;
/// replaces GROUND as a block. Status 0, or 99 at the end of the input.
void READ_GROUND(InputStream& in, OutputStream& out, LineBuffer& line, CROSS_SECTION& section,
                 int32_t& status, const Findings& findings);

/// Reads the n values announced by the "#Mann=" line in `line`, ending the
/// varying form at the section's last ground station. Status 0 or 99.
void READ_N_VALUES(InputStream& in, OutputStream& out, LineBuffer& line, N_VALUE_SET& nValues,
                   CROSS_SECTION& section, int32_t& status, const Findings& findings);

/// Reads the value lines of `count` triplets, nine fields a line, into A, B and
/// C; entries beyond a list's size are read and dropped (an empty list drops
/// its column). `triplets` = 3 x the lines read. Status 0, or 99 when the input
/// ends before the last line.
void READ3OF3(InputStream& in, LineBuffer& line, int32_t count, std::span<FIELD8> A,
              std::span<FIELD8> B, std::span<FIELD8> C, int32_t& triplets, int32_t& status);

/// Splits three comma-separated values of S, each right-justified.
void GET3STRINGS(std::string_view S, FIELD8& S1, FIELD8& S2, FIELD8& S3);

/// Writes the comment card that a section over one of its capacities gets;
/// `tail` says which capacity. The finding carries the same words.
void writeCapacityWarning(OutputStream& out, const FIELD8& RM, std::string_view tail,
                          const Findings& findings);

/// Warning tails for the three capacities.
inline constexpr std::string_view GROUND_OVERFLOW =
    " HAS MORE THAN 500 GROUND POINTS; ONLY THE FIRST 500 ARE CONVERTED";
inline constexpr std::string_view N_VALUE_OVERFLOW =
    " HAS MORE THAN 20 N VALUES; ONLY THE FIRST 20 ARE CONVERTED";
inline constexpr std::string_view LID_OVERFLOW =
    " HAS MORE THAN 500 LID POINTS; ONLY THE FIRST 500 ARE CONVERTED";

/// The 8-column value field `index` (1-based) of a line.
inline FIELD8 valueField(const LineBuffer& line, int index) {
  FIELD8 field;
  std::memcpy(field.data(), line.text + 8 * (index - 1), 8);
  return field;
}

/// A piece of text put into 8 characters (cut or blank-padded), then its
/// trailing blanks moved to the front.
inline FIELD8 rightJustifiedPiece(std::string_view piece) {
  FIELD8 field = makeField8(piece);
  rightJustify(field);
  return field;
}

/// 1-based position of the first `c` in the line, 0 if none.
inline int firstOf(const LineBuffer& line, char c) {
  const void* hit = std::memchr(line.text, c, LINE_WIDTH);
  return hit ? static_cast<int>(static_cast<const char*>(hit) - line.text) + 1 : 0;
}

// ---- writing ---------------------------------------------------------------

/// Writes the roughness cards: the KH comment block, NH cards, one NC card, or
/// the "No N Values" block. One or two values of the three-value form go to
/// the subsections by station: the section's first ground station and banks.
/// Field 1 of a continuation NH card cut short is told to `findings`.
/// `fit` fits the values that open continuation NH cards into field 1.
void WRITE_N_VALUES(OutputStream& out, const N_VALUE_SET& nValues, const CROSS_SECTION& section,
                    const FIELD8& station, Field1Fit fit, const Findings& findings);

/// Writes the interpolation comment block (blanking the first "*" of RM) if
/// RM holds a "*", then the X1 card.
/// A section number cut to 6 columns is told to `findings`.
void WRITE_X1(OutputStream& out, CROSS_SECTION& section, const Findings& findings);

/// The section number X1 carries: RM left-justified, cut to 6 characters,
/// those right-justified (the first 6 characters of the result).
FIELD8 x1SectionNumber(const FIELD8& RM);

/// Writes the X3 card when either area pair is present; negates the blocked
/// elevations in place.
void WRITE_X3(OutputStream& out, const AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED);

/// Writes the GR cards, five points a card; the elevation opening each card
/// is fitted into field 1 by `fit` and rewritten as the text field 1 shows.
/// Opening elevations changed to fit field 1 are told to `findings`, one
/// finding for the section with the count and the largest change.
void WRITE_GRS(OutputStream& out, GROUND_PROFILE& ground, const FIELD8& station, Field1Fit fit,
               const Findings& findings);

/// Collects the values that field 1 cuts short (or rounds) across one
/// section's cards: how many, and the largest change with its texts before
/// and after.
class CutTally {
 public:
  /// Looks at one value placed in field 1 and what the field shows of it.
  void look(const FIELD8& value, std::string_view shown);
  /// Tells `findings` when any value was cut: "<cuts> of <outOf> <what>".
  void report(const Findings& findings, FindingKind kind, const FIELD8& station,
              std::string_view what, int32_t outOf) const;

 private:
  int32_t cuts_ = 0;
  double largest_ = -1;
  FIELD8 before_ = BLANK_FIELD8;
  FIELD8 after_ = BLANK_FIELD8;
};

/// Makes a blocked elevation negative in place: right-justified first, the
/// 8th character dropped when all eight are used; a text holding "-" stays.
void negateElevation(FIELD8& elevation);

/// The text of a value between its first and last non-blank character.
inline std::string_view trimmed(const FIELD8& field) {
  std::string_view text = view(field);
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return text.substr(0, 0);
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// What field 1 (6 columns) shows of a value: shorter than 6, right-justified
/// (returned whole, the card layout justifies it); else its first 6 characters.
inline std::string_view fittedField1(const FIELD8& field) {
  std::string_view text = trimmed(field);
  return text.size() < 6 ? text : text.substr(0, 6);
}

/// What field 1 shows of a text of 6 or more characters, rounding: a plain
/// decimal rounded to the most decimals that fit (written into `room`); a
/// text no rounding fits is cut.
std::string_view roundedField1(std::string_view text, char (&room)[FIELD1_WIDTH]);

/// What field 1 shows of a value under `fit`: as fittedField1, or rounded
/// (see roundedField1).
inline std::string_view fitField1(const FIELD8& field, Field1Fit fit, char (&room)[FIELD1_WIDTH]) {
  std::string_view text = trimmed(field);
  if (text.size() < 6) return text;
  return fit == Field1Fit::ROUND ? roundedField1(text, room) : text.substr(0, 6);
}

}  // namespace tolvane
