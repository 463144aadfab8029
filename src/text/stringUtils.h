#pragma once
// Helpers on fixed-length, blank-padded text. Positions are 1-based; 0 means none.

#include <span>
#include <string_view>

namespace tolvane {

/// n = position of the last non-blank character of text, 0 if none.
void LAST_NONBLANK(std::string_view text, int& n);
/// Copies the non-blank characters of source, in order, to the front of target;
/// n = how many were stored. Positions after n are left as they were.
void SQUEEZE_BLANKS(std::string_view source, std::span<char> target, int& n);
/// Start of the last window of text that differs from pattern, 0 if none.
int LAST_MISMATCH(std::string_view text, std::string_view pattern);
/// Start of the last occurrence of pattern in text, 0 if none.
int LAST_INDEX(std::string_view text, std::string_view pattern);
/// Start of the first window of text that differs from pattern, 0 if none.
int FIRST_MISMATCH(std::string_view text, std::string_view pattern);
/// Turns the ASCII letters a-z into A-Z in place.
void UPPER_CASE(std::span<char> text);

/// Moves the trailing blanks of text to its front (text right-justified in place).
void rightJustify(std::span<char> text);
/// Moves the leading blanks of text to its end (text left-justified in place).
void leftJustify(std::span<char> text);

}  // namespace tolvane
