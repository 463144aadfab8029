#pragma once
// The hydraulic check of one section: the water levels at which the geometry
// file's section is judged, and how the deck's section differs there.

#include <cstdint>

#include "hydraulics/sectionShape.h"

namespace tolvane {

/// The two judged levels.
enum class LevelKind : uint8_t {
  BANKFULL,  ///< the lower ground elevation at the two bank stations
  TOP,       ///< the lower of the two end points
};

/// The name of a level: "BANKFULL" or "TOP".
const char* levelName(LevelKind kind);

/// A level is too shallow to judge when the section's flow area there is
/// below this share of its area under the higher end point.
inline constexpr double SHALLOW_SHARE = 0.05;

/// The levels at which a geometry section is judged, with its flows there.
struct JudgedLevels {
  int32_t count = 0;  ///< 0, 1 or 2
  LevelKind kind[2] = {LevelKind::BANKFULL, LevelKind::TOP};
  double level[2] = {0, 0};
  Flow geometry[2];
  /// The levels the geometry was computed at (judged or not), its wet parts
  /// there, and which of them each judged level is.
  int32_t computed = 0;
  double computedLevel[LEVEL_CAPACITY] = {};
  WetParts parts;
  int32_t part[2] = {0, 0};
};

/// Chooses the levels of `geometry`: BANKFULL (when both bank stations are
/// known and lie on the ground line) and TOP; a BANKFULL above TOP becomes
/// TOP, and the two are then one. Levels too shallow to judge, or holding no
/// water, are left out.
void judgeLevels(const SectionShape& geometry, bool banksKnown, double bankLeft,
                 double bankRight, JudgedLevels& levels);

/// The deck's section against the geometry's at the judged levels.
struct FlowChange {
  Flow deck[2];
  /// deck / geometry - 1, of larger magnitude over the judged levels, and
  /// the level where it is; 0 and -1 when no level is judged.
  double area = 0;
  double conveyance = 0;
  int32_t areaLevel = -1;
  int32_t conveyanceLevel = -1;
};

/// Computes the deck's flows at `levels` and the changes. A conveyance the
/// geometry lacks at a level (no positive n in the water) is not judged.
void compareFlows(const JudgedLevels& levels, const SectionShape& deck, FlowChange& change);

/// The same for a deck section that differs from `geometry` only in the
/// ground points listed, with as many points and the same stretches: only
/// the segments beside those points are computed again.
void compareChangedPoints(const JudgedLevels& levels, const SectionShape& geometry,
                          const SectionShape& deck, const int32_t* points, int32_t count,
                          FlowChange& change);

}  // namespace tolvane
