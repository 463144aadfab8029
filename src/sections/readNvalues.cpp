#include <algorithm>
#include <cstring>

#include "sections/sectionParts.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

/// The KH flag: after leading blanks an optional sign and digits; the digits
/// end at the first other character. No digits (or too many) reads 0.
int32_t readFlag(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT32_MAX) return 0;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

/// The horizontally varying form: `count` triplets of start station, n value
/// and a dropped third value; the start stations become end stations.
void readVaryingValues(InputStream& in, OutputStream& out, LineBuffer& line, int32_t count,
                       N_VALUE_SET& nValues, CROSS_SECTION& section, int32_t& status,
                       const Findings& findings) {
  int32_t triplets = 0;
  READ3OF3(in, line, count, nValues.END_STA, nValues.N_VALUE, {}, triplets, status);
  int32_t kept = std::min(count, triplets);
  if (kept > N_VALUE_CAPACITY) {
    writeCapacityWarning(out, section.RM, N_VALUE_OVERFLOW, findings);
    kept = N_VALUE_CAPACITY;
  }
  nValues.COUNT = kept;
  if (status == END_OF_INPUT || kept <= 0) return;

  std::memmove(&nValues.END_STA[0], &nValues.END_STA[1],
               sizeof(FIELD8) * static_cast<size_t>(kept - 1));
  const GROUND_PROFILE& ground = section.GROUND;
  nValues.END_STA[kept - 1] = ground.NPTS >= 1 ? ground.STA[ground.NPTS - 1] : BLANK_FIELD8;
}

/// The three-value form: one value line, whatever the count, giving the left
/// overbank, channel and right overbank values in fields 2, 5 and 8, and the
/// stations where they start in fields 1, 4 and 7.
void readThreeValues(InputStream& in, LineBuffer& line, int32_t count, N_VALUE_SET& nValues,
                     int32_t& status) {
  nValues.COUNT = count;
  if (count < 1) return;
  if (!in.readLine(line)) {
    nValues.COUNT = 0;
    status = END_OF_INPUT;
    return;
  }
  nValues.N_VALUE[0] = valueField(line, 2);
  nValues.N_VALUE[1] = valueField(line, 5);
  nValues.N_VALUE[2] = valueField(line, 8);
  nValues.START_STA[0] = valueField(line, 1);
  nValues.START_STA[1] = valueField(line, 4);
  nValues.START_STA[2] = valueField(line, 7);
}

}  // namespace

void READ_N_VALUES(InputStream& in, OutputStream& out, LineBuffer& line, N_VALUE_SET& nValues,
                   CROSS_SECTION& section, int32_t& status, const Findings& findings) {
  std::string_view text = line.view();
  int e = firstOf(line, '=');
  int c1 = firstOf(line, ',');
  int cl = static_cast<int>(text.rfind(',') + 1);  // npos + 1 == 0: no comma
  int p = lastDigit(line.content());

  int32_t count = readCountAfter(text, e);
  nValues.MODE = readCountAfter(text, c1);
  nValues.KH_FLAG = cl > c1 && p > cl ? readFlag(line.columns(cl + 1, p)) : 0;
  nValues.COUNT = 0;
  status = BLOCK_READ;
  if (nValues.MODE != 0)
    readVaryingValues(in, out, line, count, nValues, section, status, findings);
  else
    readThreeValues(in, line, count, nValues, status);
}

}  // namespace tolvane
