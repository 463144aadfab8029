#pragma once
// Numbers of 8-column fields as a reader of the deck takes them.

#include <string_view>

#include "text/plainDecimal.h"

namespace tolvane {

/// The reading of a field that is not a plain decimal number: blank, or
/// another decimal form.
bool fieldNumberOtherwise(std::string_view field, double& value);

/// Reads a field as a number: blanks around it are ignored and an all-blank
/// field is 0, as a reader of the deck takes it. False when the field holds
/// anything but a decimal number (sign, digits, point, exponent). Inline: the
/// plain form, nearly every field, is read where it is asked for.
inline bool fieldNumber(std::string_view field, double& value) {
  return plainDecimalField(field, value) || fieldNumberOtherwise(field, value);
}

}  // namespace tolvane
