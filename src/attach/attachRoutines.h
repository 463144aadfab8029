#pragma once
// The routines of the attachment library below ATTACH and ATTCHK.

#include <cstdint>
#include <span>
#include <string_view>

#include "attach/attach.h"

namespace tolvane {

/// The options of one ATTACH call.
struct ATTACH_OPTIONS {
  char statusLetter = 'U';    ///< O old, N new, S scratch, anything else unknown
  char accessLetter = 'S';    ///< S sequential, D direct
  int32_t recordLength = 512; ///< bytes per record, direct access
  char formLetter = 'F';      ///< F formatted, U unformatted
  char promptLetter = 'N';    ///< Y ask when the command line gives no value
  bool noOpen = false;        ///< "NOP": return the value only, open nothing
};

/// A default value as ATTACH uses it: at most 80 characters.
struct NORMALISED_DEFAULT {
  char text[SUBSTITUTION_WIDTH];
  int32_t length = 0;
  /// The normalised default over its length.
  std::string_view view() const { return {text, static_cast<size_t>(length)}; }
};

/// Joins the arguments into the blank-padded command line, one blank between
/// them; an argument that would end after column 130 and all later ones are
/// dropped, each reported on `messages`. Returns how many were dropped.
int32_t ATTCMD(std::span<const char* const> arguments, std::span<char> line, int32_t& length,
               OutputStream* messages);

/// Cracks the command line into the substitution table. status: -2 no token,
/// -10 listing, -11 listing with the version, 0 no "=", 99 entries made.
/// Returns false (run stopped) when the line holds more than 40 "=".
bool ATTCRK(ATTACH_LIBRARY& lib, int32_t& status, RunStop& stop);

/// The 1-based entry of the table that the declared keyword claims (exact
/// match first, else the last abbreviation of at least `shortest` letters), 0 if none.
int ATTKEY(const SUBSTITUTION_TABLE& table, std::string_view keyword, int shortest);

/// Shortest abbreviation of a keyword that no earlier declared keyword starts
/// with; 1 with `collision` set when the whole keyword starts an earlier one.
int shortestAbbreviation(const DECLARED_KEYWORDS& declared, std::string_view keyword,
                         bool& collision);

/// Writes the six-line warning about colliding keywords.
void writeCollisionWarning(OutputStream* messages);

/// Normalises a default: STDIN and STDOUT become CON, SCRATCHn becomes
/// SCRATCH.nnn, anything else is kept (cut to 80 characters).
void ATTDEF(std::string_view defaultValue, NORMALISED_DEFAULT& normalised);

/// Parses an options string; reports bad A=, F= and P= items on `messages`.
void ATTOPT(std::string_view options, ATTACH_OPTIONS& parsed, OutputStream* messages);

/// Asks the user for a keyword's value. Returns true with the answer in name
/// and status -1 (36 when the answer is too long), or false when the default
/// is to be taken (blank answer, the default itself, no answer at all).
bool ATTASK(ATTACH_LIBRARY& lib, std::string_view keyword, const NORMALISED_DEFAULT& normalised,
            bool noOpen, std::span<char> name, int32_t& status);

/// Opens the unit on the file named by name, as the options ask, talking to
/// the user when an old file is missing or a new one exists. May change name
/// and status; returns false when the run must stop.
bool ATTOPN(ATTACH_LIBRARY& lib, int32_t unit, std::span<char> name,
            const ATTACH_OPTIONS& options, bool takenFromDefault, int32_t& status, RunStop& stop);

/// name = "SCRATCH." followed by the unit number; false (name unchanged) when
/// name cannot hold it.
bool ATTSCR(std::span<char> name, int32_t unit);

/// Writes the header of the keyword listing, after the version line if asked.
void writeListingHeader(OutputStream* messages, bool version);
/// Writes one keyword's row of the listing.
void writeListingRow(OutputStream* messages, int32_t unit, bool noOpen, std::string_view keyword,
                     int shortest, size_t nameLength, const NORMALISED_DEFAULT& normalised);
/// Writes the legend that closes the listing.
void writeListingLegend(OutputStream* messages);

/// Copies text into name, cut or blank-padded to its length.
void copyPadded(std::string_view text, std::span<char> name);
/// text without its trailing blanks.
std::string_view trimmed(std::string_view text);
/// Reads one answer line; false at the end of the answer stream.
bool readAnswer(ATTACH_LIBRARY& lib, LineBuffer& line);

}  // namespace tolvane
