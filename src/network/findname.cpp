#include <cstring>

#include "network/readjcts.h"

namespace tolvane {

int32_t FINDNAME(const REACH_NAME_TEXT* names, const REACH_NAME_TEXT& name, int32_t count) {
  // Both sides are blank-padded to the same width, so equal texts are equal names.
  for (int32_t i = 0; i < count; ++i)
    if (std::memcmp(names[i].data(), name.data(), name.size()) == 0) return i + 1;
  return 0;
}

}  // namespace tolvane
