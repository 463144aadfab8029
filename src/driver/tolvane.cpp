#include "driver/tolvane.h"

#include <cstring>
#include <memory>

#include "attach/attach.h"
#include "bridges/readBridge.h"
#include "deck/cards.h"
#include "driver/openfiles.h"
#include "driver/usage.h"
#include "deck/stop.h"
#include "deck/streams.h"
#include "network/readjcts.h"
#include "network/reachFiles.h"
#include "network/tables.h"
#include "network/writeT1.h"
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
  bool sorted = false;
  REACH_TABLE reaches;
  JUNCTION_TABLE junctions;
  REACH_FILES reachFiles;
  SECTION_RECORDS records;
  BRIDGE_CONVERTER bridge;
  LineBuffer line;
  RunStop stop;

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
                       r.nValues, r.lid, c.bridge, status, c.stop))
        return LineOutcome::STOPPED;
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
  if (c.output.close() != 0) {
    FreeLine().text("ERROR WRITING OUTPUT FILE").writeTo(c.console);
    return stopRun(c.stop, 1);
  }
  return true;
}

void TOLVANE(CONVERSION& c) {
  if (!OPENFILES(c.attach, c.input, c.output, c.console, c.sorted, c.stop)) return;
  if (!PREPROCESS_JUNCTIONS_AND_REACHES(c.input, c.scratch, c.console, c.reaches, c.junctions,
                                        c.sorted, c.reachFiles, c.stop))
    return;
  c.console.flush();
  c.reachTotal = c.reaches.REACH_COUNT;
  if (!convertAll(c)) return;
  finishDeck(c);
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

int runTolvane(std::span<const char* const> arguments, int consoleFd, int answerFd) {
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

  // Whatever ended the run, the deck keeps every card written so far and no
  // reach file is left behind.
  c->input.close();
  c->scratch.close();
  if (c->output.isOpen() && c->output.close() != 0 && !c->stop.stopped) {
    FreeLine().text("ERROR WRITING OUTPUT FILE").writeTo(c->console);
    stopRun(c->stop, 1);
  }
  removeReachDirectory(c->reachFiles);
  c->console.writeLine(c->stop.finalLine);
  c->console.flush();
  return c->stop.stopped ? c->stop.status : 0;
}

}  // namespace tolvane
