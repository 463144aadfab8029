#pragma once
// What the conversion cut or left out, told by the readers and writers as it
// happens. Without a receiver every call is one test of a null pointer.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "deck/cards.h"
#include "text/field8.h"

namespace tolvane {

/// The kinds of finding, in the order the report lists them.
enum class FindingKind : uint8_t {
  GR_ELEVATION_CUT,
  NH_FIELD_CUT,
  SECTION_NUMBER_CUT,
  SECTION_NUMBER_SHARED,
  DECK_VALUE_REWRITTEN,
  DESCRIPTION_CUT,
  BLOCKED_ELEVATION_CUT,
  HYDRAULICS_CHANGED,
  INEFFECTIVE_NOT_CARRIED,
  PERMANENT_INEFFECTIVE,
  BLOCKED_NOT_CARRIED,
  INEFFECTIVE_REPLACED,
  LEVEE,
  COEFFICIENTS,
  CULVERT,
  NODE_SKIPPED,
  PIER_WIDTH_VARIES,
  ABUTMENT,
  BRIDGE_DESCRIPTION,
  CAPACITY,
  NO_SECTION_END,
  BRIDGE_AT_REACH_END,
  BEFORE_FIRST_REACH,
  REACH_WITHOUT_END,
  JUNCTION_NAME_UNMATCHED,
  NO_SECTION,
  N_NOT_POSITIVE,
  N_STATIONS_DECREASING,
  GROUND_STATIONS_DECREASING,
  NO_GROUND_POINTS,
  LOWEST_POINT_AT_END,
};

/// Number of finding kinds.
inline constexpr int FINDING_KIND_COUNT = static_cast<int>(FindingKind::LOWEST_POINT_AT_END) + 1;

/// What a finding says of the deck.
enum class FindingClass : uint8_t {
  DROPPED,  ///< the deck does not carry it
  CHANGED,  ///< the deck carries it altered
  WARNING,  ///< the deck carries it as written, but a reader of the deck rejects or misreads it
};

/// Number of finding classes.
inline constexpr int FINDING_CLASS_COUNT = 3;

/// The name a finding row carries ("gr-elevation-cut", ...).
std::string_view findingName(FindingKind kind);
/// The name under a fit: rounding, the two kinds of field 1 are
/// "gr-elevation-rounded" and "nh-field-rounded".
std::string_view findingName(FindingKind kind, Field1Fit fit);
/// The class of a kind of finding.
FindingClass findingClass(FindingKind kind);
/// The class as the report writes it: "DROPPED", "CHANGED" or "WARNING".
std::string_view className(FindingClass c);

/// Things the report counts besides the findings.
enum class Tally : uint8_t {
  SECTION_NODE,
  CULVERT_NODE,
  BRIDGE_NODE,
  NODE_TYPE_4,
  NODE_TYPE_5,
  NODE_TYPE_6,
  OTHER_NODE,
  PIER,
  DESCRIPTION_LINE,
  BRIDGE_DESCRIPTION_LINE,  ///< inside a bridge block: never written
};

/// Number of tallies.
inline constexpr int TALLY_COUNT = static_cast<int>(Tally::BRIDGE_DESCRIPTION_LINE) + 1;

/// Which section of the deck a set of cards belongs to. A section written
/// again (the one before a bridge that was already written, after a reach key
/// line or a bridge before it) repeats what its first cards told.
enum class SectionRole : uint8_t { SECTION, UPSTREAM_FACE, DOWNSTREAM_FACE, REPEATED_SECTION };

/// The cards of one section as the deck carries them (views into the records,
/// valid during the call only). Lists are 0-based.
struct SectionCards {
  SectionRole role = SectionRole::SECTION;
  FIELD8 station = BLANK_FIELD8;  ///< the station as read, "*" included
  std::string_view number;        ///< X1 field 1, 6 columns
  const FIELD8* sta = nullptr;
  const FIELD8* elev = nullptr;  ///< the opening elevation of each GR card as written
  int32_t points = 0;
  FIELD8 bankLeft = BLANK_FIELD8;
  FIELD8 bankRight = BLANK_FIELD8;
  FIELD8 lengthChannel = BLANK_FIELD8;
  bool hasX3 = false;
  FIELD8 x3[4] = {BLANK_FIELD8, BLANK_FIELD8, BLANK_FIELD8, BLANK_FIELD8};  ///< cols 25-56
  const FIELD8* lidSta = nullptr;
  const FIELD8* lidTop = nullptr;
  const FIELD8* lidLow = nullptr;
  int32_t lidPoints = 0;
  /// The cards themselves, NC or NH to the last GR, one per line, exactly as
  /// written; empty when the deck's buffer no longer holds them all.
  std::string_view images;
};

/// A section as the geometry file wrote it, once it has been read and before
/// any of its cards is written (views into the records, valid during the call
/// only). Lists are 0-based.
struct SectionTexts {
  FIELD8 station = BLANK_FIELD8;  ///< as read, "*" included
  const FIELD8* sta = nullptr;
  const FIELD8* elev = nullptr;
  int32_t points = 0;  ///< as announced; the lists hold at most the capacity
  FIELD8 bankLeft = BLANK_FIELD8;
  FIELD8 bankRight = BLANK_FIELD8;
  int32_t nMode = 0;    ///< 0: the three-value form
  int32_t nKhFlag = 0;  ///< 1: the deck carries a blank NC card instead
  int32_t nCount = 0;   ///< n values kept
  const FIELD8* nValue = nullptr;
  const FIELD8* nEnd = nullptr;    ///< varying form: the station where each value ends
  const FIELD8* nStart = nullptr;  ///< three-value form: where each starts; null when not kept
};

/// The receiver of findings: the conversion report.
class FindingSink {
 public:
  /// One finding at a station (as read, blanks squeezed out; may be blank).
  virtual void finding(FindingKind kind, std::string_view station, std::string_view detail) = 0;
  /// One section's cards have been written.
  virtual void sectionWritten(const SectionCards& cards) = 0;
  /// One section has been read; its cards come later, perhaps more than once.
  virtual void sectionRead(const SectionTexts&) {}
  /// Counts one more of `what`.
  virtual void tally(Tally what) = 0;

 protected:
  ~FindingSink() = default;
};

/// What the readers and writers hold: a receiver, or none.
class Findings {
 public:
  Findings() = default;
  explicit Findings(FindingSink* sink) : sink_(sink) {}

  /// True when someone listens; callers skip work done only for the report.
  bool active() const { return sink_ != nullptr; }
  void note(FindingKind kind, std::string_view station, std::string_view detail) const {
    if (sink_) sink_->finding(kind, station, detail);
  }
  void written(const SectionCards& cards) const {
    if (sink_) sink_->sectionWritten(cards);
  }
  void read(const SectionTexts& texts) const {
    if (sink_) sink_->sectionRead(texts);
  }
  void count(Tally what) const {
    if (sink_) sink_->tally(what);
  }

 private:
  FindingSink* sink_ = nullptr;
};

/// A finding's detail text, assembled in place; what does not fit is cut.
class DetailText {
 public:
  /// Appends text as it is.
  DetailText& text(std::string_view item);
  /// Appends a value in double quotes, its surrounding blanks dropped.
  DetailText& quoted(std::string_view value);
  /// Appends a decimal integer.
  DetailText& number(int64_t value);
  /// Appends a difference of two decimal texts, as a decimal text.
  DetailText& amount(double value);
  /// Appends a node header's type field (columns 24-25): its integer, or the
  /// field in quotes when it is not an integer ("1,").
  DetailText& nodeType(std::string_view field);
  std::string_view view() const { return {buffer_, length_}; }
  bool empty() const { return length_ == 0; }

 private:
  static constexpr size_t kCapacity = 480;
  char buffer_[kCapacity];
  size_t length_ = 0;
};

/// The text of a field without its surrounding blanks.
std::string_view withoutBlanks(std::string_view text);

/// Reads a decimal text ("-12.5", "1e3") as a double; false when it is none.
bool decimalValue(std::string_view text, double& value);

}  // namespace tolvane
