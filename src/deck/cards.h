#pragma once
// The card grid shared by every card writer: a 2-column identifier, field 1 of
// 6 columns, fields 2-10 of 8 columns; cards end after their last item.

#include <cstdint>
#include <cstring>
#include <string_view>

#include "deck/streams.h"
#include "text/field8.h"

namespace tolvane {

/// Width of field 1 of a card.
inline constexpr int FIELD1_WIDTH = 6;
/// Width of fields 2 to 10 of a card.
inline constexpr int FIELD_WIDTH = 8;

/// How a value longer than field 1 is fitted into its 6 columns.
enum class Field1Fit : uint8_t {
  CUT,    ///< its first 6 characters
  ROUND,  ///< a plain decimal rounded to the most decimals that fit
};

/// One card (or comment line) assembled left to right, then written whole.
class CardLine {
 public:
  CardLine() = default;
  /// Starts a card with its two-character identifier.
  explicit CardLine(std::string_view identifier) { raw(identifier); }

  /// Empties the card and starts it again with an identifier.
  CardLine& restart(std::string_view identifier) {
    length_ = 0;
    return raw(identifier);
  }
  /// Places a text in a field of `width`: cut on the right when longer,
  /// right-justified when shorter.
  CardLine& text(std::string_view item, int width) {
    size_t room = static_cast<size_t>(kCapacity - length_);
    size_t w = static_cast<size_t>(width) < room ? static_cast<size_t>(width) : room;
    char* at = buffer_ + length_;
    if (item.size() == 8 && w == 8) {
      std::memcpy(at, item.data(), 8);  // the common case: a number field copied whole
    } else if (item.size() >= w) {
      std::memcpy(at, item.data(), w);
    } else {
      size_t blanks = w - item.size();
      std::memset(at, ' ', blanks);
      std::memcpy(at + blanks, item.data(), item.size());
    }
    length_ += static_cast<int>(w);
    return *this;
  }
  /// Places an integer right-justified in `width` columns; asterisks when it
  /// does not fit.
  CardLine& integer(int64_t value, int width);
  /// Appends characters as they are (a free-line item).
  CardLine& raw(std::string_view item);
  /// The card so far.
  std::string_view view() const { return {buffer_, static_cast<size_t>(length_)}; }
  /// Writes the card and a line end.
  void writeTo(OutputStream& out) const { out.writeLine(view()); }

 private:
  static constexpr int kCapacity = 320;
  char buffer_[kCapacity];
  int length_ = 0;
};

/// A run of text items on cards of one identifier: field 1 takes the first
/// item (6 columns), fields 2-10 the next nine; after field 10 a new card with
/// the same identifier begins. A run with no item writes the identifier alone.
class RepeatingCard {
 public:
  RepeatingCard(OutputStream& out, std::string_view identifier);
  /// Places the next item.
  void text(std::string_view item) {
    if (fields_ == 10) startNextCard();
    card_.text(item, fields_ == 0 ? FIELD1_WIDTH : FIELD_WIDTH);
    ++fields_;
  }
  /// Places the next item as an integer.
  void integer(int64_t value);
  /// Writes the last card.
  void finish();

 private:
  void startNextCard();

  OutputStream& out_;
  std::string_view identifier_;
  CardLine card_;
  int fields_ = 0;
  bool written_ = false;
};

/// A free-format message line: one blank, then the items with nothing between
/// them; texts at full length, integers right-justified in 12 columns.
class FreeLine {
 public:
  FreeLine() { line_.raw(" "); }
  /// Appends a text item.
  FreeLine& text(std::string_view item) {
    line_.raw(item);
    return *this;
  }
  /// Appends an integer item.
  FreeLine& integer(int64_t value) {
    line_.integer(value, 12);
    return *this;
  }
  /// Writes the line and a line end.
  void writeTo(OutputStream& out) const { line_.writeTo(out); }

 private:
  CardLine line_;
};

/// Writes a comment or free card exactly as given.
inline void writeFreeCard(OutputStream& out, std::string_view text) { out.writeLine(text); }

/// Writes a three-line node banner: 50 asterisks, the text followed by the
/// 8-character station, 50 asterisks.
void writeBanner(OutputStream& out, std::string_view text, const FIELD8& station);

}  // namespace tolvane
