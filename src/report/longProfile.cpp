#include "report/longProfile.h"

#include <algorithm>
#include <cmath>

#include "report/svg.h"

namespace tolvane {

namespace {

constexpr double kWidth = 1000;
constexpr double kHeight = 610;
/// The conveyance change strip, under the legend.
constexpr PlotArea kStrip = {80, 960, 470, 560};
constexpr std::string_view kSmallChange = "#9a9a9a";
constexpr std::string_view kOverHalfPercent = "#d08a00";
constexpr std::string_view kOverOnePercent = "#c0002a";
constexpr PlotArea kPlot = {80, 960, 48, 330};
/// One column per picture unit of the plot's width.
constexpr int kColumns = static_cast<int>(kPlot.right - kPlot.left);

constexpr std::string_view kGroundLine = "#5a3d1e";
/// The colours of the finding classes (DROPPED, CHANGED, WARNING), as the
/// findings table shows them.
constexpr std::string_view kClassColour[] = {"#aa0000", "#885500", "#0055aa"};
constexpr std::string_view kClassLabel[] = {"dropped", "changed", "warning"};
constexpr int kClasses = 3;
/// The marks of each class have a lane of their own along the bottom, the
/// first class lowest.
constexpr double kLaneHeight = 8;

/// A point of the profile kept for drawing.
struct Kept {
  bool any = false;
  float distance = 0;
  float elevation = 0;
  FIELD8 station = BLANK_FIELD8;
};

/// What falls into one column of the picture.
struct Column {
  Kept lowest;
  Kept bridge;
  Kept culvert;
  uint8_t findingClasses = 0;
  /// The conveyance change of largest magnitude in the column; NaN if none.
  float change = NAN;
};

/// What the first pass learns.
struct ProfileExtents {
  Extent distance;
  Extent elevation;
  long long sections = 0;
  long long bridges = 0;
  long long culverts = 0;
  long long withFindings = 0;
  long long judged = 0;
  float largestChange = NAN;
  FIELD8 largestStation = BLANK_FIELD8;
};

/// True when `change` is larger in magnitude than `than`, or `than` is NaN.
bool largerChange(float change, float than) {
  return std::isfinite(change) && (!std::isfinite(than) || std::fabs(change) > std::fabs(than));
}

ProfileExtents measure(ProfileSource& points) {
  ProfileExtents extents;
  ProfilePoint point;
  while (points.next(point)) {
    extents.sections += point.sections;
    extents.distance.add(point.distance);
    extents.elevation.add(point.lowestElevation);
    extents.bridges += point.bridges;
    extents.culverts += point.culvert;
    extents.withFindings += point.findingClasses != 0;
    if (std::isfinite(point.conveyanceChange)) ++extents.judged;
    if (largerChange(point.conveyanceChange, extents.largestChange)) {
      extents.largestChange = point.conveyanceChange;
      extents.largestStation = point.station;
    }
  }
  return extents;
}

Kept keep(const ProfilePoint& point) { return {true, point.distance, point.lowestElevation, point.station}; }

void collect(ProfileSource& points, const Scale& x, Column (&columns)[kColumns]) {
  ProfilePoint point;
  while (points.next(point)) {
    if (!std::isfinite(point.distance)) continue;
    double at = std::floor(x.at(point.distance) - kPlot.left);
    Column& column = columns[static_cast<int>(std::clamp(at, 0.0, double(kColumns - 1)))];
    bool ground = std::isfinite(point.lowestElevation);
    if (ground && (!column.lowest.any || point.lowestElevation < column.lowest.elevation)) {
      column.lowest = keep(point);
    }
    if (point.bridges > 0 && !column.bridge.any) column.bridge = keep(point);
    if (point.culvert && !column.culvert.any) {
      column.culvert = keep(point);
      column.culvert.station = point.culvertStation;
    }
    column.findingClasses |= point.findingClasses;
    if (largerChange(point.conveyanceChange, column.change)) column.change = point.conveyanceChange;
  }
}

void writePoint(SvgWriter& svg, double x, double y) { svg.point(x, y); }

/// The height of a marker: on the ground line, or under the frame's top for a
/// section without ground points.
double markerHeight(const Kept& kept, const Scale& y) {
  return std::isfinite(kept.elevation) ? y.at(kept.elevation) : kPlot.top + 14;
}

void writeGroundLine(SvgWriter& svg, const Column (&columns)[kColumns], const Scale& x, const Scale& y) {
  svg.raw("<polyline fill=\"none\" stroke=\"").raw(kGroundLine);
  svg.raw("\" stroke-width=\"2\" stroke-linejoin=\"round\" points=\"");
  for (const Column& column : columns) {
    // The column's vertices in the order of their distances.
    const Kept* kept[3] = {&column.lowest, &column.bridge, &column.culvert};
    std::sort(kept, kept + 3, [](const Kept* a, const Kept* b) { return a->distance < b->distance; });
    for (const Kept* vertex : kept) {
      if (vertex->any && std::isfinite(vertex->elevation)) {
        writePoint(svg, x.at(vertex->distance), y.at(vertex->elevation));
      }
    }
  }
  svg.raw("\"/>\n");
}

void writeMarkerTitle(SvgWriter& svg, std::string_view kind, const Kept& kept) {
  svg.raw("<title>").raw(kind);
  std::string_view station = trimBlanks(view(kept.station));
  if (!station.empty()) svg.raw(" at RM ").text(station);
  svg.raw("</title>");
}

void writeBridgeMark(SvgWriter& svg, double x, double y) {
  svg.raw("<path d=\"M").number(x - 6).raw(" ").number(y - 13).raw("H").number(x + 6).raw("L");
  svg.number(x).raw(" ").number(y - 2).raw("Z\" fill=\"#222222\" stroke=\"#222222\" stroke-width=\"1\">");
}

void writeCulvertMark(SvgWriter& svg, double x, double y) {
  svg.raw("<rect x=\"").number(x - 4.5).raw("\" y=\"").number(y - 4.5);
  svg.raw("\" width=\"9\" height=\"9\" fill=\"#ffffff\" stroke=\"#222222\" stroke-width=\"1.6\">");
}

/// A mark from `bottom` up, one lane high, as a piece of a path.
void writeFindingMark(SvgWriter& svg, double x, double bottom) {
  svg.raw("M").number(x).raw(" ").number(bottom).raw("v-").number(kLaneHeight - 1);
}

/// The path of one class's marks; writeFindingMark() adds the marks.
void startLane(SvgWriter& svg, int findingClass) {
  svg.raw("<path fill=\"none\" stroke=\"").raw(kClassColour[findingClass]).raw("\" stroke-width=\"2\" d=\"");
}

void writeMarks(SvgWriter& svg, const Column (&columns)[kColumns], const Scale& x, const Scale& y) {
  for (int c = 0; c < kClasses; ++c) {
    double bottom = kPlot.bottom - c * kLaneHeight;
    bool any = false;
    for (int i = 0; i < kColumns; ++i) {
      if (!(columns[i].findingClasses & findingClassBit(c))) continue;
      if (!any) startLane(svg, c);
      any = true;
      writeFindingMark(svg, kPlot.left + i + 0.5, bottom);
    }
    if (any) svg.raw("\"/>\n");
  }
  for (const Column& column : columns) {
    if (column.culvert.any) {
      writeCulvertMark(svg, x.at(column.culvert.distance), markerHeight(column.culvert, y));
      writeMarkerTitle(svg, "Culvert", column.culvert);
      svg.raw("</rect>\n");
    }
    if (column.bridge.any) {
      writeBridgeMark(svg, x.at(column.bridge.distance), markerHeight(column.bridge, y));
      writeMarkerTitle(svg, "Bridge", column.bridge);
      svg.raw("</path>\n");
    }
  }
}

void writeLegend(SvgWriter& svg) {
  const double y = 408;
  double x = 16;
  svg.raw("<line x1=\"").number(x).raw("\" y1=\"").number(y).raw("\" x2=\"").number(x + 26);
  svg.raw("\" y2=\"").number(y).raw("\" stroke=\"").raw(kGroundLine).raw("\" stroke-width=\"2\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Lowest ground of each section (GR)");
  writeBridgeMark(svg, x + 13, y + 7);
  svg.raw("</path>\n");
  x = writeLegendLabel(svg, x + 26, y, "Bridge");
  writeCulvertMark(svg, x + 13, y);
  svg.raw("</rect>\n");
  x = writeLegendLabel(svg, x + 26, y, "Culvert");
  x = writeLegendLabel(svg, x + 14, y, "Findings along the bottom:");
  for (int c = 0; c < kClasses; ++c) {
    startLane(svg, c);
    for (int i = 0; i < 3; ++i) writeFindingMark(svg, x + 6 + 5 * i, y + 4);
    svg.raw("\"/>\n");
    x = writeLegendLabel(svg, x + 22, y, kClassLabel[c]);
  }
}

/// The strip's half height in percent: the smallest of 1, 2, 5, 10 and 20
/// that holds the largest change; larger changes are cut at the edge.
double stripLimit(const ProfileExtents& extents) {
  double largest = std::isfinite(extents.largestChange) ? std::fabs(extents.largestChange) * 100 : 0;
  for (double limit : {1.0, 2.0, 5.0, 10.0}) {
    if (largest <= limit) return limit;
  }
  return 20;
}

std::string_view changeColour(double percent) {
  double size = std::fabs(percent);
  if (size > 1) return kOverOnePercent;
  return size > 0.5 ? kOverHalfPercent : kSmallChange;
}

void writeStripTitle(SvgWriter& svg, const ProfileExtents& extents) {
  svg.raw("<text x=\"").number(kStrip.left).raw("\" y=\"").number(kStrip.top - 10);
  svg.raw("\" font-size=\"14\" font-weight=\"bold\" fill=\"#222222\">Conveyance change, deck against the "
          "geometry file");
  if (extents.judged == 0) {
    svg.raw(": no section deep enough to judge</text>\n");
    return;
  }
  svg.raw(extents.largestChange > 0 ? ": largest +" : ": largest ").fixed(extents.largestChange * 100, 2);
  svg.raw("% at RM ");
  svg.text(trimBlanks(view(extents.largestStation))).raw("</text>\n");
}

/// Each column's conveyance change as a stem from the zero line, grey up to
/// 0.5%, amber up to 1%, red beyond; a stem cut at the edge gets a cap.
/// Columns without a judged section stay empty.
void writeStrip(SvgWriter& svg, const Column (&columns)[kColumns], const ProfileExtents& extents,
                const Ticks& xTicks) {
  double limit = stripLimit(extents);
  // Steps of 0.5, 1, 2.5, 5 or 10: one decimal for 0.5 and 2.5.
  Ticks yTicks{-limit, limit / 2, 5, limit == 1 || limit == 5 ? 1 : 0};
  writeStripTitle(svg, extents);
  writeAxes(svg, kStrip, xTicks, yTicks, "", "Change (%)");
  Scale y = scaleOver(yTicks, kStrip.bottom, kStrip.top);
  svg.raw("<g stroke=\"#555555\" stroke-width=\"1\" stroke-dasharray=\"3 3\">");
  for (double guide : {-1.0, -0.5, 0.5, 1.0}) {
    if (std::fabs(guide) >= limit) continue;
    svg.raw("<line x1=\"").number(kStrip.left).raw("\" y1=\"").number(y.at(guide)).raw("\" x2=\"");
    svg.number(kStrip.right).raw("\" y2=\"").number(y.at(guide)).raw("\"/>");
  }
  svg.raw("</g>\n<line x1=\"").number(kStrip.left).raw("\" y1=\"").number(y.at(0)).raw("\" x2=\"");
  svg.number(kStrip.right).raw("\" y2=\"").number(y.at(0)).raw("\" stroke=\"#222222\" stroke-width=\"1\"/>\n");
  for (std::string_view colour : {kSmallChange, kOverHalfPercent, kOverOnePercent}) {
    bool any = false;
    for (int i = 0; i < kColumns; ++i) {
      double percent = columns[i].change * 100.0;
      if (!std::isfinite(percent) || changeColour(percent) != colour) continue;
      if (!any) svg.raw("<path fill=\"none\" stroke=\"").raw(colour).raw("\" stroke-width=\"2\" d=\"");
      any = true;
      double x = kStrip.left + i + 0.5;
      double end = y.at(std::clamp(percent, -limit, limit));
      svg.raw("M").number(x).raw(" ").number(y.at(0)).raw("V").number(end);
      if (std::fabs(percent) > limit) svg.raw("M").number(x - 3).raw(" ").number(end).raw("h6");
    }
    if (any) svg.raw("\"/>\n");
  }
}

void writeCounts(SvgWriter& svg, const ProfileExtents& extents) {
  svg.raw("<text x=\"").number(kPlot.right).raw("\" y=\"26\" font-size=\"13\" text-anchor=\"end\" fill=\"#222222\">");
  // Counted as the geometry file has them: a bridge's two faces are no sections.
  svg.integer(extents.sections).raw(extents.sections == 1 ? " cross section, " : " cross sections, ");
  svg.integer(extents.bridges).raw(extents.bridges == 1 ? " bridge, " : " bridges, ");
  svg.integer(extents.culverts).raw(extents.culverts == 1 ? " culvert, " : " culverts, ");
  svg.integer(extents.withFindings).raw(" with findings</text>\n");
}

}  // namespace

bool writeLongProfile(OutputStream& out, ProfileSource& points, std::string_view title, int pictureId) {
  if (!points.rewind()) return false;
  ProfileExtents extents = measure(points);
  if (!points.rewind()) return false;
  Ticks xTicks = roundTicks(extents.distance.low, extents.distance.high, 10);
  Ticks yTicks = roundTicks(extents.elevation.low, extents.elevation.high, 6);
  Scale x = scaleOver(xTicks, kPlot.left, kPlot.right);
  Scale y = scaleOver(yTicks, kPlot.bottom, kPlot.top);
  Column columns[kColumns];
  collect(points, x, columns);

  SvgWriter svg(out);
  svg.raw("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 ").number(kWidth).raw(" ").number(kHeight);
  svg.raw("\" width=\"").number(kWidth).raw("\" height=\"").number(kHeight);
  svg.raw("\" style=\"max-width:100%;height:auto\" font-family=\"sans-serif\" role=\"img\">\n<title>");
  svg.text(title).raw("</title>\n<defs><clipPath id=\"tp").integer(pictureId).raw("-clip\"><rect x=\"");
  svg.number(kPlot.left).raw("\" y=\"").number(kPlot.top).raw("\" width=\"").number(kPlot.right - kPlot.left);
  svg.raw("\" height=\"").number(kPlot.bottom - kPlot.top).raw("\"/></clipPath></defs>\n");
  svg.raw("<rect x=\"0\" y=\"0\" width=\"").number(kWidth).raw("\" height=\"").number(kHeight);
  svg.raw("\" fill=\"#ffffff\"/>\n<text x=\"16\" y=\"26\" font-size=\"17\" font-weight=\"bold\" fill=\"#111111\">");
  svg.text(title).raw("</text>\n");
  writeCounts(svg, extents);
  writeAxes(svg, kPlot, xTicks, yTicks, "Distance along the channel from the reach's first section",
            "Lowest ground elevation");
  svg.raw("<g clip-path=\"url(#tp").integer(pictureId).raw("-clip)\">\n");
  if (extents.elevation.any) writeGroundLine(svg, columns, x, y);
  svg.raw("</g>\n");
  // Markers stand above the ground line: one on the highest section would
  // be cut off by the frame.
  writeMarks(svg, columns, x, y);
  writeLegend(svg);
  writeStrip(svg, columns, extents, xTicks);
  svg.raw("</svg>\n");
  return true;
}

}  // namespace tolvane
