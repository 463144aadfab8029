#include "sections/readSection.h"

#include <algorithm>
#include <cstring>

#include "sections/sectionParts.h"
#include "text/numbers.h"
#include "text/reachKey.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// The keys of a section's lines, in the order in which they are tested: when
/// a line holds several, the first of this list wins.
enum SectionKey {
  DESCRIPTION,
  GROUND_KEY,
  N_VALUES_KEY,
  INEFFECTIVE_KEY,
  BLOCKED_KEY,
  LID_KEY,
  BANKS_KEY,
  END_KEY,
  NO_KEY
};

constexpr std::string_view kKeys[NO_KEY] = {
    "BEGIN DESCRIPTION:", "#Sta/Elev=", "#Mann=",    "#XS Ineff=",
    "#Block Obstruct=",   "#XS Lid=",   "Bank Sta=", "Exp/Cntr=",
};

constexpr std::string_view kDescriptionEnd = "END DESCRIPTION:";
constexpr std::string_view kNodeHeader = "Type RM Length";
constexpr std::string_view kPermanentKey = "Permanent Ineff=";
constexpr std::string_view kLeveeKey = "Levee=";
/// Stations of the nodes a section ran into that its finding names.
constexpr int kNodesNamed = 12;

/// What one section's lines told about data the deck will not carry.
struct SectionWatch {
  SectionWatch(const Findings& f, const FIELD8& rm) : findings(f), RM(rm) {}

  const Findings& findings;
  const FIELD8& RM;
  bool permanentPending = false;  // the last line was "Permanent Ineff="
  int32_t nodesMet = 0;
  DetailText nodes;

  /// Looks at a line that holds none of the section's keys.
  void otherLine(const LineBuffer& line) {
    if (line.has(kNodeHeader)) {
      FIELD8 station = BLANK_FIELD8;
      int n = 0;
      SQUEEZE_BLANKS(line.columns(28, 35), station, n);
      if (nodesMet < kNodesNamed) nodes.text(nodesMet ? ", " : "").text(withoutBlanks(view(station)));
      else if (nodesMet == kNodesNamed) nodes.text(", ...");
      ++nodesMet;
    } else if (line.has(kPermanentKey)) {
      permanentPending = true;
      return;
    } else if (line.has(kLeveeKey)) {
      findings.note(FindingKind::LEVEE, view(RM),
                    DetailText().text("levee line ").quoted(line.content()).view());
    }
  }
  /// The line after "Permanent Ineff=": flags T or F, one per area.
  void permanentFlags(const LineBuffer& line) {
    permanentPending = false;
    std::string_view flags = line.content();
    if (flags.find_first_not_of(" TF") != std::string_view::npos) return;
    if (flags.find('T') == std::string_view::npos) return;
    findings.note(FindingKind::PERMANENT_INEFFECTIVE, view(RM),
                  DetailText().text("flags ").quoted(line.content()).view());
  }
  /// The "Exp/Cntr=" line: coefficients other than 0.3 and 0.1.
  void coefficients(const LineBuffer& line) {
    std::string_view text = line.content();
    text.remove_prefix(text.find('=') + 1);
    size_t comma = text.find(',');
    std::string_view expansion = text.substr(0, comma);
    std::string_view contraction =
        comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    contraction = contraction.substr(0, contraction.find(','));
    double e = 0, c = 0;
    if (decimalValue(expansion, e) && decimalValue(contraction, c) && e == 0.3 && c == 0.1) return;
    findings.note(FindingKind::COEFFICIENTS, view(RM),
                  DetailText()
                      .text("expansion ")
                      .quoted(expansion)
                      .text(", contraction ")
                      .quoted(contraction)
                      .view());
  }
  /// At the end of the section: one that ended anywhere but at its own
  /// "Exp/Cntr=" line, or ran into further nodes.
  void sectionEnded(int32_t status) {
    if (status == SECTION_COMPLETE && nodesMet == 0) return;
    DetailText detail;
    detail.text("no \"Exp/Cntr=\" line before ");
    if (nodesMet > 0) {
      detail.text("the next node: it ran into ").number(nodesMet);
      detail.text(nodesMet == 1 ? " node (" : " nodes (").text(nodes.view()).text(")");
      if (status == SECTION_COMPLETE) detail.text(", whose lines it took as its own");
    } else {
      detail.text(status == REACH_KEY_MET ? "the next reach" : "the end of the input");
    }
    findings.note(FindingKind::NO_SECTION_END, view(RM), detail.view());
  }
  /// At the end of the section: what the X3 card will lose of its area
  /// pairs. A blocked obstruction takes the fields of the ineffective area on
  /// each side where it has a station, and a blocked elevation that fills
  /// its 8 columns gives up its last character to the minus sign.
  void areasEnded(const AREA_PAIR& INEFFECTIVE, const AREA_PAIR& BLOCKED) {
    if (!BLOCKED.PRESENT) return;
    bool left = !isBlank(view(BLOCKED.LEFT_STA));
    bool right = !isBlank(view(BLOCKED.RIGHT_STA));
    if (INEFFECTIVE.PRESENT && (left || right)) {
      DetailText detail;
      detail.text("the blocked obstruction takes the X3 fields of the ineffective area; lost:");
      if (left) {
        detail.text(" left station ").quoted(view(INEFFECTIVE.LEFT_STA));
        detail.text(" elevation ").quoted(view(INEFFECTIVE.LEFT_ELEV));
      }
      if (right) {
        detail.text(left ? ";" : "").text(" right station ").quoted(view(INEFFECTIVE.RIGHT_STA));
        detail.text(" elevation ").quoted(view(INEFFECTIVE.RIGHT_ELEV));
      }
      findings.note(FindingKind::INEFFECTIVE_REPLACED, view(RM), detail.view());
    }
    DetailText cut;
    bool leftCut = left && elevationCut(BLOCKED.LEFT_ELEV, "left", cut);
    bool rightCut = right && elevationCut(BLOCKED.RIGHT_ELEV, leftCut ? "; right" : "right", cut);
    if (leftCut || rightCut) findings.note(FindingKind::BLOCKED_ELEVATION_CUT, view(RM), cut.view());
  }
  /// Adds "side blocked elevation ... written as ..." when making `elevation`
  /// negative cuts it; false when it stays whole.
  static bool elevationCut(const FIELD8& elevation, std::string_view side, DetailText& detail) {
    if (trimmed(elevation).size() < elevation.size()) return false;
    if (std::memchr(elevation.data(), '-', elevation.size())) return false;
    FIELD8 written = elevation;
    negateElevation(written);
    detail.text(side).text(" blocked elevation ").quoted(view(elevation));
    detail.text(" written as ").quoted(view(written));
    return true;
  }
};

/// The first key (in test order) that occurs anywhere in the line. Every key
/// ends in "=" or ":", so one pass over the line looks for keys only where
/// such a character stands, instead of searching the line once per key.
SectionKey classify(const LineBuffer& line) {
  int best = NO_KEY;
  for (int end = 0; end < line.length && best > 0; ++end) {
    char c = line.text[end];
    if (c != '=' && c != ':') continue;
    for (int k = 0; k < best; ++k) {
      std::string_view key = kKeys[k];
      if (key.back() != c || static_cast<size_t>(end + 1) < key.size()) continue;
      if (std::memcmp(line.text + end + 1 - key.size(), key.data(), key.size()) == 0) {
        best = k;
        break;
      }
    }
  }
  return static_cast<SectionKey>(best);
}

/// Copies the lines up to the "END DESCRIPTION:" line to the deck as comment
/// cards; false when the input ends first.
bool copyDescription(InputStream& in, OutputStream& out, LineBuffer& line,
                     const SectionWatch& watch) {
  while (in.readLine(line)) {
    if (line.has(kDescriptionEnd)) return true;
    out.write("* ");
    out.writeLine(line.view());
    watch.findings.count(Tally::DESCRIPTION_LINE);
    if (line.cut) {
      watch.findings.note(FindingKind::DESCRIPTION_CUT, view(watch.RM),
                          DetailText()
                              .text("a description line longer than 132 characters; "
                                    "its comment card ends with ")
                              .quoted(line.view().substr(LINE_WIDTH - 24))
                              .view());
    }
  }
  return false;
}

/// Reads an "#XS Ineff=" or "#Block Obstruct=" line and, when it announces
/// exactly 2 areas with 0 after its comma, its value line. A blocked pair
/// that does not qualify keeps its PRESENT flag; the deck does not carry
/// it, which `watch` is told. False when the input ends.
bool readAreaPair(InputStream& in, LineBuffer& line, AREA_PAIR& pair, bool blocked,
                  const SectionWatch& watch) {
  if (!blocked) pair.PRESENT = false;
  std::string_view text = line.view();
  pair.COUNT = readCountAfter(text, firstOf(line, '='));
  int32_t v = readCountAfter(text, firstOf(line, ','));
  if (v != 0 || pair.COUNT != 2) {
    watch.findings.note(
        blocked ? FindingKind::BLOCKED_NOT_CARRIED : FindingKind::INEFFECTIVE_NOT_CARRIED,
        view(watch.RM),
        DetailText()
            .quoted(line.content())
            .text(": ")
            .number(pair.COUNT)
            .text(pair.COUNT == 1 ? " area, form " : " areas, form ")
            .number(v)
            .text("; only 2 areas of form 0 are carried")
            .view());
    if (blocked) pair.COUNT = 0;
    return true;
  }
  pair.PRESENT = true;
  if (!in.readLine(line)) {
    pair.PRESENT = false;
    return false;
  }
  pair.LEFT_STA = valueField(line, 2);
  pair.LEFT_ELEV = valueField(line, 3);
  pair.RIGHT_STA = valueField(line, 4);
  pair.RIGHT_ELEV = valueField(line, 6);
  return true;
}

/// Reads an "#XS Lid=" line and its triplets. Status 0 or 99.
void readLid(InputStream& in, OutputStream& out, LineBuffer& line, const FIELD8& RM, LID_TABLE& lid,
             int32_t& status, const Findings& findings) {
  int32_t count = readCountAfter(line.view(), firstOf(line, '='));
  lid.COUNT = count;
  status = BLOCK_READ;
  if (count <= 0) return;
  int32_t triplets = 0;
  READ3OF3(in, line, count, lid.COL1, lid.COL2, lid.COL3, triplets, status);
  int32_t kept = std::min(count, triplets);
  if (kept > LID_CAPACITY) {
    writeCapacityWarning(out, RM, LID_OVERFLOW, findings);
    kept = LID_CAPACITY;
  }
  lid.COUNT = kept;
}

/// Reads a "Bank Sta=" line: the text between the equals sign and the first
/// comma, and the text after that comma up to the last digit.
void readBanks(const LineBuffer& line, CROSS_SECTION& section) {
  section.BANK_LEFT = section.BANK_RIGHT = BLANK_FIELD8;
  int e = firstOf(line, '=');
  int c = firstOf(line, ',');
  if (c > e + 1) section.BANK_LEFT = rightJustifiedPiece(line.columns(e + 1, c - 1));
  if (c > 0) {
    int p = lastDigit(line.content());
    if (p > c) section.BANK_RIGHT = rightJustifiedPiece(line.columns(c + 1, p));
  }
}

/// Takes the identifier and the three reach lengths from the header line and
/// clears what every section starts without.
void startSection(const LineBuffer& line, CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE,
                  AREA_PAIR& BLOCKED, LID_TABLE& lid) {
  section.RM = BLANK_FIELD8;
  int stored = 0;
  SQUEEZE_BLANKS(line.columns(28, 35), section.RM, stored);
  INEFFECTIVE.PRESENT = BLOCKED.PRESENT = false;
  INEFFECTIVE.COUNT = BLOCKED.COUNT = 0;
  lid.COUNT = 0;
  GET3STRINGS(line.columns(37, LINE_WIDTH), section.LENGTH_LEFT, section.LENGTH_CHANNEL,
              section.LENGTH_RIGHT);
}

/// Tells the listener the section as read, before its cards change any text.
void handOver(const CROSS_SECTION& section, const N_VALUE_SET& nValues,
              const Findings& findings) {
  SectionTexts texts;
  texts.station = section.RM;
  texts.sta = section.GROUND.STA;
  texts.elev = section.GROUND.ELEV;
  texts.points = std::clamp(section.GROUND.NPTS, 0, GROUND_CAPACITY);
  texts.bankLeft = section.BANK_LEFT;
  texts.bankRight = section.BANK_RIGHT;
  texts.nMode = nValues.MODE;
  texts.nKhFlag = nValues.KH_FLAG;
  texts.nCount = std::clamp(nValues.COUNT, 0, N_VALUE_CAPACITY);
  texts.nValue = nValues.N_VALUE;
  texts.nEnd = nValues.END_STA;
  texts.nStart = nValues.START_STA;
  findings.read(texts);
}

/// The line loop of READ_SECTION.
void readSectionLines(InputStream& in, OutputStream& out, LineBuffer& line,
                      CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED,
                      N_VALUE_SET& nValues, LID_TABLE& lid, int32_t& status,
                      SectionWatch& watch) {
  const Findings& findings = watch.findings;
  for (;;) {
    if (!in.readLine(line)) {
      status = END_OF_INPUT;
      return;
    }
    // A section without "Exp/Cntr=" runs on into the next node, but never into
    // the next reach: that reach's header cards would be lost.
    if (isReachKeyLine(line)) {
      status = REACH_KEY_MET;
      return;
    }
    if (watch.permanentPending) watch.permanentFlags(line);
    status = BLOCK_READ;
    switch (classify(line)) {
      case DESCRIPTION:
        if (!copyDescription(in, out, line, watch)) status = END_OF_INPUT;
        break;
      case GROUND_KEY:
        READ_GROUND(in, out, line, section, status, findings);
        break;
      case N_VALUES_KEY:
        READ_N_VALUES(in, out, line, nValues, section, status, findings);
        break;
      case INEFFECTIVE_KEY:
        if (!readAreaPair(in, line, INEFFECTIVE, false, watch)) status = END_OF_INPUT;
        break;
      case BLOCKED_KEY:
        if (!readAreaPair(in, line, BLOCKED, true, watch)) status = END_OF_INPUT;
        break;
      case LID_KEY:
        readLid(in, out, line, section.RM, lid, status, findings);
        break;
      case BANKS_KEY:
        readBanks(line, section);
        break;
      case END_KEY:
        if (findings.active()) watch.coefficients(line);
        status = SECTION_COMPLETE;
        return;
      case NO_KEY:
        if (findings.active()) watch.otherLine(line);
        break;
    }
    if (status == END_OF_INPUT) return;
  }
}

}  // namespace

void writeCapacityWarning(OutputStream& out, const FIELD8& RM, std::string_view tail,
                          const Findings& findings) {
  out.write("* WARNING: SECTION RM=");
  out.write(view(RM));
  out.writeLine(tail);
  findings.note(FindingKind::CAPACITY, view(RM), DetailText().text("section").text(tail).view());
}

void READ_SECTION(InputStream& in, OutputStream& out, LineBuffer& line, CROSS_SECTION& section,
                  AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED, N_VALUE_SET& nValues, LID_TABLE& lid,
                  int32_t& status, const Findings& findings) {
  startSection(line, section, INEFFECTIVE, BLOCKED, lid);
  SectionWatch watch{findings, section.RM};
  readSectionLines(in, out, line, section, INEFFECTIVE, BLOCKED, nValues, lid, status, watch);
  if (findings.active()) {
    watch.sectionEnded(status);
    watch.areasEnded(INEFFECTIVE, BLOCKED);
    handOver(section, nValues, findings);
  }
}

}  // namespace tolvane
