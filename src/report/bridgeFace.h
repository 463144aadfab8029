#pragma once
// One face of a bridge as the deck carries it, in numbers: the values the
// target model reads from the face's X1, X3, BT and GR cards.

#include "text/field8.h"

namespace tolvane {

/// Points a face can hold on its ground line and on its lid.
inline constexpr int FACE_POINTS = 500;

/// A ground point.
struct GroundPoint {
  float station = 0;
  float elevation = 0;
};

/// A lid point: the deck's top and its underside (the low chord, piers
/// already folded in) at one station.
struct LidPoint {
  float station = 0;
  float top = 0;
  float low = 0;
};

/// The ineffective flow area on one side of the section: beyond `station`
/// (towards that side's end), water below `elevation` does not flow.
struct IneffectiveSide {
  bool present = false;
  /// A blocked obstruction (written with its elevation negated): from the
  /// ground up to `elevation` nothing flows, there is no water at all.
  bool blocked = false;
  float station = 0;
  float elevation = 0;
};

/// A bridge face. Counts above FACE_POINTS are taken as FACE_POINTS; a
/// negative count as none.
struct BridgeFace {
  /// The station text of the face, as its X1 card shows it.
  FIELD8 station = BLANK_FIELD8;
  int groundCount = 0;
  GroundPoint ground[FACE_POINTS];
  int lidCount = 0;
  LidPoint lid[FACE_POINTS];
  /// False when the X1 card leaves the bank stations blank.
  bool hasBanks = false;
  float bankLeft = 0;
  float bankRight = 0;
  IneffectiveSide ineffectiveLeft;
  IneffectiveSide ineffectiveRight;
};

/// The area of the flow opening under the bridge: between the ground line
/// and the low chord, wherever the low chord lies above the ground and both
/// are defined. Stations are expected to ascend; spans that go backwards add
/// nothing. 0 when the face has no lid or fewer than two ground points.
double openingArea(const BridgeFace& face);

/// The first and last station of the opening (where the low chord lies above
/// the ground); false when the face has no opening.
bool openingStations(const BridgeFace& face, double& first, double& last);

}  // namespace tolvane
