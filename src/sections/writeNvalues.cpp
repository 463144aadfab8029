#include <algorithm>

#include "deck/cards.h"
#include "sections/sectionParts.h"
#include "text/decimalText.h"

namespace tolvane {

namespace {

constexpr std::string_view kPlusLine = "* ++++++++++++++++++++++++++++++++++++++++++";

/// A comment block between two plus lines, then a bare NC card that holds the
/// section's place in the deck.
void writeBlankNc(OutputStream& out, std::string_view message) {
  writeFreeCard(out, kPlusLine);
  out.write("* ");
  out.writeLine(message);
  writeFreeCard(out, kPlusLine);
  writeFreeCard(out, "NC");
}

/// The last end station of the n values as field 1 of a card shows it. Cut
/// or rounded to 6 characters it could end short of the ground points, and
/// readers of the deck refuse n values that do not cover the whole section;
/// so a fit that lowers the station is replaced by the smallest number not
/// below the station that fits the field. `room` holds the text shown.
std::string_view lastStationInField1(const FIELD8& station, Field1Fit fit,
                                     char (&room)[FIELD1_WIDTH]) {
  std::string_view shown = fitField1(station, fit, room);
  std::string_view written = trimmed(station);
  DECIMAL_TEXT shownNumber;
  DECIMAL_TEXT writtenNumber;
  if (written.size() <= shown.size() || !parseDecimalText(shown, shownNumber) ||
      !parseDecimalText(written, writtenNumber) ||
      compareDecimalTexts(shownNumber, writtenNumber) >= 0)
    return shown;
  int length = roundUpToWidth(writtenNumber, FIELD1_WIDTH, room);
  return length > 0 ? std::string_view(room, length) : shown;
}

/// NH cards: the count, then value and end station of each n value; a value
/// that opens a further card is fitted into its 6-column field 1.
void writeNh(OutputStream& out, const N_VALUE_SET& nValues, const FIELD8& station,
             Field1Fit fit, const Findings& findings) {
  RepeatingCard nh(out, "NH");
  nh.integer(nValues.COUNT);
  int32_t count = std::min(nValues.COUNT, N_VALUE_CAPACITY);
  int item = 1;
  char room[FIELD1_WIDTH];
  CutTally cuts;
  auto place = [&](const FIELD8& value, bool lastStation) {
    if (item++ % 10 != 0) {
      nh.text(view(value));
      return;
    }
    std::string_view shown =
        lastStation ? lastStationInField1(value, fit, room) : fitField1(value, fit, room);
    if (findings.active()) cuts.look(value, shown);
    nh.text(shown);
  };
  for (int32_t i = 0; i < count; ++i) {
    place(nValues.N_VALUE[i], false);
    place(nValues.END_STA[i], i + 1 == nValues.COUNT);
  }
  nh.finish();
  if (findings.active())
    cuts.report(findings, FindingKind::NH_FIELD_CUT, station, "continuation NH cards",
                (2 * count) / 10);
}

/// Reads a station as a decimal number; false when it is blank or none.
bool stationNumber(const FIELD8& station, DECIMAL_TEXT& number) {
  return parseDecimalText(trimmed(station), number);
}

/// Which of one or two n values is in force where the left overbank (the
/// first ground station), the channel (the left bank) and the right overbank
/// (the right bank) start: the value of the last start station not beyond
/// that station, or the first value when it lies before them all. The
/// geometry file leaves out a subsection of no width, so the values cannot
/// be taken by position. False when a station involved is not a number.
bool valuesByStation(const N_VALUE_SET& nValues, const CROSS_SECTION& section,
                     int (&inForce)[3]) {
  if (nValues.COUNT != 1 && nValues.COUNT != 2) return false;
  if (section.GROUND.NPTS < 1) return false;
  DECIMAL_TEXT starts[2];
  for (int i = 0; i < nValues.COUNT; ++i)
    if (!stationNumber(nValues.START_STA[i], starts[i])) return false;
  const FIELD8* subsectionStarts[3] = {&section.GROUND.STA[0], &section.BANK_LEFT,
                                       &section.BANK_RIGHT};
  for (int k = 0; k < 3; ++k) {
    DECIMAL_TEXT station;
    if (!stationNumber(*subsectionStarts[k], station)) return false;
    inForce[k] = 0;
    for (int i = 0; i < nValues.COUNT; ++i)
      if (compareDecimalTexts(starts[i], station) <= 0) inForce[k] = i;
  }
  return true;
}

/// One NC card: left overbank (its last six characters), right overbank,
/// channel. Three values are taken in their order; one or two are placed by
/// station where the stations allow it.
void writeNc(OutputStream& out, const N_VALUE_SET& nValues, const CROSS_SECTION& section) {
  int value[3] = {0, 1, 2};  // left overbank, channel, right overbank
  valuesByStation(nValues, section, value);
  CardLine nc("NC");
  nc.text(view(nValues.N_VALUE[value[0]]).substr(2), FIELD1_WIDTH)
      .text(view(nValues.N_VALUE[value[2]]), FIELD_WIDTH)
      .text(view(nValues.N_VALUE[value[1]]), FIELD_WIDTH)
      .writeTo(out);
}

}  // namespace

void WRITE_N_VALUES(OutputStream& out, const N_VALUE_SET& nValues, const CROSS_SECTION& section,
                    const FIELD8& station, Field1Fit fit, const Findings& findings) {
  if (nValues.KH_FLAG == 1)
    writeBlankNc(out, "KH DATA NOT SUPPORTED IN MAVO. REPLACED WITH BLANK NC RECORD");
  else if (nValues.MODE != 0)
    writeNh(out, nValues, station, fit, findings);
  else if (nValues.COUNT != 0)
    writeNc(out, nValues, section);
  else
    writeBlankNc(out,
                 "No N Values defined for this section in BEK data, "
                 "BLANK NC RECORD written as spaceholder...");
}

}  // namespace tolvane
