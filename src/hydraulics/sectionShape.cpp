#include "hydraulics/sectionShape.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {

/// The stretch boundaries sorted, and the stretch in force between each two:
/// interval j runs from bound[j - 1] to bound[j] (open at both ends of the
/// line), so a station equal to a bound lies in the interval after it.
struct Intervals {
  int32_t bounds = 0;
  double bound[SHAPE_STRETCH_CAPACITY];
  int32_t stretch[SHAPE_STRETCH_CAPACITY + 1];

  explicit Intervals(const SectionShape& shape) {
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
  /// The interval that holds station x.
  int32_t of(double x) const {
    int32_t j = 0;
    while (j < bounds && bound[j] <= x) ++j;
    return j;
  }
};

/// Area and wetted length per level and stretch.
struct Wetted {
  double area[LEVEL_CAPACITY][SHAPE_STRETCH_CAPACITY] = {};
  double length[LEVEL_CAPACITY][SHAPE_STRETCH_CAPACITY] = {};
};

/// Adds the wet part of a sloping piece from (xa, za) to (xb, zb), xa != xb,
/// below `level`: its area (negative when the piece runs backwards) and length.
void addPiece(double xa, double za, double xb, double zb, double level, double& area,
              double& length) {
  double da = level - za;
  double db = level - zb;
  if (da <= 0 && db <= 0) return;
  double dx = xb - xa;
  if (da >= 0 && db >= 0) {
    area += dx * (da + db) * 0.5;
    length += std::sqrt(dx * dx + (zb - za) * (zb - za));
    return;
  }
  // The water line crosses the piece: only the part on the deep side is wet.
  double deep = da > 0 ? da : db;
  double wetDx = dx * deep / (da > 0 ? da - db : db - da);
  area += wetDx * deep * 0.5;
  length += std::sqrt(wetDx * wetDx + deep * deep);
}

/// Adds the wet height of a vertical wall between za and zb below `level`.
void addWall(double za, double zb, double level, double& length) {
  double low = std::min(za, zb);
  double high = std::min(std::max(za, zb), level);
  if (high > low) length += high - low;
}

}  // namespace

void flowAt(const SectionShape& shape, const double* levels, int count, Flow* flows) {
  count = std::clamp(count, 0, LEVEL_CAPACITY);
  Wetted wet;
  Intervals intervals(shape);
  double highest = -INFINITY;
  for (int l = 0; l < count; ++l) highest = std::max(highest, levels[l]);

  for (int32_t k = 0; k + 1 < shape.points; ++k) {
    double x1 = shape.station[k], z1 = shape.elevation[k];
    double x2 = shape.station[k + 1], z2 = shape.elevation[k + 1];
    if (z1 >= highest && z2 >= highest) continue;  // dry at every level
    if (x1 == x2) {
      int32_t s = intervals.stretch[intervals.of(x1)];
      for (int l = 0; l < count; ++l) addWall(z1, z2, levels[l], wet.length[l][s]);
      continue;
    }
    // Pieces between the bounds that fall inside the segment, left to right.
    bool forward = x2 > x1;
    double lo = forward ? x1 : x2, zlo = forward ? z1 : z2;
    double hi = forward ? x2 : x1, zhi = forward ? z2 : z1;
    double slope = (zhi - zlo) / (hi - lo);
    int32_t j = intervals.of(lo);
    double xa = lo, za = zlo;
    while (true) {
      bool last = j >= intervals.bounds || intervals.bound[j] >= hi;
      double xb = last ? hi : intervals.bound[j];
      double zb = last ? zhi : zlo + slope * (xb - lo);
      int32_t s = intervals.stretch[j];
      for (int l = 0; l < count; ++l) {
        double area = 0;
        addPiece(xa, za, xb, zb, levels[l], area, wet.length[l][s]);
        wet.area[l][s] += forward ? area : -area;
      }
      if (last) break;
      xa = xb;
      za = zb;
      ++j;
    }
  }

  int32_t stretches = std::max(shape.stretches, 1);
  for (int l = 0; l < count; ++l) {
    Flow flow;
    for (int32_t s = 0; s < stretches; ++s) {
      double a = wet.area[l][s];
      double p = wet.length[l][s];
      flow.area += a;
      if (s >= shape.stretches || !(shape.n[s] > 0) || a <= 0 || p <= 0) continue;
      double radius = a / p;
      flow.conveyance += a * std::cbrt(radius * radius) / shape.n[s];
    }
    flows[l] = flow;
  }
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
