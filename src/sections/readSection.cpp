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
bool copyDescription(InputStream& in, OutputStream& out, LineBuffer& line) {
  while (in.readLine(line)) {
    if (line.has(kDescriptionEnd)) return true;
    out.write("* ");
    out.writeLine(line.view());
  }
  return false;
}

/// Reads an "#XS Ineff=" or "#Block Obstruct=" line and, when it announces
/// exactly 2 areas with 0 after its comma, its value line. A blocked pair
/// that does not qualify keeps its PRESENT flag. False when the input ends.
bool readAreaPair(InputStream& in, LineBuffer& line, AREA_PAIR& pair, bool blocked) {
  if (!blocked) pair.PRESENT = false;
  std::string_view text = line.view();
  pair.COUNT = readCountAfter(text, firstOf(line, '='));
  int32_t v = readCountAfter(text, firstOf(line, ','));
  if (v != 0 || pair.COUNT != 2) {
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
             int32_t& status) {
  int32_t count = readCountAfter(line.view(), firstOf(line, '='));
  lid.COUNT = count;
  status = BLOCK_READ;
  if (count <= 0) return;
  int32_t triplets = 0;
  READ3OF3(in, line, count, lid.COL1, lid.COL2, lid.COL3, triplets, status);
  int32_t kept = std::min(count, triplets);
  if (kept > LID_CAPACITY) {
    writeCapacityWarning(out, RM, LID_OVERFLOW);
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

}  // namespace

void writeCapacityWarning(OutputStream& out, const FIELD8& RM, std::string_view tail) {
  out.write("* WARNING: SECTION RM=");
  out.write(view(RM));
  out.writeLine(tail);
}

void READ_SECTION(InputStream& in, OutputStream& out, LineBuffer& line, CROSS_SECTION& section,
                  AREA_PAIR& INEFFECTIVE, AREA_PAIR& BLOCKED, N_VALUE_SET& nValues, LID_TABLE& lid,
                  int32_t& status) {
  startSection(line, section, INEFFECTIVE, BLOCKED, lid);
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
    status = BLOCK_READ;
    switch (classify(line)) {
      case DESCRIPTION:
        if (!copyDescription(in, out, line)) status = END_OF_INPUT;
        break;
      case GROUND_KEY:
        READ_GROUND(in, out, line, section, status);
        break;
      case N_VALUES_KEY:
        READ_N_VALUES(in, out, line, nValues, section, status);
        break;
      case INEFFECTIVE_KEY:
        if (!readAreaPair(in, line, INEFFECTIVE, false)) status = END_OF_INPUT;
        break;
      case BLOCKED_KEY:
        if (!readAreaPair(in, line, BLOCKED, true)) status = END_OF_INPUT;
        break;
      case LID_KEY:
        readLid(in, out, line, section.RM, lid, status);
        break;
      case BANKS_KEY:
        readBanks(line, section);
        break;
      case END_KEY:
        status = SECTION_COMPLETE;
        return;
      case NO_KEY:
        break;
    }
    if (status == END_OF_INPUT) return;
  }
}

}  // namespace tolvane
