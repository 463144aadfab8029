#pragma once
// Test helper: a receiver of findings that keeps what it was told.

#include <string>
#include <vector>

#include "deck/findings.h"

namespace tolvane {

/// Keeps every finding and the station and role of every section written.
class RecordingFindings final : public FindingSink {
 public:
  struct Row {
    FindingKind kind;
    std::string station;
    std::string detail;
  };

  void finding(FindingKind kind, std::string_view station, std::string_view detail) override {
    rows.push_back({kind, std::string(withoutBlanks(station)), std::string(detail)});
  }
  void sectionWritten(const SectionCards& cards) override {
    written.push_back(std::string(withoutBlanks(view(cards.station))));
  }
  void tally(Tally) override {}

  /// The findings of one kind.
  std::vector<Row> of(FindingKind kind) const {
    std::vector<Row> found;
    for (const Row& row : rows)
      if (row.kind == kind) found.push_back(row);
    return found;
  }
  Findings findings() { return Findings(this); }

  std::vector<Row> rows;
  std::vector<std::string> written;
};

}  // namespace tolvane
