#include "driver/tolvane.h"

#include <charconv>
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
#include "network/readjcts.h"
#include "network/reachFiles.h"
#include "network/tables.h"
#include "network/writeT1.h"
#include "platform/errors.h"
#include "platform/files.h"
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
  REACH_TABLE reaches;
  JUNCTION_TABLE junctions;
  REACH_FILES reachFiles;
  SECTION_RECORDS records;
  BRIDGE_CONVERTER bridge;
  LineBuffer line;
  RunStop stop;
  char inputName[STREAM_NAME_CAPACITY] = {};

  // Second-pass state.
  int32_t reachTotal = 0;
  int32_t fileCounter = 0;
  int32_t openReachFile = 0;  // file number of the reach file being read, 0 if none
  int32_t currentReach = 0;
  bool pending = false;
  bool reachClosed = true;
};

constexpr std::string_view NODE_HEADER_KEY = "Type RM Length";
constexpr std::string_view CULVERT_BANNER = "*  CULVERT NODE ENCOUNTERED AT RM=";
constexpr std::string_view BRIDGE_BANNER = "*  BRIDGE NODE ENCOUNTERED AT RM=";

enum NodeType { CROSS_SECTION_NODE = 1, CULVERT_NODE = 2, BRIDGE_NODE = 3 };

void writePendingSection(CONVERSION& c) {
  if (!c.pending) return;
  SECTION_RECORDS& r = c.records;
  WRITE_SECTION(c.output, r.section, r.INEFFECTIVE, r.BLOCKED, r.nValues, r.lid);
  c.pending = false;
}

void startReach(CONVERSION& c) {
  writePendingSection(c);
  if (!c.reachClosed) {
    WRITE_DB(c.output, c.currentReach, c.reaches, c.junctions);
    c.reachClosed = true;
  }
  ++c.currentReach;
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

/// Converts the node whose header line is in the line buffer.
LineOutcome convertNode(CONVERSION& c) {
  int32_t type = readIntegerField(c.line.columns(24, 25));
  SECTION_RECORDS& r = c.records;
  int32_t status = 0;
  switch (type) {
    case CROSS_SECTION_NODE:
      writePendingSection(c);
      READ_SECTION(c.input, c.output, c.line, r.section, r.INEFFECTIVE, r.BLOCKED, r.nValues,
                   r.lid, status);
      c.pending = true;
      // A section cut short by the next reach's key line ends there.
      if (status == REACH_KEY_MET) startReach(c);
      return LineOutcome::NEXT_LINE;
    case CULVERT_NODE:
      writeBanner(c.output, CULVERT_BANNER, stationOf(c.line));
      return LineOutcome::NEXT_LINE;
    case BRIDGE_NODE:
      writeBanner(c.output, BRIDGE_BANNER, stationOf(c.line));
      if (!READ_BRIDGE(c.input, c.output, c.console, c.line, r.section, r.INEFFECTIVE, r.BLOCKED,
                       r.nValues, r.lid, c.bridge, status, c.stop)) {
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

/// Closes the reach file just read and deletes it.
bool closeReachFile(CONVERSION& c) {
  if (!c.input.isOpen()) return true;
  int rc = c.input.close();
  if (rc == 0 && c.openReachFile > 0) {
    char path[sizeof c.reachFiles.directory + 16];
    reachFilePath(c.reachFiles, c.openReachFile, path, sizeof path);
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

/// Sorted mode: takes up the next reach file in deck order.
TakeUp takeUpNextReachFile(CONVERSION& c) {
  ++c.fileCounter;
  if (c.fileCounter > c.reachTotal) return TakeUp::NO_MORE;
  if (!closeReachFile(c)) return TakeUp::STOPPED;
  int32_t number = c.reaches.FILE_NUMBER[c.fileCounter - 1];
  if (number == 0) return TakeUp::NO_MORE;
  char path[sizeof c.reachFiles.directory + 16];
  reachFilePath(c.reachFiles, number, path, sizeof path);
  if (int rc = c.input.open(path); rc != 0) {
    explainStop(c.stop,
                {"cannot open temporary reach file '", path, "': ", platform::errorText(rc)});
    FreeLine().text("error opening reach file..iostat=").integer(rc).writeTo(c.output);
    stopRun(c.stop, 1);
    return TakeUp::STOPPED;
  }
  c.openReachFile = number;
  return TakeUp::OPENED;
}

/// The second pass over the geometry file or the reach files.
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

/// The closing cards: the pending section, the last DB card, a blank card, EJ.
bool finishDeck(CONVERSION& c) {
  writePendingSection(c);
  if (c.currentReach > 0) WRITE_DB(c.output, c.currentReach, c.reaches, c.junctions);
  c.output.writeLine("");
  c.output.writeLine("EJ");
  if (c.sorted && !closeReachFile(c)) return false;
  c.input.close();
  if (int rc = c.output.close(); rc != 0) {
    explainWriteError(c, rc);
    FreeLine().text("ERROR WRITING OUTPUT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  if (int rc = commitDeckFile(c.deck); rc != 0) {
    explainStop(c.stop, {"cannot rename the finished deck '", c.deck.temporary, "' to '",
                         c.deck.target, "': ", platform::errorText(rc)});
    FreeLine().text("ERROR WRITING OUTPUT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  return true;
}

void TOLVANE(CONVERSION& c) {
  if (!OPENFILES(c.attach, c.input, c.output, c.console, c.sorted, c.deck, c.stop)) return;
  copyStreamName(c.input.name(), c.inputName);
  if (!PREPROCESS_JUNCTIONS_AND_REACHES(c.input, c.scratch, c.console, c.reaches, c.junctions,
                                        c.sorted, c.reachFiles, c.stop))
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
  auto c = std::make_unique<CONVERSION>();
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

  // After a stop the temporary deck goes, so an earlier deck of its name stays
  // as it was, and no reach file is left behind.
  c->input.close();
  c->scratch.close();
  c->output.close();
  discardDeckFile(c->deck);
  removeReachDirectory(c->reachFiles);
  c->console.writeLine(c->stop.finalLine);
  c->console.flush();
  writeExplanation(c->stop, errorFd);
  return c->stop.stopped ? c->stop.status : 0;
}

}  // namespace tolvane
