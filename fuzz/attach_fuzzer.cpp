// Fuzz target: the command-line library on arbitrary argument lists. The
// bytes are split at NUL bytes into arguments; the program's own declarations
// are made on them as run setup makes them: INPUT, OUTPUT and SORTREACHES
// with the option text "NOP", then ATTCHK.
//
// Each argument list is declared twice, on two fresh libraries. Besides the
// sanitizers' own reports, the target fails when the two differ (state
// survived from one run to the next), when a status is outside the values the
// library documents, when a stop is not recorded, or when a name was not
// filled to its whole length.

#include <array>
#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "attach/attach.h"
#include "fuzzSupport.h"

namespace tolvane::fuzz {
namespace {

/// At most this many arguments are taken from one input.
constexpr size_t MAX_ARGUMENTS = 64;
constexpr size_t NAME_LENGTH = 32;

struct Declaration {
  std::array<char, NAME_LENGTH> name{};
  int32_t status = 0;
};

struct Outcome {
  bool completed = false;  // every call returned true
  RunStop stop;
  Declaration input, output, sort;
  std::string messages;

  bool operator==(const Outcome& other) const {
    return completed == other.completed && stop.stopped == other.stop.stopped &&
           stop.status == other.stop.status && stop.finalLine == other.stop.finalLine &&
           input.name == other.input.name && input.status == other.input.status &&
           output.name == other.output.name && output.status == other.output.status &&
           sort.name == other.sort.name && sort.status == other.sort.status &&
           messages == other.messages;
  }
};

std::string describe(const Outcome& o) {
  auto one = [](std::string_view what, const Declaration& d) {
    return std::string(what) + " [" + std::string(d.name.data(), d.name.size()) + "] status " +
           std::to_string(d.status) + "\n";
  };
  return "completed " + std::to_string(o.completed) + ", stopped " + std::to_string(o.stop.stopped) +
         ", status " + std::to_string(o.stop.status) + ", final line " + std::string(o.stop.finalLine) +
         "\n" + one("INPUT", o.input) + one("OUTPUT", o.output) + one("SORTREACHES", o.sort) +
         o.messages;
}

int devNull() {
  static int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail("opening /dev/null");
  return fd;
}

/// A status the library may hand back for a "NOP" declaration.
bool documentedStatus(int32_t status) {
  return status == -11 || status == -10 || status == -2 || status == -1 || status == 0 ||
         status == 36;
}

bool declare(ATTACH_LIBRARY& lib, std::string_view keyword, std::string_view defaultValue,
             Declaration& d, RunStop& stop) {
  // No argument can hold a NUL byte, so a NUL left in the name is a position
  // that ATTACH did not fill.
  d.name.fill('\0');
  d.status = 0;
  bool ok = ATTACH(lib, 0, keyword, defaultValue, "NOP", d.name, d.status, stop);
  if (ok) {
    if (!documentedStatus(d.status)) fail("undocumented ATTACH status", std::to_string(d.status));
    for (char c : d.name)
      if (c == '\0') fail("ATTACH left part of the name unfilled");
  }
  return ok;
}

Outcome declareAll(const std::vector<const char*>& arguments, CaptureFile& messageFile) {
  messageFile.clear();
  OutputStream messages;
  messages.attach(messageFile.fd());
  InputStream answers;
  answers.adopt(dup(devNull()));

  Outcome outcome;
  ATTACH_LIBRARY lib;
  lib.arguments = arguments;
  lib.messages = &messages;
  lib.answers = &answers;
  outcome.completed = declare(lib, "INPUT", " ", outcome.input, outcome.stop) &&
                      declare(lib, "OUTPUT", "MAVO.CS", outcome.output, outcome.stop) &&
                      declare(lib, "SORTREACHES", "NO", outcome.sort, outcome.stop) &&
                      ATTCHK(lib, outcome.stop);
  if (outcome.completed == outcome.stop.stopped)
    fail(outcome.completed ? "a stop was recorded but not returned" : "a call failed without a stop");
  if (outcome.stop.stopped && outcome.stop.status != 0 && outcome.stop.status != 1)
    fail("stop status other than 0 or 1");
  messages.flush();
  outcome.messages = messageFile.contents();
  return outcome;
}

}  // namespace
}  // namespace tolvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tolvane::fuzz;
  static CaptureFile messages;
  std::vector<std::string> texts(1);
  for (size_t i = 0; i < size && texts.size() <= MAX_ARGUMENTS; ++i) {
    if (data[i] == 0)
      texts.emplace_back();
    else
      texts.back().push_back(static_cast<char>(data[i]));
  }
  if (texts.size() > MAX_ARGUMENTS) texts.pop_back();
  if (size == 0) texts.clear();
  std::vector<const char*> arguments;
  for (const std::string& t : texts) arguments.push_back(t.c_str());

  devNull();  // opened once, before the descriptor count is taken
  int freeBefore = lowestFreeDescriptor();
  Outcome first = declareAll(arguments, messages);
  Outcome second = declareAll(arguments, messages);
  if (lowestFreeDescriptor() != freeBefore) fail("the library leaked a file descriptor");
  if (!(first == second)) fail("two runs of one argument list differ", describe(first) + "----\n" + describe(second));
  return 0;
}
