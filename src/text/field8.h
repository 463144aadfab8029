#pragma once
// Fixed-length, blank-padded texts: the 8-column number field and the input line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tolvane {

/// A number as written in an 8-column field, kept as its 8 characters.
using FIELD8 = std::array<char, 8>;

/// Eight blanks.
inline constexpr FIELD8 BLANK_FIELD8 = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

/// The 8 characters of a field as a view.
inline std::string_view view(const FIELD8& field) { return {field.data(), field.size()}; }

/// A field holding `text` cut or blank-padded on the right to 8 characters.
inline FIELD8 makeField8(std::string_view text) {
  FIELD8 field = BLANK_FIELD8;
  std::memcpy(field.data(), text.data(), text.size() < 8 ? text.size() : 8);
  return field;
}

/// True when every character of the text is a blank.
inline bool isBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

/// Width of the line buffer: every input line is cut or padded to it.
inline constexpr int LINE_WIDTH = 132;

/// One input line, 132 characters, blank-padded; `length` is how many
/// characters the line itself supplied (0..132), the rest being padding.
struct LineBuffer {
  char text[LINE_WIDTH];
  int length = 0;
  /// True when the line itself was longer than 132 characters.
  bool cut = false;

  /// The whole 132-character buffer.
  std::string_view view() const { return {text, LINE_WIDTH}; }
  /// The characters the line itself supplied, without the padding.
  std::string_view content() const { return {text, static_cast<size_t>(length)}; }
  /// Columns first..last (1-based, inclusive) of the buffer.
  std::string_view columns(int first, int last) const {
    return {text + first - 1, static_cast<size_t>(last - first + 1)};
  }
  /// 1-based position of the first occurrence of `key`, or 0. Keys end in a
  /// non-blank character, so the padding never needs to be searched.
  int find(std::string_view key) const;
  /// True when `key` occurs anywhere in the line.
  bool has(std::string_view key) const { return find(key) != 0; }
  /// Fills the buffer from `data` (cut at 132 columns, blank-padded).
  void assign(std::string_view data);
  /// The same as assign({data, size}) for a `data` that may be read for 132
  /// characters whatever `size` is (the characters after `size` are not used):
  /// copies and pads in one pass of fixed length, without a branch on the size.
  void assignFromWide(const char* data, size_t size) {
    uint8_t n = static_cast<uint8_t>(size < LINE_WIDTH ? size : LINE_WIDTH);
    for (uint8_t i = 0; i < LINE_WIDTH; ++i) {
      char c = data[i];
      text[i] = i < n ? c : ' ';
    }
    length = n;
    cut = size > LINE_WIDTH;
  }
};

}  // namespace tolvane
