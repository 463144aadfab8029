#include "hydraulics/geometrySection.h"

#include <algorithm>
#include <cmath>

#include "hydraulics/fieldNumber.h"

namespace tolvane {

namespace {

/// The n value of a text; NaN when it holds no number, so that it is never
/// positive.
double roughness(const FIELD8& text) {
  double value = 0;
  return fieldNumber(view(text), value) ? value : NAN;
}

/// The n values split at their own stations; false when a station holds no
/// number.
bool readStretches(const SectionTexts& texts, GeometrySection& section) {
  SectionShape& shape = section.shape;
  shape.stretches = 0;
  if (texts.nMode != 0) {
    int32_t count = std::min(texts.nCount, SHAPE_STRETCH_CAPACITY);
    for (int32_t i = 0; i < count; ++i) {
      shape.n[i] = roughness(texts.nValue[i]);
      shape.start[i] = 0;
      if (i > 0 && !fieldNumber(view(texts.nEnd[i - 1]), shape.start[i])) return false;
    }
    shape.stretches = count;
    return true;
  }
  if (texts.nCount <= 0) return true;
  if (texts.nStart) {
    int32_t count = std::min(texts.nCount, 3);
    for (int32_t i = 0; i < count; ++i) {
      shape.n[i] = roughness(texts.nValue[i]);
      if (!fieldNumber(view(texts.nStart[i]), shape.start[i])) return false;
    }
    shape.stretches = count;
    return true;
  }
  // Without their start stations the three values apply as the banks split
  // the section.
  shape.stretches = 3;
  shape.start[0] = 0;
  shape.start[1] = section.bankLeft;
  shape.start[2] = section.bankRight;
  for (int i = 0; i < 3; ++i) shape.n[i] = roughness(texts.nValue[i]);
  return true;
}

/// The stretch of a shape from `from` to `to` as a detail.
void describeStretch(const FIELD8& n, double from, double to, DetailText& detail) {
  detail.text("n value ").quoted(view(n)).text(" from station ").amount(from).text(" to ").amount(to);
}

void noteNotPositive(const SectionTexts& texts, const GeometrySection& section,
                     const Findings& findings) {
  const SectionShape& shape = section.shape;
  if (texts.nKhFlag == 1 || shape.points < 2) return;
  double first = shape.station[0], last = shape.station[shape.points - 1];
  if (!(last > first)) return;
  if (texts.nMode == 0 && texts.nCount <= 0) {
    findings.note(FindingKind::N_NOT_POSITIVE, view(texts.station),
                  "no n values: the deck carries a blank NC card, whose n values read as 0");
    return;
  }
  int32_t found = 0;
  DetailText detail;
  for (int32_t i = 0; i < shape.stretches; ++i) {
    if (shape.n[i] > 0) continue;
    double from = i == 0 ? first : std::max(first, shape.start[i]);
    double to = i + 1 < shape.stretches ? std::min(last, shape.start[i + 1]) : last;
    if (!(to > from)) continue;
    if (found++ == 0) describeStretch(texts.nValue[i], from, to, detail);
  }
  if (found == 0) return;
  if (found > 1) detail.text(", and ").number(found - 1).text(" more");
  findings.note(FindingKind::N_NOT_POSITIVE, view(texts.station), detail.view());
}

void noteNStationsDecreasing(const SectionTexts& texts, const Findings& findings) {
  if (texts.nMode == 0 || texts.nKhFlag == 1) return;
  double before = 0;
  for (int32_t i = 0; i < texts.nCount; ++i) {
    double end = 0;
    if (!fieldNumber(view(texts.nEnd[i]), end)) return;
    if (i > 0 && end < before) {
      findings.note(FindingKind::N_STATIONS_DECREASING, view(texts.station),
                    DetailText()
                        .text("NH end station ")
                        .quoted(view(texts.nEnd[i]))
                        .text(" of n value ")
                        .number(i + 1)
                        .text(" lies below ")
                        .quoted(view(texts.nEnd[i - 1]))
                        .view());
      return;
    }
    before = end;
  }
}

void noteGround(const SectionTexts& texts, const GeometrySection& section,
                const Findings& findings) {
  const SectionShape& shape = section.shape;
  if (texts.points == 0) {
    findings.note(FindingKind::NO_GROUND_POINTS, view(texts.station),
                  "the section has no ground points: its X1 card announces 0");
    return;
  }
  if (!section.readable) return;
  int32_t backwards = 0, firstBack = 0;
  for (int32_t i = 1; i < shape.points; ++i) {
    if (shape.station[i] < shape.station[i - 1] && backwards++ == 0) firstBack = i;
  }
  if (backwards > 0) {
    DetailText detail;
    detail.text("station ").quoted(view(texts.sta[firstBack])).text(" of point ").number(firstBack + 1);
    detail.text(" lies below ").quoted(view(texts.sta[firstBack - 1]));
    if (backwards > 1) detail.text(", and ").number(backwards - 1).text(" more");
    findings.note(FindingKind::GROUND_STATIONS_DECREASING, view(texts.station), detail.view());
  }
  if (shape.points < 2) return;
  // The lowest of the inner points, then each end against it and the other end.
  int32_t lastPoint = shape.points - 1;
  double inner = INFINITY;
  for (int32_t i = 1; i < lastPoint; ++i) inner = std::min(inner, shape.elevation[i]);
  double left = shape.elevation[0], right = shape.elevation[lastPoint];
  int32_t end = -1;
  if (left < inner && left < right) end = 0;
  if (right < inner && right < left) end = lastPoint;
  if (end < 0) return;
  findings.note(FindingKind::LOWEST_POINT_AT_END, view(texts.station),
                DetailText()
                    .text(end == 0 ? "the left end point, elevation " : "the right end point, elevation ")
                    .quoted(view(texts.elev[end]))
                    .text(", lies below every other point")
                    .view());
}

}  // namespace

void readGeometrySection(const SectionTexts& texts, GeometrySection& section) {
  SectionShape& shape = section.shape;
  section.readable = false;
  section.banksKnown = !isBlank(view(texts.bankLeft)) && !isBlank(view(texts.bankRight)) &&
                       fieldNumber(view(texts.bankLeft), section.bankLeft) &&
                       fieldNumber(view(texts.bankRight), section.bankRight);
  if (!section.banksKnown) section.bankLeft = section.bankRight = 0;
  int32_t points = std::clamp(texts.points, 0, SHAPE_POINT_CAPACITY);
  shape.points = 0;
  std::copy(texts.sta, texts.sta + points, section.stationText);
  std::copy(texts.elev, texts.elev + points, section.elevationText);
  for (int32_t i = 0; i < points; ++i) {
    if (!fieldNumber(view(texts.sta[i]), shape.station[i]) ||
        !fieldNumber(view(texts.elev[i]), shape.elevation[i]))
      return;
  }
  shape.points = points;
  section.readable = readStretches(texts, section);
}

void noteWarnings(const SectionTexts& texts, const GeometrySection& section,
                  const Findings& findings) {
  noteGround(texts, section, findings);
  noteNStationsDecreasing(texts, findings);
  if (section.readable) noteNotPositive(texts, section, findings);
}

}  // namespace tolvane
