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

/// Makes entry k from the first "=" left in the work text (which is blanked).
void makeEntry(std::span<char> work, SUBSTITUTION_TABLE& table, int k) {
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
  }
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
  // An "=" inside quotes belongs to the value, not to a further entry.
  if (quoted)
    for (size_t j = begin; j < end; ++j)
      if (work[j] == '=') work[j] = ' ';
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
  if (equalsSigns == 0) {
    status = kNoSubstitution;
    return true;
  }
  status = kSubstitutions;
  while (std::find(std::begin(work), std::end(work), '=') != std::end(work))
    makeEntry(work, table, table.count++);
  return true;
}

}  // namespace tolvane
