#include "hydraulics/sectionShape.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {

/// Adds the wet part of a sloping piece from (xa, za) to (xb, zb), xa < xb,
/// below `level`, whose full length is `full`: its area and length.
void addPiece(double xa, double za, double xb, double zb, double full, double level,
              double& area, double& length) {
  double da = level - za;
  double db = level - zb;
  if (da <= 0 && db <= 0) return;
  double dx = xb - xa;
  if (da >= 0 && db >= 0) {
    area += dx * (da + db) * 0.5;
    length += full;
    return;
  }
  // The water line crosses the piece: only the part on the deep side is wet.
  double deep = da > 0 ? da : db;
  double wetDx = dx * deep / (da > 0 ? da - db : db - da);
  area += wetDx * deep * 0.5;
  length += std::sqrt(wetDx * wetDx + deep * deep);
}

/// The wet height of a vertical wall between za and zb below `level`.
double wallBelow(double za, double zb, double level) {
  double low = std::min(za, zb);
  double high = std::min(std::max(za, zb), level);
  return high > low ? high - low : 0;
}

/// Adds `sign` times the wet parts of segment k. `hint` is the interval of
/// the segment's first station found last, kept for the next segment.
void addSegment(const SectionShape& shape, const StretchIntervals& intervals, const double* levels,
                int count, double highest, int32_t k, double sign, int32_t& hint,
                WetParts& parts) {
  double x1 = shape.station[k], z1 = shape.elevation[k];
  double x2 = shape.station[k + 1], z2 = shape.elevation[k + 1];
  if (z1 >= highest && z2 >= highest) return;  // dry at every level
  if (x1 == x2) {
    hint = intervals.near(x1, hint);
    int32_t s = intervals.stretch[hint];
    for (int l = 0; l < count; ++l) parts.length[l][s] += sign * wallBelow(z1, z2, levels[l]);
    return;
  }
  // Pieces between the bounds that fall inside the segment, left to right;
  // a segment that runs backwards subtracts its area.
  bool forward = x2 > x1;
  double lo = forward ? x1 : x2, zlo = forward ? z1 : z2;
  double hi = forward ? x2 : x1, zhi = forward ? z2 : z1;
  double slope = (zhi - zlo) / (hi - lo);
  double areaSign = forward ? sign : -sign;
  int32_t j = hint = intervals.near(lo, hint);
  double xa = lo, za = zlo;
  while (true) {
    bool last = j >= intervals.bounds || intervals.bound[j] >= hi;
    double xb = last ? hi : intervals.bound[j];
    double zb = last ? zhi : zlo + slope * (xb - lo);
    double full = std::sqrt((xb - xa) * (xb - xa) + (zb - za) * (zb - za));
    int32_t s = intervals.stretch[j];
    for (int l = 0; l < count; ++l) {
      double area = 0, length = 0;
      addPiece(xa, za, xb, zb, full, levels[l], area, length);
      parts.area[l][s] += areaSign * area;
      parts.length[l][s] += sign * length;
    }
    if (last) break;
    xa = xb;
    za = zb;
    ++j;
  }
}

}  // namespace

void addWetParts(const SectionShape& shape, const double* levels, int count,
                 const int32_t* segments, int32_t segmentCount, double sign, WetParts& parts) {
  count = std::clamp(count, 0, LEVEL_CAPACITY);
  StretchIntervals intervals(shape);
  double highest = -INFINITY;
  for (int l = 0; l < count; ++l) highest = std::max(highest, levels[l]);
  int32_t hint = 0;
  if (!segments) {
    for (int32_t k = 0; k + 1 < shape.points; ++k)
      addSegment(shape, intervals, levels, count, highest, k, sign, hint, parts);
    return;
  }
  for (int32_t i = 0; i < segmentCount; ++i) {
    int32_t k = segments[i];
    if (k >= 0 && k + 1 < shape.points)
      addSegment(shape, intervals, levels, count, highest, k, sign, hint, parts);
  }
}

Flow flowOf(const SectionShape& shape, const WetParts& parts, int l) {
  Flow flow;
  int32_t stretches = std::max(shape.stretches, 1);
  for (int32_t s = 0; s < stretches; ++s) {
    double a = parts.area[l][s];
    double p = parts.length[l][s];
    flow.area += a;
    if (s >= shape.stretches || !(shape.n[s] > 0) || a <= 0 || p <= 0) continue;
    double radius = a / p;
    flow.conveyance += a * std::cbrt(radius * radius) / shape.n[s];
  }
  return flow;
}

void flowAt(const SectionShape& shape, const double* levels, int count, Flow* flows) {
  count = std::clamp(count, 0, LEVEL_CAPACITY);
  WetParts parts;
  addWetParts(shape, levels, count, nullptr, 0, 1, parts);
  for (int l = 0; l < count; ++l) flows[l] = flowOf(shape, parts, l);
}

bool groundAt(const SectionShape& shape, double x, double& elevation) {
  if (shape.points == 1 && shape.station[0] == x) {
    elevation = shape.elevation[0];
    return true;
  }
  for (int32_t k = 0; k + 1 < shape.points; ++k) {
    double x1 = shape.station[k], x2 = shape.station[k + 1];
    if (x < std::min(x1, x2) || x > std::max(x1, x2)) continue;
    double z1 = shape.elevation[k], z2 = shape.elevation[k + 1];
    elevation = x1 == x2 ? std::min(z1, z2) : z1 + (z2 - z1) * (x - x1) / (x2 - x1);
    return true;
  }
  return false;
}

}  // namespace tolvane
