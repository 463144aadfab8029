#include "sections/sectionParts.h"
#include "text/numbers.h"

namespace tolvane {

void READ3OF3(InputStream& in, LineBuffer& line, int32_t count, std::span<FIELD8> A,
              std::span<FIELD8> B, std::span<FIELD8> C, int32_t& triplets, int32_t& status) {
  triplets = 0;
  status = BLOCK_READ;
  int32_t lines = count > 0 ? (count + 2) / 3 : 0;
  for (int32_t n = 0; n < lines; ++n) {
    if (!in.readLine(line)) {
      status = END_OF_INPUT;
      return;
    }
    for (int t = 0; t < 3; ++t) {
      size_t k = static_cast<size_t>(triplets++);
      if (k < A.size()) A[k] = valueField(line, 3 * t + 1);
      if (k < B.size()) B[k] = valueField(line, 3 * t + 2);
      if (k < C.size()) C[k] = valueField(line, 3 * t + 3);
    }
  }
}

void GET3STRINGS(std::string_view S, FIELD8& S1, FIELD8& S2, FIELD8& S3) {
  S1 = S2 = S3 = BLANK_FIELD8;
  size_t first = S.find(',');
  if (first == std::string_view::npos || first == 0) return;
  int c1 = static_cast<int>(first) + 1;
  int c2 = static_cast<int>(S.rfind(',')) + 1;
  S1 = rightJustifiedPiece(S.substr(0, static_cast<size_t>(c1 - 1)));
  if (c2 > c1 + 1)
    S2 = rightJustifiedPiece(S.substr(static_cast<size_t>(c1), static_cast<size_t>(c2 - c1 - 1)));
  int p = lastDigit(S);
  if (p > c2)
    S3 = rightJustifiedPiece(S.substr(static_cast<size_t>(c2), static_cast<size_t>(p - c2)));
}

}  // namespace tolvane
