#include "network/readjcts.h"

#include <cstring>

#include "deck/cards.h"
#include "network/reachNames.h"
#include "platform/errors.h"
#include "platform/temporaryDirectory.h"
#include "text/reachKey.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

constexpr std::string_view kJunctionKey = "Junct Name=";
constexpr std::string_view kUpKey = "Up River,Reach=";
constexpr std::string_view kDownKey = "Dn River,Reach=";
constexpr std::string_view kJunctionEndKey = "Junc L&A=";
constexpr std::string_view kReverseTextKey = "Reverse River Text";
constexpr std::string_view kNodeHeaderKey = "Type RM Length";
/// Reach names that the finding of a reach without its end names.
constexpr int kReachesNamed = 12;

/// How a phase (or a junction block) of the reading ended.
enum class Reading { END_OF_INPUT, REACH_LINE, BLOCK_ENDED, STOPPED };

/// One read of the geometry file through both phases.
class PrePass {
 public:
  PrePass(InputStream& in, OutputStream& scratch, OutputStream& console, REACH_TABLE& reaches,
          JUNCTION_TABLE& junctions, bool sorted, REACH_FILES& files, RunStop& stop,
          const Findings& findings)
      : in_(in), scratch_(scratch), console_(console), reaches_(reaches),
        junctions_(junctions), sorted_(sorted), files_(files), stop_(stop),
        findings_(findings) {}

  bool run();

 private:
  Reading junctionPhase();
  Reading junctionBlock();
  bool addEndName(int32_t j, int32_t& count, REACH_NAME_TEXT* names, std::string_view key);
  Reading reachPhase();
  bool skipToReverseText(const REACH_NAME_TEXT& name);
  void noteNodeBeforeFirstReach();
  bool startReachFile(int32_t number, const LineBuffer& keyLine);
  void copyLine(const LineBuffer& line);
  void endRange();
  bool endReading();
  void connect();
  void connectEnd(int32_t j, int32_t count, const REACH_NAME_TEXT* names, int32_t* numbers,
                  int32_t* ends, std::string_view which);
  bool fail(std::string_view text, int64_t value);
  void explainScratchError(int error) {
    explainStop(stop_, {"cannot write temporary reach file '", scratch_.name(), "': ",
                        platform::errorText(error)});
  }

  InputStream& in_;
  OutputStream& scratch_;
  OutputStream& console_;
  REACH_TABLE& reaches_;
  JUNCTION_TABLE& junctions_;
  bool sorted_;
  REACH_FILES& files_;
  RunStop& stop_;
  const Findings& findings_;
  LineBuffer line_;
  int64_t scratchBytes_ = 0;  // bytes written to the reach file
  int32_t rangeOf_ = 0;       // the reach whose range is being written, 0 if none
};

bool PrePass::fail(std::string_view text, int64_t value) {
  FreeLine().text(text).integer(value).writeTo(console_);
  scratch_.close();
  return stopRun(stop_, 1);
}

bool PrePass::run() {
  clearNetworkTables(reaches_, junctions_);
  // The stream was just opened, so a stream that cannot seek (a pipe) is
  // still at its start; the second pass reports it if it needs the rewind.
  in_.rewind();
  if (sorted_) {
    if (int rc = makeReachDirectory(files_)) {
      explainStop(stop_, {"cannot create a temporary directory in '", platform::temporaryFolder(),
                          "' (set ", platform::TEMPORARY_FOLDER_VARIABLE,
                          " to a writable folder): ", platform::errorText(rc)});
      return fail("ERROR CREATING TEMPORARY DIRECTORY, IOSTAT=", rc);
    }
  }
  Reading reading = junctionPhase();
  if (reading == Reading::REACH_LINE) reading = reachPhase();
  if (reading == Reading::STOPPED || !endReading()) return false;

  FreeLine()
      .text("encountered end of file in first pass thru data,")
      .text(" processing the junctions now...")
      .writeTo(console_);
  for (int32_t r = 0; r < reaches_.REACH_COUNT; ++r) {
    reaches_.UP_JUNCTION[r] = -1;
    reaches_.DOWN_JUNCTION[r] = -1;
  }
  connect();
  if (sorted_) in_.close();
  return true;
}

Reading PrePass::junctionPhase() {
  while (in_.readLine(line_)) {
    if (line_.has(kJunctionKey)) {
      Reading block = junctionBlock();
      if (block != Reading::BLOCK_ENDED) return block;
    } else if (isReachKeyLine(line_)) {
      return Reading::REACH_LINE;
    } else if (sorted_ && findings_.active() && line_.has(kNodeHeaderKey)) {
      noteNodeBeforeFirstReach();
    }
  }
  return Reading::END_OF_INPUT;
}

// Sorted mode writes the reaches only: a node before the first reach key line
// is in no reach file.
void PrePass::noteNodeBeforeFirstReach() {
  FIELD8 station = BLANK_FIELD8;
  int n = 0;
  SQUEEZE_BLANKS(line_.columns(28, 35), station, n);
  findings_.note(FindingKind::BEFORE_FIRST_REACH, view(station),
                 DetailText()
                     .text("node of type ")
                     .nodeType(line_.columns(24, 25))
                     .text(" before the first reach key line: sorted mode writes reaches only, "
                           "so the deck does not carry it")
                     .view());
}

Reading PrePass::junctionBlock() {
  if (junctions_.JUNCTION_COUNT == JUNCTION_CAPACITY) {
    explainStop(stop_, {"the geometry file has more than 300 junctions, the most a run can "
                        "take; split the network into smaller geometry files"});
    fail("TOO MANY JUNCTIONS, THE LIMIT IS", JUNCTION_CAPACITY);
    return Reading::STOPPED;
  }
  int32_t j = junctions_.JUNCTION_COUNT++;
  takeName(line_.columns(12, LINE_WIDTH), junctions_.JUNCTION_NAME[j]);
  int32_t up = 0, down = 0;
  while (in_.readLine(line_)) {
    if (line_.has(kUpKey)) {
      if (!addEndName(j, up, junctions_.UP_NAMES[j], kUpKey)) return Reading::STOPPED;
    } else if (line_.has(kDownKey)) {
      if (!addEndName(j, down, junctions_.DOWN_NAMES[j], kDownKey)) return Reading::STOPPED;
    } else if (line_.has(kJunctionEndKey)) {
      junctions_.UP_COUNT[j] = up;
      junctions_.DOWN_COUNT[j] = down;
      return Reading::BLOCK_ENDED;
    }
  }
  return Reading::END_OF_INPUT;
}

bool PrePass::addEndName(int32_t j, int32_t& count, REACH_NAME_TEXT* names,
                         std::string_view key) {
  if (count == JUNCTION_END_CAPACITY) {
    std::string_view name(junctions_.JUNCTION_NAME[j].data(), junctions_.JUNCTION_NAME[j].size());
    int length = 0;
    LAST_NONBLANK(name, length);
    explainStop(stop_, {"junction '", name.substr(0, static_cast<size_t>(length)),
                        "' names more than 7 reaches at one end, the most a junction can take"});
    FreeLine()
        .text("TOO MANY REACHES AT JUNCTION ")
        .text(name)
        .text(", THE LIMIT IS")
        .integer(JUNCTION_END_CAPACITY)
        .writeTo(console_);
    scratch_.close();
    return stopRun(stop_, 1);
  }
  REACH_NAME_TEXT& name = names[count++];
  takeName(line_.columns(static_cast<int>(key.size()) + 1, LINE_WIDTH), name);
  cleanName(name);
  return true;
}

// Entered with the first reach key line in line_.
Reading PrePass::reachPhase() {
  LineBuffer keyLine;
  for (;;) {
    if (reaches_.REACH_COUNT == REACH_CAPACITY) {
      explainStop(stop_, {"the geometry file has more than 500 reaches, the most a run can "
                          "take; split the network into smaller geometry files"});
      fail("TOO MANY REACHES, THE LIMIT IS", REACH_CAPACITY);
      return Reading::STOPPED;
    }
    int32_t number = ++reaches_.REACH_COUNT;
    keyLine = line_;
    REACH_NAME_TEXT name;
    takeName(keyLine.columns(static_cast<int>(REACH_KEY.size()) + 1, LINE_WIDTH), name);
    cleanName(name);
    // A reach cut off before its "Reverse River Text" stays counted but unfiled.
    if (!skipToReverseText(name)) return Reading::END_OF_INPUT;
    int64_t key = 0;
    INSERTREACH(sorted_, name, number, reaches_, key, number);
    if (sorted_ && !startReachFile(number, keyLine)) return Reading::STOPPED;

    for (;;) {
      if (!in_.readLine(line_)) return Reading::END_OF_INPUT;
      if (isReachKeyLine(line_)) break;
      if (sorted_) {
        copyLine(line_);
        if (int rc = scratch_.error()) {
          explainScratchError(rc);
          fail("ERROR WRITING TEMPORARY REACH FILE, IOSTAT=", rc);
          return Reading::STOPPED;
        }
      }
    }
  }
}

bool PrePass::skipToReverseText(const REACH_NAME_TEXT& name) {
  int32_t skipped = 0;
  DetailText lost;
  while (in_.readLine(line_)) {
    if (line_.has(kReverseTextKey)) return true;
    if (!findings_.active() || !isReachKeyLine(line_)) continue;
    REACH_NAME_TEXT later;
    takeName(line_.columns(static_cast<int>(REACH_KEY.size()) + 1, LINE_WIDTH), later);
    if (skipped < kReachesNamed) lost.text(", ").quoted({later.data(), later.size()});
    else if (skipped == kReachesNamed) lost.text(", ...");
    ++skipped;
  }
  if (!findings_.active()) return false;
  DetailText detail;
  detail.text("reach ").quoted({name.data(), name.size()});
  detail.text(" has no \"Reverse River Text\" line: the first pass skipped the rest of the file");
  if (sorted_) detail.text(", so the deck carries neither this reach nor any after it");
  else detail.text(", so the network knows no reach after it");
  if (skipped == 0) detail.text("; no reach key line follows it");
  else detail.text("; reach key lines skipped: ").number(skipped).text(lost.view());
  findings_.note(FindingKind::REACH_WITHOUT_END, "", detail.view());
  return false;
}

// Every reach goes to the one reach file, as the range that follows the
// reach before it; the file is created with the first reach.
bool PrePass::startReachFile(int32_t number, const LineBuffer& keyLine) {
  if (!scratch_.isOpen()) {
    char path[sizeof files_.directory + 16];
    reachFilePath(files_, REACH_FILE_NUMBER, path, sizeof path);
    noteReachFile(files_, REACH_FILE_NUMBER);
    if (int rc = scratch_.create(path)) {
      explainStop(stop_,
                  {"cannot create temporary reach file '", path, "': ", platform::errorText(rc)});
      return fail("ERROR CREATING TEMPORARY REACH FILE, IOSTAT=", rc);
    }
  }
  endRange();
  files_.lineBeforeSecond[number] = in_.lineNumber();
  files_.rangeBegin[number] = scratchBytes_;
  rangeOf_ = number;
  copyLine(keyLine);
  return true;
}

void PrePass::endRange() {
  if (rangeOf_ > 0) files_.rangeEnd[rangeOf_] = scratchBytes_;
  rangeOf_ = 0;
}

// Writes a line so that reading it back gives the same line buffer: a line
// that itself ends in a carriage return gets a second one, since reading
// drops the carriage return that ends a line, and a line cut at column 132
// gets one blank more, so that it reads back as cut.
void PrePass::copyLine(const LineBuffer& line) {
  std::string_view text(line.text, static_cast<size_t>(line.length));
  std::string_view end = !text.empty() && text.back() == '\r' ? "\r\n" : "\n";
  scratch_.write(text);
  if (line.cut) scratch_.write(" ");
  scratch_.write(end);
  scratchBytes_ += static_cast<int64_t>(text.size() + (line.cut ? 1 : 0) + end.size());
}

// At the end of the reading: a failed read or a reach file that could not be
// written out whole stops the run instead of passing for the end of the file.
bool PrePass::endReading() {
  if (int rc = in_.error()) {
    explainStop(stop_, {"cannot read input file '", in_.name(), "': ", platform::errorText(rc)});
    return fail("ERROR READING INPUT FILE, IOSTAT=", rc);
  }
  endRange();
  if (sorted_ && scratch_.isOpen()) {
    if (int rc = scratch_.close()) {
      explainScratchError(rc);
      return fail("ERROR WRITING TEMPORARY REACH FILE, IOSTAT=", rc);
    }
  }
  return true;
}

void PrePass::connect() {
  for (int32_t j = 0; j < junctions_.JUNCTION_COUNT; ++j) {
    connectEnd(j, junctions_.UP_COUNT[j], junctions_.UP_NAMES[j], junctions_.UP_REACHES[j],
               reaches_.DOWN_JUNCTION, "An upstream reach named at Junction:");
    connectEnd(j, junctions_.DOWN_COUNT[j], junctions_.DOWN_NAMES[j],
               junctions_.DOWN_REACHES[j], reaches_.UP_JUNCTION,
               "A downstream reach named at Junction:");
  }
}

// Each reach named at the end of junction j gets j at its opposite end: a
// reach flowing into the junction ends there, one flowing out starts there.
void PrePass::connectEnd(int32_t j, int32_t count, const REACH_NAME_TEXT* names,
                         int32_t* numbers, int32_t* ends, std::string_view which) {
  for (int32_t k = 0; k < count; ++k) {
    int32_t r = FINDNAME(reaches_.REACH_NAME, names[k], reaches_.REACH_COUNT);
    numbers[k] = r;
    if (r > 0) {
      ends[r - 1] = j + 1;
      continue;
    }
    const JUNCTION_NAME_TEXT& junction = junctions_.JUNCTION_NAME[j];
    FreeLine().text(which).text({junction.data(), junction.size()}).writeTo(console_);
    findings_.note(FindingKind::JUNCTION_NAME_UNMATCHED, "",
                   DetailText()
                       .text(numbers == junctions_.UP_REACHES[j] ? "upstream" : "downstream")
                       .text(" reach ")
                       .quoted({names[k].data(), names[k].size()})
                       .text(" named at junction ")
                       .quoted({junction.data(), junction.size()})
                       .text(" matches no reach; the card that lists it carries 0")
                       .view());
    FreeLine()
        .text(" was not found in data. RCHNAME=")
        .text({names[k].data(), names[k].size()})
        .writeTo(console_);
  }
}

}  // namespace

bool PREPROCESS_JUNCTIONS_AND_REACHES(InputStream& in, OutputStream& scratch,
                                      OutputStream& console, REACH_TABLE& reaches,
                                      JUNCTION_TABLE& junctions, bool sorted,
                                      REACH_FILES& files, RunStop& stop,
                                      const Findings& findings) {
  return PrePass(in, scratch, console, reaches, junctions, sorted, files, stop, findings).run();
}

}  // namespace tolvane
