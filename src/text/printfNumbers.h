#pragma once
// Numbers written exactly as the C library's printf writes them ("%.*f",
// "%.6g"), without its cost for the common values: those are rounded as
// integers, and only values on the edge of a rounding (or out of the usual
// range) go to printf itself.

#include <cstddef>

namespace tolvane {

/// Room a buffer needs for any text the functions below write.
inline constexpr size_t PRINTF_NUMBER_CAPACITY = 400;

/// Writes `value` as "%.*f" with `decimals` (0 to 9) into `out`, which has
/// room for PRINTF_NUMBER_CAPACITY characters; returns the length.
size_t formatFixed(double value, int decimals, char* out);

/// Writes `value` as "%.6g" into `out` (room as above); returns the length.
size_t formatSixDigits(double value, char* out);

}  // namespace tolvane
