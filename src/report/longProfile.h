#pragma once
// The long profile of a reach: the lowest ground elevation of each section
// against the distance along the channel.

#include <cstdint>
#include <limits>
#include <string_view>

#include "deck/streams.h"
#include "text/field8.h"

namespace tolvane {

/// One section of a reach's long profile.
struct ProfilePoint {
  /// Distance along the channel from the reach's first section.
  float distance = 0;
  /// The section's lowest ground elevation; NaN when it has no ground points.
  float lowestElevation = 0;
  /// The station text, as the deck's X1 card shows it.
  FIELD8 station = BLANK_FIELD8;
  /// The cross sections this point stands for: 1, 0 for a bridge, more when
  /// neighbours were merged to keep the profile small.
  int32_t sections = 1;
  /// The bridges this point stands for (drawn at the upstream face).
  int32_t bridges = 0;
  bool culvert = false;
  /// The culvert's own station, when `culvert` is set.
  FIELD8 culvertStation = BLANK_FIELD8;
  /// The classes of the findings told here: one bit per class, bit 1 << c
  /// for FindingClass c.
  uint8_t findingClasses = 0;
  /// The section's conveyance change, deck against geometry file, as a
  /// fraction; NaN where it was not judged.
  float conveyanceChange = std::numeric_limits<float>::quiet_NaN();
};

/// The bit of a finding class in ProfilePoint::findingClasses.
constexpr uint8_t findingClassBit(int findingClass) { return static_cast<uint8_t>(1u << findingClass); }

/// The sections of one reach, in deck order, readable twice.
class ProfileSource {
 public:
  virtual ~ProfileSource() = default;
  /// Goes back to the first point; false when the points cannot be read again.
  virtual bool rewind() = 0;
  /// Reads the next point into `point`; false after the last one.
  virtual bool next(ProfilePoint& point) = 0;
};

/// Writes an inline SVG picture of a reach's long profile with axes and a
/// legend: the ground line, bridges and culverts marked, and under every
/// place with findings a mark in the lane and colour of each class found
/// there (DROPPED, CHANGED, WARNING); under it, on the same distances, a
/// strip of each section's conveyance change. Reads the points twice (extents, then drawing)
/// with fixed memory; the line keeps the lowest point of each picture column
/// and every bridge and culvert (one of each kind per column), so the
/// picture stays small for any number of sections. `pictureId` must differ
/// between the pictures of one page. False, with nothing written, when the
/// source cannot be rewound.
bool writeLongProfile(OutputStream& out, ProfileSource& points, std::string_view title, int pictureId);

}  // namespace tolvane
