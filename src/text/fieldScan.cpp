#include "text/fieldScan.h"

#include <algorithm>
#include <climits>

namespace tolvane {

namespace {

/// Fields scanned when the caller sets no limit.
constexpr int kDefaultLimit = 500;

/// The default members of each class, in index order.
constexpr std::string_view kDefaultSeparators = ",=/>()";
constexpr std::string_view kDefaultBlanks = " ";
constexpr std::string_view kDefaultQuotes = "\"'";

/// Entry of a character that was never put into a class.
constexpr int32_t kOrdinaryEntry = 100 * ORDINARY + 1;

std::string_view defaultMembers(int k) {
  switch (k) {
    case SEPARATOR: return kDefaultSeparators;
    case BLANK_CLASS: return kDefaultBlanks;
    case QUOTE: return kDefaultQuotes;
    default: return {};
  }
}

void markInitialised(CHAR_CLASS_TABLE& table) {
  std::fill(std::begin(table.entry) + 1, std::end(table.entry), kOrdinaryEntry);
  table.entry[0] = CLASS_TABLE_MARKER;
}

/// Table entry of a character; codes 127 and above have none and are ordinary.
int32_t entryOf(const CHAR_CLASS_TABLE& table, char c) {
  unsigned char code = static_cast<unsigned char>(c);
  return code < 127 ? table.entry[1 + code] : kOrdinaryEntry;
}

/// The scan of one stretch: the state machine's position, the current field
/// and the caller's lists.
class FieldScanner {
 public:
  FieldScanner(std::string_view text, const CHAR_CLASS_TABLE& table, int limit,
               std::span<int32_t> fieldStart, std::span<int32_t> fieldLength,
               std::span<int32_t> endClass, std::span<int32_t> endIndex)
      : text_(text), table_(table), limit_(limit), start_(fieldStart), length_(fieldLength),
        class_(endClass), index_(endIndex) {}

  /// Scans columns first..first+count-1; returns the number of fields found.
  int scan(int first, int count);

 private:
  enum class State { BETWEEN, PLAIN, QUOTED, AFTER };

  char at(int pos) const { return text_[static_cast<size_t>(pos - 1)]; }
  bool openField(int fieldStart);
  void closeLength(int pos) { length_[current()] = pos - start_[current()]; }
  void setEnd(int32_t endClass, int32_t endIndex) {
    class_[current()] = endClass;
    index_[current()] = endIndex;
  }
  size_t current() const { return static_cast<size_t>(n_ - 1); }

  std::string_view text_;
  const CHAR_CLASS_TABLE& table_;
  int limit_;
  std::span<int32_t> start_, length_, class_, index_;
  int n_ = 0;
};

bool FieldScanner::openField(int fieldStart) {
  if (n_ == limit_) return false;
  ++n_;
  start_[current()] = fieldStart;
  return true;
}

int FieldScanner::scan(int first, int count) {
  const int stop = first + count;
  State state = State::BETWEEN;
  char quote = 0;
  int32_t lastEnding = 0;  // entry of the last character that ended the field
  for (int pos = first; pos <= stop; ++pos) {
    if (pos == stop) {
      if (state == State::PLAIN) closeLength(pos), setEnd(4, 1);
      if (state == State::QUOTED) closeLength(pos), setEnd(5, 1);
      if (state == State::AFTER) setEnd(lastEnding / 100, lastEnding % 100);
      break;
    }
    char c = at(pos);
    int32_t entry = entryOf(table_, c);
    int32_t cls = entry / 100, index = entry % 100;
    if (state == State::QUOTED) {
      if (c == quote) {
        closeLength(pos);
        lastEnding = entry;
        state = State::AFTER;
      }
      continue;
    }
    if (cls == BLANK_CLASS) {
      if (state == State::PLAIN) closeLength(pos);
      if (state != State::BETWEEN) {
        lastEnding = entry;
        state = State::AFTER;
      }
      continue;
    }
    if (cls == SEPARATOR) {
      if (state == State::PLAIN) closeLength(pos);
      if (state == State::BETWEEN) {
        if (!openField(pos)) break;
        length_[current()] = 0;
      }
      setEnd(SEPARATOR, index);
      state = State::BETWEEN;
      continue;
    }
    if (cls == QUOTE) {
      if (state == State::PLAIN) closeLength(pos);
      if (state != State::BETWEEN) setEnd(3, index);
      if (!openField(pos + 1)) break;
      quote = c;
      state = State::QUOTED;
      continue;
    }
    // An ordinary character (any class outside 1..3 counts as ordinary).
    if (state == State::PLAIN) continue;
    if (state == State::AFTER) setEnd(lastEnding / 100, lastEnding % 100);
    if (!openField(pos)) break;
    state = State::PLAIN;
  }
  return n_;
}

}  // namespace

void SET_CHAR_CLASS(int k, std::string_view characters, int first, int last,
                    CHAR_CLASS_TABLE& table) {
  for (int32_t& entry : std::span(table.entry).subspan(1))
    if (entry / 100 == k) entry = kOrdinaryEntry;
  for (int j = std::max(first, 1); j <= last && j <= static_cast<int>(characters.size()); ++j) {
    unsigned char code = static_cast<unsigned char>(characters[static_cast<size_t>(j - 1)]);
    if (code < 127) table.entry[1 + code] = 100 * k + j;
  }
}

void SET_FIELD_DELIMITERS(int k, std::string_view characters, int first, int last,
                          CHAR_CLASS_TABLE& table) {
  if (table.entry[0] != CLASS_TABLE_MARKER) markInitialised(table);
  if (k == ORDINARY) {
    for (int cls : {SEPARATOR, BLANK_CLASS, QUOTE}) {
      std::string_view members = defaultMembers(cls);
      SET_CHAR_CLASS(cls, members, 1, static_cast<int>(members.size()), table);
    }
  } else if (k < SEPARATOR || k > QUOTE) {
    return;
  } else if (last < 0) {
    std::string_view members = defaultMembers(k);
    SET_CHAR_CLASS(k, members, 1, static_cast<int>(members.size()), table);
  } else {
    SET_CHAR_CLASS(k, characters, first, last, table);
  }
}

void SPLIT_FIELDS(std::string_view text, int start, int count, int& n,
                  std::span<int32_t> fieldStart, std::span<int32_t> fieldLength,
                  std::span<int32_t> endClass, std::span<int32_t> endIndex,
                  CHAR_CLASS_TABLE& table) {
  if (table.entry[0] != CLASS_TABLE_MARKER) SET_FIELD_DELIMITERS(ORDINARY, {}, 0, 0, table);
  int limit = n < 0 ? (n == INT_MIN ? INT_MAX : -n) : kDefaultLimit;
  // Never describe more fields than the shortest list can hold.
  size_t room = std::min({fieldStart.size(), fieldLength.size(), endClass.size(), endIndex.size()});
  if (static_cast<size_t>(limit) > room) limit = static_cast<int>(room);
  n = 0;
  // A stretch outside the text is refused: no field.
  if (start < 1 || count <= 0 || count > static_cast<int>(text.size()) - (start - 1)) return;
  FieldScanner scanner(text, table, limit, fieldStart, fieldLength, endClass, endIndex);
  n = scanner.scan(start, count);
}

}  // namespace tolvane
