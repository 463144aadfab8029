#pragma once
// The command-line attachment library: a program declares its keywords one
// ATTACH call at a time; the library cracks the command line, matches
// abbreviations, supplies defaults and, when asked, prompts and opens units.

#include <cstdint>
#include <span>
#include <string_view>

#include "attach/units.h"
#include "deck/stop.h"
#include "deck/streams.h"

namespace tolvane {

/// Width of the command line and of an answer line.
inline constexpr int COMMAND_LINE_WIDTH = 132;
/// Entries of the substitution table.
inline constexpr int MAX_SUBSTITUTIONS = 40;
/// Width of a keyword text and of a value text in the substitution table.
inline constexpr int SUBSTITUTION_WIDTH = 80;
/// Slots of the declared-keyword list.
inline constexpr int MAX_DECLARED = 40;
/// Width of a declared-keyword slot.
inline constexpr int DECLARED_WIDTH = 15;
/// The status of a value longer than its keyword's room, on every system.
inline constexpr int32_t VALUE_TOO_LONG = 36;
/// The status of a dialogue that got no answer, on every system.
inline constexpr int32_t NO_ANSWER = 5;
/// The library's version line (written after a blank when asked for), padded
/// with blanks to 30 characters.
inline constexpr std::string_view ATTACH_VERSION = " ATTACH  VER 2.7 (Jan 1992)   ";

/// The keyword=value pairs found on the command line, in command-line order.
/// A blank keyword text marks an entry that is free or already consumed.
struct SUBSTITUTION_TABLE {
  char keyword[MAX_SUBSTITUTIONS][SUBSTITUTION_WIDTH] = {};
  char value[MAX_SUBSTITUTIONS][SUBSTITUTION_WIDTH] = {};
  /// Length of each value as typed, which may exceed the stored 80 characters.
  int32_t valueLength[MAX_SUBSTITUTIONS] = {};
  int32_t count = 0;
};

/// The keywords declared since the last ATTCHK, cut to 15 characters.
struct DECLARED_KEYWORDS {
  char slot[MAX_DECLARED][DECLARED_WIDTH] = {};
  int32_t count = 0;
};

/// State of the library for one run (one program invocation).
struct ATTACH_LIBRARY {
  /// The program's arguments, program name excluded.
  std::span<const char* const> arguments;
  /// Unit 6: messages, questions and the keyword listing.
  OutputStream* messages = nullptr;
  /// Unit 5: answers to prompts and dialogues.
  InputStream* answers = nullptr;
  /// Cleared by the first ATTACH call, which cracks the command line.
  bool firstCall = true;
  /// Set when the command line asked for the keyword listing.
  bool listing = false;
  /// Whether the library may ask the user for values and file names.
  bool prompting = true;
  /// Arguments that did not fit on the command line (each reported once).
  int32_t droppedArguments = 0;
  /// The arguments joined, blank-padded, and the length they use.
  char commandLine[COMMAND_LINE_WIDTH] = {};
  int32_t commandLength = 0;
  /// The first word of the command line that is neither a keyword nor a
  /// value, which the library ignores ("river.geo" without "INPUT="): its
  /// column in `commandLine` (0: there is none) and its length.
  int32_t ignoredColumn = 0;
  int32_t ignoredLength = 0;
  /// keyword=value pairs of the command line (and answers to prompts).
  SUBSTITUTION_TABLE substitutions;
  /// Keywords declared since the last ATTCHK.
  DECLARED_KEYWORDS declared;
  /// Files opened by ATTACH, by unit number.
  UnitTable units;

  /// The file open on `unit` (units 5 and 6: the console), nullptr if none.
  const UNIT_FILE* unitFile(int32_t unit) const { return units.find(unit); }
};

/// The first word the command line holds without "=", or empty.
inline std::string_view ignoredWord(const ATTACH_LIBRARY& lib) {
  if (lib.ignoredColumn == 0) return {};
  return {lib.commandLine + lib.ignoredColumn - 1, static_cast<size_t>(lib.ignoredLength)};
}

/// Declares one keyword and returns its value in `name` (blank-padded to the
/// length of `name`) with a status: -11/-10 listing, -2/0 default taken, -1
/// value from the command line, 36 value too long for `name` (nothing opened),
/// 5 no answer to a dialogue, > 0 open failed.
/// Returns false when the run must stop (the stop is recorded in `stop`).
bool ATTACH(ATTACH_LIBRARY& lib, int32_t unit, std::string_view keyword,
            std::string_view defaultValue, std::string_view options, std::span<char> name,
            int32_t& status, RunStop& stop);

/// Closes a group of declarations: in listing mode writes the legend and stops
/// (status 0); otherwise reports every unclaimed command-line keyword and stops
/// (status 1) if there was one. Returns false when the run stops.
bool ATTCHK(ATTACH_LIBRARY& lib, RunStop& stop);

/// Writes the library's version line as the listing with the version shows it.
void ATTVER(OutputStream& messages);

}  // namespace tolvane
