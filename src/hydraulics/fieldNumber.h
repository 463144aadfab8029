#pragma once
// Numbers of 8-column fields as a reader of the deck takes them.

#include <string_view>

namespace tolvane {

/// Reads a field as a number: blanks around it are ignored and an all-blank
/// field is 0, as a reader of the deck takes it. False when the field holds
/// anything but a decimal number (sign, digits, point, exponent).
bool fieldNumber(std::string_view field, double& value);

}  // namespace tolvane
