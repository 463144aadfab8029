#pragma once
// Helpers of the pre-pass: reach and junction names taken from key lines and
// cleaned, character searches, and filing a reach in deck order.

#include <cstdint>
#include <span>
#include <string_view>

#include "network/tables.h"

namespace tolvane {

/// Replaces every `oldChar` in positions first..last (1-based) of text by `newChar`.
void REPLACECHAR(std::span<char> text, char oldChar, char newChar, int first, int last);

/// Examines |count| positions of text from `start` (upward when count > 0,
/// downward when count < 0) and returns the first whose character occurs in
/// set positions setStart..setStart+setLength-1, or 0; `found` receives the
/// place of that character within the set (0 when none).
int FIND_CHAR_OF_SET(std::string_view text, int start, int count, std::string_view set,
                     int setStart, int setLength, int& found);

/// Turns the characters that cannot stand in a one-word name (, / \ : . ? < > | * "
/// and blank) into underscores, up to the last non-blank character.
void cleanName(std::span<char> name);

/// Fills `name` with the first characters of `columns` after its leading
/// blanks, blank-padded, without cleaning.
void takeName(std::string_view columns, std::span<char> name);

/// The ordering key of a cleaned name: the digits between its first and last
/// digit, within at most 10 characters, read as a number; 0 without a digit.
int64_t nameKey(const REACH_NAME_TEXT& name);

/// Files reach number `count` (already counted) with its cleaned name and its
/// position in the input, keeping the table in ascending key order (stable);
/// `key` receives its key (1 for every reach when not sorting).
void INSERTREACH(bool sorted, const REACH_NAME_TEXT& name, int32_t fileNumber,
                 REACH_TABLE& reaches, int64_t& key, int32_t count);

}  // namespace tolvane
