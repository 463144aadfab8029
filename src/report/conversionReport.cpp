#include "report/conversionReport.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "hydraulics/readBack.h"
#include "report/bridgeFace.h"
#include "report/bridgePicture.h"
#include "report/cardValues.h"
#include "report/htmlText.h"
#include "deck/deckFile.h"
#include "platform/files.h"
#include "report/longProfile.h"
#include "report/scriptText.h"
#include "text/printfNumbers.h"

namespace tolvane {

namespace {

/// Sections of one reach whose X1 numbers are compared.
constexpr int32_t kNumberCapacity = 1 << 16;
/// Points a long profile keeps; beyond, every second point is dropped.
constexpr int32_t kProfileCapacity = 1 << 14;
/// Other sections a shared-number finding names.
constexpr int kSharersNamed = 12;
/// Length of a reach name on the T1 card.
constexpr size_t kReachNameLength = 33;
/// A section's area or conveyance changes when the deck's differs from the
/// geometry file's by more than this share at a judged level.
constexpr double kChangeShare = 0.005;
/// The largest changes of a run that the report lists.
constexpr int32_t kLargestKept = 20;

/// The hydraulic check of one reach.
struct ReachCheck {
  int32_t compared = 0;      ///< sections read back with numbers on both sides
  int32_t changed = 0;       ///< of which changed by more than 0.5%
  int32_t changedOver1 = 0;  ///< of which by more than 1%
  int32_t warnings = 0;
  double area = 0;  ///< the largest area change and where
  FIELD8 areaStation = BLANK_FIELD8;
  double conveyance = 0;
  FIELD8 conveyanceStation = BLANK_FIELD8;
};

/// One of the largest changes of the run.
struct LargestChange {
  int32_t reach = 0;
  FIELD8 station = BLANK_FIELD8;
  double area = 0;
  double conveyance = 0;
  double size() const { return std::max(std::fabs(area), std::fabs(conveyance)); }
};

/// Takes a change into the list of the largest, kept from the largest down;
/// among equal sizes the earlier stays first. Sorted in place, as the list
/// is, so that no change of the run allocates.
void keepLargest(const LargestChange& entry, LargestChange (&largest)[kLargestKept], int32_t& count) {
  int32_t at = 0;
  if (count < kLargestKept) {
    at = count++;
  } else {
    if (!(entry.size() > largest[kLargestKept - 1].size())) return;
    at = kLargestKept - 1;
  }
  while (at > 0 && entry.size() > largest[at - 1].size()) {
    largest[at] = largest[at - 1];
    --at;
  }
  largest[at] = entry;
}

/// A decimal fraction with four decimals, as the rows carry it: "0.0123".
std::string_view fraction(double value, char (&room)[PRINTF_NUMBER_CAPACITY]) {
  if (std::fabs(value) < 0.00005) value = 0;  // no "-0.0000"
  return {room, formatFixed(value, 4, room)};
}

/// A change as a signed percentage: "+3.61%".
void percent(double change, DetailText& detail) {
  char room[PRINTF_NUMBER_CAPACITY];
  double value = change * 100;
  if (std::fabs(value) < 0.005) value = 0;
  detail.text(value >= 0 ? "+" : "").text({room, formatFixed(value, 2, room)}).text("%");
}

/// A figure with two decimals.
void figure(double value, DetailText& detail) {
  char room[PRINTF_NUMBER_CAPACITY];
  detail.text({room, formatFixed(value, value >= 1e5 ? 0 : 2, room)});
}

/// The detail of a hydraulics-changed row: each judged level with both
/// figures, then the causes the conversion knows of.
void describeChange(const ReadBackResult& r, bool face, Field1Fit fit, DetailText& detail) {
  const JudgedLevels& levels = *r.levels;
  for (int32_t i = 0; i < levels.count; ++i) {
    const Flow& g = levels.geometry[i];
    const Flow& d = r.change.deck[i];
    detail.text(i ? "; at " : "at ").text(levelName(levels.kind[i])).text(" ");
    figure(levels.level[i], detail);
    detail.text(": area ");
    figure(g.area, detail);
    detail.text(" in the geometry file, ");
    figure(d.area, detail);
    detail.text(" in the deck (");
    percent(d.area / g.area - 1, detail);
    detail.text("), conveyance ");
    figure(g.conveyance, detail);
    detail.text(" and ");
    figure(d.conveyance, detail);
    if (g.conveyance > 0) {
      detail.text(" (");
      percent(d.conveyance / g.conveyance - 1, detail);
      detail.text(")");
    }
  }
  detail.text("; cause:");
  const char* sep = " ";
  auto cause = [&](const char* text) {
    detail.text(sep).text(text);
    sep = ", ";
  };
  if (r.causes & CAUSE_FIELD1) {
    detail.text(sep)
        .text(fit == Field1Fit::ROUND ? "field-1 rounding of " : "field-1 cut of ")
        .number(r.field1Changed).text(r.field1Changed == 1 ? " GR opening elevation" : " GR opening elevations");
    sep = ", ";
  }
  if (r.causes & CAUSE_NH_CUT)
    cause(fit == Field1Fit::ROUND ? "NH rounding (an end station opening a further NH card)"
                                  : "NH cut (an end station opening a further NH card)");
  if (r.causes & CAUSE_N_VALUES) cause("n values (the n value in force differs across the section)");
  if (r.causes & CAUSE_BLANK_NC) cause("n values (KH data replaced by a blank NC card)");
  if (r.causes & CAUSE_GROUND) cause("other ground points than the geometry file's");
  if (face) cause("a bridge's deck values (the face's cards differ from its section's)");
}

/// One section's X1 number, remembered for the rest of its reach.
struct NumberEntry {
  char number[6];
  char station[8];
  int32_t seq;
};

bool byNumberThenSeq(const NumberEntry& a, const NumberEntry& b) {
  int c = std::memcmp(a.number, b.number, sizeof a.number);
  return c != 0 ? c < 0 : a.seq < b.seq;
}

bool sameStation(const NumberEntry& a, const NumberEntry& b) {
  return std::memcmp(a.station, b.station, sizeof a.station) == 0;
}

std::string_view stationOf(const NumberEntry& e) {
  return withoutBlanks({e.station, sizeof e.station});
}


/// Keeps a reach name as people write it, "RIVER-1,Reach-1": the river and
/// reach names without the blanks that pad each to its columns.
void keepReachName(std::string_view name, char (&slot)[kReachNameLength]) {
  std::memset(slot, ' ', kReachNameLength);
  size_t comma = name.find(',');
  std::string_view river = withoutBlanks(name.substr(0, comma));
  size_t n = std::min(river.size(), kReachNameLength);
  std::memcpy(slot, river.data(), n);
  if (comma == std::string_view::npos || n == kReachNameLength) return;
  slot[n++] = ',';
  std::string_view reach = withoutBlanks(name.substr(comma + 1));
  std::memcpy(slot + n, reach.data(), std::min(reach.size(), kReachNameLength - n));
}

void fillFace(const SectionCards& cards, BridgeFace& face) {
  face.station = cards.station;
  face.groundCount = 0;
  for (int32_t i = 0; i < cards.points && face.groundCount < FACE_POINTS; ++i) {
    GroundPoint& p = face.ground[face.groundCount];
    if (fieldValue(cards.sta[i], p.station) && groundElevation(cards, i, p.elevation))
      ++face.groundCount;
  }
  face.lidCount = 0;
  for (int32_t i = 0; i < cards.lidPoints && face.lidCount < FACE_POINTS; ++i) {
    LidPoint& p = face.lid[face.lidCount];
    if (fieldValue(cards.lidSta[i], p.station) && fieldValue(cards.lidTop[i], p.top) &&
        fieldValue(cards.lidLow[i], p.low))
      ++face.lidCount;
  }
  face.hasBanks = fieldValue(cards.bankLeft, face.bankLeft) &&
                  fieldValue(cards.bankRight, face.bankRight);
  // A blocked obstruction stands on X3 with its elevation negated; the
  // picture draws it at its height, filled as blocked.
  IneffectiveSide& left = face.ineffectiveLeft;
  IneffectiveSide& right = face.ineffectiveRight;
  left.present = cards.hasX3 && fieldValue(cards.x3[0], left.station) &&
                 fieldValue(cards.x3[1], left.elevation);
  right.present = cards.hasX3 && fieldValue(cards.x3[2], right.station) &&
                  fieldValue(cards.x3[3], right.elevation);
  left.blocked = left.present && left.elevation < 0;
  right.blocked = right.present && right.elevation < 0;
  left.elevation = std::fabs(left.elevation);
  right.elevation = std::fabs(right.elevation);
}

/// The points of one reach's long profile, kept in memory.
class ProfileBuffer final : public ProfileSource {
 public:
  ProfileBuffer(const ProfilePoint* points, int32_t count) : points_(points), count_(count) {}
  bool rewind() override {
    at_ = 0;
    return true;
  }
  bool next(ProfilePoint& point) override {
    if (at_ >= count_) return false;
    point = points_[at_++];
    return true;
  }

 private:
  const ProfilePoint* points_;
  int32_t count_;
  int32_t at_ = 0;
};

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;font-size:14px;line-height:1.4;color:#222;margin:1.5em auto;"
    "max-width:78em;padding:0 1em}"
    "h1{font-size:1.6em}h2{font-size:1.3em;border-bottom:1px solid #999;margin-top:2em}"
    "table{border-collapse:collapse;margin:0.5em 0}"
    "th,td{border:1px solid #bbb;padding:0.2em 0.5em;text-align:left;vertical-align:top}"
    "th{background:#eee}td.n{text-align:right}"
    "tr.reach th{background:#dde6f0}tr.zero td{color:#999}"
    "tr.dropped td:nth-child(4){color:#a00;font-weight:bold}"
    "tr.changed td:nth-child(4){color:#850;font-weight:bold}"
    "tr.warning td:nth-child(4){color:#05a;font-weight:bold}"
    "td.detail{font-family:monospace;font-size:0.95em;word-break:break-word}"
    "figure{margin:1em 0;page-break-inside:avoid}figcaption{font-weight:bold}"
    "svg{max-width:100%;height:auto;background:#fff}"
    "@media print{body{max-width:none}h2{page-break-after:avoid}}";

}  // namespace

struct ConversionReport::Tables {
  char input[33] = {};
  char deck[33] = {};
  bool sorted = false;
  Field1Fit fit = Field1Fit::CUT;

  int64_t kinds[FINDING_KIND_COUNT] = {};
  int64_t tallies[TALLY_COUNT] = {};
  int64_t sharedGroups = 0;
  int64_t sectionsOut = 0;
  int64_t interpolatedOut = 0;
  int64_t facesOut = 0;

  int32_t currentReach = 0;
  int32_t reachesStarted = 0;
  bool rowsOpen = false;
  ReportFormat format = ReportFormat::HTML;
  int64_t rowsWritten = 0;
  /// The reach name of a row, without its padding.
  std::string_view nameOf(int32_t reach) const {
    if (reach <= 0 || reach > REACH_CAPACITY) return {};
    return withoutBlanks({reachName[reach], kReachNameLength});
  }
  char reachName[REACH_CAPACITY + 1][kReachNameLength] = {};
  struct PerReach {
    int32_t sections = 0;
    int32_t bridges = 0;
    int32_t findings = 0;
  } perReach[REACH_CAPACITY + 1];
  const REACH_TABLE* reaches = nullptr;
  const JUNCTION_TABLE* junctions = nullptr;

  NumberEntry numbers[kNumberCapacity];
  int32_t numberCount = 0;
  int32_t seq = 0;

  ProfilePoint profile[kProfileCapacity];
  int32_t profileCount = 0;
  uint8_t pendingClasses = 0;  // classes of the findings since the last section written
  bool culvertPending = false;  // a culvert since the last section written
  FIELD8 culvertStation = BLANK_FIELD8;  // that culvert's own station
  float conveyanceChange = NAN;  // of the section being written, NaN if not judged
  float distance = 0;

  BridgeFace upstream;
  BridgeFace downstream;
  bool upstreamPending = false;
  int pictureId = 0;

  SectionReadBack readBack;
  ReadBackResult result;
  ReachCheck checks[REACH_CAPACITY + 1];
  LargestChange largest[kLargestKept];
  int32_t largestCount = 0;

  PerReach& reach() { return perReach[std::min(currentReach, REACH_CAPACITY)]; }
  ReachCheck& check() { return checks[std::min(currentReach, REACH_CAPACITY)]; }
};

ConversionReport::ConversionReport() = default;
ConversionReport::~ConversionReport() = default;

int ConversionReport::open(const char* path) {
  int fd = platform::NO_FILE;
  if (int rc = openReportFile(path, place_, fd)) return rc;
  file_.adopt(fd, path);
  int rc = findings_.create(path);
  if (rc == 0) rc = pictures_.create(path);
  if (rc != 0) return abandon(rc);
  // Default-initialised, not zeroed: the large tables are filled as they are
  // used, so a small report never touches most of their memory.
  t_.reset(new Tables);
  t_->format = reportFormatOf(path);
  t_->rowsWritten = 0;
  return 0;
}

int64_t ConversionReport::sectionsWritten() const { return t_->sectionsOut; }

int64_t ConversionReport::droppedCount() const {
  int64_t n = 0;
  for (int k = 0; k < FINDING_KIND_COUNT; ++k)
    if (findingClass(static_cast<FindingKind>(k)) == FindingClass::DROPPED) n += t_->kinds[k];
  return n;
}

int64_t ConversionReport::warningCount() const {
  int64_t n = 0;
  for (int k = 0; k < FINDING_KIND_COUNT; ++k)
    if (findingClass(static_cast<FindingKind>(k)) == FindingClass::WARNING) n += t_->kinds[k];
  return n;
}

int64_t ConversionReport::changedCount() const {
  int64_t n = 0;
  for (int k = 0; k < FINDING_KIND_COUNT; ++k)
    if (findingClass(static_cast<FindingKind>(k)) == FindingClass::CHANGED) n += t_->kinds[k];
  return n;
}

void ConversionReport::begin(const ReportHeader& header) {
  t_->fit = header.fit;
  OutputStream& o = file_;
  if (t_->format == ReportFormat::CSV) {
    o.write("reach,reach name,station,kind,class,area change,conveyance change,detail\n");
    return;
  }
  if (t_->format == ReportFormat::JSON) {
    o.write("{\"run\":{\"input\":");
    writeJsonString(o, header.input);
    o.write(",\"deck\":");
    writeJsonString(o, header.deck);
    o.write(header.sorted ? ",\"mode\":\"sorted\"" : ",\"mode\":\"unsorted\"");
    o.write(header.fit == Field1Fit::ROUND ? ",\"fit\":\"ROUND\"" : ",\"fit\":\"CUT\"");
    o.write(",\"version\":");
    writeJsonString(o, header.version);
    o.write("},\n\"findings\":[");
    return;
  }
  o.write("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n");
  o.write("<meta charset=\"utf-8\"/>\n<title>Conversion report: ");
  writeEscaped(o, header.input);
  o.write("</title>\n<style>");
  o.write(kStyle);
  o.write("</style>\n</head>\n<body>\n<h1>Conversion report</h1>\n<table class=\"header\">\n");
  auto row = [&](std::string_view name, std::string_view value) {
    o.write("<tr><th>");
    o.write(name);
    o.write("</th><td>");
    writeEscaped(o, value);
    o.write("</td></tr>\n");
  };
  row("Input", header.input);
  row("Deck", header.deck);
  row("Mode", header.sorted ? "sorted (SORTREACHES on)" : "unsorted (input order)");
  row("Field 1", header.fit == Field1Fit::ROUND
                     ? "rounded (FIT=ROUND): a number longer than the 6 columns of field 1 is "
                       "rounded to the most decimals that fit"
                     : "cut (FIT=CUT): a value longer than the 6 columns of field 1 keeps its "
                       "first 6 characters");
  row("Program", header.version);
  o.write("</table>\n");
}

void ConversionReport::setNetwork(const REACH_TABLE& reaches, const JUNCTION_TABLE& junctions) {
  t_->reaches = &reaches;
  t_->junctions = &junctions;
}

void ConversionReport::startReach(int32_t number, std::string_view name) {
  endReach();
  t_->currentReach = number;
  t_->reachesStarted = std::max(t_->reachesStarted, number);
  if (number <= REACH_CAPACITY) keepReachName(name, t_->reachName[number]);
}

void ConversionReport::finding(FindingKind kind, std::string_view station,
                               std::string_view detail) {
  ++t_->kinds[static_cast<int>(kind)];
  ++t_->reach().findings;
  if (findingClass(kind) == FindingClass::WARNING) ++t_->check().warnings;
  t_->pendingClasses |= findingClassBit(static_cast<int>(findingClass(kind)));
  if (kind == FindingKind::CULVERT) {
    t_->culvertPending = true;
    t_->culvertStation = makeField8(withoutBlanks(station));
  }
  writeRow(kind, station, detail);
}

void ConversionReport::writeRow(FindingKind kind, std::string_view station,
                                std::string_view detail, const double* changes) {
  if (t_->format != ReportFormat::HTML) {
    writeScriptRow(kind, withoutBlanks(station), detail, changes);
    return;
  }
  OutputStream& o = findings_.stream();
  int32_t reach = t_->currentReach;
  if (!t_->rowsOpen) {
    t_->rowsOpen = true;
    o.write("<tbody>\n<tr class=\"reach\"><th colspan=\"5\">");
    if (reach == 0) {
      o.write("Before the first reach");
    } else {
      o.write("Reach ");
      writeNumber(o, reach);
      if (reach <= REACH_CAPACITY) {
        o.write(": ");
        writeEscaped(o, withoutBlanks({t_->reachName[reach], kReachNameLength}));
      }
    }
    o.write("</th></tr>\n");
  }
  FindingClass what = findingClass(kind);
  station = withoutBlanks(station);
  o.write("<tr data-kind=\"");
  o.write(findingName(kind, t_->fit));
  o.write("\" data-rm=\"");
  writeEscaped(o, station);
  o.write("\" data-reach=\"");
  writeNumber(o, reach);
  if (changes) {
    char room[PRINTF_NUMBER_CAPACITY];
    o.write("\" data-area-change=\"");
    o.write(fraction(changes[0], room));
    o.write("\" data-conveyance-change=\"");
    o.write(fraction(changes[1], room));
  }
  o.write(what == FindingClass::CHANGED   ? "\" class=\"changed\"><td class=\"n\">"
          : what == FindingClass::DROPPED ? "\" class=\"dropped\"><td class=\"n\">"
                                          : "\" class=\"warning\"><td class=\"n\">");
  writeNumber(o, reach);
  o.write("</td><td>");
  writeEscaped(o, station);
  o.write("</td><td>");
  o.write(findingName(kind, t_->fit));
  o.write("</td><td>");
  o.write(className(what));
  o.write("</td><td class=\"detail\">");
  writeEscaped(o, detail);
  o.write("</td></tr>\n");
}

void ConversionReport::writeScriptRow(FindingKind kind, std::string_view station,
                                      std::string_view detail, const double* changes) {
  OutputStream& o = findings_.stream();
  Tables& t = *t_;
  int32_t reach = t.currentReach;
  std::string_view name = findingName(kind, t.fit);
  std::string_view what = className(findingClass(kind));
  char room[PRINTF_NUMBER_CAPACITY];
  if (t.format == ReportFormat::CSV) {
    writeNumber(o, reach);
    o.write(",");
    writeCsvField(o, t.nameOf(reach));
    o.write(",");
    writeCsvField(o, station);
    o.write(",");
    o.write(name);
    o.write(",");
    o.write(what);
    o.write(",");
    if (changes) o.write(fraction(changes[0], room));
    o.write(",");
    if (changes) o.write(fraction(changes[1], room));
    o.write(",");
    writeCsvField(o, detail);
    o.write("\n");
  } else {
    o.write(t.rowsWritten ? ",\n{\"reach\":" : "\n{\"reach\":");
    writeNumber(o, reach);
    o.write(",\"reachName\":");
    writeJsonString(o, t.nameOf(reach));
    o.write(",\"station\":");
    writeJsonString(o, station);
    o.write(",\"kind\":\"");
    o.write(name);
    o.write("\",\"class\":\"");
    o.write(what);
    o.write("\",\"areaChange\":");
    o.write(changes ? fraction(changes[0], room) : "null");
    o.write(",\"conveyanceChange\":");
    o.write(changes ? fraction(changes[1], room) : "null");
    o.write(",\"detail\":");
    writeJsonString(o, detail);
    o.write("}");
  }
  ++t.rowsWritten;
}

void ConversionReport::tally(Tally what) { ++t_->tallies[static_cast<int>(what)]; }

void ConversionReport::sectionRead(const SectionTexts& texts) {
  t_->readBack.read(texts, Findings(this));
}

void ConversionReport::checkHydraulics(const SectionCards& cards) {
  Tables& t = *t_;
  const ReadBackResult& r = t.result;
  t.readBack.check(cards, t.result);
  bool section = cards.role == SectionRole::SECTION;
  t.conveyanceChange = r.compared ? static_cast<float>(r.change.conveyance) : NAN;
  if (!r.compared) return;
  ReachCheck& check = t.check();
  if (section) ++check.compared;
  double area = r.change.area, conveyance = r.change.conveyance;
  double size = std::max(std::fabs(area), std::fabs(conveyance));
  // A bridge face or a repeat carries the cards of a section told on its own;
  // it is told only where its cards read back differently.
  if (!r.differs || !(size > kChangeShare) || (!section && (r.first || r.repeatsFirst))) return;

  ++check.changed;
  if (size > 2 * kChangeShare) ++check.changedOver1;
  FIELD8 station = makeField8(withoutBlanks(view(cards.station)));
  if (std::fabs(area) > std::fabs(check.area)) {
    check.area = area;
    check.areaStation = station;
  }
  if (std::fabs(conveyance) > std::fabs(check.conveyance)) {
    check.conveyance = conveyance;
    check.conveyanceStation = station;
  }
  keepLargest(LargestChange{t.currentReach, station, area, conveyance}, t.largest, t.largestCount);

  DetailText detail;
  describeChange(r, !section, t.fit, detail);
  double changes[2] = {area, conveyance};
  ++t.kinds[static_cast<int>(FindingKind::HYDRAULICS_CHANGED)];
  ++t.reach().findings;
  t.pendingClasses |= findingClassBit(static_cast<int>(FindingClass::CHANGED));
  writeRow(FindingKind::HYDRAULICS_CHANGED, view(cards.station), detail.view(), changes);
}

void ConversionReport::sectionWritten(const SectionCards& cards) {
  Tables& t = *t_;
  checkHydraulics(cards);
  // Its first cards were counted, numbered and drawn already.
  if (cards.role == SectionRole::REPEATED_SECTION) return;
  if (cards.role == SectionRole::SECTION) {
    if (t.upstreamPending) flushBridge();
    ++t.reach().sections;
    ++t.sectionsOut;
    if (std::memchr(cards.station.data(), '*', cards.station.size())) ++t.interpolatedOut;
  } else {
    ++t.facesOut;
  }
  if (cards.role == SectionRole::UPSTREAM_FACE) {
    flushBridge();
    ++t.reach().bridges;
    fillFace(cards, t.upstream);
    t.upstreamPending = true;
  } else if (cards.role == SectionRole::DOWNSTREAM_FACE && t.upstreamPending) {
    fillFace(cards, t.downstream);
    t.upstreamPending = false;
    drawBridge(false);
  }
  noteSectionNumber(cards);
  addProfilePoint(cards);
}

void ConversionReport::flushBridge() {
  if (!t_->upstreamPending) return;
  t_->upstreamPending = false;
  // The deck carries no downstream face: the picture shows an empty one.
  BridgeFace& empty = t_->downstream;
  empty.station = t_->upstream.station;
  empty.groundCount = empty.lidCount = 0;
  empty.hasBanks = false;
  empty.ineffectiveLeft.present = empty.ineffectiveRight.present = false;
  drawBridge(true);
}

void ConversionReport::drawBridge(bool upstreamOnly) {
  Tables& t = *t_;
  if (t.format != ReportFormat::HTML) return;  // the script forms carry no pictures
  DetailText title;
  title.text("Bridge at RM ").text(withoutBlanks(view(t.upstream.station)));
  title.text(t.currentReach > 0 ? " in reach " : " before the first reach");
  if (t.currentReach > 0) title.number(t.currentReach);
  if (upstreamOnly) title.text(" (the deck carries its upstream face only)");
  writeBridgePicture(pictures_.stream(), t.upstream, t.downstream, title.view(), ++t.pictureId);
}

void ConversionReport::noteSectionNumber(const SectionCards& cards) {
  Tables& t = *t_;
  if (t.numberCount == kNumberCapacity || cards.number.size() != 6) return;
  NumberEntry e;
  std::memcpy(e.number, cards.number.data(), sizeof e.number);
  std::memcpy(e.station, cards.station.data(), sizeof e.station);
  e.seq = t.seq++;
  if (t.numberCount > 0) {
    const NumberEntry& last = t.numbers[t.numberCount - 1];
    if (sameStation(last, e)) return;  // a bridge's two faces, or a section written twice
  }
  t.numbers[t.numberCount++] = e;
}

void ConversionReport::reportSharedNumbers() {
  Tables& t = *t_;
  NumberEntry* all = t.numbers;
  std::sort(all, all + t.numberCount, byNumberThenSeq);
  for (int32_t a = 0; a < t.numberCount;) {
    int32_t b = a + 1;
    while (b < t.numberCount && std::memcmp(all[a].number, all[b].number, 6) == 0) ++b;
    // The distinct stations of the run, each at its first appearance.
    int32_t distinct = 0;
    for (int32_t i = a; i < b; ++i) {
      bool seen = false;
      for (int32_t k = a; k < i && !seen; ++k) seen = sameStation(all[k], all[i]);
      if (seen) {
        all[i].seq = -1;
      } else {
        ++distinct;
      }
    }
    if (distinct >= 2) {
      ++t.sharedGroups;
      for (int32_t i = a; i < b; ++i) {
        if (all[i].seq < 0) continue;
        DetailText detail;
        detail.text("X1 number ").quoted({all[i].number, 6}).text(" is also carried by ");
        int named = 0;
        for (int32_t k = a; k < b; ++k) {
          if (k == i || all[k].seq < 0) continue;
          if (named == kSharersNamed) {
            detail.text(", ...");
            break;
          }
          detail.text(named++ ? ", " : "").quoted(stationOf(all[k]));
        }
        finding(FindingKind::SECTION_NUMBER_SHARED, stationOf(all[i]), detail.view());
      }
    }
    a = b;
  }
  t.numberCount = 0;
}

void ConversionReport::addProfilePoint(const SectionCards& cards) {
  Tables& t = *t_;
  float length = 0;
  if (cards.role == SectionRole::DOWNSTREAM_FACE) {
    // A bridge is one point, at its upstream face; the downstream face only
    // carries the distance on to the section below.
    if (fieldValue(cards.lengthChannel, length)) t.distance += length;
    return;
  }
  ProfilePoint point;
  point.distance = t.distance;
  // The read-back has every elevation as a number already.
  point.lowestElevation = t.result.read == DeckReadResult::READ
                              ? static_cast<float>(t.result.lowest)
                              : lowestElevation(cards);
  point.station = makeField8(withoutBlanks(view(cards.station)));
  point.sections = cards.role == SectionRole::SECTION ? 1 : 0;
  point.bridges = cards.role == SectionRole::UPSTREAM_FACE ? 1 : 0;
  point.culvert = t.culvertPending;
  point.culvertStation = t.culvertStation;
  point.findingClasses = t.pendingClasses;
  point.conveyanceChange = t.conveyanceChange;
  t.culvertPending = false;
  t.pendingClasses = 0;
  if (fieldValue(cards.lengthChannel, length)) t.distance += length;

  if (t.profileCount == kProfileCapacity) {
    // Full: every two neighbours become one, keeping the lower ground and
    // both points' marks, so the picture still shows the deepest places.
    for (int32_t i = 0; i < kProfileCapacity / 2; ++i) {
      ProfilePoint merged = t.profile[2 * i];
      const ProfilePoint& other = t.profile[2 * i + 1];
      if (other.lowestElevation < merged.lowestElevation ||
          std::isnan(merged.lowestElevation))
        merged.lowestElevation = other.lowestElevation;
      merged.sections += other.sections;
      merged.bridges += other.bridges;
      if (other.culvert && !merged.culvert) merged.culvertStation = other.culvertStation;
      merged.culvert |= other.culvert;
      merged.findingClasses |= other.findingClasses;
      if (std::isfinite(other.conveyanceChange) &&
          !(std::fabs(merged.conveyanceChange) >= std::fabs(other.conveyanceChange)))
        merged.conveyanceChange = other.conveyanceChange;
      t.profile[i] = merged;
    }
    t.profileCount = kProfileCapacity / 2;
  }
  t.profile[t.profileCount++] = point;
}

void ConversionReport::drawProfile() {
  Tables& t = *t_;
  if (t.profileCount == 0 || t.format != ReportFormat::HTML) return;
  DetailText title;
  if (t.currentReach == 0) {
    title.text("Long profile before the first reach");
  } else {
    title.text("Long profile of reach ").number(t.currentReach);
    if (t.currentReach <= REACH_CAPACITY)
      title.text(": ").text(withoutBlanks({t.reachName[t.currentReach], kReachNameLength}));
  }
  ProfileBuffer points(t.profile, t.profileCount);
  writeLongProfile(pictures_.stream(), points, title.view(), ++t.pictureId);
}

void ConversionReport::endReach() {
  Tables& t = *t_;
  reportSharedNumbers();
  flushBridge();
  drawProfile();
  if (t.rowsOpen && t.format == ReportFormat::HTML) findings_.stream().write("</tbody>\n");
  t.rowsOpen = false;
  t.profileCount = 0;
  t.pendingClasses = 0;
  t.culvertPending = false;
  t.distance = 0;
}

void ConversionReport::writeSummary() {
  OutputStream& o = file_;
  const Tables& t = *t_;
  auto row = [&](std::string_view what, int64_t in, int64_t out) {
    o.write("<tr><th>");
    o.write(what);
    o.write("</th><td class=\"n\">");
    if (in >= 0) writeNumber(o, in);
    o.write("</td><td class=\"n\">");
    if (out >= 0) writeNumber(o, out);
    o.write("</td></tr>\n");
  };
  auto tally = [&](Tally what) { return t.tallies[static_cast<int>(what)]; };
  int64_t sections = 0, bridges = 0;
  for (const auto& r : t.perReach) {
    sections += r.sections;
    bridges += r.bridges;
  }
  o.write("<h2>Summary</h2>\n<table class=\"summary\">\n"
          "<tr><th></th><th>in the geometry file</th><th>in the deck</th></tr>\n");
  row("reaches", t.reaches ? t.reaches->REACH_COUNT : 0, t.reachesStarted);
  row("junctions", t.junctions ? t.junctions->JUNCTION_COUNT : 0, -1);
  row("cross sections", tally(Tally::SECTION_NODE), sections);
  row("&#8195;interpolated among them", -1, t.interpolatedOut);
  row("bridges (as two faces each in the deck)", tally(Tally::BRIDGE_NODE), bridges);
  row("&#8195;piers, folded into the decks", tally(Tally::PIER), -1);
  row("bridge faces", -1, t.facesOut);
  row("culverts (a comment banner only)", tally(Tally::CULVERT_NODE), 0);
  row("nodes of type 4", tally(Tally::NODE_TYPE_4), 0);
  row("nodes of type 5", tally(Tally::NODE_TYPE_5), 0);
  row("nodes of type 6", tally(Tally::NODE_TYPE_6), 0);
  row("nodes of other types", tally(Tally::OTHER_NODE), 0);
  row("description lines (comment cards)",
      tally(Tally::DESCRIPTION_LINE) + tally(Tally::BRIDGE_DESCRIPTION_LINE),
      tally(Tally::DESCRIPTION_LINE));
  o.write("</table>\n<p>Nodes are counted as the conversion met them; the lines of a section "
          "without its end line hide the nodes it ran into (see <code>no-section-end</code>).</p>\n");

  o.write("<table class=\"kinds\">\n<tr><th>finding</th><th>class</th><th>count</th></tr>\n");
  for (int k = 0; k < FINDING_KIND_COUNT; ++k) {
    FindingKind kind = static_cast<FindingKind>(k);
    o.write(t.kinds[k] == 0 ? "<tr class=\"zero\"><td>" : "<tr><td>");
    o.write(findingName(kind, t.fit));
    o.write("</td><td>");
    o.write(className(findingClass(kind)));
    o.write("</td><td class=\"n\">");
    writeNumber(o, t.kinds[k]);
    if (kind == FindingKind::SECTION_NUMBER_SHARED && t.sharedGroups > 0) {
      o.write(" (");
      writeNumber(o, t.sharedGroups);
      o.write(t.sharedGroups == 1 ? " group)" : " groups)");
    }
    o.write("</td></tr>\n");
  }
  o.write("<tr><th>all</th><th></th><td class=\"n\">");
  writeNumber(o, droppedCount());
  o.write(" DROPPED, ");
  writeNumber(o, changedCount());
  o.write(" CHANGED, ");
  writeNumber(o, warningCount());
  o.write(" WARNINGS</td></tr>\n</table>\n");
}

void ConversionReport::writeReaches() {
  OutputStream& o = file_;
  const Tables& t = *t_;
  const REACH_TABLE* reaches = t.reaches;
  const JUNCTION_TABLE* junctions = t.junctions;
  auto junctionName = [&](int32_t j) {
    const JUNCTION_NAME_TEXT& name = junctions->JUNCTION_NAME[j - 1];
    writeEscaped(o, withoutBlanks({name.data(), name.size()}));
  };
  // The junction at one end of reach r and the reach numbers its card carries.
  auto end = [&](int32_t r, bool upstream) {
    o.write("<td>");
    int32_t j = reaches && r <= reaches->REACH_COUNT
                    ? (upstream ? reaches->UP_JUNCTION[r - 1] : reaches->DOWN_JUNCTION[r - 1])
                    : -1;
    if (j <= 0 || !junctions || j > junctions->JUNCTION_COUNT) {
      o.write("none</td><td>");
    } else {
      junctionName(j);
      o.write("</td><td>");
      int32_t n = upstream ? junctions->UP_COUNT[j - 1] : junctions->DOWN_COUNT[j - 1];
      const int32_t* listed = upstream ? junctions->UP_REACHES[j - 1] : junctions->DOWN_REACHES[j - 1];
      for (int32_t k = 0; k < n && k < JUNCTION_END_CAPACITY; ++k) {
        if (k) o.write(" ");
        writeNumber(o, listed[k]);
      }
    }
    o.write("</td>");
  };
  o.write("<h2>Reaches</h2>\n");
  o.write("<table class=\"reaches\">\n<tr><th>reach</th><th>name</th><th>upstream junction</th>"
          "<th>UB carries</th><th>downstream junction</th><th>DB carries</th>"
          "<th>sections</th><th>bridges</th></tr>\n");
  auto counts = [&](int32_t r) {
    o.write("<td class=\"n\">");
    writeNumber(o, t.perReach[r].sections);
    o.write("</td><td class=\"n\">");
    writeNumber(o, t.perReach[r].bridges);
    o.write("</td></tr>\n");
  };
  if (t.perReach[0].sections > 0) {
    o.write("<tr><td class=\"n\">0</td><td>(before the first reach key line)</td>"
            "<td></td><td></td><td></td><td></td>");
    counts(0);
  }
  for (int32_t r = 1; r <= t.reachesStarted && r <= REACH_CAPACITY; ++r) {
    o.write("<tr><td class=\"n\">");
    writeNumber(o, r);
    o.write("</td><td>");
    writeEscaped(o, withoutBlanks({t.reachName[r], kReachNameLength}));
    o.write("</td>");
    end(r, true);
    end(r, false);
    counts(r);
  }
  o.write("</table>\n");

  if (!junctions) return;
  bool any = false;
  for (int32_t j = 1; j <= junctions->JUNCTION_COUNT; ++j) {
    for (int side = 0; side < 2; ++side) {
      int32_t n = side == 0 ? junctions->UP_COUNT[j - 1] : junctions->DOWN_COUNT[j - 1];
      for (int32_t k = 0; k < n && k < JUNCTION_END_CAPACITY; ++k) {
        int32_t listed = side == 0 ? junctions->UP_REACHES[j - 1][k] : junctions->DOWN_REACHES[j - 1][k];
        if (listed != 0) continue;
        if (!any) {
          o.write("<p>Junction lines whose reach name matches no reach (their cards carry 0):</p>\n"
                  "<table class=\"unmatched\">\n<tr><th>junction</th><th>line</th><th>reach name"
                  "</th></tr>\n");
          any = true;
        }
        o.write("<tr><td>");
        junctionName(j);
        o.write(side == 0 ? "</td><td>Up River,Reach=</td><td>" : "</td><td>Dn River,Reach=</td><td>");
        const REACH_NAME_TEXT& name = side == 0 ? junctions->UP_NAMES[j - 1][k] : junctions->DOWN_NAMES[j - 1][k];
        writeEscaped(o, withoutBlanks({name.data(), name.size()}));
        o.write("</td></tr>\n");
      }
    }
  }
  if (any) o.write("</table>\n");
}

int ConversionReport::abandon(int error) {
  discard();
  return error;
}

void ConversionReport::discard() {
  file_.close();
  discardReportFile(place_);
}

void ConversionReport::completeScriptForm() {
  OutputStream& o = file_;
  const Tables& t = *t_;
  if (t.format == ReportFormat::CSV) return;
  o.write("\n],\n\"counts\":{\"kinds\":{");
  for (int k = 0; k < FINDING_KIND_COUNT; ++k) {
    o.write(k ? ",\"" : "\"");
    o.write(findingName(static_cast<FindingKind>(k), t.fit));
    o.write("\":");
    writeNumber(o, t.kinds[k]);
  }
  o.write("},\"classes\":{\"DROPPED\":");
  writeNumber(o, droppedCount());
  o.write(",\"CHANGED\":");
  writeNumber(o, changedCount());
  o.write(",\"WARNING\":");
  writeNumber(o, warningCount());
  o.write("}},\n\"reaches\":[");
  char room[PRINTF_NUMBER_CAPACITY];
  bool first = true;
  for (int32_t r = 0; r <= t.reachesStarted && r <= REACH_CAPACITY; ++r) {
    const ReachCheck& c = t.checks[r];
    if (r == 0 && t.perReach[0].sections == 0 && c.warnings == 0) continue;
    o.write(first ? "\n{\"reach\":" : ",\n{\"reach\":");
    first = false;
    writeNumber(o, r);
    o.write(",\"name\":");
    writeJsonString(o, t.nameOf(r));
    o.write(",\"sections\":");
    writeNumber(o, t.perReach[r].sections);
    o.write(",\"sectionsReadBack\":");
    writeNumber(o, c.compared);
    o.write(",\"changedOverHalfPercent\":");
    writeNumber(o, c.changed);
    o.write(",\"changedOverOnePercent\":");
    writeNumber(o, c.changedOver1);
    o.write(",\"largestAreaChange\":");
    o.write(fraction(c.area, room));
    o.write(",\"largestAreaChangeStation\":");
    writeJsonString(o, withoutBlanks(view(c.areaStation)));
    o.write(",\"largestConveyanceChange\":");
    o.write(fraction(c.conveyance, room));
    o.write(",\"largestConveyanceChangeStation\":");
    writeJsonString(o, withoutBlanks(view(c.conveyanceStation)));
    o.write(",\"warnings\":");
    writeNumber(o, c.warnings);
    o.write("}");
  }
  o.write("\n]}\n");
}

void ConversionReport::writeHydraulicCheck() {
  OutputStream& o = file_;
  const Tables& t = *t_;
  char room[PRINTF_NUMBER_CAPACITY];
  auto cell = [&](int64_t n) {
    o.write("<td class=\"n\">");
    writeNumber(o, n);
    o.write("</td>");
  };
  auto change = [&](double value, const FIELD8& station) {
    o.write("<td class=\"n\">");
    if (value != 0) o.write(fraction(value, room));
    o.write("</td><td>");
    writeEscaped(o, withoutBlanks(view(station)));
    o.write("</td>");
  };
  o.write("<h2>Hydraulic check</h2>\n<p>Every section the deck carries is read back from its "
          "cards and compared with the geometry file's own section at BANKFULL and TOP (levels "
          "too shallow to judge left out). Changes are deck / geometry - 1, as fractions.</p>\n"
          "<table class=\"hydraulics\">\n<tr><th>reach</th><th>name</th><th>sections read back</th>"
          "<th>changed over 0.5%</th><th>over 1%</th><th>largest area change</th><th>at</th>"
          "<th>largest conveyance change</th><th>at</th><th>warnings</th></tr>\n");
  for (int32_t r = 0; r <= t.reachesStarted && r <= REACH_CAPACITY; ++r) {
    const ReachCheck& c = t.checks[r];
    if (r == 0 && c.compared == 0 && c.warnings == 0) continue;
    o.write(c.changed == 0 && c.warnings == 0 ? "<tr class=\"zero\">" : "<tr>");
    cell(r);
    o.write("<td>");
    writeEscaped(o, t.nameOf(r));
    o.write("</td>");
    cell(c.compared);
    cell(c.changed);
    cell(c.changedOver1);
    change(c.area, c.areaStation);
    change(c.conveyance, c.conveyanceStation);
    cell(c.warnings);
    o.write("</tr>\n");
  }
  o.write("</table>\n");
  if (t.largestCount == 0) return;
  o.write("<p>The largest changes of the run:</p>\n<table class=\"largest\">\n<tr><th>reach</th>"
          "<th>station</th><th>area change</th><th>conveyance change</th></tr>\n");
  for (int32_t i = 0; i < t.largestCount; ++i) {
    const LargestChange& e = t.largest[i];
    o.write("<tr>");
    cell(e.reach);
    o.write("<td>");
    writeEscaped(o, withoutBlanks(view(e.station)));
    o.write("</td><td class=\"n\">");
    o.write(fraction(e.area, room));
    o.write("</td><td class=\"n\">");
    o.write(fraction(e.conveyance, room));
    o.write("</td></tr>\n");
  }
  o.write("</table>\n");
}

int ConversionReport::complete() {
  endReach();
  if (t_->format != ReportFormat::HTML) {
    if (int rc = findings_.copyTo(file_)) return abandon(rc);
    completeScriptForm();
    return finishFile();
  }
  writeSummary();
  writeReaches();
  writeHydraulicCheck();
  OutputStream& o = file_;
  o.write("<h2>Findings</h2>\n");
  if (droppedCount() + changedCount() + warningCount() == 0) {
    o.write("<p>No findings: the deck carries everything the conversion read.</p>\n");
  } else {
    o.write("<p>DROPPED: the deck does not carry it. CHANGED: the deck carries it altered. "
            "WARNING: the deck carries it as the geometry file wrote it, but a reader of the "
            "deck rejects or misreads it. "
            "Stations are written as the geometry file wrote them.</p>\n"
            "<table class=\"findings\">\n<thead><tr><th>reach</th><th>station</th><th>kind</th>"
            "<th>class</th><th>detail</th></tr></thead>\n");
    if (int rc = findings_.copyTo(o)) return abandon(rc);
    o.write("</table>\n");
  }
  o.write("<h2>Pictures</h2>\n");
  if (int rc = pictures_.copyTo(o)) return abandon(rc);
  o.write("</body>\n</html>\n");
  return finishFile();
}

int ConversionReport::finishFile() {
  OutputStream& o = file_;
  int rc = findings_.stream().error();
  if (rc == 0) rc = pictures_.stream().error();
  // A report that replaces a file must be on the device before it takes the
  // file's name.
  if (rc == 0 && place_.temporary[0] != '\0') rc = o.sync();
  int closed = o.close();
  if (rc == 0) rc = closed;
  if (rc != 0) discardReportFile(place_);
  return rc;
}

}  // namespace tolvane
