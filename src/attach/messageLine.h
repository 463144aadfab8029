#pragma once
// One message line of the attachment library, built in a fixed buffer.

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "deck/streams.h"

namespace tolvane {

/// A line of text assembled item by item; text beyond its capacity is cut.
class MessageLine {
 public:
  /// Appends text.
  MessageLine& add(std::string_view text) {
    size_t n = text.size() < kCapacity - used_ ? text.size() : kCapacity - used_;
    std::memcpy(text_ + used_, text.data(), n);
    used_ += n;
    return *this;
  }
  /// Appends an integer right-justified in `width` columns (wider if it needs more).
  MessageLine& addInt(int64_t value, int width) {
    char digits[24];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    int length = static_cast<int>(end - digits);
    for (int i = length; i < width; ++i) add(" ");
    return add({digits, static_cast<size_t>(length)});
  }
  /// Pads with blanks so that the next item starts at `column` (1-based); a
  /// line already past that column gets one blank instead.
  MessageLine& column(int column) {
    size_t target = static_cast<size_t>(column - 1);
    if (used_ > target) return add(" ");
    while (used_ < target && used_ < kCapacity) text_[used_++] = ' ';
    return *this;
  }
  /// The line so far.
  std::string_view view() const { return {text_, used_}; }

 private:
  static constexpr size_t kCapacity = 512;
  char text_[kCapacity];
  size_t used_ = 0;
};

/// Writes a line to the message stream, if there is one.
inline void writeMessage(OutputStream* messages, std::string_view line) {
  if (messages) messages->writeLine(line);
}

}  // namespace tolvane
