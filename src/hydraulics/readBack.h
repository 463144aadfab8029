#pragma once
// The read-back of one section: its numbers as the geometry file wrote them,
// kept from the moment it is read, against the numbers its cards carry each
// time the deck writes them (the section itself, a bridge face standing on
// its ground, the section written again in front of a bridge).

#include <cstdint>

#include "deck/findings.h"
#include "hydraulics/deckSection.h"
#include "hydraulics/geometrySection.h"
#include "hydraulics/sectionCheck.h"

namespace tolvane {

/// What the conversion knows of why a deck's section differs, as bits.
enum ChangeCause : uint32_t {
  CAUSE_FIELD1 = 1,    ///< an elevation that opens a GR card, fitted into field 1
  CAUSE_GROUND = 2,    ///< another ground station or elevation
  CAUSE_N_VALUES = 4,  ///< the n value in force somewhere across the section
  CAUSE_NH_CUT = 8,    ///< an NH end station that opens a further card
  CAUSE_BLANK_NC = 16, ///< KH n values, replaced by a blank NC card
};

/// The outcome of reading back one section's cards.
struct ReadBackResult {
  DeckReadResult read = DeckReadResult::NO_X1;
  /// Both sides have numbers: the geometry section was read and its texts
  /// are numbers, and the cards read back.
  bool compared = false;
  /// Some number of the deck differs from the geometry's; without one every
  /// flow is the same and nothing more is computed.
  bool differs = false;
  const JudgedLevels* levels = nullptr;  ///< when `differs`; valid until the next read
  FlowChange change;
  uint32_t causes = 0;
  int32_t field1Changed = 0;  ///< GR cards whose opening elevation differs
  /// The first read-back of this geometry section.
  bool first = false;
  /// The same changes as the first read-back of this geometry section (the
  /// deck repeats cards it already carried).
  bool repeatsFirst = false;
  /// The lowest ground elevation the cards carry; NaN without points.
  double lowest = 0;
};

/// Reads back sections, one geometry section at a time. Holds two sections'
/// numbers: allocate it once.
class SectionReadBack {
 public:
  /// Takes the section as read, and notes the warnings it calls for.
  void read(const SectionTexts& texts, const Findings& findings);
  /// Reads back the cards of the section read last, or of a bridge face or a
  /// repeat that carries its ground.
  void check(const SectionCards& cards, ReadBackResult& result);

 private:
  void compareNumbers(ReadBackResult& result);

  GeometrySection geometry_;
  DeckSection deck_;
  // The ground points whose numbers differ, when only they do.
  int32_t changed_[SHAPE_POINT_CAPACITY];
  int32_t changedCount_ = 0;
  bool onlyPointsDiffer_ = false;
  bool haveGeometry_ = false;
  int32_t khFlag_ = 0;
  int32_t nMode_ = 0;
  bool levelsKnown_ = false;
  JudgedLevels levels_;
  bool checked_ = false;  // the geometry section was read back once already
  double firstArea_ = 0;
  double firstConveyance_ = 0;
};

}  // namespace tolvane
