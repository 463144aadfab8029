#pragma once
// Computed numbers back into 8-column fields.

#include "text/field8.h"

namespace tolvane {

/// Writes x into the 8-column text, with as many decimals as the text's
/// current content calls for and the magnitude allows.
void MAKE_STRING_FROM_REAL(float x, FIELD8& text);

}  // namespace tolvane
