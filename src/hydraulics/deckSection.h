#pragma once
// A section read back from its card images, column by column, as a reader of
// the deck takes it: X1 for the point count and bank stations, GR for the
// ground points, NC or NH for the n values. Blank fields read as 0.

#include <cstdint>
#include <string_view>

#include "hydraulics/sectionShape.h"
#include "text/field8.h"

namespace tolvane {

/// What a section's cards carry for its hydraulics.
struct DeckSection {
  SectionShape shape;
  double bankLeft = 0;   ///< X1 field 3
  double bankRight = 0;  ///< X1 field 4
  /// True when the NH values run on over further cards, whose field 1 is
  /// narrower than the others.
  bool nhContinued = false;
  /// The points, in order, with a GR field that is not the known text of the
  /// point: only their numbers may differ from the known ones.
  int32_t unknown[SHAPE_POINT_CAPACITY];
  int32_t unknownCount = 0;
};

/// Why a section's cards could not be read back.
enum class DeckReadResult : uint8_t {
  READ,
  NO_X1,          ///< no X1 card among them
  NOT_A_NUMBER,   ///< a field a reader takes as a number holds none
  SHORT_GR,       ///< fewer GR points than X1 announces
};

/// Texts whose numbers are known already: a GR field that holds exactly the
/// text of the same point is not read again.
struct KnownPoints {
  int32_t points = 0;
  const FIELD8* station = nullptr;
  const FIELD8* elevation = nullptr;
  const double* stationValue = nullptr;
  const double* elevationValue = nullptr;
};

/// Reads the cards of one section (NC or NH, X1, X3, BT, GR and comment
/// cards, one per line) into `section`. The NC card's three values apply left
/// of the left bank, between the banks and right of the right bank; the NH
/// values each end at their station.
DeckReadResult readDeckSection(std::string_view cards, DeckSection& section,
                               const KnownPoints& known = {});

}  // namespace tolvane
