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
  Flow flows[LEVEL_CAPACITY];
  flowAt(geometry, candidates, n + 1, flows);
  double full = flows[n].area;
  for (int i = 0; i < n; ++i) {
    if (!(flows[i].area > 0) || flows[i].area < SHALLOW_SHARE * full) continue;
    int32_t k = levels.count++;
    levels.kind[k] = bankfull && i == 0 ? LevelKind::BANKFULL : LevelKind::TOP;
    levels.level[k] = candidates[i];
    levels.geometry[k] = flows[i];
  }
}

void compareFlows(const JudgedLevels& levels, const SectionShape& deck, FlowChange& change) {
  change = FlowChange();
  if (levels.count == 0) return;
  flowAt(deck, levels.level, levels.count, change.deck);
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

}  // namespace tolvane
