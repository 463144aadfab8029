#pragma once
// Text for the report: every character written into the HTML passes here, so
// that the file stays well-formed XML whatever bytes the input held.

#include <string_view>

#include "deck/streams.h"

namespace tolvane {

/// Writes text as XML character data (also fit for attribute values in double
/// quotes): markup characters escaped, bytes that are not UTF-8 taken as
/// Latin-1, control characters other than the tab shown as U+FFFD;
/// references are decimal.
void writeEscaped(OutputStream& out, std::string_view text);

/// Length of the UTF-8 sequence that starts text[i] (2-4), 0 when the bytes
/// there are not one.
size_t utf8Length(std::string_view text, size_t i);

/// Writes a decimal integer.
void writeNumber(OutputStream& out, long long value);

}  // namespace tolvane
