#include "attach/attachRoutines.h"

#include <algorithm>
#include <cstring>

#include "attach/messageLine.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace tolvane {

namespace {

constexpr int32_t kConsoleInput = 5;
constexpr int32_t kConsoleOutput = 6;
constexpr std::string_view kScratchPrefix = "SCRATCH.";
constexpr std::string_view kConsoleName = "CON";
constexpr std::string_view kTerminal = "/dev/tty";

enum class OpenStatus { UNKNOWN, NEW, OLD, SCRATCH };

OpenStatus statusFromLetter(char letter) {
  switch (letter) {
    case 'N': return OpenStatus::NEW;
    case 'O': return OpenStatus::OLD;
    case 'S': return OpenStatus::SCRATCH;
    default: return OpenStatus::UNKNOWN;
  }
}

/// How a dialogue about the file ended.
enum class Dialogue { OPEN, NO_ANSWER, TOO_LONG };

/// A file name as a C string: the name without its trailing blanks.
class PathName {
 public:
  explicit PathName(std::span<const char> name) {
    std::string_view text = trimmed({name.data(), name.size()});
    fits_ = text.size() < sizeof path_;
    size_t n = fits_ ? text.size() : 0;
    std::memcpy(path_, text.data(), n);
    path_[n] = '\0';
  }
  const char* c_str() const { return path_; }
  /// False when the name is longer than a path can be.
  bool fits() const { return fits_; }

 private:
  char path_[4096];
  bool fits_;
};

std::string_view nameText(std::span<const char> name) { return {name.data(), name.size()}; }

bool isConsoleName(std::span<const char> name) { return trimmed(nameText(name)) == kConsoleName; }

bool fileExists(std::span<const char> name) {
  PathName path(name);
  return path.fits() && platform::fileExists(path.c_str());
}

/// Reads a file name typed by the user into name.
Dialogue readName(ATTACH_LIBRARY& lib, std::span<char> name) {
  LineBuffer line;
  if (!readAnswer(lib, line)) return Dialogue::NO_ANSWER;
  std::string_view typed = trimmed(line.view());
  typed.remove_prefix(std::min(typed.find_first_not_of(' '), typed.size()));
  copyPadded(typed, name);
  return typed.size() > name.size() ? Dialogue::TOO_LONG : Dialogue::OPEN;
}

/// Asks before an existing file is overwritten, until the user agrees or
/// names a file that may be written.
Dialogue confirmNewFile(ATTACH_LIBRARY& lib, std::span<char> name, bool append,
                        bool takenFromDefault, bool& exists) {
  for (;;) {
    if (append || takenFromDefault || isConsoleName(name) || !exists || !lib.prompting)
      return Dialogue::OPEN;
    MessageLine question;
    question.add(" [").add(trimmed(nameText(name)));
    question.add("] ALREADY EXISTS...DO YOU WISH TO OVERWRITE IT? ");
    writeMessage(lib.messages, question.view());
    LineBuffer answer;
    if (!readAnswer(lib, answer)) return Dialogue::NO_ANSWER;
    char first = answer.length > 0 ? answer.text[0] : ' ';
    if (first == 'Y') return Dialogue::OPEN;
    if (first != 'N') {
      writeMessage(lib.messages, " UNRECOGNIZED RESPONSE");
      continue;
    }
    writeMessage(lib.messages, " ENTER NEW FILE NAME: ");
    if (Dialogue typed = readName(lib, name); typed != Dialogue::OPEN) return typed;
    exists = fileExists(name);
  }
}

/// Asks for another name until an existing file is named.
Dialogue findOldFile(ATTACH_LIBRARY& lib, std::span<char> name, bool& exists) {
  for (;;) {
    if (isConsoleName(name) || exists || !lib.prompting) return Dialogue::OPEN;
    MessageLine complaint;
    complaint.add(" OPEN STATUS IS OLD BUT FILE [").add(trimmed(nameText(name)));
    complaint.add("] DOES NOT EXIST");
    writeMessage(lib.messages, complaint.view());
    writeMessage(lib.messages, "");
    writeMessage(lib.messages, " ENTER ANOTHER FILE NAME: ");
    std::fill(name.begin(), name.end(), ' ');
    if (Dialogue typed = readName(lib, name); typed != Dialogue::OPEN) return typed;
    exists = fileExists(name);
  }
}

void reportOpenError(OutputStream* messages, int error, int32_t unit) {
  MessageLine line;
  line.add(" : ERROR: NUMBER ").addInt(error, 5).add(" WHILE TRYING TO OPEN UNIT").addInt(unit, 4);
  writeMessage(messages, line.view());
}

}  // namespace

bool ATTOPN(ATTACH_LIBRARY& lib, int32_t unit, std::span<char> name,
            const ATTACH_OPTIONS& options, bool takenFromDefault, int32_t& status, RunStop& stop) {
  UNIT_OPEN_MODE mode;
  mode.direct = options.accessLetter == 'D';
  mode.formatted = options.formLetter != 'U';
  mode.recordLength = mode.direct ? options.recordLength : 0;
  OpenStatus openStatus = statusFromLetter(options.statusLetter);

  if (nameText(name).starts_with(kScratchPrefix)) {
    openStatus = OpenStatus::SCRATCH;
    if (!ATTSCR(name, unit)) {
      status = VALUE_TOO_LONG;
      return true;
    }
  }

  // A name beginning with "+" asks for the file to be written at its end.
  if (!name.empty() && name[0] == '+') {
    mode.append = true;
    std::copy(name.begin() + 1, name.end(), name.begin());
    name.back() = ' ';
    if (mode.direct) {
      MessageLine line;
      line.add(" ERROR ** CANNOT APPEND TO A DIRECT ACCESS FILE: ").add(nameText(name));
      writeMessage(lib.messages, line.view());
      return stopRun(stop, 1);
    }
  }

  bool tested = openStatus != OpenStatus::SCRATCH;
  bool exists = tested && fileExists(name);
  Dialogue dialogue = Dialogue::OPEN;
  if (openStatus == OpenStatus::NEW)
    dialogue = confirmNewFile(lib, name, mode.append, takenFromDefault, exists);
  else if (openStatus == OpenStatus::OLD)
    dialogue = findOldFile(lib, name, exists);
  if (dialogue == Dialogue::NO_ANSWER) {
    writeMessage(lib.messages, " NO ANSWER, OPEN ABANDONED");
    status = NO_ANSWER;
    return true;
  }
  if (dialogue == Dialogue::TOO_LONG) {
    status = VALUE_TOO_LONG;
    return true;
  }

  // The console is not a file: "CON" on any unit, a terminal on units 5 and 6.
  if (isConsoleName(name)) {
    lib.units.openConsole(unit);
    return true;
  }
  if (!mode.direct && (unit == kConsoleInput || unit == kConsoleOutput) &&
      nameText(name).starts_with(kTerminal))
    return true;

  // A new file that the user may overwrite starts empty.
  mode.truncate = openStatus == OpenStatus::NEW && !mode.append;
  PathName path(name);
  int error = path.fits() ? lib.units.open(unit, path.c_str(), mode) : platform::NAME_TOO_LONG;
  if (error > 0 && path.fits() && openStatus == OpenStatus::SCRATCH)
    error = lib.units.open(unit, path.c_str(), mode);
  if (error > 0) {
    reportOpenError(lib.messages, error, unit);
    status = error;
    return true;
  }
  if (tested && !exists && !takenFromDefault) {
    MessageLine line;
    line.add(" : WARNING: FILE GENERATED -- ").add(nameText(name));
    writeMessage(lib.messages, line.view());
  }
  return true;
}

}  // namespace tolvane

