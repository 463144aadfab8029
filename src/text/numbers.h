#pragma once
// Reading numbers from text: fixed-width integer fields and free-format values.

#include <cstdint>
#include <string_view>

namespace tolvane {

/// Reads a fixed-width integer field: blanks are ignored, a comma ends the
/// number early, an optional sign then digits; all blank reads 0, and so does
/// a field that is not an integer (letters, stray signs).
int32_t readIntegerField(std::string_view field);

/// Reads a fixed-width field that must be an integer as a whole: after its
/// blanks are removed, an optional sign and digits (all blank reads 0). False
/// for anything else, "1," and "1." included: a comma ends a field early in
/// counts, modes and flags only.
bool readWholeIntegerField(std::string_view field, int32_t& value);

/// Reads the three characters after the 1-based position `separator` of the
/// line as an integer field (0 when separator is 0 or at the end of the line).
int32_t readCountAfter(std::string_view line, int separator);

/// Position (1-based) of the last of the eleven characters "0123456789." in
/// text, 0 if none.
int lastDigit(std::string_view text);

/// Reads a free-format real: after leading blanks the value runs to the next
/// blank, comma or slash (or the end); optional sign, digits with an optional
/// decimal point, optional exponent (E, e, D or d). Rounded straight to the
/// nearest float. False when the value is empty, malformed or out of range.
bool readFreeReal(std::string_view text, float& value);

/// Reads a free-format integer the same way: optional sign and digits only.
bool readFreeInteger(std::string_view text, int32_t& value);

/// Reads an 8-column field as a real with no implied decimals: blanks removed,
/// then the free-format real syntax; all blank reads 0.
bool readFixedReal(std::string_view field, float& value);

}  // namespace tolvane
