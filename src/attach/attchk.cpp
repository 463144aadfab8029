#include "attach/attach.h"

#include "attach/attachRoutines.h"
#include "attach/messageLine.h"

namespace tolvane {

namespace {

/// Reports the command-line keywords that no ATTACH call consumed.
bool reportUnclaimed(const SUBSTITUTION_TABLE& table, OutputStream* messages) {
  bool any = false;
  for (int k = 0; k < table.count; ++k) {
    std::string_view keyword(table.keyword[k], SUBSTITUTION_WIDTH);
    if (trimmed(keyword).empty()) continue;
    MessageLine line;
    writeMessage(messages, line.add(" UNRECOGNIZED KEYWORD - ").add(keyword).view());
    any = true;
  }
  return any;
}

}  // namespace

bool ATTCHK(ATTACH_LIBRARY& lib, RunStop& stop) {
  lib.declared.count = 0;
  if (lib.listing) {
    writeListingLegend(lib.messages);
    return stopRun(stop, 0);
  }
  bool unclaimed = reportUnclaimed(lib.substitutions, lib.messages);
  if (unclaimed || lib.droppedArguments > 0) return stopRun(stop, 1);
  return true;
}

}  // namespace tolvane
