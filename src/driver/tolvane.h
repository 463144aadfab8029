#pragma once
// The conversion: one run of the program, callable in-process any number of times.

#include <span>

namespace tolvane {

/// Runs one conversion with the given command-line arguments (program name
/// excluded), writing console text to `consoleFd`, reading any answers from
/// `answerFd`, and writing to `errorFd`, after the console lines of a stop with
/// status 1, one line that says in plain words what failed. A first argument
/// "-h", "--help" or "--version" writes the help or version text instead.
/// Returns the exit status: 0 after a normal end, the keyword listing, the help
/// or the version, 1 after every stop caused by an error. A run that puts its
/// deck and report in place holds interrupts off from then on, to the end of
/// the process (see commitRun).
int runTolvane(std::span<const char* const> arguments, int consoleFd, int answerFd, int errorFd);

}  // namespace tolvane
