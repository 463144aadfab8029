#pragma once
// Shared set-up of the section tests: the five records, a header line and
// value lines built from their fields.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "sections/crossSection.h"
#include "sections/readSection.h"
#include "sections/writeSection.h"
#include "streamFiles.h"

namespace tolvane {

/// The header line of a type-1 node: `rm` in columns 28-35, a comma in
/// column 36 and `lengths` from column 37.
inline std::string headerLine(std::string_view rm, std::string_view lengths) {
  std::string line = "Type RM Length L Ch R = 1 ,";
  line += rm;
  line.resize(35, ' ');
  line += ',';
  line += lengths;
  return line;
}

/// A value line: each item right-justified in its 8-column field.
inline std::string valueLine(std::initializer_list<std::string_view> items) {
  std::string line;
  for (std::string_view item : items) {
    line.append(8 - item.size(), ' ');
    line += item;
  }
  return line;
}

/// `text` right-justified in 8 characters, as a field.
inline FIELD8 right8(std::string_view text) {
  return makeField8(std::string(8 - text.size(), ' ') + std::string(text));
}

/// The five records, started empty, with the reader and writer driven
/// through temporary files.
class SectionTest : public ::testing::Test {
 protected:
  void SetUp() override { clearSectionRecords(records); }

  /// Reads one section whose header line is `header` from `body`; returns
  /// the status and keeps the comment cards written in `deck`.
  int32_t readSection(std::string_view header, const std::string& body) {
    InputFile in(body);
    OutputFile out;
    line.assign(header);
    int32_t status = -1;
    READ_SECTION(in.stream(), out.stream(), line, records.section, records.INEFFECTIVE,
                 records.BLOCKED, records.nValues, records.lid, status, findings);
    deck = out.contents();
    return status;
  }

  /// The cards WRITE_SECTION writes for the records.
  std::string writeSection(SectionRole role = SectionRole::SECTION) {
    OutputFile out;
    WRITE_SECTION(out.stream(), records.section, records.INEFFECTIVE, records.BLOCKED,
                  records.nValues, records.lid, fit, findings, role);
    return out.contents();
  }

  SECTION_RECORDS records;
  Field1Fit fit = Field1Fit::CUT;
  Findings findings;  // none unless a test listens
  LineBuffer line;
  std::string deck;
};

}  // namespace tolvane
