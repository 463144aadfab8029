#include <algorithm>

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

}  // namespace

void WRITE_GRS(OutputStream& out, GROUND_PROFILE& ground, const FIELD8& station, Field1Fit fit,
               const Findings& findings) {
  RepeatingCard gr(out, "GR");
  int32_t count = std::min(ground.NPTS, GROUND_CAPACITY);
  CutTally cuts;
  char room[FIELD1_WIDTH];
  for (int32_t i = 0; i < count; ++i) {
    if (i % 5 == 0) {
      std::string_view shown = fitField1(ground.ELEV[i], fit, room);
      if (findings.active()) cuts.look(ground.ELEV[i], shown);
      bool rounded = shown.data() == room;
      rewriteOpeningElevation(ground.ELEV[i], shown, rounded);
      gr.text(rounded ? shown : fittedField1(ground.ELEV[i]));
    } else {
      gr.text(view(ground.ELEV[i]));
    }
    gr.text(view(ground.STA[i]));
  }
  gr.finish();
  if (findings.active())
    cuts.report(findings, FindingKind::GR_ELEVATION_CUT, station, "GR cards", (count + 4) / 5);
}

}  // namespace tolvane
