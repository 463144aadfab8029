#include "hydraulics/readBack.h"

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {

bool sameStretches(const SectionShape& a, const SectionShape& b) {
  if (a.stretches != b.stretches) return false;
  for (int32_t i = 0; i < a.stretches; ++i)
    if (a.n[i] != b.n[i] || (i > 0 && a.start[i] != b.start[i])) return false;
  return true;
}

/// True when the n value in force differs anywhere along the ground: at a
/// point, or between two.
bool nInForceDiffers(const SectionShape& geometry, const SectionShape& deck) {
  StretchIntervals inGeometry(geometry), inDeck(deck);
  int32_t g = 0, d = 0;
  auto differs = [&](double x) {
    g = inGeometry.near(x, g);
    d = inDeck.near(x, d);
    double a = inGeometry.nOf(geometry, g), b = inDeck.nOf(deck, d);
    return a != b && !(std::isnan(a) && std::isnan(b));
  };
  for (int32_t i = 0; i < geometry.points; ++i) {
    if (differs(geometry.station[i])) return true;
    if (i + 1 < geometry.points && differs(0.5 * (geometry.station[i] + geometry.station[i + 1])))
      return true;
  }
  return false;
}

double lowestOf(const SectionShape& shape) {
  if (shape.points == 0) return NAN;
  return *std::min_element(shape.elevation, shape.elevation + shape.points);
}

}  // namespace

void SectionReadBack::read(const SectionTexts& texts, const Findings& findings) {
  readGeometrySection(texts, geometry_);
  noteWarnings(texts, geometry_, findings);
  haveGeometry_ = true;
  khFlag_ = texts.nKhFlag;
  nMode_ = texts.nMode;
  levelsKnown_ = false;
  checked_ = false;
}

void SectionReadBack::compareNumbers(ReadBackResult& result) {
  const SectionShape& g = geometry_.shape;
  const SectionShape& d = deck_.shape;
  changedCount_ = 0;
  bool sameStretchesAsGeometry = sameStretches(g, d);
  onlyPointsDiffer_ = g.points == d.points && sameStretchesAsGeometry;
  if (g.points != d.points) {
    result.causes |= CAUSE_GROUND;
  } else {
    for (int32_t u = 0; u < deck_.unknownCount; ++u) {
      int32_t i = deck_.unknown[u];
      if (i >= g.points) break;
      bool stationDiffers = g.station[i] != d.station[i];
      bool elevationDiffers = g.elevation[i] != d.elevation[i] &&
                              !(std::isnan(g.elevation[i]) && std::isnan(d.elevation[i]));
      if (stationDiffers || elevationDiffers) changed_[changedCount_++] = i;
      if (stationDiffers) result.causes |= CAUSE_GROUND;
      if (!elevationDiffers) continue;
      if (i % 5 == 0) {
        result.causes |= CAUSE_FIELD1;
        ++result.field1Changed;
      } else {
        result.causes |= CAUSE_GROUND;
      }
    }
  }
  if (!sameStretchesAsGeometry && nInForceDiffers(g, d)) {
    if (khFlag_ == 1) {
      result.causes |= CAUSE_BLANK_NC;
    } else {
      result.causes |= CAUSE_N_VALUES;
      // The varying form's end stations 5, 10, 15 and 20 open further NH cards.
      if (nMode_ != 0 && g.stretches == d.stretches) {
        bool onlyOpeners = true, anyOpener = false;
        for (int32_t i = 1; i < g.stretches; ++i) {
          bool differs = g.start[i] != d.start[i];
          bool opener = i % 5 == 0;
          anyOpener |= differs && opener;
          onlyOpeners &= !differs || opener;
          if (g.n[i - 1] != d.n[i - 1] && !(std::isnan(g.n[i - 1]) && std::isnan(d.n[i - 1])))
            onlyOpeners = false;
        }
        if (anyOpener) result.causes |= CAUSE_NH_CUT;
        if (anyOpener && onlyOpeners) result.causes &= ~CAUSE_N_VALUES;
      }
    }
  }
  result.differs = result.causes != 0;
}

void SectionReadBack::check(const SectionCards& cards, ReadBackResult& result) {
  result = ReadBackResult();
  deck_.shape.points = deck_.shape.stretches = 0;
  KnownPoints known;
  if (haveGeometry_ && geometry_.readable) {
    known.points = geometry_.shape.points;
    known.station = geometry_.stationText;
    known.elevation = geometry_.elevationText;
    known.stationValue = geometry_.shape.station;
    known.elevationValue = geometry_.shape.elevation;
  }
  result.read = readDeckSection(cards.images, deck_, known);
  result.lowest = result.read == DeckReadResult::READ ? lowestOf(deck_.shape) : NAN;
  if (!haveGeometry_ || !geometry_.readable || result.read != DeckReadResult::READ) return;
  result.compared = true;
  compareNumbers(result);
  if (result.differs) {
    if (!levelsKnown_) {
      judgeLevels(geometry_.shape, geometry_.banksKnown, geometry_.bankLeft, geometry_.bankRight,
                  levels_);
      levelsKnown_ = true;
    }
    result.levels = &levels_;
    if (onlyPointsDiffer_)
      compareChangedPoints(levels_, geometry_.shape, deck_.shape, changed_, changedCount_,
                           result.change);
    else
      compareFlows(levels_, deck_.shape, result.change);
  }
  if (checked_) {
    result.repeatsFirst =
        result.change.area == firstArea_ && result.change.conveyance == firstConveyance_;
  } else {
    result.first = checked_ = true;
    firstArea_ = result.change.area;
    firstConveyance_ = result.change.conveyance;
  }
}

}  // namespace tolvane
