#include <algorithm>
#include <cstring>

#include "deck/cards.h"
#include "sections/sectionParts.h"

namespace tolvane {

namespace {

/// Rewrites the elevation that opens a GR card as field 1 shows it (`shown`):
/// right-justified in 6 columns and 2 blanks when shorter, the rounded text
/// and 2 blanks when `rounded`, else the value left-justified.
void rewriteOpeningElevation(FIELD8& elevation, std::string_view shown, bool rounded) {
  if (shown.size() < FIELD1_WIDTH) {
    FIELD8 fitted = BLANK_FIELD8;
    std::memcpy(fitted.data() + FIELD1_WIDTH - shown.size(), shown.data(), shown.size());
    elevation = fitted;
  } else if (rounded) {
    elevation = makeField8(shown);
  } else {
    leftJustify(elevation);
  }
}

/// Longest GR card: identifier, field 1 and nine 8-column fields, line end.
constexpr size_t kCardRoom = 2 + FIELD1_WIDTH + 9 * FIELD_WIDTH + 1;

/// Writes one GR card of points first..last-1 (at most five) straight into
/// the stream's buffer, field 1 showing `opening`.
void writeCard(OutputStream& out, std::string_view opening, const GROUND_PROFILE& ground,
               int32_t first, int32_t last) {
  char* card = out.reserve(kCardRoom);
  if (card == nullptr) return;
  char* at = card;
  *at++ = 'G';
  *at++ = 'R';
  if (opening.size() >= FIELD1_WIDTH) {
    std::memcpy(at, opening.data(), FIELD1_WIDTH);
  } else {
    std::memset(at, ' ', FIELD1_WIDTH - opening.size());
    std::memcpy(at + FIELD1_WIDTH - opening.size(), opening.data(), opening.size());
  }
  at += FIELD1_WIDTH;
  std::memcpy(at, ground.STA[first].data(), FIELD_WIDTH);
  at += FIELD_WIDTH;
  for (int32_t i = first + 1; i < last; ++i) {
    std::memcpy(at, ground.ELEV[i].data(), FIELD_WIDTH);
    std::memcpy(at + FIELD_WIDTH, ground.STA[i].data(), FIELD_WIDTH);
    at += 2 * FIELD_WIDTH;
  }
  *at++ = '\n';
  out.advance(static_cast<size_t>(at - card));
}

}  // namespace

void WRITE_GRS(OutputStream& out, GROUND_PROFILE& ground, const FIELD8& station, Field1Fit fit,
               const Findings& findings) {
  int32_t count = std::min(ground.NPTS, GROUND_CAPACITY);
  CutTally cuts;
  char room[FIELD1_WIDTH];
  // Five points a card: the first one's elevation in field 1.
  for (int32_t i = 0; i < count; i += 5) {
    std::string_view shown = fitField1(ground.ELEV[i], fit, room);
    if (findings.active()) cuts.look(ground.ELEV[i], shown);
    bool rounded = shown.data() == room;
    rewriteOpeningElevation(ground.ELEV[i], shown, rounded);
    writeCard(out, rounded ? shown : fittedField1(ground.ELEV[i]), ground, i,
              std::min(i + 5, count));
  }
  // Without points the card is the identifier alone.
  if (count <= 0) out.writeLine("GR");
  if (findings.active())
    cuts.report(findings, FindingKind::GR_ELEVATION_CUT, station, "GR cards", (count + 4) / 5);
}

}  // namespace tolvane
