#include "hydraulics/sectionCheck.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

const char* levelName(LevelKind kind) { return kind == LevelKind::BANKFULL ? "BANKFULL" : "TOP"; }

void judgeLevels(const SectionShape& geometry, bool banksKnown, double bankLeft,
                 double bankRight, JudgedLevels& levels) {
  levels.count = 0;
  if (geometry.points < 2) return;
  double first = geometry.elevation[0];
  double last = geometry.elevation[geometry.points - 1];
  double top = std::min(first, last);
  double atLeft = 0, atRight = 0;
  bool bankfull = banksKnown && groundAt(geometry, bankLeft, atLeft) &&
                  groundAt(geometry, bankRight, atRight) && std::min(atLeft, atRight) < top;

  double candidates[LEVEL_CAPACITY];
  int n = 0;
  if (bankfull) candidates[n++] = std::min(atLeft, atRight);
  candidates[n++] = top;
  candidates[n] = std::max(first, last);  // walls at both ends up to the higher end
  levels.computed = n + 1;
  std::copy(candidates, candidates + n + 1, levels.computedLevel);
  levels.parts = WetParts();
  addWetParts(geometry, candidates, n + 1, nullptr, 0, 1, levels.parts);
  double full = flowOf(geometry, levels.parts, n).area;
  for (int i = 0; i < n; ++i) {
    Flow flow = flowOf(geometry, levels.parts, i);
    if (!(flow.area > 0) || flow.area < SHALLOW_SHARE * full) continue;
    int32_t k = levels.count++;
    levels.kind[k] = bankfull && i == 0 ? LevelKind::BANKFULL : LevelKind::TOP;
    levels.level[k] = candidates[i];
    levels.geometry[k] = flow;
    levels.part[k] = i;
  }
}

namespace {

/// The changes, once the deck's flows are known.
void takeChanges(const JudgedLevels& levels, FlowChange& change) {
  for (int32_t i = 0; i < levels.count; ++i) {
    const Flow& g = levels.geometry[i];
    const Flow& d = change.deck[i];
    double area = d.area / g.area - 1;
    if (change.areaLevel < 0 || std::fabs(area) > std::fabs(change.area)) {
      change.area = area;
      change.areaLevel = i;
    }
    if (!(g.conveyance > 0)) continue;
    double conveyance = d.conveyance / g.conveyance - 1;
    if (change.conveyanceLevel < 0 || std::fabs(conveyance) > std::fabs(change.conveyance)) {
      change.conveyance = conveyance;
      change.conveyanceLevel = i;
    }
  }
}

}  // namespace

void compareChangedPoints(const JudgedLevels& levels, const SectionShape& geometry,
                          const SectionShape& deck, const int32_t* points, int32_t count,
                          FlowChange& change) {
  change = FlowChange();
  if (levels.count == 0) return;
  // The segments on either side of each point, each once.
  int32_t segments[2 * SHAPE_POINT_CAPACITY];
  int32_t n = 0;
  for (int32_t i = 0; i < count; ++i) {
    for (int32_t k = points[i] - 1; k <= points[i]; ++k)
      if (k >= 0 && (n == 0 || segments[n - 1] < k)) segments[n++] = k;
  }
  // Only the judged levels are computed again: the highest, at which the
  // geometry's full area was taken, is not judged.
  int32_t needed = 0;
  for (int32_t i = 0; i < levels.count; ++i) needed = std::max(needed, levels.part[i] + 1);
  WetParts parts = levels.parts;
  addWetParts(geometry, levels.computedLevel, needed, segments, n, -1, parts);
  addWetParts(deck, levels.computedLevel, needed, segments, n, 1, parts);
  for (int32_t i = 0; i < levels.count; ++i) change.deck[i] = flowOf(deck, parts, levels.part[i]);
  takeChanges(levels, change);
}

void compareFlows(const JudgedLevels& levels, const SectionShape& deck, FlowChange& change) {
  change = FlowChange();
  if (levels.count == 0) return;
  flowAt(deck, levels.level, levels.count, change.deck);
  takeChanges(levels, change);
}

}  // namespace tolvane
