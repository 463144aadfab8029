#include "attach/attachRoutines.h"

#include <algorithm>
#include <cstring>

#include "text/fieldScan.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// The stop text of a command line with too many "=".
constexpr std::string_view kTooManySubstitutions = "TO MANY FILE SUBSTITUTIONS ON COMMAND LINE";

constexpr int32_t kNoToken = -2;
constexpr int32_t kListing = -10;
constexpr int32_t kListingWithVersion = -11;
constexpr int32_t kNoSubstitution = 0;
constexpr int32_t kSubstitutions = 99;

/// The first token of the line.
struct Token {
  int start = 0;
  std::string_view text;
};

/// The first token of columns 1..length of the line, start 0 when there is none.
Token firstToken(std::string_view line, int length) {
  CHAR_CLASS_TABLE classes;
  int32_t start[1], size[1], endClass[1], endIndex[1];
  int n = -1;
  SPLIT_FIELDS(line, 1, length, n, start, size, endClass, endIndex, classes);
  if (n == 0) return {};
  return {start[0], line.substr(static_cast<size_t>(start[0] - 1), static_cast<size_t>(size[0]))};
}

/// The listing status a first token asks for, or 0.
int32_t listingRequest(const Token& token) {
  if (token.text.empty() || token.text[0] != '?') return 0;
  return token.text == "??" ? kListingWithVersion : kListing;
}

void storeText(std::string_view text, char (&target)[SUBSTITUTION_WIDTH]) {
  copyPadded(text, target);
}

/// Marks columns first..last (0-based, last included) as used by an entry.
void claim(bool (&used)[COMMAND_LINE_WIDTH], size_t first, size_t last) {
  for (size_t j = first; j <= last && j < COMMAND_LINE_WIDTH; ++j) used[j] = true;
}

/// Makes entry k from the first "=" left in the work text (which is blanked),
/// and marks the columns its keyword, "=" and value take in `used`.
void makeEntry(std::span<char> work, SUBSTITUTION_TABLE& table, int k,
               bool (&used)[COMMAND_LINE_WIDTH]) {
  std::string_view text(work.data(), work.size());
  size_t equals = text.find('=');
  if (equals == std::string_view::npos) return;  // the caller counted one per entry
  int i = static_cast<int>(equals) + 1;
  work[equals] = ' ';

  // The keyword is the word just before the "=", blanks between allowed.
  int p = LAST_MISMATCH(text.substr(0, equals), " ");
  std::string_view keyword;
  if (p > 0) {
    int q = LAST_INDEX(text.substr(0, static_cast<size_t>(p)), " ") + 1;
    keyword = text.substr(static_cast<size_t>(q - 1), static_cast<size_t>(p - q + 1));
    claim(used, static_cast<size_t>(q - 1), static_cast<size_t>(p - 1));
  }
  claim(used, equals, equals);
  storeText(keyword, table.keyword[k]);
  UPPER_CASE(table.keyword[k]);

  // The value starts at the first non-blank character after the "=".
  int v = FIRST_MISMATCH(text.substr(equals + 1), " ");
  size_t first = static_cast<size_t>(v > 0 ? i + v : i) - 1;
  // A quoted value runs to the same quote, or to the end of the line.
  size_t begin = first, end = text.find(' ', first);
  char quote = text[first];
  bool quoted = quote == '\'' || quote == '"';
  if (quoted) {
    begin = first + 1;
    end = text.find(quote, std::min(begin, text.size()));
  }
  bool unclosed = quoted && end == std::string_view::npos;
  if (end == std::string_view::npos) end = text.size();
  std::string_view value = begin < end ? text.substr(begin, end - begin) : std::string_view();
  if (unclosed) value = trimmed(value);
  storeText(value, table.value[k]);
  table.valueLength[k] = static_cast<int32_t>(value.size());
  // A closed quote's word runs on to the next blank (what follows is dropped).
  if (quoted && !unclosed) end = std::min(text.find(' ', end), text.size());
  if (end > first) claim(used, first, end - 1);
  // An "=" inside quotes belongs to the value, not to a further entry.
  if (quoted)
    for (size_t j = begin; j < end; ++j)
      if (work[j] == '=') work[j] = ' ';
}

/// Records the first word of the work text (which starts at column `offset`
/// of the command line) that no entry used.
void noteIgnoredWord(ATTACH_LIBRARY& lib, const char (&work)[COMMAND_LINE_WIDTH],
                     const bool (&used)[COMMAND_LINE_WIDTH], int offset) {
  int j = 0;
  while (j < COMMAND_LINE_WIDTH && (work[j] == ' ' || used[j])) ++j;
  if (j == COMMAND_LINE_WIDTH) return;
  int n = 0;
  while (j + n < COMMAND_LINE_WIDTH && work[j + n] != ' ' && !used[j + n]) ++n;
  lib.ignoredColumn = offset + j;
  lib.ignoredLength = n;
}

}  // namespace

bool ATTCRK(ATTACH_LIBRARY& lib, int32_t& status, RunStop& stop) {
  SUBSTITUTION_TABLE& table = lib.substitutions;
  for (int k = 0; k < MAX_SUBSTITUTIONS; ++k) {
    std::fill(std::begin(table.keyword[k]), std::end(table.keyword[k]), ' ');
    std::fill(std::begin(table.value[k]), std::end(table.value[k]), ' ');
    table.valueLength[k] = 0;
  }
  table.count = 0;
  lib.ignoredColumn = 0;
  lib.ignoredLength = 0;

  std::span<char> line(lib.commandLine);
  lib.droppedArguments = ATTCMD(lib.arguments, line, lib.commandLength, lib.messages);
  // Commas separate like blanks; they cannot appear in values.
  std::replace(line.begin(), line.end(), ',', ' ');

  std::string_view text(line.data(), line.size());
  int last = 0;
  LAST_NONBLANK(text, last);
  Token token = firstToken(text, last);
  if (token.start == 0) {
    status = kNoToken;
    return true;
  }
  if (int32_t listing = listingRequest(token)) {
    status = listing;
    return true;
  }

  // Work on the line from its first token on.
  char work[COMMAND_LINE_WIDTH];
  std::fill(std::begin(work), std::end(work), ' ');
  std::copy(text.begin() + token.start - 1, text.end(), work);
  long equalsSigns = std::count(std::begin(work), std::end(work), '=');
  if (equalsSigns > MAX_SUBSTITUTIONS) return stopRun(stop, 1, kTooManySubstitutions);
  bool used[COMMAND_LINE_WIDTH] = {};
  if (equalsSigns == 0) {
    status = kNoSubstitution;
    noteIgnoredWord(lib, work, used, token.start);
    return true;
  }
  status = kSubstitutions;
  while (std::find(std::begin(work), std::end(work), '=') != std::end(work))
    makeEntry(work, table, table.count++, used);
  noteIgnoredWord(lib, work, used, token.start);
  return true;
}

}  // namespace tolvane
