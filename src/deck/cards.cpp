#include "deck/cards.h"

#include <cstring>

namespace tolvane {

CardLine& CardLine::raw(std::string_view item) {
  size_t room = static_cast<size_t>(kCapacity - length_);
  size_t n = item.size() < room ? item.size() : room;
  std::memcpy(buffer_ + length_, item.data(), n);
  length_ += static_cast<int>(n);
  return *this;
}

CardLine& CardLine::integer(int64_t value, int width) {
  char digits[24];
  int n = 0;
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    digits[sizeof digits - 1 - n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  if (value < 0) digits[sizeof digits - 1 - n++] = '-';
  if (n > width) {
    char stars[24];
    std::memset(stars, '*', static_cast<size_t>(width));
    return raw({stars, static_cast<size_t>(width)});
  }
  return text({digits + sizeof digits - n, static_cast<size_t>(n)}, width);
}

RepeatingCard::RepeatingCard(OutputStream& out, std::string_view identifier)
    : out_(out), identifier_(identifier), card_(identifier) {}

void RepeatingCard::startNextCard() {
  card_.writeTo(out_);
  written_ = true;
  card_.restart(identifier_);
  fields_ = 0;
}

void RepeatingCard::integer(int64_t value) {
  if (fields_ == 10) startNextCard();
  card_.integer(value, fields_ == 0 ? FIELD1_WIDTH : FIELD_WIDTH);
  ++fields_;
}

void RepeatingCard::finish() {
  if (fields_ > 0 || !written_) card_.writeTo(out_);
  fields_ = 0;
  written_ = true;
  card_.restart(identifier_);
}

void writeBanner(OutputStream& out, std::string_view text, const FIELD8& station) {
  static constexpr std::string_view kStars = "**************************************************";
  out.writeLine(kStars);
  CardLine middle;
  middle.raw(text).raw(view(station)).writeTo(out);
  out.writeLine(kStars);
}

}  // namespace tolvane
