#pragma once
// Texts of the report's CSV and JSON forms, written as they go.

#include <string_view>

#include "deck/streams.h"

namespace tolvane {

/// Which form a report takes, by the ending of its name.
enum class ReportFormat { HTML, CSV, JSON };

/// ".csv" gives CSV, ".json" JSON (in any case); any other name HTML.
ReportFormat reportFormatOf(std::string_view name);

/// Writes a CSV field: in double quotes, its quotes doubled, when it holds a
/// comma, a quote, a line end or a blank at either end; as it is otherwise.
void writeCsvField(OutputStream& out, std::string_view text);

/// Writes a JSON string, quotes included, with its quotes, backslashes and
/// control characters escaped.
void writeJsonString(OutputStream& out, std::string_view text);

}  // namespace tolvane
