#include "sections/writeSection.h"

#include <algorithm>

#include "sections/writeBT.h"
#include "sections/sectionParts.h"

namespace tolvane {

namespace {

/// More than the cards of the largest section: 500 ground points on 100 GR
/// cards, 500 lid points on 167 BT cards, 20 n values, X1, X3 and comments.
constexpr size_t SECTION_CARDS_ROOM = 64 * 1024;

/// The four fields of columns 25-56 of the X3 card, as WRITE_X3 places them.
void x3Fields(const AREA_PAIR& INEFFECTIVE, const AREA_PAIR& BLOCKED, SectionCards& cards) {
  cards.hasX3 = INEFFECTIVE.PRESENT || BLOCKED.PRESENT;
  if (INEFFECTIVE.PRESENT) {
    cards.x3[0] = INEFFECTIVE.LEFT_STA;
    cards.x3[1] = INEFFECTIVE.LEFT_ELEV;
    cards.x3[2] = INEFFECTIVE.RIGHT_STA;
    cards.x3[3] = INEFFECTIVE.RIGHT_ELEV;
  }
  if (BLOCKED.PRESENT) {
    if (!isBlank(view(BLOCKED.LEFT_STA))) {
      cards.x3[0] = BLOCKED.LEFT_STA;
      cards.x3[1] = BLOCKED.LEFT_ELEV;
    }
    if (!isBlank(view(BLOCKED.RIGHT_STA))) {
      cards.x3[2] = BLOCKED.RIGHT_STA;
      cards.x3[3] = BLOCKED.RIGHT_ELEV;
    }
  }
}

}  // namespace

void WRITE_SECTION(OutputStream& out, CROSS_SECTION& section, AREA_PAIR& INEFFECTIVE,
                   AREA_PAIR& BLOCKED, N_VALUE_SET& nValues, LID_TABLE& lid, Field1Fit fit,
                   const Findings& findings, SectionRole role) {
  const FIELD8 station = section.RM;  // WRITE_X1 blanks its "*"
  // A bridge face repeats the NH and GR cards of the section beside it, whose
  // own findings tell their cuts; both faces carry the bridge's station, the
  // upstream one tells its cut.
  const Findings none;
  const Findings& cardCuts = role == SectionRole::SECTION ? findings : none;
  const Findings& numberCut =
      role == SectionRole::SECTION || role == SectionRole::UPSTREAM_FACE ? findings : none;
  // The report reads the cards back from the deck's buffer: room is made
  // first for the most a section can take, so that none is written out midway.
  OutputStream::Mark start;
  if (findings.active()) {
    out.reserve(SECTION_CARDS_ROOM);
    start = out.mark();
  }
  WRITE_N_VALUES(out, nValues, section, station, fit, cardCuts);
  WRITE_X1(out, section, numberCut);
  WRITE_X3(out, INEFFECTIVE, BLOCKED);
  if (lid.COUNT > 0) WRITE_LID(out, lid);
  WRITE_GRS(out, section.GROUND, station, fit, cardCuts);
  if (!findings.active()) return;

  SectionCards cards;
  cards.role = role;
  cards.station = station;
  FIELD8 sectionNumber = x1SectionNumber(section.RM);
  cards.number = view(sectionNumber).substr(0, 6);
  cards.sta = section.GROUND.STA;
  cards.elev = section.GROUND.ELEV;
  cards.points = std::min(section.GROUND.NPTS, GROUND_CAPACITY);
  cards.bankLeft = section.BANK_LEFT;
  cards.bankRight = section.BANK_RIGHT;
  cards.lengthChannel = section.LENGTH_CHANNEL;
  x3Fields(INEFFECTIVE, BLOCKED, cards);
  if (lid.COUNT > 0) {
    cards.lidSta = lid.COL1;
    cards.lidTop = lid.COL2;
    cards.lidLow = lid.COL3;
    cards.lidPoints = std::min(lid.COUNT, LID_CAPACITY);
  }
  cards.images = out.since(start);
  findings.written(cards);
}

}  // namespace tolvane
