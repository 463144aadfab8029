#include "bridges/readBridge.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "bridges/deckGeometry.h"
#include "bridges/makeString.h"
#include "deck/cards.h"
#include "sections/readSection.h"
#include "sections/writeSection.h"
#include "text/numbers.h"
#include "text/reachKey.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

constexpr std::string_view END_OF_INPUT_INSIDE = "END OF INPUT INSIDE THE BRIDGE BLOCK";
constexpr std::string_view NO_NUMBER = "A FIELD HOLDS NO NUMBER";
constexpr std::string_view SHORT_DECK_LINE = "DECK VALUE LINE HAS FEWER THAN SIX FIELDS";
constexpr std::string_view SHORT_PIER_LINE = "PIER KEY LINE HAS FEWER THAN FIVE FIELDS";
/// No read error.
constexpr std::string_view READ_OK = {};

/// Deck list lines carry ten 8-column fields.
constexpr int FIELDS_PER_LIST_LINE = 10;
/// Columns of the pier key line scanned after its first "=".
constexpr int PIER_SCAN_WIDTH = 50;
/// Shortest length written for a cut reach length.
constexpr float SHORTEST_LENGTH = 0.1f;

/// The fields located by one field scan (the scans ask for at most 6).
struct FieldScan {
  static constexpr int kCapacity = 13;
  int32_t count = 0;
  int32_t start[kCapacity];
  int32_t length[kCapacity];
  int32_t endClass[kCapacity];
  int32_t endIndex[kCapacity];

  /// Scans columns first..first+width-1 of the line for at most `limit` fields.
  void split(const LineBuffer& line, int first, int width, int limit, CHAR_CLASS_TABLE& classes) {
    count = -limit;
    if (width <= 0) {
      count = 0;
      return;
    }
    SPLIT_FIELDS(line.view(), first, width, count, start, length, endClass, endIndex, classes);
  }
  /// The characters of field i (1-based).
  std::string_view field(const LineBuffer& line, int i) const {
    return line.view().substr(static_cast<size_t>(start[i - 1] - 1),
                              static_cast<size_t>(length[i - 1]));
  }
};

/// Writes a warning comment card about the current bridge; the finding of
/// `kind` carries the same words.
void writeWarning(OutputStream& out, const BRIDGE_CONVERTER& bridge, std::string_view what,
                  const Findings& findings, FindingKind kind = FindingKind::CAPACITY) {
  CardLine card;
  card.raw("* WARNING: BRIDGE AT RM=").raw(view(bridge.BRIDGE_RM)).raw(what).writeTo(out);
  findings.note(kind, view(bridge.BRIDGE_RM), DetailText().text("bridge").text(what).view());
}

/// True when a pier's widths line holds a width that differs from its first
/// (only the first width is used).
bool widthsVary(const LineBuffer& line, int32_t announced) {
  int32_t fields = announced < FIELDS_PER_LIST_LINE ? announced : FIELDS_PER_LIST_LINE;
  double first = 0;
  if (fields < 2 || !decimalValue(line.columns(1, FIELD_WIDTH), first)) return false;
  for (int32_t f = 1; f < fields; ++f) {
    double width = 0;
    std::string_view text = line.columns(f * FIELD_WIDTH + 1, (f + 1) * FIELD_WIDTH);
    if (decimalValue(text, width) && width != first) return true;
  }
  return false;
}

/// Reads one deck list of `announced` texts, ten to a line and at least one
/// line, keeping the first `kept`.
std::string_view readDeckList(InputStream& in, LineBuffer& line, int32_t announced, int32_t kept,
                              FIELD8* texts) {
  int32_t lines = announced > 0 ? (announced - 1) / FIELDS_PER_LIST_LINE + 1 : 1;
  for (int32_t l = 0, i = 0; l < lines; ++l) {
    if (!in.readLine(line)) return END_OF_INPUT_INSIDE;
    for (int f = 0; f < FIELDS_PER_LIST_LINE && i < kept; ++f, ++i)
      std::memcpy(texts[i].data(), line.text + f * FIELD_WIDTH, FIELD_WIDTH);
  }
  return READ_OK;
}

/// Reads the three lists of one deck side and their values.
std::string_view readDeckSide(InputStream& in, OutputStream& out, LineBuffer& line,
                              int32_t announced, LID_TABLE& deck, int32_t& countBeforePiers,
                              const BRIDGE_CONVERTER& bridge, const Findings& findings) {
  if (announced < 0) announced = 0;
  int32_t kept = announced < LID_CAPACITY ? announced : LID_CAPACITY;
  deck.COUNT = 0;
  for (FIELD8* texts : {deck.COL1, deck.COL2, deck.COL3}) {
    std::string_view reason = readDeckList(in, line, announced, kept, texts);
    if (!reason.empty()) return reason;
  }
  for (int32_t i = 0; i < kept; ++i) {
    if (!readFixedReal(view(deck.COL1[i]), deck.COL1_VALUE[i]) ||
        !readFixedReal(view(deck.COL2[i]), deck.COL2_VALUE[i]) ||
        !readFixedReal(view(deck.COL3[i]), deck.COL3_VALUE[i]))
      return NO_NUMBER;
  }
  deck.COUNT = kept;
  // A deck line replaces the deck, so the piers that follow are folded into
  // this deck as read, even when a pier line came before it.
  countBeforePiers = kept;
  if (announced > LID_CAPACITY)
    writeWarning(out, bridge,
                 " HAS MORE THAN 500 DECK POINTS ON ONE SIDE; ONLY THE FIRST 500 ARE CONVERTED",
                 findings);
  return READ_OK;
}

/// Reads a deck distance or width; a field with nothing but blanks reads as 0
/// (placeholder bridges leave them empty) and sets `empty`.
bool readDeckValue(std::string_view field, float& value, bool& empty) {
  if (!isBlank(field)) return readFreeReal(field, value);
  value = 0;
  empty = true;
  return true;
}

/// Reads a deck point count, an empty field reading as 0 like a deck value.
bool readDeckCount(std::string_view field, int32_t& count, bool& empty) {
  if (!isBlank(field)) return readFreeInteger(field, count);
  count = 0;
  empty = true;
  return true;
}

/// Reads the deck value line after the deck key line, then both deck sides.
std::string_view readDeck(InputStream& in, OutputStream& out, LineBuffer& line,
                          BRIDGE_CONVERTER& bridge, const Findings& findings) {
  if (!in.readLine(line)) return END_OF_INPUT_INSIDE;
  FieldScan scan;
  scan.split(line, 1, LINE_WIDTH, 6, bridge.classes);
  if (scan.count < 6) return SHORT_DECK_LINE;
  int32_t upstreamPoints = 0, downstreamPoints = 0;
  bool empty = false;
  if (!readDeckValue(scan.field(line, 1), bridge.DECK_DIST, empty) ||
      !readDeckValue(scan.field(line, 2), bridge.DECK_WIDTH, empty) ||
      !readDeckCount(scan.field(line, 5), upstreamPoints, empty) ||
      !readDeckCount(scan.field(line, 6), downstreamPoints, empty))
    return NO_NUMBER;
  if (empty)
    writeWarning(out, bridge,
                 " HAS AN EMPTY DECK DISTANCE, WIDTH OR POINT COUNT; IT IS READ AS 0",
                 findings);
  std::string_view reason = readDeckSide(in, out, line, upstreamPoints, bridge.UPSTREAM_DECK,
                                         bridge.upstreamCountBeforePiers, bridge, findings);
  if (!reason.empty()) return reason;
  return readDeckSide(in, out, line, downstreamPoints, bridge.DOWNSTREAM_DECK,
                      bridge.downstreamCountBeforePiers, bridge, findings);
}

/// Reads one pier value: the first 8-column field of the next line.
std::string_view readPierValue(InputStream& in, LineBuffer& line, float& value) {
  if (!in.readLine(line)) return END_OF_INPUT_INSIDE;
  std::string_view field = line.columns(1, FIELD_WIDTH);
  if (isBlank(field) || !readFixedReal(field, value)) return NO_NUMBER;
  return READ_OK;
}

/// Folds a pier into one deck side; a side without points takes no pier, a
/// full side leaves the pier out with a warning.
void addPier(OutputStream& out, const BRIDGE_CONVERTER& bridge, LID_TABLE& deck, float width,
             float elevation, float station, const Findings& findings) {
  if (deck.COUNT == 0) return;
  if (deck.COUNT > LID_CAPACITY - 4) {
    writeWarning(out, bridge, " HAS TOO MANY PIERS; A PIER WAS LEFT OUT", findings);
    return;
  }
  ADD_PIER_TO_DECK(deck, width, elevation, station);
}

/// Reads a pier from its key line (in `line`) and the four value lines after it.
std::string_view readPier(InputStream& in, OutputStream& out, LineBuffer& line,
                          BRIDGE_CONVERTER& bridge, const Findings& findings) {
  findings.count(Tally::PIER);
  if (!bridge.pierSeen) {
    bridge.upstreamCountBeforePiers = bridge.UPSTREAM_DECK.COUNT;
    bridge.downstreamCountBeforePiers = bridge.DOWNSTREAM_DECK.COUNT;
  }
  int equals = line.find("=");
  int width = LINE_WIDTH - equals < PIER_SCAN_WIDTH ? LINE_WIDTH - equals : PIER_SCAN_WIDTH;
  FieldScan scan;
  scan.split(line, equals + 1, width, 5, bridge.classes);
  if (scan.count < 5) return SHORT_PIER_LINE;
  float upstreamStation = 0, downstreamStation = 0;
  int32_t upstreamNumber = 0, downstreamNumber = 0;
  if (!readFreeReal(scan.field(line, 2), upstreamStation) ||
      !readFreeInteger(scan.field(line, 3), upstreamNumber) ||
      !readFreeReal(scan.field(line, 4), downstreamStation) ||
      !readFreeInteger(scan.field(line, 5), downstreamNumber))
    return NO_NUMBER;
  float values[4];  // upstream width and elevation, downstream width and elevation
  DetailText varying;  // the widths lines that vary
  for (int v = 0; v < 4; ++v) {
    std::string_view reason = readPierValue(in, line, values[v]);
    if (!reason.empty()) return reason;
    if (!findings.active() || v % 2 != 0) continue;
    if (!widthsVary(line, v == 0 ? upstreamNumber : downstreamNumber)) continue;
    varying.text(varying.empty() ? "" : "; ").text(v == 0 ? "upstream" : "downstream");
    varying.text(" widths ").quoted(line.content());
  }
  if (!varying.empty()) {
    findings.note(FindingKind::PIER_WIDTH_VARIES, view(bridge.BRIDGE_RM),
                  DetailText()
                      .text("pier at upstream station ")
                      .amount(upstreamStation)
                      .text(": ")
                      .text(varying.view())
                      .text("; only the first width of each side is used")
                      .view());
  }
  addPier(out, bridge, bridge.UPSTREAM_DECK, values[0], values[1], upstreamStation, findings);
  addPier(out, bridge, bridge.DOWNSTREAM_DECK, values[2], values[3], downstreamStation,
          findings);
  bridge.pierSeen = true;
  return READ_OK;
}

/// How the block scan ended.
enum class BlockEnd { NEXT_NODE, REACH_KEY, END_OF_INPUT };

/// The description lines of a bridge block, which the deck never carries:
/// the block scan passes over them like any line it does not know.
class BridgeDescription {
 public:
  /// Looks at a line the scan passes over; true when it belongs to a description.
  bool look(const LineBuffer& line) {
    if (!inside_) {
      inside_ = line.has("BEGIN DESCRIPTION:");
      return inside_;
    }
    if (line.has("END DESCRIPTION:")) {
      inside_ = false;
      return true;
    }
    if (lines_++ == 0) first_.text(withoutBlanks(line.content()));
    return true;
  }
  /// Tells `findings` how many lines were left out, and the first one.
  void tell(const Findings& findings, const FIELD8& station) const {
    if (lines_ == 0) return;
    DetailText detail;
    detail.number(lines_).text(lines_ == 1 ? " description line" : " description lines");
    detail.text(" of the bridge not written; the first: ").quoted(first_.view());
    findings.note(FindingKind::BRIDGE_DESCRIPTION, view(station), detail.view());
    for (int32_t i = 0; i < lines_; ++i) findings.count(Tally::BRIDGE_DESCRIPTION_LINE);
  }

 private:
  bool inside_ = false;
  int32_t lines_ = 0;
  DetailText first_;
};

/// The lines of the bridge block up to the next node header line, a reach
/// key line or the end of the input, reading the deck and the piers on the way.
std::string_view scanLines(InputStream& in, OutputStream& out, LineBuffer& line,
                           BRIDGE_CONVERTER& bridge, BlockEnd& end, const Findings& findings,
                           BridgeDescription& description) {
  for (;;) {
    if (!in.readLine(line)) {
      end = BlockEnd::END_OF_INPUT;
      return READ_OK;
    }
    if (isReachKeyLine(line)) {
      end = BlockEnd::REACH_KEY;
      return READ_OK;
    }
    std::string_view reason = READ_OK;
    if (line.has("Deck Dist Width")) {
      reason = readDeck(in, out, line, bridge, findings);
    } else if (line.has("Pier Skew") && !line.has("Pier Skew=")) {
      reason = readPier(in, out, line, bridge, findings);
    } else if (line.has("BR Coef=") || line.has("WSPro=")) {
      // Coefficient lines: their data are not converted.
    } else if (line.has("Type RM Length")) {
      end = BlockEnd::NEXT_NODE;
      return READ_OK;
    } else if (!findings.active() || description.look(line)) {
      // Nothing more to tell of this line.
    } else if (line.has("Abutment")) {
      findings.note(FindingKind::ABUTMENT, view(bridge.BRIDGE_RM),
                    DetailText().text("abutment line ").quoted(line.content()).view());
    }
    if (!reason.empty()) return reason;
  }
}

/// Reads the bridge block up to the next node header line, a reach key line
/// or the end of the input, reading the deck and the piers on the way.
std::string_view scanBlock(InputStream& in, OutputStream& out, LineBuffer& line,
                           BRIDGE_CONVERTER& bridge, BlockEnd& end, const Findings& findings) {
  BridgeDescription description;
  std::string_view reason = scanLines(in, out, line, bridge, end, findings, description);
  if (reason.empty() && findings.active()) description.tell(findings, bridge.BRIDGE_RM);
  return reason;
}

/// The texts that deck values read for one column come out as, kept so that
/// the rewrite of the column need not write them a second time.
struct RewrittenTexts {
  int32_t count = 0;
  bool known[LID_CAPACITY];
  float value[LID_CAPACITY];
  FIELD8 text[LID_CAPACITY];

  /// The text kept for point `i` when its value is still `x`, else null.
  const FIELD8* find(int32_t i, float x) const {
    if (i >= count || !known[i]) return nullptr;
    if (std::bit_cast<uint32_t>(value[i]) != std::bit_cast<uint32_t>(x)) return nullptr;
    return &text[i];
  }
};

/// Tells `findings` how many deck values read for the side come out as a
/// different number once written with the decimals of `model`; keeps the
/// texts written in `rewritten`.
void noteRewrittenValues(const FIELD8* texts, int32_t count, const FIELD8& model,
                         std::string_view what, const BRIDGE_CONVERTER& bridge,
                         const Findings& findings, RewrittenTexts& rewritten) {
  int32_t changed = 0;
  double largest = -1;
  FIELD8 before = BLANK_FIELD8, after = BLANK_FIELD8;
  rewritten.count = count;
  for (int32_t i = 0; i < count; ++i) {
    float value = 0;
    rewritten.known[i] = false;
    if (!readFixedReal(view(texts[i]), value)) continue;
    FIELD8 written = model;
    MAKE_STRING_FROM_REAL(value, written);
    rewritten.known[i] = true;
    rewritten.value[i] = value;
    rewritten.text[i] = written;
    double read = 0, shown = 0;
    if (!decimalValue(view(texts[i]), read) || !decimalValue(view(written), shown)) continue;
    if (read == shown) continue;
    ++changed;
    double change = read > shown ? read - shown : shown - read;
    if (change > largest) {
      largest = change;
      before = texts[i];
      after = written;
    }
  }
  if (changed == 0) return;
  DetailText detail;
  detail.text(what).text(": ").number(changed).text(" of ").number(count);
  detail.text(" values rewritten with the decimals of ").quoted(view(model));
  detail.text("; largest change ").amount(largest).text(" (").quoted(view(before));
  detail.text(" written as ").quoted(view(after)).text(")");
  findings.note(FindingKind::DECK_VALUE_REWRITTEN, view(bridge.BRIDGE_RM), detail.view());
}

/// Rewrites every text of each column from its value, with the decimals of
/// the text read for the column's last point before the piers.
void rebuildDeckTexts(LID_TABLE& deck, int32_t countBeforePiers, std::string_view side,
                      const BRIDGE_CONVERTER& bridge, const Findings& findings) {
  if (countBeforePiers < 1 || countBeforePiers > deck.COUNT) return;
  FIELD8* texts[] = {deck.COL1, deck.COL2, deck.COL3};
  const float* values[] = {deck.COL1_VALUE, deck.COL2_VALUE, deck.COL3_VALUE};
  static constexpr std::string_view kColumns[] = {" deck stations", " deck tops",
                                                  " low chords"};
  RewrittenTexts rewritten;
  for (int c = 0; c < 3; ++c) {
    FIELD8 model = texts[c][countBeforePiers - 1];
    rewritten.count = 0;
    if (findings.active()) {
      DetailText what;
      what.text(side).text(kColumns[c]);
      noteRewrittenValues(texts[c], countBeforePiers, model, what.view(), bridge, findings, rewritten);
    }
    for (int32_t i = 0; i < deck.COUNT; ++i) {
      if (const FIELD8* known = rewritten.find(i, values[c][i])) {
        texts[c][i] = *known;
        continue;
      }
      texts[c][i] = model;
      MAKE_STRING_FROM_REAL(values[c][i], texts[c][i]);
    }
  }
}

/// The three length texts and their values, side by side.
struct Lengths {
  FIELD8* text[3];
  float* value[3];
  explicit Lengths(CROSS_SECTION& s)
      : text{&s.LENGTH_LEFT, &s.LENGTH_CHANNEL, &s.LENGTH_RIGHT},
        value{&s.LENGTH_LEFT_VALUE, &s.LENGTH_CHANNEL_VALUE, &s.LENGTH_RIGHT_VALUE} {}

  /// Sets the three length values to x.
  void setAll(float x) {
    for (int i = 0; i < 3; ++i) *value[i] = x;
  }
  /// Turns the three values into their texts, each text choosing its decimals.
  void writeTexts() {
    for (int i = 0; i < 3; ++i) MAKE_STRING_FROM_REAL(*value[i], *text[i]);
  }
  void save(FIELD8 (&copy)[3]) const {
    for (int i = 0; i < 3; ++i) copy[i] = *text[i];
  }
  void restore(const FIELD8 (&copy)[3]) {
    for (int i = 0; i < 3; ++i) *text[i] = copy[i];
  }
};

/// Writes the section before the bridge with its lengths cut to the deck
/// distance, and keeps what lies below the bridge as the remaining lengths.
std::string_view writeUpstreamSection(OutputStream& out, CROSS_SECTION& section,
                                      AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED,
                                      N_VALUE_SET& nValues, LID_TABLE& lid,
                                      BRIDGE_CONVERTER& bridge, const Findings& findings) {
  Lengths lengths(section);
  float* remaining[3] = {&bridge.remainingLeft, &bridge.remainingChannel, &bridge.remainingRight};
  for (int i = 0; i < 3; ++i) {
    if (!readFreeReal(view(*lengths.text[i]), *lengths.value[i])) return NO_NUMBER;
  }
  for (int i = 0; i < 3; ++i) {
    float beforeDeck = *lengths.value[i] - bridge.DECK_DIST;
    *remaining[i] = beforeDeck - bridge.DECK_WIDTH;
  }
  lengths.setAll(bridge.DECK_DIST);
  for (int i = 0; i < 3; ++i) {
    if (*lengths.value[i] < SHORTEST_LENGTH) *lengths.value[i] = SHORTEST_LENGTH;
    if (*remaining[i] < SHORTEST_LENGTH) *remaining[i] = SHORTEST_LENGTH;
  }
  lengths.writeTexts();
  WRITE_SECTION(out, section, INEFFECTIVE, BLOCKED, nValues, lid, bridge.fit, findings,
                bridge.upstreamWritten ? SectionRole::REPEATED_SECTION : SectionRole::SECTION);
  return READ_OK;
}

/// The reason in plain words, for standard error.
std::string_view plainWords(std::string_view reason) {
  if (reason == END_OF_INPUT_INSIDE) return "the input ends inside the bridge block";
  if (reason == NO_NUMBER) return "a field holds no number";
  if (reason == SHORT_DECK_LINE) return "the deck value line has fewer than six fields";
  if (reason == SHORT_PIER_LINE) return "the pier key line has fewer than five fields";
  return reason;
}

bool readError(OutputStream& console, const BRIDGE_CONVERTER& bridge, std::string_view reason,
               RunStop& stop) {
  int n = 0;
  LAST_NONBLANK(view(bridge.BRIDGE_RM), n);
  std::string_view station = view(bridge.BRIDGE_RM).substr(0, static_cast<size_t>(n));
  explainStop(stop, {"cannot read the bridge at RM=", station, ": ", plainWords(reason)});
  FreeLine()
      .text("BRIDGE AT RM=")
      .text(view(bridge.BRIDGE_RM))
      .text(": ")
      .text(reason)
      .writeTo(console);
  return stopRun(stop, 1);
}

}  // namespace

void clearBridgeConverter(BRIDGE_CONVERTER& bridge) {
  bridge.BRIDGE_RM = BLANK_FIELD8;
  bridge.DECK_DIST = 0;
  bridge.DECK_WIDTH = 0;
  clearLidTable(bridge.UPSTREAM_DECK);
  clearLidTable(bridge.DOWNSTREAM_DECK);
  bridge.pierSeen = false;
  bridge.upstreamCountBeforePiers = 0;
  bridge.downstreamCountBeforePiers = 0;
  bridge.remainingLeft = 0;
  bridge.remainingChannel = 0;
  bridge.remainingRight = 0;
  bridge.classes = CHAR_CLASS_TABLE{};
  bridge.upstreamWritten = false;
  bridge.fit = Field1Fit::CUT;
}

bool READ_BRIDGE(InputStream& in, OutputStream& out, OutputStream& console, LineBuffer& line,
                 CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED,
                 N_VALUE_SET& nValues, LID_TABLE& lid, BRIDGE_CONVERTER& bridge, int32_t& status,
                 RunStop& stop, const Findings& findings) {
  bridge.BRIDGE_RM = BLANK_FIELD8;
  int copied = 0;
  SQUEEZE_BLANKS(line.columns(28, 35), bridge.BRIDGE_RM, copied);

  // Every bridge starts from an empty deck: a bridge without a deck line
  // never carries the deck, distance or width of an earlier one.
  bridge.pierSeen = false;
  bridge.DECK_DIST = 0;
  bridge.DECK_WIDTH = 0;
  bridge.UPSTREAM_DECK.COUNT = 0;
  bridge.DOWNSTREAM_DECK.COUNT = 0;
  bridge.upstreamCountBeforePiers = 0;
  bridge.downstreamCountBeforePiers = 0;

  BlockEnd end = BlockEnd::NEXT_NODE;
  std::string_view reason = scanBlock(in, out, line, bridge, end, findings);
  if (!reason.empty()) return readError(console, bridge, reason, stop);

  if (bridge.pierSeen) {
    rebuildDeckTexts(bridge.UPSTREAM_DECK, bridge.upstreamCountBeforePiers, "upstream", bridge,
                     findings);
    rebuildDeckTexts(bridge.DOWNSTREAM_DECK, bridge.downstreamCountBeforePiers, "downstream",
                     bridge, findings);
  }

  // The upstream section, ending at the bridge's upstream face.
  Lengths lengths(section);
  FIELD8 lengthsAsRead[3];
  lengths.save(lengthsAsRead);
  reason = writeUpstreamSection(out, section, INEFFECTIVE, BLOCKED, nValues, lid, bridge, findings);
  if (!reason.empty()) return readError(console, bridge, reason, stop);
  FIELD8 upstreamRM = section.RM;

  // The upstream face: the upstream section's geometry under the upstream deck.
  lengths.setAll(bridge.DECK_WIDTH);
  lengths.restore(lengthsAsRead);
  lengths.writeTexts();
  section.RM = bridge.BRIDGE_RM;
  WRITE_SECTION(out, section, INEFFECTIVE, BLOCKED, nValues, bridge.UPSTREAM_DECK, bridge.fit,
                findings, SectionRole::UPSTREAM_FACE);

  if (end != BlockEnd::NEXT_NODE) {
    // The bridge ends its reach: there is no section below it to carry the
    // downstream face. The records get the upstream section back.
    writeWarning(out, bridge,
                 " HAS NO DOWNSTREAM SECTION IN ITS REACH; ONLY ITS UPSTREAM FACE IS WRITTEN",
                 findings, FindingKind::BRIDGE_AT_REACH_END);
    section.RM = upstreamRM;
    lengths.restore(lengthsAsRead);
    status = end == BlockEnd::REACH_KEY ? REACH_KEY_MET : END_OF_INPUT;
    return true;
  }

  // The downstream section, read from the node header line that ended the block.
  findings.count(Tally::SECTION_NODE);
  READ_SECTION(in, out, line, section, INEFFECTIVE, BLOCKED, nValues, lid, status, findings);
  if (status == END_OF_INPUT) return true;

  // The downstream face: the downstream section's geometry under the
  // downstream deck, with the lengths that remain below the bridge.
  FIELD8 downstreamLengths[3];
  lengths.save(downstreamLengths);
  FIELD8 downstreamRM = section.RM;
  section.LENGTH_LEFT_VALUE = bridge.remainingLeft;
  section.LENGTH_CHANNEL_VALUE = bridge.remainingChannel;
  section.LENGTH_RIGHT_VALUE = bridge.remainingRight;
  lengths.writeTexts();
  section.RM = bridge.BRIDGE_RM;
  WRITE_SECTION(out, section, INEFFECTIVE, BLOCKED, nValues, bridge.DOWNSTREAM_DECK, bridge.fit,
                findings, SectionRole::DOWNSTREAM_FACE);

  // The downstream section itself, as read.
  lengths.restore(downstreamLengths);
  section.RM = downstreamRM;
  WRITE_SECTION(out, section, INEFFECTIVE, BLOCKED, nValues, lid, bridge.fit, findings,
                SectionRole::SECTION);
  return true;
}

}  // namespace tolvane
