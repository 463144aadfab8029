#pragma once
// The quick reading of a number field: the plain decimal form that nearly
// every field holds, in one pass.

#include <string_view>

namespace tolvane {

/// Reads a field of at most 8 characters that holds a plain decimal number
/// (blanks around it, a sign, digits with at most one point) exactly as the
/// library would round its text. False for any other form, or a longer text:
/// the caller then reads it the full way.
bool plainDecimalField(std::string_view text, double& value);

}  // namespace tolvane
