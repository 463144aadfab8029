#pragma once
// The conversion report: one self-contained HTML file that says what the deck
// carries, what the card format changed and what it left out, and draws every
// bridge and reach. It streams: the findings and pictures go to scratch files
// as they come and are assembled behind the summary when the run ends.

#include <cstdint>
#include <memory>
#include <string_view>

#include "deck/deckFile.h"
#include "deck/findings.h"
#include "deck/streams.h"
#include "network/tables.h"
#include "report/scratchFile.h"

namespace tolvane {

/// What the report's header names.
struct ReportHeader {
  std::string_view input;
  std::string_view deck;
  bool sorted = false;
  Field1Fit fit = Field1Fit::CUT;
  std::string_view version;
};

class ConversionReport final : public FindingSink {
 public:
  ConversionReport();
  ~ConversionReport();
  ConversionReport(const ConversionReport&) = delete;
  ConversionReport& operator=(const ConversionReport&) = delete;

  /// Creates the report (through a hidden temporary file beside its name,
  /// as the deck) and its scratch files; returns 0 or the errno.
  int open(const char* path);
  /// True once open() has succeeded.
  bool isOpen() const { return t_ != nullptr; }
  /// Writes the head of the file. Called once, right after open().
  void begin(const ReportHeader& header);
  /// A reach key line: reach `number` of the deck, its T1 name, begins.
  void startReach(int32_t number, std::string_view name);
  /// Tells the report which reaches and junctions the first pass found.
  void setNetwork(const REACH_TABLE& reaches, const JUNCTION_TABLE& junctions);
  /// Completes the file: summary, reaches, findings and pictures, written,
  /// synced and closed, ready to be put in place (see place()). Returns 0 or
  /// the errno of the first failed write; the file is then removed.
  int complete();
  /// Removes the file written so far: the run stopped, an earlier report
  /// stays as it was.
  void discard();
  /// Where the report goes: its temporary file and the name it takes.
  DECK_FILE& place() { return place_; }

  /// Findings of each class so far.
  int64_t droppedCount() const;
  int64_t changedCount() const;
  int64_t warningCount() const;
  /// Sections the deck carries (bridge faces not counted).
  int64_t sectionsWritten() const;

  void finding(FindingKind kind, std::string_view station, std::string_view detail) override;
  void sectionWritten(const SectionCards& cards) override;
  void sectionRead(const SectionTexts& texts) override;
  void tally(Tally what) override;

 private:
  struct Tables;

  /// One row; `changes` holds a hydraulics row's area and conveyance change.
  void writeRow(FindingKind kind, std::string_view station, std::string_view detail,
                const double* changes = nullptr);
  /// A row of the CSV or JSON form.
  void writeScriptRow(FindingKind kind, std::string_view station, std::string_view detail,
                      const double* changes);
  void checkHydraulics(const SectionCards& cards);
  /// The end of the CSV or JSON form.
  void completeScriptForm();
  /// Checks the writes, syncs and closes the file; returns 0 or the errno.
  int finishFile();
  void endReach();
  void noteSectionNumber(const SectionCards& cards);
  void reportSharedNumbers();
  void addProfilePoint(const SectionCards& cards);
  void flushBridge();
  void drawBridge(bool upstreamOnly);
  void drawProfile();
  void writeSummary();
  void writeReaches();
  /// The per-reach table of the hydraulic check and the largest changes.
  void writeHydraulicCheck();

  int abandon(int error);

  DECK_FILE place_;  // where the report goes: a temporary file until it is whole
  OutputStream file_;
  ScratchFile findings_;
  ScratchFile pictures_;
  std::unique_ptr<Tables> t_;
};

}  // namespace tolvane
