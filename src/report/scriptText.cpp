#include "report/scriptText.h"

#include <cctype>

#include "report/htmlText.h"

namespace tolvane {

namespace {

bool endsWith(std::string_view name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  std::string_view tail = name.substr(name.size() - ending.size());
  for (size_t i = 0; i < tail.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(tail[i])) != ending[i]) return false;
  return true;
}

}  // namespace

ReportFormat reportFormatOf(std::string_view name) {
  if (endsWith(name, ".csv")) return ReportFormat::CSV;
  if (endsWith(name, ".json")) return ReportFormat::JSON;
  return ReportFormat::HTML;
}

namespace {

/// Writes text as the HTML report shows it, in UTF-8: a valid UTF-8
/// sequence as it is, another byte above 0x7F as the Latin-1 character, a
/// control character but tab as U+FFFD. In JSON, quotes, backslashes and
/// tabs are escaped as well.
void writeShown(OutputStream& out, std::string_view text, bool json) {
  size_t plain = 0;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    bool special = json && (c == '"' || c == '\\' || c == '\t');
    if (c >= 0x20 && c < 0x7F && !special) {
      ++i;
      continue;
    }
    if (c == '\t' && !json) {
      ++i;
      continue;
    }
    size_t n = c >= 0x80 ? utf8Length(text, i) : 0;
    if (n > 0) {
      i += n;
      continue;
    }
    out.write(text.substr(plain, i - plain));
    if (special) {
      out.write(c == '"' ? "\\\"" : c == '\\' ? "\\\\" : "\\t");
    } else if (c >= 0x80) {
      char latin[2] = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
      out.write({latin, 2});
    } else {
      out.write(json ? "\\ufffd" : "\xEF\xBF\xBD");
    }
    plain = ++i;
  }
  out.write(text.substr(plain));
}

}  // namespace

void writeCsvField(OutputStream& out, std::string_view text) {
  bool quote = !text.empty() && (text.front() == ' ' || text.back() == ' ');
  quote = quote || text.find_first_of(",\"\r\n") != std::string_view::npos;
  if (!quote) {
    writeShown(out, text, false);
    return;
  }
  out.write("\"");
  for (size_t at = 0;;) {
    size_t q = text.find('"', at);
    writeShown(out, text.substr(at, q == std::string_view::npos ? q : q - at), false);
    if (q == std::string_view::npos) break;
    out.write("\"\"");
    at = q + 1;
  }
  out.write("\"");
}

void writeJsonString(OutputStream& out, std::string_view text) {
  out.write("\"");
  writeShown(out, text, true);
  out.write("\"");
}

}  // namespace tolvane
