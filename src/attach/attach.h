#pragma once
// The command-line attachment library: a program declares its keywords one
// ATTACH call at a time; the library cracks the command line, matches
// abbreviations, supplies defaults and, when asked, prompts and opens units.

#include <cstdint>
#include <span>
#include <string_view>

#include "driver/stop.h"
#include "driver/streams.h"

namespace tolvane {

/// State of the library for one run (one program invocation).
struct ATTACH_LIBRARY {
  /// The program's arguments, program name excluded.
  std::span<const char* const> arguments;
  /// Unit 6: messages, questions and the keyword listing.
  OutputStream* messages = nullptr;
  /// Unit 5: answers to prompts and dialogues.
  InputStream* answers = nullptr;
  // Library state (first-call flag, substitution table, declared keywords,
  // listing mode, ...) is added by the implementation below this line.
};

/// Declares one keyword and returns its value in `name` (blank-padded to the
/// length of `name`) with a status: -11/-10 listing, -2/0 default taken, -1
/// value from the command line, 36 value too long for `name`, > 0 open failed.
/// Returns false when the run must stop (the stop is recorded in `stop`).
bool ATTACH(ATTACH_LIBRARY& lib, int32_t unit, std::string_view keyword,
            std::string_view defaultValue, std::string_view options, std::span<char> name,
            int32_t& status, RunStop& stop);

/// Closes a group of declarations: in listing mode writes the legend and stops
/// (status 0); otherwise reports every unclaimed command-line keyword and stops
/// (status 1) if there was one. Returns false when the run stops.
bool ATTCHK(ATTACH_LIBRARY& lib, RunStop& stop);

}  // namespace tolvane
