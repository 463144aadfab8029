#pragma once
// The program's name and version, as the conversion report names them.

#include <string_view>

#ifndef TOLVANE_VERSION
#error "TOLVANE_VERSION is set by the build from the project version"
#endif

namespace tolvane {

/// Name and version of the program.
inline constexpr std::string_view PROGRAM_VERSION = "tolvane " TOLVANE_VERSION;

}  // namespace tolvane
