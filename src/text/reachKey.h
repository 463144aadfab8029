#pragma once
// The line that starts a reach in the geometry file.

#include <cstring>
#include <string_view>

#include "text/field8.h"

namespace tolvane {

/// The key of a reach key line.
inline constexpr std::string_view REACH_KEY = "River Reach=";

/// A reach key line holds its key from column 1; lines that merely contain
/// it (channel-modification blocks: "CM River Reach=") start no reach.
inline bool isReachKeyLine(const LineBuffer& line) {
  return line.length >= static_cast<int>(REACH_KEY.size()) &&
         std::memcmp(line.text, REACH_KEY.data(), REACH_KEY.size()) == 0;
}

}  // namespace tolvane
