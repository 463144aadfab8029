#pragma once
// Free-format field splitter driven by a caller-owned character class table.

#include <cstdint>
#include <span>
#include <string_view>

namespace tolvane {

/// Character classes of the field splitter.
enum CharClass : int32_t { ORDINARY = 0, SEPARATOR = 1, BLANK_CLASS = 2, QUOTE = 3 };

/// Caller-owned class table: entry[0] is the marker (-7456 once initialised),
/// entry[1 + c] holds 100 x class + index for character code c (0..126).
struct CHAR_CLASS_TABLE {
  int32_t entry[128] = {};
};

/// Marker value of an initialised class table.
inline constexpr int32_t CLASS_TABLE_MARKER = -7456;

/// Splits columns start..start+count-1 (1-based) of text into fields. On entry
/// n < 0 limits the scan to -n fields (otherwise 500); on return n is the
/// number of fields found. The four lists must hold at least the limit.
void SPLIT_FIELDS(std::string_view text, int start, int count, int& n,
                  std::span<int32_t> fieldStart, std::span<int32_t> fieldLength,
                  std::span<int32_t> endClass, std::span<int32_t> endIndex,
                  CHAR_CLASS_TABLE& table);

/// Initialises the table if needed, then sets class k (0 = all default classes;
/// last < 0 = the default characters of class k) from characters[first..last].
void SET_FIELD_DELIMITERS(int k, std::string_view characters, int first, int last,
                          CHAR_CLASS_TABLE& table);

/// Puts characters[first..last] (1-based) into class k; earlier members of k
/// become ordinary.
void SET_CHAR_CLASS(int k, std::string_view characters, int first, int last,
                    CHAR_CLASS_TABLE& table);

}  // namespace tolvane
