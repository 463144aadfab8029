#include "report/bridgePicture.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "report/svg.h"

namespace tolvane {

namespace {

constexpr double kWidth = 1000;
constexpr double kHeight = 500;
constexpr double kPanelOffset = 496;
constexpr PlotArea kFirstPlot = {80, 474, 64, 360};

constexpr std::string_view kGroundLine = "#5a3d1e";
constexpr std::string_view kGroundFill = "#e9dcc0";
constexpr std::string_view kOpeningFill = "#c4def4";
constexpr std::string_view kBlockedFill = "#7a7a7a";
constexpr std::string_view kBlockedEdge = "#333333";
constexpr std::string_view kDeckFill = "#9b9b9b";
constexpr std::string_view kBankLine = "#1d6f38";
constexpr std::string_view kIneffective = "#b0352b";

int clampedCount(int count) { return std::clamp(count, 0, FACE_POINTS); }

/// The picture's scales: both faces on the same ones, so they compare. When
/// the opening and the banks take up less than half the stations of the
/// faces (a long embankment across a wide floodplain), the picture shows
/// that part only, so that the opening and the piers can be seen.
struct FaceScales {
  Ticks xTicks, yTicks;
  Extent allStations;
  bool zoomed = false;
};

void addStations(const BridgeFace& face, Extent& stations, Extent& focus) {
  for (int i = 0; i < clampedCount(face.groundCount); ++i) stations.add(face.ground[i].station);
  for (int i = 0; i < clampedCount(face.lidCount); ++i) stations.add(face.lid[i].station);
  double first = 0, last = 0;
  if (openingStations(face, first, last)) {
    focus.add(first);
    focus.add(last);
  }
  if (face.hasBanks) {
    for (double bank : {face.bankLeft, face.bankRight}) {
      stations.add(bank);
      focus.add(bank);
    }
  }
  for (const IneffectiveSide* side : {&face.ineffectiveLeft, &face.ineffectiveRight}) {
    if (!side->present) continue;
    stations.add(side->station);
    focus.add(side->station);
  }
}

/// Adds the heights a line takes between stations left and right: its points
/// there and, where it crosses an edge, its height at the edge. `point(i)`
/// gives point i as a station and a height.
template <typename Point>
void addHeightsWithin(int count, Point point, double left, double right, Extent& heights) {
  for (int i = 0; i < count; ++i) {
    auto [station, height] = point(i);
    if (station >= left && station <= right) heights.add(height);
    if (i == 0) continue;
    auto [before, heightBefore] = point(i - 1);
    for (double edge : {left, right}) {
      if ((before < edge && station > edge) || (before > edge && station < edge)) {
        heights.add(heightBefore + (height - heightBefore) * (edge - before) / (station - before));
      }
    }
  }
}

void addHeights(const BridgeFace& face, double left, double right, Extent& low, Extent& high) {
  auto ground = [&](int i) { return std::pair<double, double>(face.ground[i].station, face.ground[i].elevation); };
  auto top = [&](int i) { return std::pair<double, double>(face.lid[i].station, face.lid[i].top); };
  auto underside = [&](int i) { return std::pair<double, double>(face.lid[i].station, face.lid[i].low); };
  addHeightsWithin(clampedCount(face.groundCount), ground, left, right, low);
  addHeightsWithin(clampedCount(face.groundCount), ground, left, right, high);
  addHeightsWithin(clampedCount(face.lidCount), top, left, right, high);
  addHeightsWithin(clampedCount(face.lidCount), underside, left, right, high);
  for (const IneffectiveSide* side : {&face.ineffectiveLeft, &face.ineffectiveRight}) {
    if (side->present) high.add(side->elevation);
  }
}

FaceScales scalesFor(const BridgeFace& upstream, const BridgeFace& downstream) {
  Extent stations, focus;
  addStations(upstream, stations, focus);
  addStations(downstream, stations, focus);
  FaceScales scales;
  scales.allStations = stations;
  double left = stations.low, right = stations.high;
  double focusWidth = focus.high - focus.low;
  if (focus.any && focusWidth > 0 && focusWidth < (right - left) / 2) {
    scales.zoomed = true;
    left = std::max(left, focus.low - focusWidth * 0.15);
    right = std::min(right, focus.high + focusWidth * 0.15);
  }
  scales.xTicks = roundTicks(left, right, 6);
  // The heights over the stations shown. The picture reaches down to the
  // lowest ground point: a pier or an ineffective area reaching below it is
  // cut at the frame.
  Extent low, high;
  addHeights(upstream, scales.xTicks.value(0), scales.xTicks.value(scales.xTicks.count - 1), low, high);
  addHeights(downstream, scales.xTicks.value(0), scales.xTicks.value(scales.xTicks.count - 1), low, high);
  double bottom = low.any ? low.low : high.low;
  double top = std::max(high.high, bottom);
  scales.yTicks = roundTicks(bottom, top, 6);
  return scales;
}

void writePoint(SvgWriter& svg, double x, double y) { svg.point(x, y); }

void writeGround(SvgWriter& svg, const BridgeFace& face, const Scale& x, const Scale& y, double bottom) {
  int count = clampedCount(face.groundCount);
  if (count == 0) return;
  svg.raw("<polygon fill=\"").raw(kGroundFill).raw("\" stroke=\"none\" points=\"");
  for (int i = 0; i < count; ++i) writePoint(svg, x.at(face.ground[i].station), y.at(face.ground[i].elevation));
  writePoint(svg, x.at(face.ground[count - 1].station), bottom);
  writePoint(svg, x.at(face.ground[0].station), bottom);
  svg.raw("\"/>\n");
}

void writeGroundLine(SvgWriter& svg, const BridgeFace& face, const Scale& x, const Scale& y) {
  int count = clampedCount(face.groundCount);
  if (count == 0) return;
  svg.raw("<polyline fill=\"none\" stroke=\"").raw(kGroundLine);
  svg.raw("\" stroke-width=\"2.2\" stroke-linejoin=\"round\" points=\"");
  for (int i = 0; i < count; ++i) writePoint(svg, x.at(face.ground[i].station), y.at(face.ground[i].elevation));
  svg.raw("\"/>\n");
}

/// The space under the low chord, down to the frame; the ground drawn over it
/// leaves the opening showing.
void writeUnderChord(SvgWriter& svg, const BridgeFace& face, const Scale& x, const Scale& y, double bottom) {
  int count = clampedCount(face.lidCount);
  if (count == 0) return;
  svg.raw("<polygon fill=\"").raw(kOpeningFill).raw("\" stroke=\"none\" points=\"");
  for (int i = 0; i < count; ++i) writePoint(svg, x.at(face.lid[i].station), y.at(face.lid[i].low));
  writePoint(svg, x.at(face.lid[count - 1].station), bottom);
  writePoint(svg, x.at(face.lid[0].station), bottom);
  svg.raw("\"/>\n");
}

/// The deck between its top and its underside; the ground drawn over it hides
/// the part of an embankment or pier below the ground.
void writeDeckFill(SvgWriter& svg, const BridgeFace& face, const Scale& x, const Scale& y) {
  int count = clampedCount(face.lidCount);
  if (count == 0) return;
  svg.raw("<polygon fill=\"").raw(kDeckFill).raw("\" stroke=\"none\" points=\"");
  for (int i = 0; i < count; ++i) writePoint(svg, x.at(face.lid[i].station), y.at(face.lid[i].top));
  for (int i = count - 1; i >= 0; --i) writePoint(svg, x.at(face.lid[i].station), y.at(face.lid[i].low));
  svg.raw("\"/>\n");
}

/// The deck's top (solid) or its underside (dashed) as a line.
void writeLidLine(SvgWriter& svg, const BridgeFace& face, const Scale& x, const Scale& y, bool underside) {
  int count = clampedCount(face.lidCount);
  if (count == 0) return;
  svg.raw("<polyline fill=\"none\" stroke=\"#000000\" stroke-width=\"1.6\" ");
  if (underside) svg.raw("stroke-dasharray=\"7 3\" ");
  svg.raw("points=\"");
  for (int i = 0; i < count; ++i) {
    writePoint(svg, x.at(face.lid[i].station), y.at(underside ? face.lid[i].low : face.lid[i].top));
  }
  svg.raw("\"/>\n");
}

/// Where the section ends on one side: its first or last ground station, or
/// the frame when it has no ground points.
double sectionEnd(const BridgeFace& face, bool left, const Scale& x, const PlotArea& plot) {
  Extent stations;
  for (int i = 0; i < clampedCount(face.groundCount); ++i) stations.add(face.ground[i].station);
  if (!stations.any) return left ? plot.left : plot.right;
  return x.at(left ? stations.low : stations.high);
}

/// An ineffective area: hatched from the section's end to its station, below
/// its elevation; a blocked one filled solid (the ground drawn over either
/// hides what lies under the ground, so a blocked one stands on the ground).
void writeIneffective(SvgWriter& svg, const BridgeFace& face, bool left, const Scale& x, const Scale& y,
                      const PlotArea& plot, int pictureId) {
  const IneffectiveSide& side = left ? face.ineffectiveLeft : face.ineffectiveRight;
  if (!side.present) return;
  double at = x.at(side.station);
  double end = sectionEnd(face, left, x, plot);
  double from = left ? end : at;
  double to = left ? at : end;
  if (!(to > from)) return;
  double level = y.at(side.elevation);
  svg.raw("<rect x=\"").number(from).raw("\" y=\"").number(level).raw("\" width=\"").number(to - from);
  svg.raw("\" height=\"").number(std::max(0.0, plot.bottom - level));
  if (side.blocked) {
    svg.raw("\" fill=\"").raw(kBlockedFill).raw("\" stroke=\"none\"/>\n");
    return;
  }
  svg.raw("\" fill=\"url(#tb").integer(pictureId).raw("-hatch)\" stroke=\"none\"/>\n");
}

void writeIneffectiveEdge(SvgWriter& svg, const BridgeFace& face, bool left, const Scale& x, const Scale& y,
                          const PlotArea& plot) {
  const IneffectiveSide& side = left ? face.ineffectiveLeft : face.ineffectiveRight;
  if (!side.present) return;
  double at = x.at(side.station);
  double level = y.at(side.elevation);
  svg.raw("<polyline fill=\"none\" stroke=\"").raw(side.blocked ? kBlockedEdge : kIneffective);
  svg.raw("\" stroke-width=\"1.6\" points=\"");
  writePoint(svg, sectionEnd(face, left, x, plot), level);
  writePoint(svg, at, level);
  writePoint(svg, at, plot.bottom);
  svg.raw("\"/>\n");
}

void writeBank(SvgWriter& svg, double at, const PlotArea& plot) {
  svg.raw("<line x1=\"").number(at).raw("\" y1=\"").number(plot.top).raw("\" x2=\"").number(at);
  svg.raw("\" y2=\"").number(plot.bottom).raw("\" stroke=\"").raw(kBankLine);
  svg.raw("\" stroke-width=\"1.6\" stroke-dasharray=\"2 3\"/>\n");
}

void writeFaceHeading(SvgWriter& svg, const BridgeFace& face, std::string_view side, const PlotArea& plot) {
  svg.raw("<text x=\"").number(plot.left).raw("\" y=\"").number(plot.top - 10);
  svg.raw("\" font-size=\"15\" font-weight=\"bold\" fill=\"#222222\">").text(side);
  std::string_view station = trimBlanks(view(face.station));
  if (!station.empty()) svg.raw(", RM ").text(station);
  svg.raw("</text>\n");
}

void writeFaceCaption(SvgWriter& svg, const BridgeFace& face, const PlotArea& plot) {
  svg.raw("<text x=\"").number((plot.left + plot.right) / 2).raw("\" y=\"").number(plot.bottom + 62);
  svg.raw("\" font-size=\"14\" text-anchor=\"middle\" fill=\"#222222\">");
  if (clampedCount(face.lidCount) == 0) {
    svg.raw("No deck on this face (no BT cards)");
  } else if (clampedCount(face.groundCount) < 2) {
    svg.raw("No ground line under the deck");
  } else {
    svg.raw("Opening area under the low chord: ").fixed(openingArea(face), 1);
  }
  svg.raw("</text>\n");
}

/// The station axis label; a zoomed picture says which part it shows.
std::string_view stationLabel(const FaceScales& scales, char (&buffer)[160]) {
  if (!scales.zoomed) return "Station";
  const Ticks& ticks = scales.xTicks;
  int length = std::snprintf(buffer, sizeof buffer, "Station (%.*f to %.*f shown of %.*f to %.*f)",
                             ticks.decimals, ticks.value(0), ticks.decimals, ticks.value(ticks.count - 1),
                             ticks.decimals, scales.allStations.low, ticks.decimals, scales.allStations.high);
  return {buffer, static_cast<size_t>(std::clamp(length, 0, static_cast<int>(sizeof buffer) - 1))};
}

void writeFace(SvgWriter& svg, const BridgeFace& face, std::string_view side, const FaceScales& scales,
               const PlotArea& plot, int pictureId, int panel) {
  Scale x = scaleOver(scales.xTicks, plot.left, plot.right);
  Scale y = scaleOver(scales.yTicks, plot.bottom, plot.top);
  writeFaceHeading(svg, face, side, plot);
  char label[160];
  writeAxes(svg, plot, scales.xTicks, scales.yTicks, stationLabel(scales, label), "Elevation");
  svg.raw("<g clip-path=\"url(#tb").integer(pictureId).raw("-clip").integer(panel).raw(")\">\n");
  writeUnderChord(svg, face, x, y, plot.bottom);
  writeIneffective(svg, face, true, x, y, plot, pictureId);
  writeIneffective(svg, face, false, x, y, plot, pictureId);
  // What lies below the ground is drawn first, so that the ground hides it.
  writeDeckFill(svg, face, x, y);
  writeLidLine(svg, face, x, y, true);
  writeGround(svg, face, x, y, plot.bottom);
  writeLidLine(svg, face, x, y, false);
  writeIneffectiveEdge(svg, face, true, x, y, plot);
  writeIneffectiveEdge(svg, face, false, x, y, plot);
  writeGroundLine(svg, face, x, y);
  if (face.hasBanks) {
    writeBank(svg, x.at(face.bankLeft), plot);
    writeBank(svg, x.at(face.bankRight), plot);
  }
  svg.raw("</g>\n");
  writeFaceCaption(svg, face, plot);
}

void writeDefinitions(SvgWriter& svg, int pictureId) {
  svg.raw("<defs><pattern id=\"tb").integer(pictureId);
  svg.raw("-hatch\" width=\"7\" height=\"7\" patternUnits=\"userSpaceOnUse\" patternTransform=\"rotate(45)\">");
  svg.raw("<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"7\" stroke=\"").raw(kIneffective);
  svg.raw("\" stroke-width=\"1.4\"/></pattern>");
  for (int panel = 0; panel < 2; ++panel) {
    PlotArea plot = kFirstPlot;
    svg.raw("<clipPath id=\"tb").integer(pictureId).raw("-clip").integer(panel).raw("\"><rect x=\"");
    svg.number(plot.left + panel * kPanelOffset).raw("\" y=\"").number(plot.top);
    svg.raw("\" width=\"").number(plot.right - plot.left).raw("\" height=\"").number(plot.bottom - plot.top);
    svg.raw("\"/></clipPath>");
  }
  svg.raw("</defs>\n");
}

/// Whether either face has a blocked obstruction.
bool anyBlocked(const BridgeFace& upstream, const BridgeFace& downstream) {
  for (const BridgeFace* face : {&upstream, &downstream})
    for (const IneffectiveSide* side : {&face->ineffectiveLeft, &face->ineffectiveRight})
      if (side->present && side->blocked) return true;
  return false;
}

/// The legend; the entry for blocked obstructions only where a face has one.
void writeLegend(SvgWriter& svg, int pictureId, bool blocked) {
  double y = 470;
  double x = 16;
  svg.raw("<g>\n");
  svg.raw("<rect x=\"").number(x).raw("\" y=\"").number(y - 7).raw("\" width=\"26\" height=\"14\" fill=\"");
  svg.raw(kGroundFill).raw("\"/><line x1=\"").number(x).raw("\" y1=\"").number(y - 7).raw("\" x2=\"");
  svg.number(x + 26).raw("\" y2=\"").number(y - 7).raw("\" stroke=\"").raw(kGroundLine);
  svg.raw("\" stroke-width=\"2.2\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Ground (GR)");
  svg.raw("<line x1=\"").number(x).raw("\" y1=\"").number(y).raw("\" x2=\"").number(x + 26);
  svg.raw("\" y2=\"").number(y).raw("\" stroke=\"#000000\" stroke-width=\"1.6\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Deck top (BT)");
  svg.raw("<line x1=\"").number(x).raw("\" y1=\"").number(y).raw("\" x2=\"").number(x + 26);
  svg.raw("\" y2=\"").number(y).raw("\" stroke=\"#000000\" stroke-width=\"1.6\" stroke-dasharray=\"7 3\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Low chord, piers (BT)");
  svg.raw("<rect x=\"").number(x).raw("\" y=\"").number(y - 7).raw("\" width=\"26\" height=\"14\" fill=\"");
  svg.raw(kOpeningFill).raw("\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Opening");
  svg.raw("<line x1=\"").number(x + 13).raw("\" y1=\"").number(y - 8).raw("\" x2=\"").number(x + 13);
  svg.raw("\" y2=\"").number(y + 8).raw("\" stroke=\"").raw(kBankLine);
  svg.raw("\" stroke-width=\"1.6\" stroke-dasharray=\"2 3\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Bank station (X1)");
  svg.raw("<rect x=\"").number(x).raw("\" y=\"").number(y - 7).raw("\" width=\"26\" height=\"14\" fill=\"url(#tb");
  svg.integer(pictureId).raw("-hatch)\" stroke=\"").raw(kIneffective).raw("\" stroke-width=\"1.2\"/>\n");
  x = writeLegendLabel(svg, x + 32, y, "Ineffective area (X3)");
  if (blocked) {
    // A row of its own: the first row is full.
    x = 16;
    y += 24;
    svg.raw("<rect x=\"").number(x).raw("\" y=\"").number(y - 7).raw("\" width=\"26\" height=\"14\" fill=\"");
    svg.raw(kBlockedFill).raw("\" stroke=\"").raw(kBlockedEdge).raw("\" stroke-width=\"1.2\"/>\n");
    writeLegendLabel(svg, x + 32, y, "Blocked (X3)");
  }
  svg.raw("</g>\n");
}

}  // namespace

void writeBridgePicture(OutputStream& out, const BridgeFace& upstream, const BridgeFace& downstream,
                        std::string_view title, int pictureId) {
  SvgWriter svg(out);
  bool blocked = anyBlocked(upstream, downstream);
  double height = blocked ? kHeight + 24 : kHeight;  // the legend's second row
  svg.raw("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 ").number(kWidth).raw(" ").number(height);
  svg.raw("\" width=\"").number(kWidth).raw("\" height=\"").number(height);
  svg.raw("\" style=\"max-width:100%;height:auto\" font-family=\"sans-serif\" role=\"img\">\n<title>");
  svg.text(title).raw("</title>\n");
  writeDefinitions(svg, pictureId);
  svg.raw("<rect x=\"0\" y=\"0\" width=\"").number(kWidth).raw("\" height=\"").number(height);
  svg.raw("\" fill=\"#ffffff\"/>\n<text x=\"16\" y=\"26\" font-size=\"17\" font-weight=\"bold\" fill=\"#111111\">");
  svg.text(title).raw("</text>\n");
  FaceScales scales = scalesFor(upstream, downstream);
  PlotArea plot = kFirstPlot;
  writeFace(svg, upstream, "Upstream face", scales, plot, pictureId, 0);
  plot.left += kPanelOffset;
  plot.right += kPanelOffset;
  writeFace(svg, downstream, "Downstream face", scales, plot, pictureId, 1);
  writeLegend(svg, pictureId, blocked);
  svg.raw("</svg>\n");
}

}  // namespace tolvane
