#include "driver/tolvane.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "attach/attach.h"
#include "bridges/readBridge.h"
#include "deck/cards.h"
#include "deck/deckFile.h"
#include "deck/stop.h"
#include "deck/streams.h"
#include "driver/openfiles.h"
#include "driver/usage.h"
#include "driver/version.h"
#include "network/readjcts.h"
#include "network/reachFiles.h"
#include "network/tables.h"
#include "network/writeT1.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/leftovers.h"
#include "report/conversionReport.h"
#include "sections/crossSection.h"
#include "sections/readSection.h"
#include "sections/writeSection.h"
#include "text/numbers.h"
#include "text/reachKey.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// Everything one conversion owns, from the command line to the last card.
struct CONVERSION {
  OutputStream console;
  InputStream answers;
  ATTACH_LIBRARY attach;
  InputStream input;
  OutputStream output;
  OutputStream scratch;
  DECK_FILE deck;
  bool sorted = false;
  Field1Fit fit = Field1Fit::CUT;
  REACH_TABLE reaches;
  JUNCTION_TABLE junctions;
  REACH_FILES reachFiles;
  SECTION_RECORDS records;
  BRIDGE_CONVERTER bridge;
  LineBuffer line;
  RunStop stop;
  char inputName[STREAM_NAME_CAPACITY] = {};
  RunFiles files;
  ConversionReport report;
  Findings findings;  // the report's, once it is open
  // Warnings for standard error: what the run could not do, though it ended.
  char warnings[2048] = {};
  size_t warningsLength = 0;

  // Second-pass state.
  int32_t reachTotal = 0;
  int32_t fileCounter = 0;
  int32_t openReachFile = 0;  // number of the reach whose range is being read, 0 if none
  int32_t currentReach = 0;
  bool pending = false;
  bool reachClosed = true;
};

constexpr std::string_view NODE_HEADER_KEY = "Type RM Length";
constexpr std::string_view CULVERT_BANNER = "*  CULVERT NODE ENCOUNTERED AT RM=";
constexpr std::string_view BRIDGE_BANNER = "*  BRIDGE NODE ENCOUNTERED AT RM=";

enum NodeType : int32_t {
  CROSS_SECTION_NODE = 1,
  CULVERT_NODE = 2,
  BRIDGE_NODE = 3,
  NOT_AN_INTEGER_TYPE = INT32_MIN,  ///< columns 24-25 hold no whole integer
};

void writePendingSection(CONVERSION& c) {
  if (!c.pending) return;
  SECTION_RECORDS& r = c.records;
  WRITE_SECTION(c.output, r.section, r.INEFFECTIVE, r.BLOCKED, r.nValues, r.lid, c.fit,
                c.findings, SectionRole::SECTION);
  c.pending = false;
}

void startReach(CONVERSION& c) {
  writePendingSection(c);
  if (!c.reachClosed) {
    WRITE_DB(c.output, c.currentReach, c.reaches, c.junctions);
    c.reachClosed = true;
  }
  ++c.currentReach;
  if (c.report.isOpen()) c.report.startReach(c.currentReach, c.line.columns(13, 45));
  WRITE_T1(c.output, c.currentReach, c.line.columns(13, 45));
  c.reachClosed = false;
  WRITE_UB(c.output, c.currentReach, c.reaches, c.junctions);
}

/// The station text of a node header: columns 28-35 with blanks squeezed out.
FIELD8 stationOf(const LineBuffer& line) {
  FIELD8 station = BLANK_FIELD8;
  int n = 0;
  SQUEEZE_BLANKS(line.columns(28, 35), station, n);
  return station;
}

enum class LineOutcome { NEXT_LINE, END_OF_INPUT, STOPPED };

/// Adds to the explanation of a stop the geometry file's line where reading
/// stopped.
void explainWhereReadingStopped(CONVERSION& c) {
  int64_t line = c.input.lineNumber();
  const char* file = c.input.name();
  if (c.sorted && c.openReachFile > 0) {
    line = geometryLineOf(c.reachFiles, c.openReachFile, line);
    file = c.inputName;
  }
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, line);
  std::string_view number(digits, static_cast<size_t>(end - digits));
  addToExplanation(c.stop, {"; reading stopped at line ", number, " of '", file, "'"});
}

/// Explains a stop caused by a failed read of the input stream.
void explainReadError(CONVERSION& c, int error) {
  explainStop(c.stop, {"cannot read ", c.sorted ? "temporary reach file '" : "input file '",
                       c.input.name(), "': ", platform::errorText(error)});
}

/// Explains a stop caused by a failed write of the deck.
void explainWriteError(CONVERSION& c, int error) {
  explainStop(c.stop,
              {"cannot write output file '", c.output.name(), "': ", platform::errorText(error)});
}

/// What the report says of a node type the deck does not carry.
std::string_view skippedNodeName(int32_t type) {
  switch (type) {
    case 4: return " (multiple opening)";
    case 5: return " (inline structure)";
    case 6: return " (lateral structure)";
    default: return "";
  }
}

/// The type of the node whose header line is in the line buffer: columns
/// 24-25 as a whole integer. A field that is not one ("1," of a free-format
/// header) is a type of its own, skipped like types 4 and above.
int32_t nodeTypeOf(const LineBuffer& line) {
  int32_t type = 0;
  return readWholeIntegerField(line.columns(24, 25), type) ? type : NOT_AN_INTEGER_TYPE;
}

/// Counts a node the driver meets and tells what the deck leaves out of it.
void noteNode(const CONVERSION& c, int32_t type) {
  const Findings& f = c.findings;
  if (!f.active()) return;
  static constexpr Tally kTallies[] = {Tally::OTHER_NODE,  Tally::SECTION_NODE, Tally::CULVERT_NODE,
                                       Tally::BRIDGE_NODE, Tally::NODE_TYPE_4,  Tally::NODE_TYPE_5,
                                       Tally::NODE_TYPE_6};
  f.count(type >= 1 && type <= 6 ? kTallies[type] : Tally::OTHER_NODE);
  if (type == CROSS_SECTION_NODE || type == BRIDGE_NODE) return;
  FIELD8 station = stationOf(c.line);
  if (type == CULVERT_NODE) {
    f.note(FindingKind::CULVERT, view(station),
           "culvert node: the deck carries its comment banner only");
    return;
  }
  f.note(FindingKind::NODE_SKIPPED, view(station),
         DetailText()
             .text("node of type ")
             .nodeType(c.line.columns(24, 25))
             .text(skippedNodeName(type))
             .text(": not converted, its lines are skipped")
             .view());
}

/// Converts the node whose header line is in the line buffer.
LineOutcome convertNode(CONVERSION& c) {
  int32_t type = nodeTypeOf(c.line);
  SECTION_RECORDS& r = c.records;
  int32_t status = 0;
  noteNode(c, type);
  switch (type) {
    case CROSS_SECTION_NODE:
      writePendingSection(c);
      READ_SECTION(c.input, c.output, c.line, r.section, r.INEFFECTIVE, r.BLOCKED, r.nValues,
                   r.lid, status, c.findings);
      c.pending = true;
      // A section cut short by the next reach's key line ends there.
      if (status == REACH_KEY_MET) startReach(c);
      return LineOutcome::NEXT_LINE;
    case CULVERT_NODE:
      writeBanner(c.output, CULVERT_BANNER, stationOf(c.line));
      return LineOutcome::NEXT_LINE;
    case BRIDGE_NODE:
      writeBanner(c.output, BRIDGE_BANNER, stationOf(c.line));
      c.bridge.upstreamWritten = !c.pending;
      if (!READ_BRIDGE(c.input, c.output, c.console, c.line, r.section, r.INEFFECTIVE, r.BLOCKED,
                       r.nValues, r.lid, c.bridge, status, c.stop, c.findings)) {
        explainWhereReadingStopped(c);
        return LineOutcome::STOPPED;
      }
      c.pending = false;
      if (status == END_OF_INPUT) return LineOutcome::END_OF_INPUT;
      if (status == REACH_KEY_MET) startReach(c);
      return LineOutcome::NEXT_LINE;
    default:
      return LineOutcome::NEXT_LINE;
  }
}

/// Reads the current input stream to its end, converting what it holds.
/// Returns false when the run stopped.
bool convertStream(CONVERSION& c) {
  while (c.input.readLine(c.line)) {
    LineOutcome outcome = LineOutcome::NEXT_LINE;
    if (isReachKeyLine(c.line)) {
      startReach(c);
    } else if (c.line.has(NODE_HEADER_KEY)) {
      outcome = convertNode(c);
    }
    if (outcome == LineOutcome::STOPPED) return false;
    if (outcome == LineOutcome::END_OF_INPUT) break;
  }
  if (c.input.error() != 0) {
    explainReadError(c, c.input.error());
    FreeLine().text("ERROR READING INPUT FILE, IOSTAT=").integer(c.input.error()).writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  return true;
}

/// Closes the reach file after the last reach and deletes it.
bool closeReachFile(CONVERSION& c) {
  if (!c.input.isOpen()) return true;
  int rc = c.input.close();
  if (rc == 0 && c.openReachFile > 0) {
    char path[sizeof c.reachFiles.directory + 16];
    reachFilePath(c.reachFiles, REACH_FILE_NUMBER, path, sizeof path);
    rc = platform::removeFile(path);
  }
  c.openReachFile = 0;
  if (rc == 0) return true;
  explainStop(c.stop, {"cannot delete temporary reach file '", c.input.name(), "': ",
                       platform::errorText(rc)});
  FreeLine().text("error closing reach file..iostat=").integer(rc).writeTo(c.output);
  return stopRun(c.stop, 1);
}

enum class TakeUp { OPENED, NO_MORE, STOPPED };

/// Sorted mode: takes up the next reach in deck order, the range of the reach
/// file that holds its lines; the file is opened with the first reach.
TakeUp takeUpNextReachFile(CONVERSION& c) {
  ++c.fileCounter;
  if (c.fileCounter > c.reachTotal) return TakeUp::NO_MORE;
  int32_t number = c.reaches.FILE_NUMBER[c.fileCounter - 1];
  if (number == 0) return TakeUp::NO_MORE;
  if (!c.input.isOpen()) {
    char path[sizeof c.reachFiles.directory + 16];
    reachFilePath(c.reachFiles, REACH_FILE_NUMBER, path, sizeof path);
    if (int rc = c.input.open(path); rc != 0) {
      explainStop(c.stop,
                  {"cannot open temporary reach file '", path, "': ", platform::errorText(rc)});
      FreeLine().text("error opening reach file..iostat=").integer(rc).writeTo(c.output);
      stopRun(c.stop, 1);
      return TakeUp::STOPPED;
    }
  }
  c.input.readRange(c.reachFiles.rangeBegin[number], c.reachFiles.rangeEnd[number]);
  c.openReachFile = number;
  return TakeUp::OPENED;
}

/// The second pass over the geometry file or the reaches of the reach file.
bool convertAll(CONVERSION& c) {
  for (;;) {
    if (c.sorted) {
      TakeUp next = takeUpNextReachFile(c);
      if (next == TakeUp::STOPPED) return false;
      if (next == TakeUp::NO_MORE) return true;
    }
    if (int rc = c.input.rewind(); rc != 0) {
      explainStop(c.stop, {"cannot read input file '", c.input.name(),
                           "' a second time (it must be a file, not a pipe): ",
                           platform::errorText(rc)});
      FreeLine().text("ERROR READING INPUT FILE, IOSTAT=").integer(rc).writeTo(c.console);
      return stopRun(c.stop, 1);
    }
    if (!convertStream(c)) return false;
    if (!c.sorted || c.currentReach >= c.reachTotal) return true;
  }
}

/// The closing cards: the pending section, the last DB card, a blank card,
/// EJ; then the deck written out, synced (when it replaces a file) and closed.
bool finishDeck(CONVERSION& c) {
  writePendingSection(c);
  if (c.currentReach > 0) WRITE_DB(c.output, c.currentReach, c.reaches, c.junctions);
  c.output.writeLine("");
  c.output.writeLine("EJ");
  if (c.sorted && !closeReachFile(c)) return false;
  c.input.close();
  int rc = c.deck.temporary[0] != '\0' ? c.output.sync() : 0;
  int closed = c.output.close();
  if (rc == 0) rc = closed;
  if (rc != 0) {
    explainWriteError(c, rc);
    FreeLine().text("ERROR WRITING OUTPUT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  return true;
}

/// Starts the report once the run's files are settled.
void beginReport(CONVERSION& c) {
  if (!c.report.isOpen()) return;
  c.findings = Findings(&c.report);
  auto name = [](const NameText& text) {
    std::string_view v(text.data(), text.size());
    return v.substr(0, v.find_last_not_of(' ') + 1);
  };
  c.report.begin({name(c.files.input), name(c.files.output), c.sorted, c.fit, PROGRAM_VERSION});
  c.report.setNetwork(c.reaches, c.junctions);
}

void TOLVANE(CONVERSION& c) {
  bool opened = OPENFILES(c.attach, c.input, c.output, c.console, c.sorted, c.fit, c.deck,
                          c.stop, c.files, c.report);
  c.bridge.fit = c.fit;
  beginReport(c);
  if (!opened) return;
  copyStreamName(c.input.name(), c.inputName);
  if (!PREPROCESS_JUNCTIONS_AND_REACHES(c.input, c.scratch, c.console, c.reaches, c.junctions,
                                        c.sorted, c.reachFiles, c.stop, c.findings))
    return;
  c.console.flush();
  c.reachTotal = c.reaches.REACH_COUNT;
  if (!convertAll(c)) return;
  finishDeck(c);
}

/// The standard-error line of a stop with an error status.
void writeExplanation(const RunStop& stop, int errorFd) {
  if (!stop.stopped || stop.status == 0) return;
  std::string_view why = explanationOf(stop);
  if (why.empty()) why = "the run stopped; see the messages above";
  // One write, so the line stays whole beside other output.
  char line[sizeof stop.explanation + 16];
  size_t n = 0;
  for (std::string_view part : {std::string_view("tolvane: "), why, std::string_view("\n")}) {
    std::memcpy(line + n, part.data(), part.size());
    n += part.size();
  }
  platform::writeAll(errorFd, line, n);
}

/// The report's name as the command line gave it.
std::string_view reportName(const CONVERSION& c) {
  std::string_view name(c.files.report.data(), c.files.report.size());
  return name.substr(0, name.find_last_not_of(' ') + 1);
}

/// Completes the report: written whole, synced and closed, not yet in place.
bool completeReport(CONVERSION& c) {
  if (!c.report.isOpen()) return true;
  if (c.report.sectionsWritten() == 0)
    c.findings.note(FindingKind::NO_SECTION, "",
                    "the input holds no cross section the conversion could read: "
                    "the deck carries no section");
  if (int rc = c.report.complete(); rc != 0) {
    explainStop(c.stop,
                {"cannot write report file '", reportName(c), "': ", platform::errorText(rc)});
    FreeLine().text("ERROR WRITING REPORT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  return true;
}

/// The console line of a report put in place.
void writeReportLine(CONVERSION& c) {
  CardLine line;
  line.raw(" REPORT WRITTEN TO ").raw(reportName(c)).raw(": ");
  char counts[96];
  int n = std::snprintf(counts, sizeof counts, "%lld DROPPED, %lld CHANGED, %lld WARNINGS",
                        static_cast<long long>(c.report.droppedCount()),
                        static_cast<long long>(c.report.changedCount()),
                        static_cast<long long>(c.report.warningCount()));
  line.raw({counts, static_cast<size_t>(n)}).writeTo(c.console);
}

/// Adds a `tolvane: warning: ...` line for standard error.
void warn(CONVERSION& c, std::initializer_list<std::string_view> parts) {
  size_t room = sizeof c.warnings - c.warningsLength;
  auto add = [&](std::string_view part) {
    size_t n = part.size() < room ? part.size() : room;
    std::memcpy(c.warnings + c.warningsLength, part.data(), n);
    c.warningsLength += n;
    room -= n;
  };
  add("tolvane: warning: ");
  for (std::string_view part : parts) add(part);
  // A line cut for room still ends.
  if (room == 0) c.warningsLength -= 1;
  c.warnings[c.warningsLength++] = '\n';
}

/// The permission bits as octal digits.
std::string_view octalBits(unsigned bits, char (&digits)[8]) {
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, bits & 07777u, 8);
  return {digits, static_cast<size_t>(end - digits)};
}

/// Warns of a file put in place without the permission bits it was to take.
void warnOfPermissions(CONVERSION& c, const DECK_FILE& file, std::string_view what) {
  if (file.permissionError == 0 || file.target[0] == '\0') return;
  char digits[8];
  warn(c, {"cannot give the ", what, " '", file.target, "' the permission bits ",
           octalBits(file.permissions, digits), ": ", platform::errorText(file.permissionError),
           "; it keeps those it was made with"});
}

/// Puts the deck and the report in place together, or neither.
bool commitFiles(CONVERSION& c) {
  DECK_FILE* report = c.report.isOpen() ? &c.report.place() : nullptr;
  RunCommit commit = commitRun(c.deck, report);
  if (commit.failed == CommitFailure::REPORT) {
    explainStop(c.stop, {"cannot put the finished report in place of '", report->target,
                         "': ", platform::errorText(commit.error)});
    FreeLine().text("ERROR WRITING REPORT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  if (commit.failed == CommitFailure::DECK) {
    explainStop(c.stop, {"cannot put the finished deck in place of '", c.deck.target, "': ",
                         platform::errorText(commit.error)});
    if (commit.restoreError != 0)
      addToExplanation(c.stop, {"; the earlier report could not be put back (",
                                platform::errorText(commit.restoreError), ") and is kept as '",
                                report->earlier, "'"});
    FreeLine().text("ERROR WRITING OUTPUT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  if (commit.syncError != 0)
    warn(c, {"cannot make the new names in the deck's folder durable: ",
             platform::errorText(commit.syncError),
             "; the files are in place, but a power cut now could undo that"});
  warnOfPermissions(c, c.deck, "deck");
  if (report) warnOfPermissions(c, *report, "report");
  return true;
}

/// Tries once more to remove the temporary files that could not be removed,
/// and warns of those that stay.
void removeLeftovers(CONVERSION& c) {
  int unnamed = platform::retryLeftovers(
      [](const char* path, bool folder, int error, void* context) {
        warn(*static_cast<CONVERSION*>(context),
             {"cannot remove the temporary ", folder ? "folder '" : "file '", path, "': ",
              platform::errorText(error), "; it is left behind and may be deleted"});
      },
      &c);
  if (unnamed > 0) {
    char digits[16];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, unnamed);
    warn(c, {"more temporary files could not be removed: ",
             std::string_view(digits, static_cast<size_t>(end - digits)),
             " are left behind in the temporary folder"});
  }
}

}  // namespace

namespace {

/// Writes the help or the version text; 0, or 1 when it could not be written.
int answerRequest(ProgramRequest request, int consoleFd) {
  OutputStream console;
  console.attach(consoleFd);
  if (request == ProgramRequest::HELP) writeUsage(console);
  else writeVersion(console);
  return console.flush() == 0 ? 0 : 1;
}

}  // namespace

int runTolvane(std::span<const char* const> arguments, int consoleFd, int answerFd,
               int errorFd) {
  if (ProgramRequest request = programRequest(arguments); request != ProgramRequest::CONVERT)
    return answerRequest(request, consoleFd);
  // Default-initialised, not zeroed: the tables are cleared below, so memory
  // that a small run never uses is never touched.
  std::unique_ptr<CONVERSION> c(new CONVERSION);
  c->console.attach(consoleFd);
  int answers = platform::NO_FILE;
  if (platform::duplicateFile(answerFd, answers) == 0) c->answers.adopt(answers);
  c->attach.arguments = arguments;
  c->attach.messages = &c->console;
  c->attach.answers = &c->answers;
  clearNetworkTables(c->reaches, c->junctions);
  clearSectionRecords(c->records);
  clearBridgeConverter(c->bridge);

  TOLVANE(*c);

  c->input.close();
  c->scratch.close();
  removeReachDirectory(c->reachFiles);
  // The deck and the report are put in place together, the report first,
  // once both are whole; after a stop neither is, and earlier files of their
  // names stay as they were.
  bool committed = !c->stop.stopped && completeReport(*c) && commitFiles(*c);
  if (!committed) {
    c->output.close();
    discardDeckFile(c->deck);
    if (c->report.isOpen()) c->report.discard();
  } else if (c->report.isOpen()) {
    writeReportLine(*c);
  }
  removeLeftovers(*c);
  c->console.writeLine(c->stop.finalLine);
  c->console.flush();
  writeExplanation(c->stop, errorFd);
  if (c->warningsLength > 0) platform::writeAll(errorFd, c->warnings, c->warningsLength);
  return c->stop.stopped ? c->stop.status : 0;
}

}  // namespace tolvane
