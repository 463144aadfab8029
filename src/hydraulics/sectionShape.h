#pragma once
// A cross section as numbers: its ground line and the Manning's n value of
// each stretch across it, with the flow area and conveyance at a water level.
// Fixed capacities: one shape holds a whole section, nothing is allocated.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tolvane {

/// Ground points a shape holds: as many as a section of the deck carries.
inline constexpr int SHAPE_POINT_CAPACITY = 500;
/// Roughness stretches a shape holds: as many as n values a section carries.
inline constexpr int SHAPE_STRETCH_CAPACITY = 20;
/// Water levels judged in one pass over a shape.
inline constexpr int LEVEL_CAPACITY = 3;

/// Ground points in the order written, and the n value of each stretch. The
/// n value in force at station x is that of the last stretch, in list order,
/// whose start is not greater than x; the first stretch's start is ignored:
/// it also covers everything before the others. So a vertical wall standing
/// on the start of a stretch belongs to that stretch.
struct SectionShape {
  int32_t points = 0;
  double station[SHAPE_POINT_CAPACITY];
  double elevation[SHAPE_POINT_CAPACITY];
  int32_t stretches = 0;  ///< 0: no n values at all
  double start[SHAPE_STRETCH_CAPACITY];
  double n[SHAPE_STRETCH_CAPACITY];
};

/// The stretch boundaries sorted, and the stretch in force between each two:
/// interval j runs from bound[j - 1] to bound[j] (open at both ends of the
/// line), so a station equal to a bound lies in the interval after it.
struct StretchIntervals {
  int32_t bounds = 0;
  double bound[SHAPE_STRETCH_CAPACITY];
  int32_t stretch[SHAPE_STRETCH_CAPACITY + 1];

  explicit StretchIntervals(const SectionShape& shape) {
    for (int32_t i = 1; i < shape.stretches; ++i) bound[bounds++] = shape.start[i];
    std::sort(bound, bound + bounds);
    bounds = static_cast<int32_t>(std::unique(bound, bound + bounds) - bound);
    stretch[0] = 0;
    for (int32_t j = 1; j <= bounds; ++j) {
      int32_t inForce = 0;
      for (int32_t i = 1; i < shape.stretches; ++i)
        if (shape.start[i] <= bound[j - 1]) inForce = i;
      stretch[j] = inForce;
    }
  }
  /// The n value in force in interval j; 0 without n values.
  double nOf(const SectionShape& shape, int32_t j) const {
    return shape.stretches == 0 ? 0 : shape.n[stretch[j]];
  }
  /// The interval that holds station x.
  int32_t of(double x) const {
    int32_t j = 0;
    while (j < bounds && bound[j] <= x) ++j;
    return j;
  }
  /// The same, searched from interval `from`: the ground line runs across
  /// the section, so the segment before is the nearest start.
  int32_t near(double x, int32_t from) const {
    if (std::isnan(x) || from < 0 || from > bounds) return of(x);
    int32_t j = from;
    while (j < bounds && bound[j] <= x) ++j;
    while (j > 0 && !(bound[j - 1] <= x)) --j;
    return j;
  }
};

/// Flow area and conveyance at one level.
struct Flow {
  double area = 0;
  double conveyance = 0;
};

/// The wet area and length of each stretch at each level.
struct WetParts {
  double area[LEVEL_CAPACITY][SHAPE_STRETCH_CAPACITY] = {};
  double length[LEVEL_CAPACITY][SHAPE_STRETCH_CAPACITY] = {};
};

/// Adds `sign` times the wet parts of the ground segments listed (segment k
/// runs from point k to point k + 1) at each of `count` levels; all segments
/// when `segments` is null.
void addWetParts(const SectionShape& shape, const double* levels, int count,
                 const int32_t* segments, int32_t segmentCount, double sign, WetParts& parts);

/// The flow at level `l` of the parts.
Flow flowOf(const SectionShape& shape, const WetParts& parts, int l);

/// The flow at each of `count` (at most LEVEL_CAPACITY) levels:
/// area = integral of max(0, level - ground(x)) along the ground line;
/// conveyance = sum over the stretches of A (A/P)^(2/3) / n, P being the
/// wetted ground length within the stretch, with no walls between stretches.
/// A stretch whose n is not positive adds no conveyance. Stations that go
/// backwards subtract area, as the integral along the line does.
void flowAt(const SectionShape& shape, const double* levels, int count, Flow* flows);

/// The ground elevation at station x, by linear interpolation on the first
/// segment that spans x; false when no segment does.
bool groundAt(const SectionShape& shape, double x, double& elevation);

}  // namespace tolvane
