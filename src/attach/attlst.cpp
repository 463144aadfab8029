#include "attach/attachRoutines.h"

#include "attach/messageLine.h"

namespace tolvane {

namespace {

// Columns of the listing.
constexpr int kUnitColumn = 5;
constexpr int kUnitValueColumn = 6;
constexpr int kKeywordColumn = 15;
constexpr int kAbbreviationColumn = 32;
constexpr int kMaxColumn = 42;
constexpr int kDefaultColumn = 50;

}  // namespace

void ATTVER(OutputStream& messages) {
  MessageLine line;
  writeMessage(&messages, line.add(" ").add(ATTACH_VERSION).view());
}

void writeListingHeader(OutputStream* messages, bool version) {
  if (version && messages) ATTVER(*messages);
  MessageLine line;
  line.column(kUnitColumn).add("UNIT").column(kKeywordColumn).add("KEYWORD");
  line.column(kAbbreviationColumn).add("*ABREV").column(kMaxColumn).add("**MAX");
  line.column(kDefaultColumn).add("DEFAULT");
  writeMessage(messages, line.view());
}

void writeListingRow(OutputStream* messages, int32_t unit, bool noOpen, std::string_view keyword,
                     int shortest, size_t nameLength, const NORMALISED_DEFAULT& normalised) {
  MessageLine line;
  line.column(kUnitValueColumn);
  if (noOpen) line.add("NOP");
  else line.addInt(unit, 3);
  line.column(kKeywordColumn).add(keyword);
  line.column(kAbbreviationColumn).add(keyword.substr(0, static_cast<size_t>(shortest)));
  line.column(kMaxColumn).addInt(static_cast<int64_t>(nameLength), 3);
  std::string_view shown = trimmed(normalised.view());
  line.column(kDefaultColumn).add(shown.empty() ? " " : shown);
  writeMessage(messages, line.view());
}

void writeListingLegend(OutputStream* messages) {
  writeMessage(messages, "");
  writeMessage(messages, "    * ABREV - SHORTEST ABBREVIATION ALLOWED FOR KEYWORD");
  writeMessage(messages, "    ** MAX - MAXIMUM # OF CHARACTERS FOR FILENAME (OR STRING)");
}

}  // namespace tolvane
