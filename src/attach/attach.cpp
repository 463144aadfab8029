#include "attach/attach.h"

#include <algorithm>

#include "attach/attachRoutines.h"

namespace tolvane {

namespace {

constexpr int32_t kListing = -10;
constexpr int32_t kListingWithVersion = -11;
constexpr int32_t kFirstCallDefault = -2;
constexpr int32_t kAskUser = -3;
constexpr int32_t kDefaultTaken = 0;
constexpr int32_t kFromCommandLine = -1;

/// Appends a keyword (cut to its slot) to the declared-keyword list; a full
/// list takes no more.
void declare(DECLARED_KEYWORDS& declared, std::string_view keyword) {
  if (declared.count == MAX_DECLARED) return;
  copyPadded(keyword, declared.slot[declared.count++]);
}

/// Takes the value of a substitution entry and consumes the entry.
void takeEntry(SUBSTITUTION_TABLE& table, int entry, std::span<char> name, int32_t& status) {
  int k = entry - 1;
  int32_t stored = std::min(table.valueLength[k], SUBSTITUTION_WIDTH);
  copyPadded({table.value[k], static_cast<size_t>(stored)}, name);
  std::fill(std::begin(table.keyword[k]), std::end(table.keyword[k]), ' ');
  bool cut = table.valueLength[k] > std::min(stored, static_cast<int32_t>(name.size()));
  status = cut ? VALUE_TOO_LONG : kFromCommandLine;
}

/// Cracks the command line on the first call of the run and starts the
/// listing when it asks for one.
bool startRun(ATTACH_LIBRARY& lib, int32_t& status, RunStop& stop) {
  lib.firstCall = false;
  lib.declared.count = 0;
  if (!ATTCRK(lib, status, stop)) return false;
  if (status <= kListing) {
    lib.listing = true;
    writeListingHeader(lib.messages, status == kListingWithVersion);
  }
  return true;
}

}  // namespace

bool ATTACH(ATTACH_LIBRARY& lib, int32_t unit, std::string_view keyword,
            std::string_view defaultValue, std::string_view options, std::span<char> name,
            int32_t& status, RunStop& stop) {
  bool takenFromDefault = true;
  NORMALISED_DEFAULT normalised;
  ATTDEF(defaultValue, normalised);
  std::fill(name.begin(), name.end(), ' ');

  int shortest = 1;
  if (lib.firstCall) {
    if (!startRun(lib, status, stop)) return false;
  } else {
    bool collision = false;
    shortest = shortestAbbreviation(lib.declared, keyword, collision);
    if (collision) writeCollisionWarning(lib.messages);
  }
  declare(lib.declared, keyword);
  ATTACH_OPTIONS parsed;
  ATTOPT(options, parsed, lib.messages);

  if (lib.listing) {
    writeListingRow(lib.messages, unit, parsed.noOpen, keyword, shortest, name.size(), normalised);
    return true;
  }

  int entry = 0;
  if (status > kFirstCallDefault) {
    entry = ATTKEY(lib.substitutions, keyword, shortest);
    if (entry == 0) status = kDefaultTaken;
  }
  if (entry > 0) {
    takeEntry(lib.substitutions, entry, name, status);
    takenFromDefault = false;
  } else if (lib.prompting && (status == kAskUser || parsed.promptLetter == 'Y') &&
             ATTASK(lib, keyword, normalised, parsed.noOpen, name, status)) {
    takenFromDefault = false;
  } else {
    copyPadded(normalised.view(), name);
  }

  // A value cut to fit the name would name another file: nothing is opened.
  if (parsed.noOpen || status == VALUE_TOO_LONG) return true;
  return ATTOPN(lib, unit, name, parsed, takenFromDefault, status, stop);
}

}  // namespace tolvane
