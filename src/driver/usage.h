#pragma once
// The program's own help and version texts, asked for by the first argument.

#include <span>

#include "deck/streams.h"

namespace tolvane {

/// What the command line asks of the program.
enum class ProgramRequest { CONVERT, HELP, VERSION };

/// HELP when the whole first argument is "-h" or "--help", VERSION when it is
/// "--version", CONVERT otherwise (the keyword listing "?" and "??" included).
ProgramRequest programRequest(std::span<const char* const> arguments);

/// Writes the usage text: what the program does, its keywords and rules, an
/// example, the exit statuses and where to read more.
void writeUsage(OutputStream& out);

/// Writes "tolvane " and the program's version, then the version line of the
/// command-line library.
void writeVersion(OutputStream& out);

}  // namespace tolvane
