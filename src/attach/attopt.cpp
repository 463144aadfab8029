#include "attach/attachRoutines.h"

#include <algorithm>

#include "attach/messageLine.h"
#include "text/fieldScan.h"
#include "text/numbers.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// Width of the compressed options text.
constexpr size_t kWorkWidth = 80;
/// Items of an options string that are looked at.
constexpr int kMaxItems = 10;
/// Most digits of a record length.
constexpr int32_t kMaxRecordDigits = 9;

bool isJoiner(char c) { return c == '/' || c == ' ' || c == '='; }

/// Compresses the options from their first non-blank character (0-based
/// `first`) on: commas become blanks, and a blank next to a slash, a blank or
/// an equals sign goes, so that "S = O , A = D / 256" becomes "S=O A=D/256".
size_t compress(std::string_view options, size_t first, char (&work)[kWorkWidth]) {
  size_t used = 0;
  auto put = [&](char c) {
    if (used < kWorkWidth) work[used++] = c;
  };
  put(options[first]);
  size_t last = options.size() - 1;
  for (size_t j = first + 1; j < last; ++j) {
    char c = options[j] == ',' ? ' ' : options[j];
    char next = options[j + 1] == ',' ? ' ' : options[j + 1];
    if (c == ' ' && (isJoiner(work[used - 1]) || isJoiner(next))) continue;
    put(c);
  }
  if (last > first) put(options[last]);
  return used;
}

/// A character class table whose only class is one separator character.
void onlySeparator(char separator, CHAR_CLASS_TABLE& classes) {
  SET_FIELD_DELIMITERS(SEPARATOR, {&separator, 1}, 1, 1, classes);
  SET_FIELD_DELIMITERS(BLANK_CLASS, "", 1, 0, classes);
  SET_FIELD_DELIMITERS(QUOTE, "", 1, 0, classes);
}

void reportItem(std::string_view key, char letter, OutputStream* messages) {
  MessageLine line;
  line.add(" UNRECOGNIZED ARGUMENT: [").add(key).add({&letter, 1});
  line.add("] IN CALL TO ATTACH.DEFAULT USED.)");
  writeMessage(messages, line.view());
}

/// Reads the record length after the first slash of a direct-access item;
/// false when the first part there is not a positive integer of 1 to 9 digits.
bool readRecordLength(std::string_view item, int32_t& recordLength) {
  size_t slash = item.find('/');
  if (slash == std::string_view::npos) return true;
  std::string_view rest = item.substr(slash + 1);
  CHAR_CLASS_TABLE classes;
  onlySeparator('/', classes);
  int32_t start[2], length[2], endClass[2], endIndex[2];
  int n = -2;
  SPLIT_FIELDS(rest, 1, static_cast<int>(rest.size()), n, start, length, endClass, endIndex,
               classes);
  if (n == 0 || length[0] < 1 || length[0] > kMaxRecordDigits) return false;
  int32_t value = readIntegerField(rest.substr(static_cast<size_t>(start[0] - 1),
                                               static_cast<size_t>(length[0])));
  if (value <= 0) return false;
  recordLength = value;
  return true;
}

void parseItem(std::string_view item, ATTACH_OPTIONS& parsed, OutputStream* messages) {
  if (item.size() < 2) return;
  std::string_view key = item.substr(0, 2);
  char c = item.size() > 2 ? item[2] : ' ';
  if (key == "S=") {
    parsed.statusLetter = c;
  } else if (key == "A=") {
    // Any letter but D means sequential access; a bad record length keeps the
    // one set before.
    parsed.accessLetter = c;
    if ((c != 'S' && c != 'D') || (c == 'D' && !readRecordLength(item, parsed.recordLength)))
      reportItem(key, c, messages);
  } else if (key == "F=") {
    if (c == 'U' || c == 'F') parsed.formLetter = c;
    else reportItem(key, c, messages);
  } else if (key == "P=") {
    if (c == 'Y' || c == 'N') parsed.promptLetter = c;
    else reportItem(key, c, messages);
  }
}

}  // namespace

void ATTOPT(std::string_view options, ATTACH_OPTIONS& parsed, OutputStream* messages) {
  parsed = ATTACH_OPTIONS{};
  int first = FIRST_MISMATCH(options, " ");
  if (first == 0) return;
  if (trimmed(options.substr(static_cast<size_t>(first - 1))) == "NOP") {
    parsed.noOpen = true;
    return;
  }
  char work[kWorkWidth];
  size_t used = compress(options, static_cast<size_t>(first - 1), work);
  std::string_view text(work, used);

  CHAR_CLASS_TABLE classes;
  onlySeparator(' ', classes);
  int32_t start[kMaxItems], length[kMaxItems], endClass[kMaxItems], endIndex[kMaxItems];
  int n = -kMaxItems;
  SPLIT_FIELDS(text, 1, static_cast<int>(used), n, start, length, endClass, endIndex, classes);
  for (int k = 0; k < n; ++k)
    parseItem(text.substr(static_cast<size_t>(start[k] - 1), static_cast<size_t>(length[k])),
              parsed, messages);
}

}  // namespace tolvane
