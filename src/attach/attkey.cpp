#include "attach/attachRoutines.h"

#include <algorithm>

#include "attach/messageLine.h"

namespace tolvane {

namespace {

/// text up to its first blank; the whole text if it has none or starts with one.
std::string_view firstWord(std::string_view text) {
  size_t blank = text.find(' ');
  return blank == std::string_view::npos || blank == 0 ? text : text.substr(0, blank);
}

/// The word of an entry or slot: up to its first blank, empty if it starts blank.
std::string_view wordOf(std::string_view text) {
  return text.substr(0, std::min(text.find(' '), text.size()));
}

std::string_view entryWord(const SUBSTITUTION_TABLE& table, int k) {
  return wordOf({table.keyword[k], SUBSTITUTION_WIDTH});
}

}  // namespace

int ATTKEY(const SUBSTITUTION_TABLE& table, std::string_view keyword, int shortest) {
  std::string_view declared = firstWord(keyword);
  int found = 0;
  for (int k = 0; k < table.count; ++k) {
    std::string_view word = entryWord(table, k);
    if (word.empty() || !declared.starts_with(word) || static_cast<int>(word.size()) < shortest)
      continue;
    found = k + 1;
    if (word == declared) return found;
    // An exact match later on the line wins over this abbreviation.
    for (int later = k + 1; later < table.count; ++later)
      if (entryWord(table, later) == declared) return later + 1;
  }
  return found;
}

int shortestAbbreviation(const DECLARED_KEYWORDS& declared, std::string_view keyword,
                         bool& collision) {
  collision = false;
  for (size_t length = 1; length <= keyword.size(); ++length) {
    std::string_view prefix = keyword.substr(0, length);
    bool taken = false;
    for (int k = 0; k < declared.count && !taken; ++k) {
      std::string_view slot(declared.slot[k], DECLARED_WIDTH);
      // A keyword that fills its whole slot takes no part.
      if (slot.find(' ') == std::string_view::npos) continue;
      taken = wordOf(slot).starts_with(prefix);
    }
    if (!taken) return static_cast<int>(length);
  }
  collision = !keyword.empty();
  return 1;
}

void writeCollisionWarning(OutputStream* messages) {
  for (std::string_view line : {
           " ** WARNING TO PROGRAMMER **",
           " THIS VERSION OF ATTACH ALLOWS ABBREVIATION OF KEYWORDS. THERE",
           " COULD BE A COLLISION OF KEYWORDS AND ABBREVIATION OF KEYWORDS",
           " IN YOUR CALLS TO ATTACH.  EITHER CHANGE THE KEYWORD OR",
           " REARRANGE THE CALLS SO THAT THE SHORTER OF THE CONFLICTING",
           " KEYWORDS APPEAR EARLIER.",
       })
    writeMessage(messages, line);
}

}  // namespace tolvane
