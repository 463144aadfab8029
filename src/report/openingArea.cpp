#include "report/bridgeFace.h"

#include <algorithm>

namespace tolvane {

namespace {

int clampedCount(int count) { return std::clamp(count, 0, FACE_POINTS); }

/// The value at x of the straight line through (x0, y0) and (x1, y1), x0 < x1.
double along(double x0, double y0, double x1, double y1, double x) {
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

/// The integral over a span of width w of the positive part of a gap that
/// changes linearly from g0 to g1.
double positivePart(double g0, double g1, double w) {
  if (g0 >= 0 && g1 >= 0) return (g0 + g1) / 2 * w;
  if (g0 <= 0 && g1 <= 0) return 0;
  // The gap changes sign inside the span: only the triangle above zero counts.
  double high = g0 > 0 ? g0 : g1;
  return high * (high / (g0 > 0 ? g0 - g1 : g1 - g0)) * w / 2;
}

/// Calls `span(from, to, gapFrom, gapTo)` for each stretch where a forward
/// span of the low chord lies over a forward span of the ground, with the
/// chord's height above the ground at both ends. A pier's vertical sides have
/// no width and are not visited; the span over the pier carries its lowered
/// underside.
template <typename Span>
void forEachChordOverGround(const BridgeFace& face, Span span) {
  int lids = clampedCount(face.lidCount);
  int grounds = clampedCount(face.groundCount);
  // With the ground's stations in order (as good as always), the ground
  // spans under a chord span are the run that starts at the first station
  // past the chord span's start: a search finds it, and the walk stops at
  // the chord span's end. Otherwise every ground span is tried. Either way
  // the same spans are visited in the same order.
  bool ordered = true;
  for (int j = 1; j < grounds && ordered; ++j)
    ordered = face.ground[j].station >= face.ground[j - 1].station;
  for (int i = 1; i < lids; ++i) {
    double ax0 = face.lid[i - 1].station, ax1 = face.lid[i].station;
    if (!(ax1 > ax0)) continue;
    double ay0 = face.lid[i - 1].low, ay1 = face.lid[i].low;
    int j = 1;
    if (ordered && grounds > 1) {
      const GroundPoint* past = std::upper_bound(
          face.ground + 1, face.ground + grounds, ax0,
          [](double x, const GroundPoint& p) { return x < static_cast<double>(p.station); });
      j = static_cast<int>(past - face.ground);
    }
    for (; j < grounds; ++j) {
      double bx0 = face.ground[j - 1].station, bx1 = face.ground[j].station;
      if (ordered && !(bx0 < ax1)) break;
      if (!(bx1 > bx0)) continue;
      double from = std::max(ax0, bx0), to = std::min(ax1, bx1);
      if (!(to > from)) continue;
      double by0 = face.ground[j - 1].elevation, by1 = face.ground[j].elevation;
      span(from, to, along(ax0, ay0, ax1, ay1, from) - along(bx0, by0, bx1, by1, from),
           along(ax0, ay0, ax1, ay1, to) - along(bx0, by0, bx1, by1, to));
    }
  }
}

}  // namespace

double openingArea(const BridgeFace& face) {
  double area = 0;
  forEachChordOverGround(face, [&](double from, double to, double gapFrom, double gapTo) {
    area += positivePart(gapFrom, gapTo, to - from);
  });
  return area;
}

bool openingStations(const BridgeFace& face, double& first, double& last) {
  bool any = false;
  forEachChordOverGround(face, [&](double from, double to, double gapFrom, double gapTo) {
    if (!(gapFrom > 0 || gapTo > 0)) return;
    if (!any || from < first) first = from;
    if (!any || to > last) last = to;
    any = true;
  });
  return any;
}

}  // namespace tolvane
