// Fuzz target: the whole conversion, in-process, on arbitrary bytes as the
// geometry file. The low bit of the first byte picks the mode (1: sorted);
// the remaining bytes are the file.
//
// Each input is converted twice in a row. Besides the sanitizers' own reports,
// the target fails when the two runs differ in any byte of the deck or the
// console or in their status (state survived from one run to the next), when
// a run leaves a file in its temporary directory or in the working directory,
// leaks a file descriptor, returns a status other than 0 or 1, or ends without
// the closing console line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "driver/tolvane.h"
#include "fuzzSupport.h"

namespace tolvane::fuzz {
namespace {

/// Names in the private scratch directory; file names must stay within the
/// 32 characters a command-line value may have.
struct Scratch {
  std::string directory;
  std::string input;
  std::string output;
  std::string temporary;  // given to the runs as TMPDIR
  std::string inputArgument;
  std::string outputArgument;
  std::string report;
  std::string reportArgument;
  int answers = -1;       // the runs read no answer: /dev/null
};

Scratch* gScratch = nullptr;

void removeScratch() {
  if (!gScratch) return;
  unlink(gScratch->input.c_str());
  unlink(gScratch->output.c_str());
  unlink(gScratch->report.c_str());
  rmdir(gScratch->temporary.c_str());
  rmdir(gScratch->directory.c_str());
}

Scratch& scratch() {
  if (gScratch) return *gScratch;
  struct stat st;
  const char* base = stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && access("/dev/shm", W_OK) == 0
                         ? "/dev/shm"
                         : "/tmp";
  std::string pattern = std::string(base) + "/tvfz-XXXXXX";
  if (!mkdtemp(pattern.data())) fail("mkdtemp");
  gScratch = new Scratch;
  gScratch->directory = pattern;
  gScratch->input = pattern + "/in.geo";
  gScratch->output = pattern + "/out.cs";
  gScratch->temporary = pattern + "/tmp";
  gScratch->inputArgument = "INPUT=" + gScratch->input;
  gScratch->outputArgument = "OUTPUT=" + gScratch->output;
  gScratch->report = pattern + "/r.html";
  gScratch->reportArgument = "REPORT=" + gScratch->report;
  if (mkdir(gScratch->temporary.c_str(), 0700) != 0) fail("mkdir tmp");
  setenv("TMPDIR", gScratch->temporary.c_str(), 1);
  gScratch->answers = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (gScratch->answers < 0) fail("opening /dev/null");
  std::atexit(removeScratch);
  return *gScratch;
}

void writeWhole(const std::string& path, const uint8_t* data, size_t size) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) fail("creating the input file");
  while (size > 0) {
    ssize_t put = ::write(fd, data, size);
    if (put <= 0) fail("writing the input file");
    data += put;
    size -= static_cast<size_t>(put);
  }
  ::close(fd);
}

std::string readWhole(const std::string& path) {
  std::string text;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return "<no deck>";
  char buffer[65536];
  ssize_t got;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(got));
  ::close(fd);
  return text;
}

/// The names in a directory other than `.`, `..` and those listed in `allowed`.
std::string strangers(const std::string& directory, std::initializer_list<std::string_view> allowed) {
  std::string found;
  DIR* dir = opendir(directory.c_str());
  if (!dir) fail("opendir", directory);
  while (dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    bool known = false;
    for (std::string_view a : allowed) known = known || name == a;
    if (!known) found.append(name).append(" ");
  }
  closedir(dir);
  return found;
}

struct Outcome {
  int status = 0;
  std::string console;
  std::string deck;
  std::string report;
};

Outcome convert(const uint8_t* data, size_t size, bool sorted, bool report, CaptureFile& console,
                CaptureFile& errors) {
  Scratch& s = scratch();
  writeWhole(s.input, data, size);
  unlink(s.output.c_str());
  unlink(s.report.c_str());
  console.clear();
  errors.clear();
  const char* arguments[] = {s.inputArgument.c_str(), s.outputArgument.c_str(),
                             sorted ? "SORTREACHES=YES" : "SORTREACHES=NO",
                             s.reportArgument.c_str()};
  int freeBefore = lowestFreeDescriptor();

  Outcome outcome;
  outcome.status = runTolvane(std::span<const char* const>(arguments, report ? 4 : 3), console.fd(),
                              s.answers, errors.fd());

  if (lowestFreeDescriptor() != freeBefore) fail("a run leaked a file descriptor");
  outcome.console = console.contents();
  outcome.deck = readWhole(s.output);
  if (report) {
    // A report goes with the deck: whole after a normal end, none after a stop.
    outcome.report = readWhole(s.report);
    if (outcome.status == 0 && !outcome.report.ends_with("</html>\n"))
      fail("a report that is not complete");
    if (outcome.status != 0 && access(s.report.c_str(), F_OK) == 0)
      fail("a report after a stop");
    unlink(s.report.c_str());
  }
  if (outcome.status != 0 && access(s.output.c_str(), F_OK) == 0) fail("a deck after a stop");
  if (outcome.status != 0 && outcome.status != 1)
    fail("exit status other than 0 or 1", std::to_string(outcome.status));
  constexpr std::string_view closing = "Stop - Program terminated.\n";
  if (outcome.console.size() < closing.size() ||
      outcome.console.compare(outcome.console.size() - closing.size(), closing.size(), closing) != 0)
    fail("the console does not end with the closing line", outcome.console);
  if (outcome.status == 0 && !outcome.deck.ends_with("\nEJ\n"))
    fail("a run that succeeded has no complete deck");
  std::string explanation = errors.contents();
  if (outcome.status == 0 && !explanation.empty())
    fail("a run that succeeded wrote to standard error", explanation);
  if (outcome.status == 1) {
    if (!explanation.starts_with("tolvane: ") || !explanation.ends_with("\n") ||
        explanation.find('\n') != explanation.size() - 1)
      fail("a stop did not explain itself in one line", explanation);
    if (access(s.output.c_str(), F_OK) == 0) fail("a stopped run left a deck");
  }
  if (std::string left = strangers(s.temporary, {}); !left.empty())
    fail("files left in the temporary directory", left);
  if (std::string left = strangers(s.directory, {"in.geo", "out.cs", "tmp"}); !left.empty())
    fail("files left in the working directory", left);
  return outcome;
}

}  // namespace
}  // namespace tolvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolvane::fuzz;
  static CaptureFile console, errors;
  bool sorted = size > 0 && (data[0] & 1) != 0;
  bool report = size > 0 && (data[0] & 2) != 0;
  const uint8_t* file = size > 0 ? data + 1 : data;
  size_t fileSize = size > 0 ? size - 1 : 0;

  Outcome first = convert(file, fileSize, sorted, report, console, errors);
  Outcome second = convert(file, fileSize, sorted, report, console, errors);
  if (first.status != second.status) fail("two runs of one input ended with different statuses");
  if (first.console != second.console)
    fail("two runs of one input wrote different console text", first.console + "----\n" + second.console);
  if (first.deck != second.deck) fail("two runs of one input wrote different decks");
  if (first.report != second.report) fail("two runs of one input wrote different reports");
  return 0;
}
