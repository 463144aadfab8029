#pragma once
// Temporary files and folders that could not be removed when the run was
// done with them. They are tried again at the end of the run, and by the
// interrupt cleanup; what still cannot be removed is named to the user.

namespace tolvane::platform {

/// Remembers a temporary file (or, with `folder`, an empty folder) whose
/// removal failed. Holds interrupts off while it writes; does not allocate.
/// Past the table's room only a count is kept.
void noteLeftover(const char* path, bool folder);

/// Told of each leftover that a second try could not remove, with its error.
using LeftoverReport = void (*)(const char* path, bool folder, int error, void* context);
/// Tries once more to remove every leftover, files first, and forgets them;
/// calls `report` for each that stays. Returns how many stay unnamed because
/// the table was full.
int retryLeftovers(LeftoverReport report, void* context);

/// For the interrupt cleanup: removes what it can of the leftovers.
void removeLeftoversOnInterrupt();

}  // namespace tolvane::platform
